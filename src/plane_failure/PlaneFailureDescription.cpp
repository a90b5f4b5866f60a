// SPDX-License-Identifier: MIT
#include "plane_failure/PlaneFailureDescription.h"

#include <array>

#include "analysis/CommonInputChecks.h"
#include "analysis/RunMessages.h"
#include "plane_failure/PlaneAnalysis.h"
#include "plane_failure/PlaneFields.h"

namespace vardolin {

namespace {

// The labelled quantities of PlaneDiagram.svg: the boxes around their labels in its pixels.
// "Slope Face" comes before "Discontinuity Surface", whose slanted label's box overlaps it.
constexpr std::array<DiagramLabel, 10> kDiagramLabels{{
    {9, 158, 17, 68, plane::SlopeHeight},
    {8, 294, 91, 17, plane::SlopeFaceAngle},
    {102, 318, 98, 17, plane::DiscontinuityAngle},
    {274, 136, 36, 18, plane::TensionCrackDepth},
    {68, 71, 76, 17, 0,
     "Crest Location: the crest lies Slope Height / tan(Slope Face Angle) beyond the toe, "
     "measured horizontally; the run works it out."},
    {122, 43, 120, 17, 0,
     "Tension Crack Location: how far behind the crest the tension crack lies. The crack "
     "reaches down to the sliding plane, so its place follows from the slope height, its "
     "depth (Height) and both angles."},
    {75, 157, 42, 60, 0, "Slope Face: rises from the toe to the crest at the Slope Face Angle."},
    {88, 185, 99, 69, 0,
     "Discontinuity Surface: the plane the block slides on, rising from the toe at the "
     "Discontinuity Angle to the foot of the tension crack. Its cohesion and friction angle "
     "are the statistical data."},
    {247, 202, 118, 17, 0,
     "Horizontal Water Force: the push of the water in the tension crack on the block, "
     "half the unit weight of water times the square of the water height, per metre of "
     "slope (N/m)."},
    {194, 244, 134, 17, 0,
     "Uplift Pressure from Water: the water pressure on the sliding plane, rising from nothing "
     "at the toe to its most at the foot of the crack; its force is half the unit weight of "
     "water times the water height times the length of the plane, per metre of slope (N/m)."},
}};

constexpr std::array<std::string_view, 16> kMessages{
    messages::kCountNotAboveOne,
    messages::kCountNotBelowLimit,
    messages::kFixedData,
    messages::kStable,
    messages::kNotStable,
    messages::kSlopeHeightNotAboveZero,
    messages::kFaceAngleOutOfRange,
    messages::kPlaneAngleOutOfRange,
    messages::kPlaneDoesNotDaylight,
    messages::kWaterUnitWeightNotAboveZero,
    messages::kCrackDepthOutOfRange,
    messages::kCrackNotBehindCrest,
    messages::kCohesionBelowZero,
    messages::kFrictionAngleOutOfRange,
    messages::kRockUnitWeightNotAboveZero,
    messages::kWaterAboveCrack,
};

std::string PlaneMethod(const FieldTexts& fields, UnitSystem /*units*/) {
    return "Plane failure of a rock block on a discontinuity with a vertical tension crack, by "
           "limiting equilibrium: the factor of safety is the shear strength along the plane "
           "(cohesion, and the friction on the block's weight less the water's uplift and thrust) "
           "over the forces driving the block down it. " +
           fields.text(plane::CalculationCount) +
           " Monte Carlo trials each draw the cohesion, the friction angle, the unit weight of "
           "rock and the water height in the crack; a trial whose factor is below 1 has failed. "
           "With every standard deviation 0 the run is one evaluation at the averages.";
}

constexpr AnalysisDescription kPlaneFailure{
    .id = "plane_failure",
    .formName = "Vardolin",
    .caption = "Limiting Equilibrium",
    .fields = plane::kFields,
    .run = RunPlaneAnalysis,
    .messages = kMessages,
    .diagramLabels = kDiagramLabels,
    .factorAtMeans = PlaneFactorAtMeans,
    .diagram = "PlaneDiagram.svg",
    .uncertainInputs = plane::kPlaneInputs,
    .correlatedPairs = kRockCorrelatedPairs,
    .methodStatement = PlaneMethod,
    .splittable = true,
};

}  // namespace

const AnalysisDescription& PlaneFailure() {
    return kPlaneFailure;
}

}  // namespace vardolin

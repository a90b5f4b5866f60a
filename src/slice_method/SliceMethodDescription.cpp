// SPDX-License-Identifier: MIT
#include "slice_method/SliceMethodDescription.h"

#include <array>

#include "analysis/CommonInputChecks.h"
#include "analysis/RunMessages.h"
#include "slice_method/SliceAnalysis.h"
#include "slice_method/SliceFields.h"

namespace vardolin {

namespace {

constexpr std::string_view kCoordinates =
    "X, Y: the diagram's coordinates in m, with the origin (0,0) at the toe; X1, X2 and Y2 are "
    "given in them.";
constexpr std::string_view kGridOfCentres =
    "Grid of Bishop Method: the centres of the trial slip circles. Each trial draws its centre "
    "on the grid's diagonal, from (X1, Slope Height) across by the distance between X1 and X2 "
    "and up by the distance between Y2 and Slope Height.";

// The labelled quantities of SliceDiagram.svg: the boxes around their labels in its pixels,
// and last the grid of centres, around which X1, X2 and Y2 stand.
constexpr std::array<DiagramLabel, 18> kDiagramLabels{{
    {79, 45, 18, 17, slice_method::CentreX1},
    {105, 45, 18, 17, slice_method::CentreX2},
    {91, 28, 18, 17, slice_method::CentreY2},
    {19, 241, 33, 17, slice_method::SlopeFaceAngle},
    {3, 178, 17, 68, slice_method::SlopeHeight},
    {336, 126, 36, 17, slice_method::SlopeHeight},
    {320, 197, 17, 69, WaterHeightMean},
    {214, 249, 19, 20, 0, "Li: length of the base of slice i along the slip circle."},
    {115, 102, 14, 18, 0,
     "R: radius of the slip circle, from its centre in the grid to the toe; every trial "
     "circle passes through the toe."},
    {224, 166, 18, 17, 0,
     "Wi: weight of slice i, from its height, its width and the unit weight of rock."},
    {238, 112, 12, 18, 0,
     "b: width of each slice, the circle's span beyond the toe divided by the Number of "
     "Slice."},
    {249, 210, 19, 17, 0,
     "hw: height of the water above the base of slice i, from Water Height, at most up to "
     "the ground."},
    {360, 284, 12, 17, 0, kCoordinates},
    {60, 100, 12, 17, 0, kCoordinates},
    {29, 263, 27, 17, 0,
     "(0,0): the origin of X and Y, at the toe of the slope; every trial circle passes "
     "through it."},
    {89, 179, 53, 53, 0, "Slope Face: rises from the toe to the crest at the Angle."},
    {167, 24, 114, 17, 0, kGridOfCentres},
    {76, 44, 52, 34, 0, kGridOfCentres},
}};

constexpr std::array<std::string_view, 15> kMessages{
    messages::kCountNotAboveOne,
    messages::kCountNotBelowLimit,
    messages::kSliceCountNotAboveZero,
    messages::kSliceCountNotBelowLimit,
    messages::kNoCircleBeyondCrest,
    messages::kZeroSliceWidth,
    messages::kStable,
    messages::kNotStable,
    messages::kSlopeHeightNotAboveZero,
    messages::kSliceFaceAngleOutOfRange,
    messages::kWaterUnitWeightNotAboveZero,
    messages::kCohesionBelowZero,
    messages::kFrictionAngleOutOfRange,
    messages::kRockUnitWeightNotAboveZero,
    messages::kWaterAboveSlope,
};

std::string SliceMethodStatement(const FieldTexts& fields, UnitSystem /*units*/) {
    return "Circular failure by Bishop's simplified method of slices. Each of " +
           fields.text(slice_method::CalculationCount) +
           " Monte Carlo trials draws its own slip circle through the toe, its centre on the "
           "diagonal of the grid of centres, cuts it into " +
           fields.text(slice_method::SliceCount) +
           " slices and draws the cohesion, the friction angle, the unit weight of rock and the "
           "water height afresh for every slice; a trial whose factor is below 1 has failed. "
           "With every standard deviation 0 the run is one evaluation at the averages.";
}

constexpr AnalysisDescription kSliceMethod{
    .id = "slice_method",
    .formName = "vard2",
    .caption = "Method of Slice",
    .fields = slice_method::kFields,
    .run = RunSliceAnalysis,
    .messages = kMessages,
    .diagramLabels = kDiagramLabels,
    // No factorAtMeans: each trial draws its own circle, so no one evaluation stands for it.
    .diagram = "SliceDiagram.svg",
    .uncertainInputs = slice_method::kSliceInputs,
    .samplesInputs = false,
    .methodStatement = SliceMethodStatement,
    .whyNotSplittable =
        "each trial draws its parameters once for every slice of its own "
        "circle, a varying number of values, so a part cannot tell where in "
        "the sequence its first trial starts",
};

}  // namespace

const AnalysisDescription& SliceMethod() {
    return kSliceMethod;
}

}  // namespace vardolin

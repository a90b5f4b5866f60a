// SPDX-License-Identifier: MIT
#include "critical_circle/CriticalCircleDescription.h"

#include <array>

#include "analysis/CommonInputChecks.h"
#include "analysis/KeptTables.h"
#include "analysis/RunMessages.h"
#include "critical_circle/AcceptanceVerdict.h"
#include "critical_circle/CircleSearch.h"
#include "critical_circle/CriticalCircleFields.h"
#include "critical_circle/CriticalCircleKeptTables.h"
#include "critical_circle/CriticalCircleLimits.h"
#include "critical_circle/CriticalCircleRun.h"
#include "critical_circle/FactorEvaluator.h"
#include "files/Model.h"
#include "files/ShortestText.h"

namespace vardolin {

// A saved run keeps every factor of the longest run this analysis makes.
static_assert(static_cast<std::size_t>(critical::kMaxTrials) <= kMaxSavedTrialFactors);

namespace {

constexpr std::array<std::string_view, 35> kMessages{
    messages::kCircleCountNotAboveOne,
    messages::kCircleCountAboveLimit,
    critical::kAcceptanceVerdicts[0],
    critical::kAcceptanceVerdicts[1],
    critical::kAcceptanceVerdicts[2],
    critical::kAcceptanceVerdicts[3],
    critical::kAcceptanceVerdicts[4],
    critical::kAcceptanceVerdicts[5],
    critical::kAcceptanceVerdicts[6],
    critical::kAcceptanceVerdicts[7],
    messages::kCircleSlopeHeightNotAboveZero,
    messages::kCircleFaceAngleOutOfRange,
    messages::kSliceCountOutOfRange,
    messages::kSoilCohesionBelowZero,
    messages::kSoilFrictionAngleOutOfRange,
    messages::kSoilUnitWeightNotAboveZero,
    messages::kPoreRatioOutOfRange,
    messages::kDeviationBelowZero,
    messages::kGridXOutOfOrder,
    messages::kGridYOutOfOrder,
    messages::kCentresOutOfRange,
    messages::kRadiiOutOfRange,
    messages::kTooManyCircles,
    messages::kDepthBelowZero,
    messages::kSearchMethodUnknown,
    messages::kEntryRangeOutOfOrder,
    messages::kExitRangeOutOfOrder,
    messages::kGivenCircleIncomplete,
    messages::kGivenRadiusNotAboveZero,
    messages::kNoUsableCircle,
    messages::kGivenCircleNoMass,
    messages::kGivenCircleNoFactor,
    messages::kNoUsableTrial,
    messages::kMinimumFactorNotAboveZero,
    messages::kMaximumPercentageOutOfRange,
};

std::string Row(std::initializer_list<double> values) {
    std::string row;
    for (const double value : values) {
        if (!row.empty()) {
            row += ',';
        }
        row += ShortestText(value);
    }
    return row + "\r\n";
}

// The critical circle's slices at the averages, and the grid's lowest factor per centre.
ExportTables CircleTables(KeptTables& kept) {
    const auto& tables = kept.Of<critical::CriticalCircleKeptTables>();
    ExportTables out;
    if (!tables.hasCircle) {
        return out;
    }
    ExportTable slices{"critical_circle_slices",
                       "slice,x,width,height,base_angle,base_length,weight,pore_pressure,"
                       "ordinary_resisting,driving,bishop_numerator,m_alpha,bishop_resisting\r\n",
                       "Slices of the critical circle at the averages"};
    int number = 0;
    for (const critical::SliceRow& s : tables.sliceTable) {
        slices.csv +=
            std::to_string(++number) + ',' +
            Row({s.middleX, s.width, s.height, s.baseAngle, s.baseLength, s.weight, s.porePressure,
                 s.ordinaryResisting, s.driving, s.bishopNumerator, s.mAlpha, s.bishopResisting});
    }
    out.push_back(std::move(slices));
    if (!tables.centres.empty()) {
        ExportTable centres{"grid_centres", "centre_x,centre_y,lowest_factor,radius\r\n", ""};
        for (const critical::CentreMinimum& c : tables.centres) {
            centres.csv += c.found
                               ? Row({c.centreX, c.centreY, c.factor, c.radius})
                               : ShortestText(c.centreX) + ',' + ShortestText(c.centreY) + ",,\r\n";
        }
        out.push_back(std::move(centres));
    }
    return out;
}

// The method in the terms of the form's inputs, as typed: the slices, Bishop's iteration, the
// search or the given circle, and the trials.
std::string CircleMethod(const FieldTexts& fields, UnitSystem units) {
    using namespace critical;
    const auto text = [&](int field) { return fields.text(field); };
    const std::string m = " " + std::string(UnitOf(Quantity::Length, units));
    std::string statement =
        "Bishop's simplified method of slices on circular slip surfaces in one homogeneous "
        "soil. Each circle's sliding mass is cut into " +
        text(SliceCount) +
        " slices of equal width; Bishop's factor is iterated from the ordinary (Fellenius) "
        "factor until a step changes it by at most " +
        ShortestText(kBishopTolerance) + " of itself (at most " +
        std::to_string(kMaxBishopIterations) +
        " steps). A circle whose iteration does not settle, or whose m_alpha falls below " +
        ShortestText(kMinimumMAlpha) + " on a slice, is never taken as the critical one. ";
    const auto filled = [&](int field) {
        return text(field).find_first_not_of(" \t") != std::string::npos;
    };
    // A side, a depth or a range end typed as Auto is placed from the slope's height and face.
    const auto side = [&](int field) {
        return IsAutoText(text(field)) ? std::string("Auto") : text(field) + m;
    };
    if (filled(GivenCentreX) && filled(GivenCentreY) && filled(GivenRadius)) {
        statement += "The circle checked is the given one: centre (" + text(GivenCentreX) + ", " +
                     text(GivenCentreY) + ")" + m + ", radius " + text(GivenRadius) + m +
                     "; no search. ";
    } else {
        if (IsEntryExitText(text(SearchMethod))) {
            statement +=
                "The critical circle, of lowest Bishop factor, is searched among circles joining " +
                text(CentresPerSide) + " entry points behind the crest (x from " +
                side(EntryXFrom) + " to " + side(EntryXTo) + ") to " + text(CentresPerSide) +
                " exit points on the face or in front of the toe (x from " + side(ExitXFrom) +
                " to " + side(ExitXTo) + "), " + text(RadiiPerCentre) +
                " circles for each pair, from the half circle over their chord to the circle "
                "whose arc spans 20 degrees";
        } else {
            statement += "The critical circle, of lowest Bishop factor, is searched on a grid of " +
                         text(CentresPerSide) + " by " + text(CentresPerSide) +
                         " centres, x from " + side(GridXFrom) + " to " + side(GridXTo) +
                         " and y from " + side(GridYFrom) + " to " + side(GridYTo) + ", with " +
                         text(RadiiPerCentre) +
                         " radii at each centre from the circle through the toe to the circle that "
                         "touches the depth level";
        }
        statement += " (depth below the toe " + side(DepthBelowToe) +
                     "; Auto placed from the slope's height and face angle, and moved out, at "
                     "most " +
                     std::to_string(kMaxWidenings) +
                     " times, while the lowest circle lies on it). Then the " +
                     std::to_string(kRefinementStarts) +
                     " lowest local minima are each refined by a pattern search in the circle's "
                     "centre and a third number that follows an edge of the accepted circles "
                     "(through the toe, tangent to the ground in front of it, at the depth "
                     "level), round after round until a round lowers the factor by less than " +
                     ShortestText(kRefinementTolerance) +
                     " of it; the lowest refined circle is the critical one. ";
    }
    statement += "The probability of failure is the share of " + text(TrialCount) +
                 " Monte Carlo trials on that circle whose Bishop factor is below 1; each trial "
                 "draws the cohesion, the friction angle, the unit weight and the pore-pressure "
                 "ratio once for the whole sliding mass, with the sampling choices listed. With "
                 "every standard deviation 0 the run is one evaluation at the averages.";
    return statement;
}

constexpr AnalysisDescription kCriticalCircle{
    .id = "critical_circle",
    .formName = "vard3",
    .caption = "Critical Circle",
    .fields = critical::kFields,
    .run = RunCriticalCircle,
    .messages = kMessages,
    .diagramLabels = {},
    .factorAtMeans = CriticalCircleFactorAtMeans,
    .diagram = {},
    .uncertainInputs = critical::kCircleInputs,
    .correlatedPairs = critical::kCirclePairs,
    .exportTables = CircleTables,
    .methodStatement = CircleMethod,
    .drawsDiagram = true,
    .choosesUnits = true,
    .splittable = true,
};

}  // namespace

const AnalysisDescription& CriticalCircle() {
    return kCriticalCircle;
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "critical_circle/CriticalCircleDescription.h"

#include <array>

#include "analysis/CommonInputChecks.h"
#include "analysis/KeptTables.h"
#include "analysis/RunMessages.h"
#include "critical_circle/AcceptanceVerdict.h"
#include "critical_circle/CriticalCircleFields.h"
#include "critical_circle/CriticalCircleKeptTables.h"
#include "critical_circle/CriticalCircleLimits.h"
#include "critical_circle/CriticalCircleRun.h"
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
                       "ordinary_resisting,driving,bishop_numerator,m_alpha,bishop_resisting\r\n"};
    int number = 0;
    for (const critical::SliceRow& s : tables.sliceTable) {
        slices.csv +=
            std::to_string(++number) + ',' +
            Row({s.middleX, s.width, s.height, s.baseAngle, s.baseLength, s.weight, s.porePressure,
                 s.ordinaryResisting, s.driving, s.bishopNumerator, s.mAlpha, s.bishopResisting});
    }
    out.push_back(std::move(slices));
    if (!tables.centres.empty()) {
        ExportTable centres{"grid_centres", "centre_x,centre_y,lowest_factor,radius\r\n"};
        for (const critical::CentreMinimum& c : tables.centres) {
            centres.csv += c.found
                               ? Row({c.centreX, c.centreY, c.factor, c.radius})
                               : ShortestText(c.centreX) + ',' + ShortestText(c.centreY) + ",,\r\n";
        }
        out.push_back(std::move(centres));
    }
    return out;
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
};

}  // namespace

const AnalysisDescription& CriticalCircle() {
    return kCriticalCircle;
}

}  // namespace vardolin

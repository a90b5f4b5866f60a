// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

#include "fields/FieldFacts.h"
#include "fields/ReportFields.h"
#include "rock_statistics/RockStatistics.h"

namespace vardolin {
namespace messages {

inline constexpr std::string_view kWaterAboveSlope =
    "Please Enter Average of Water Height from 0 up to the Slope Height";

}  // namespace messages

namespace slice_method {

// The fields of the slice-method form, by control number (Text1 is 1), besides the statistics
// Text9..Text16 it shares with the plane-failure form (UncertainField). There is no Text18.
enum Field : int {
    CentreX1 = 1,
    SlopeHeight = 2,
    CentreX2 = 3,
    CentreY2 = 4,
    MessageField = 5,
    MeanSafetyFactor = 6,
    ExplanationField = 7,
    SlopeFaceAngle = 8,
    FailureProbability = 17,
    SliceCount = 19,
    WaterUnitWeight = 20,
    CalculationCount = 21,
};

// Every field of the form in field order, which is also the order "Clear Data" empties them.
inline constexpr auto kFields = JoinFieldFacts(
    std::array<FieldFact, 4>{{
        {CentreX1, FieldRole::Input, "grid_x1", "X1", "4", "m",
         "X1: where the grid of slip-circle centres (Grid of Bishop Method in the diagram) "
         "begins, measured along X from the toe at (0,0). The grid reaches to the right of it "
         "by the distance between X1 and X2."},
        {SlopeHeight, FieldRole::Input, "slope_height", "Slope Height", "20", "m",
         "Height of the slope from its toe up to its crest."},
        {CentreX2, FieldRole::Input, "grid_x2", "X2", "8", "m",
         "X2: with X1, the width of the grid of slip-circle centres (Grid of Bishop Method in "
         "the diagram), the distance between X1 and X2; with X2 beyond X1 it is the grid's "
         "right edge."},
        {CentreY2, FieldRole::Input, "grid_y2", "Y2", "2", "m",
         "Y2: with the slope height, the height of the grid of slip-circle centres (Grid of "
         "Bishop Method in the diagram), the distance between Y2 and the slope height. The "
         "grid's lower edge lies at the crest's level, Y = slope height."},
    }},
    kVerdictFields,
    std::array<FieldFact, 1>{{
        {SlopeFaceAngle, FieldRole::Input, "slope_face_angle", "Angle", "45", "degrees",
         "Angle: inclination of the slope face from the horizontal, the arc at the toe in the "
         "diagram."},
    }},
    kStatisticsFields, kFailurePercentageField,
    std::array<FieldFact, 3>{{
        {SliceCount, FieldRole::Input, "slice_count", "Number of Slice", "10", "count",
         "Number of slices under each slip circle: at least 1 and less than 10000."},
        {WaterUnitWeight, FieldRole::Input, "water_unit_weight", "Unit Weight of Water", "9800",
         "N/m³", "Unit weight of water."},
        {CalculationCount, FieldRole::Count, "trial_count", "Number of Calculation", "500", "count",
         "Number of Monte Carlo trials: more than 1 and less than 10000."},
    }});
static_assert(AreInFieldOrder(kFields), "one fact per field, the shared ones among the form's own");
static_assert(MessageField == kVerdictFields[0].number &&
              MeanSafetyFactor == kVerdictFields[1].number &&
              ExplanationField == kVerdictFields[2].number &&
              FailureProbability == kFailurePercentageField[0].number);

// The four uncertain inputs, drawn per slice: the water reaches at most up to the slope height.
inline constexpr auto kSliceInputs = RockInputs(SlopeHeight, messages::kWaterAboveSlope);

}  // namespace slice_method
}  // namespace vardolin

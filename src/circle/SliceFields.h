// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "shared/FieldFacts.h"
#include "shared/UncertainParameters.h"

namespace vardolin::circle {

// The fields of the slice-method form, by control number (Text1 is 1), besides the statistics
// Text9..Text16 that both forms share (UncertainField). There is no Text18.
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
    std::array<FieldFact, 8>{{
        {CentreX1, FieldRole::Input, "grid_x1", "X1", "4", "m",
         "X1: where the grid of slip-circle centres starts, horizontally from the toe (m). "
         "The centres run from (X1, slope height) by |X2 - X1| across and |Y2 - slope height| "
         "up, as the grid in the diagram"},
        {SlopeHeight, FieldRole::Input, "slope_height", "Slope Height", "20", "m",
         "Height of the slope from its toe to its crest (m)"},
        {CentreX2, FieldRole::Input, "grid_x2", "X2", "8", "m",
         "X2: the other horizontal bound of the grid of slip-circle centres (m); the grid is "
         "|X2 - X1| wide"},
        {CentreY2, FieldRole::Input, "grid_y2", "Y2", "2", "m",
         "Y2: the level that, with the slope height, bounds the grid of slip-circle centres in "
         "height (m); the grid rises |Y2 - slope height| above the crest level"},
        {MessageField, FieldRole::Message, "message", "Massage", "", "",
         "The verdict of the last run, or why it stopped"},
        {MeanSafetyFactor, FieldRole::MeanSafetyFactor, "mean_safety_factor", "Saifty Factor", "",
         "", "Mean factor of safety of the trials (no unit; below 1 the slope fails)"},
        {ExplanationField, FieldRole::Explanation, "explanation", "Explanation", "", "",
         "What the last run computed"},
        {SlopeFaceAngle, FieldRole::Input, "slope_face_angle", "Angle", "45", "degrees",
         "Angle: inclination of the slope face at the toe from the horizontal, in degrees"},
    }},
    kStatisticsFields,
    std::array<FieldFact, 4>{{
        {FailureProbability, FieldRole::FailurePercentage, "failure_probability",
         "Failure Probability (%)", "", "%",
         "Percentage of the trials whose factor of safety is below 1 (%)"},
        {SliceCount, FieldRole::Input, "slice_count", "Number of Slice", "10", "count",
         "Number of slices under each slip circle (count, at least 1 and less than 10000)"},
        {WaterUnitWeight, FieldRole::Input, "water_unit_weight", "Unit Weight of Water", "9800",
         "N/m³", "Unit weight of water (N/m³)"},
        {CalculationCount, FieldRole::Count, "trial_count", "Number of Calculation", "500", "count",
         "Number of Monte Carlo trials (count, more than 1 and less than 10000)"},
    }});
static_assert(AreInFieldOrder(kFields), "one fact per field, the statistics among the form's own");

}  // namespace vardolin::circle

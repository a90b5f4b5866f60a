// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

#include "fields/FieldFacts.h"
#include "fields/ReportFields.h"
#include "rock_statistics/RockStatistics.h"

namespace vardolin {
namespace messages {

inline constexpr std::string_view kWaterAboveCrack =
    "Please Enter Average of Water Height from 0 up to the Height of Tension Crack";

}  // namespace messages

namespace plane {

// The fields of the plane-failure form, by control number (Text1 is 1), besides the statistics
// Text9..Text16 it shares with the slice form (UncertainField). There is no Text8.
enum Field : int {
    SlopeHeight = 1,
    SlopeFaceAngle = 2,
    DiscontinuityAngle = 3,
    CalculationCount = 4,
    MessageField = 5,
    MeanSafetyFactor = 6,
    ExplanationField = 7,
    FailureProbability = 17,
    WaterUnitWeight = 18,
    TensionCrackDepth = 19,
};

// Every field of the form in field order, which is also the order "Clear Data" empties them.
inline constexpr auto kFields = JoinFieldFacts(
    std::array<FieldFact, 4>{{
        {SlopeHeight, FieldRole::Input, "slope_height", "Slope Height", "20", "m",
         "Height of the slope from its toe up to its crest."},
        {SlopeFaceAngle, FieldRole::Input, "slope_face_angle", "Slope Face Angle", "60", "degrees",
         "Inclination of the slope face from the horizontal, at the toe."},
        {DiscontinuityAngle, FieldRole::Input, "discontinuity_angle", "Discontinuity Angle", "40",
         "degrees",
         "Inclination of the discontinuity surface, the plane the block slides on, from the "
         "horizontal."},
        {CalculationCount, FieldRole::Count, "trial_count", "Namber of Calculation", "500", "count",
         "Number of Monte Carlo trials: more than 1 and less than 10000."},
    }},
    kVerdictFields, kStatisticsFields, kFailurePercentageField,
    std::array<FieldFact, 2>{{
        {WaterUnitWeight, FieldRole::Input, "water_unit_weight", "Unit Weight of Water", "9800",
         "N/m³", "Unit weight of water."},
        {TensionCrackDepth, FieldRole::Input, "tension_crack_depth", "Height", "3", "m",
         "Depth of the tension crack, from the top of the slope down to the sliding plane "
         "(Height in the diagram)."},
    }});
static_assert(AreInFieldOrder(kFields), "one fact per field, the shared ones among the form's own");
static_assert(MessageField == kVerdictFields[0].number &&
              MeanSafetyFactor == kVerdictFields[1].number &&
              ExplanationField == kVerdictFields[2].number &&
              FailureProbability == kFailurePercentageField[0].number);

// The four uncertain inputs: the water in the tension crack reaches at most its foot.
inline constexpr auto kPlaneInputs = RockInputs(TensionCrackDepth, messages::kWaterAboveCrack);

}  // namespace plane
}  // namespace vardolin

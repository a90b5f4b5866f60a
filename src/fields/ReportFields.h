// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "fields/FieldFacts.h"

namespace vardolin {

// The fields every analysis form writes its report into, at the same controls on every form:
// the message (Text5), the mean factor (Text6), the explanation (Text7) and the failure
// percentage (Text17).
inline constexpr std::array<FieldFact, 3> kVerdictFields{{
    {5, FieldRole::Message, "message", "Massage", "", "",
     "The verdict of the last run, or why it stopped."},
    {6, FieldRole::MeanSafetyFactor, "mean_safety_factor", "Saifty Factor", "", "",
     "Mean factor of safety of the trials, a ratio without unit; below 1 the slope fails."},
    {7, FieldRole::Explanation, "explanation", "Explanation", "", "",
     "What the last run computed."},
}};

inline constexpr std::array<FieldFact, 1> kFailurePercentageField{{
    {17, FieldRole::FailurePercentage, "failure_probability", "Failure Probability (%)", "", "%",
     "Percentage of the trials whose factor of safety is below 1."},
}};

}  // namespace vardolin

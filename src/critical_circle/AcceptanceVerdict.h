// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

namespace vardolin::critical {

// What the run's figures are held against: the lowest factor of safety and the highest
// probability of failure (in %) the user accepts.
struct AcceptanceCriteria {
    double minimumFactor = 1.5;
    double maximumFailurePercentage = 5.0;
};

// The verdict on Bishop's factor at the averages and the failure percentage: acceptable, or
// which criterion fails (both if both do). A fixed-data run says so first.
std::string_view AcceptanceVerdict(double bishopFactor, double failurePercentage,
                                   const AcceptanceCriteria& criteria, bool fixedData);

// Every text AcceptanceVerdict gives: by the criteria that fail (factor, probability), a
// fixed-data run in the second half.
inline constexpr std::array<std::string_view, 8> kAcceptanceVerdicts{
    "Acceptable: the Bishop Factor and the Probability of Failure Meet the Criteria",
    "Not Acceptable: the Probability of Failure Is Above the Maximum",
    "Not Acceptable: the Bishop Factor Is Below the Minimum",
    "Not Acceptable: the Bishop Factor Is Below the Minimum and the Probability of Failure Is "
    "Above the Maximum",
    "Fixed Data. Acceptable: the Bishop Factor and the Probability of Failure Meet the Criteria",
    "Fixed Data. Not Acceptable: the Probability of Failure Is Above the Maximum",
    "Fixed Data. Not Acceptable: the Bishop Factor Is Below the Minimum",
    "Fixed Data. Not Acceptable: the Bishop Factor Is Below the Minimum and the Probability of "
    "Failure Is Above the Maximum",
};

}  // namespace vardolin::critical

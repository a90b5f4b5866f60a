// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

namespace vardolin::section::messages {

// What a section's run writes into its message field where it stops before its results, beside
// the faults of its inputs (SectionInputFault::Text), which name their table, row and column.
inline constexpr std::string_view kCountNotAboveOne = "Please Enter a Number of Trials Above 1";
inline constexpr std::string_view kCountAboveLimit =
    "Please Enter a Number of Trials up to 1000000";
inline constexpr std::string_view kSearchUnknown = "Please Enter Search as Grid or Entry-Exit";
inline constexpr std::string_view kCentresOutOfRange =
    "Please Enter Centres per Side as a Whole Number from 1 up to 150";
inline constexpr std::string_view kRadiiOutOfRange =
    "Please Enter Radii per Centre as a Whole Number from 1 up to 1000";
inline constexpr std::string_view kTooManySlices =
    "Please Enter Fewer Centres, Radii or Slices: at Most 1000000 Circles and 50000000 Slices in "
    "the Search";
inline constexpr std::string_view kOwnCirclesUnknown =
    "Please Enter Each Method's Own Circle as Yes or No";
inline constexpr std::string_view kOverallSlopeUnknown = "Please Enter Overall Slope as Yes or No";
inline constexpr std::string_view kSurfacesOutOfRange =
    "Please Enter Surfaces Refined per Trial as a Whole Number from 1 up to 100";
inline constexpr std::string_view kOverallNeedsSearch =
    "The Overall Slope Needs a Search: Leave the Given Circle Empty";
inline constexpr std::string_view kMinimumFactorNotAboveZero =
    "Please Enter a Minimum Factor of Safety Above 0";
inline constexpr std::string_view kMaximumPercentageOutOfRange =
    "Please Enter a Maximum Probability of Failure from 0 to 100 %";
inline constexpr std::string_view kNoFace =
    "The Ground Has No Slope to Search: It Must Fall from One Level to Another";
inline constexpr std::string_view kNoUsableCircle =
    "No Circle of the Search Gives a Sliding Mass with a Usable Factor: Widen the Search or "
    "Check the Section";
inline constexpr std::string_view kGivenCircleNoMass =
    "The Given Circle Cuts No Single Sliding Mass from the Section";
inline constexpr std::string_view kGivenCircleNoFactor =
    "The First Method Finds No Usable Factor on the Given Circle";
inline constexpr std::string_view kGivenSurfaceNoMass =
    "The Given Surface Cuts No Single Sliding Mass from the Section";
inline constexpr std::string_view kGivenSurfaceNoFactor =
    "The First Method Finds No Usable Factor on the Given Surface";
inline constexpr std::string_view kNoUsableTrial = "No Trial Gave a Usable Factor";

// The verdict on the first method's factor at the averages and the failure percentage, by the
// criteria that fail (factor, probability); a run of fixed data in the second half.
inline constexpr std::array<std::string_view, 8> kVerdicts{
    "Acceptable: the Factor of Safety and the Probability of Failure Meet the Criteria",
    "Not Acceptable: the Probability of Failure Is Above the Maximum",
    "Not Acceptable: the Factor of Safety Is Below the Minimum",
    "Not Acceptable: the Factor of Safety Is Below the Minimum and the Probability of Failure Is "
    "Above the Maximum",
    "Fixed Data. Acceptable: the Factor of Safety and the Probability of Failure Meet the "
    "Criteria",
    "Fixed Data. Not Acceptable: the Probability of Failure Is Above the Maximum",
    "Fixed Data. Not Acceptable: the Factor of Safety Is Below the Minimum",
    "Fixed Data. Not Acceptable: the Factor of Safety Is Below the Minimum and the Probability of "
    "Failure Is Above the Maximum",
};

constexpr std::string_view Verdict(double factor, double failurePercentage, double minimumFactor,
                                   double maximumPercentage, bool fixedData) {
    const int index = (fixedData ? 4 : 0) + (factor < minimumFactor ? 2 : 0) +
                      (failurePercentage > maximumPercentage ? 1 : 0);
    return kVerdicts[static_cast<std::size_t>(index)];
}

}  // namespace vardolin::section::messages

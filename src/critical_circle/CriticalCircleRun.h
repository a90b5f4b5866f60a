// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "analysis/AnalysisContext.h"
#include "analysis/RunOutcome.h"
#include "critical_circle/CriticalCircleFields.h"
#include "fields/FieldTexts.h"

namespace vardolin {

namespace messages {

inline constexpr std::string_view kCircleCountNotAboveOne =
    "Please Enter a Number of Trials Above 1";
inline constexpr std::string_view kCircleCountAboveLimit =
    "Please Enter a Number of Trials up to 1000000";
inline constexpr std::string_view kCircleSlopeHeightNotAboveZero =
    "Please Enter a Slope Height Above 0";
inline constexpr std::string_view kCircleFaceAngleOutOfRange =
    "Please Enter a Slope Face Angle Above 0 up to 90";
inline constexpr std::string_view kSliceCountOutOfRange =
    "Please Enter the Number of Slices as a Whole Number from 1 up to 10000";
inline constexpr std::string_view kDeviationBelowZero = "Please Enter Standard Deviation from 0";
inline constexpr std::string_view kGridXOutOfOrder = "Please Enter Grid x from up to Grid x to";
inline constexpr std::string_view kGridYOutOfOrder = "Please Enter Grid y from up to Grid y to";
inline constexpr std::string_view kCentresOutOfRange =
    "Please Enter Centres per Side as a Whole Number from 1 up to 1000";
inline constexpr std::string_view kRadiiOutOfRange =
    "Please Enter Radii per Centre as a Whole Number from 1 up to 1000";
inline constexpr std::string_view kTooManyCircles =
    "Please Enter Fewer Centres, Radii or Slices: at Most 1000000 Circles and 50000000 "
    "Slices in the Grid";
inline constexpr std::string_view kDepthBelowZero = "Please Enter Depth below Toe from 0";
inline constexpr std::string_view kSearchMethodUnknown =
    "Please Enter Search Method as Grid or Entry-Exit";
inline constexpr std::string_view kEntryRangeOutOfOrder =
    "Please Enter Entry x from up to Entry x to";
inline constexpr std::string_view kExitRangeOutOfOrder = "Please Enter Exit x from up to Exit x to";
inline constexpr std::string_view kGivenCircleIncomplete =
    "Please Enter the Given Circle's Centre x, Centre y and Radius, or Leave All Three Empty";
inline constexpr std::string_view kGivenRadiusNotAboveZero =
    "Please Enter a Radius of the Given Circle Above 0";
inline constexpr std::string_view kNoUsableCircle =
    "No Circle of the Grid Gives a Sliding Mass with a Usable Factor: Move or Widen the Grid";
inline constexpr std::string_view kGivenCircleNoMass =
    "The Given Circle Cuts No Single Sliding Mass from the Slope";
inline constexpr std::string_view kGivenCircleNoFactor =
    "The Given Circle Has No Usable Bishop Factor (No Driving Moment, No Convergence or "
    "m-alpha Under 0.2)";
inline constexpr std::string_view kNoUsableTrial = "No Trial Gave a Usable Bishop Factor";
inline constexpr std::string_view kMinimumFactorNotAboveZero =
    "Please Enter a Minimum Factor of Safety Above 0";
inline constexpr std::string_view kMaximumPercentageOutOfRange =
    "Please Enter a Maximum Probability of Failure from 0 to 100 %";

}  // namespace messages

// The critical-circle analysis behind "Calculation" (the data flow of one click):
//   1. writes the explanation line, empties the circle's result fields and converts the four
//      standard deviations;
//   2. unless all four are 0, checks the count: 1 or less -> "Upper 1"; above 1000000 -> its
//      own message;
//   3. checks the inputs: an impossible slope, soil, slice count, grid, a half-given circle or
//      acceptance criteria stop with their message, naming the field, before anything is
//      drawn;
//   4. the circle at the averages: the given one (all three given-circle fields filled), or
//      the critical one of the grid's search on context.threads threads; kept with the grid's
//      minima and its slice table (CriticalCircleKeptTables) for the diagram and the export;
//      its centre, radius, entry and exit points and both factors written;
//   5. all four standard deviations 0 -> fixed data: count "1", Bishop's factor as the mean,
//      "100" or "0", and the verdict against the acceptance criteria (AcceptanceVerdict);
//   6. Monte Carlo on that circle: every trial's c, phi, gamma and ru drawn first, in trial
//      order, as the sampling choices say (by default one uniform value each through the
//      normal sampler, as the other forms draw); then the trials' factors on every thread
//      (the same figures on any number); then the failure percentage, the mean, the verdict
//      against the acceptance criteria, the standard deviation, beta and the lognormal beta,
//      over the trials whose factor is usable: the outcome's trials and factors are theirs,
//      the others are counted in the caution field.
RunOutcome RunCriticalCircle(FieldTexts& fields, AnalysisContext& context);

// Bishop's factor at the averages on the circle the run would analyse (the given one, or a
// search of the grid on the context's threads: as long as the run's own search), drawing
// nothing. A bad value raises its RunTimeError; an input the run refuses, or no usable circle,
// raises NoFactorAtMeans with the message the run writes for it.
double CriticalCircleFactorAtMeans(FieldTexts& fields, const AnalysisContext& context);

}  // namespace vardolin

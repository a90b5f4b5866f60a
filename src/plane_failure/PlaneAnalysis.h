// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "analysis/AnalysisContext.h"
#include "analysis/RunOutcome.h"
#include "fields/FieldTexts.h"
#include "plane_failure/PlaneFields.h"

namespace vardolin {

namespace messages {

inline constexpr std::string_view kFaceAngleOutOfRange =
    "Please Enter Slope Face Angle Upper 0 Under 90";
inline constexpr std::string_view kPlaneAngleOutOfRange =
    "Please Enter Discontinuity Angle Upper 0 Under 90";
inline constexpr std::string_view kPlaneDoesNotDaylight =
    "Discontinuity Angle is Not Under the Slope Face Angle: the Plane Does Not Daylight";
inline constexpr std::string_view kCrackDepthOutOfRange =
    "Please Enter Height of Tension Crack from 0 Under the Slope Height";
inline constexpr std::string_view kCrackNotBehindCrest =
    "Tension Crack is Not Behind the Crest: the Block Has No Weight";

}  // namespace messages

// The plane-failure analysis behind "Calculation" (the data flow of one click):
//   1. writes the explanation line and converts the four standard deviations;
//   2. unless all four are 0, checks the count: 1 or less -> "Upper 1" message, count and
//      results emptied; 10000 or more -> "Under 10000" message, count and percentage emptied;
//   3. checks the inputs (CheckInputs): a slope that cannot stand for a sliding block (a plane
//      that does not daylight, a crack not behind the crest, water above the crack, …) stops
//      with its message, naming its field, before anything is drawn;
//   4. all four standard deviations 0 -> fixed-data run: count "1", the factor at the
//      averages, "100" or "0" as failure percentage, "This Exprimentation Included Fix Data";
//   5. Monte Carlo: for i = 1, 2, ... while i <= count, four draws (cohesion, friction angle,
//      unit weight of rock, water height; one uniform value each), the factor of safety into
//      TrialSafetyFactors(i), failures counted below 1; the outcome carries a copy of the
//      factors of trials 1..n, what they drew (ParameterDraws) and, per parameter, the trials
//      that drew it outside its physical range (the water height above the crack's depth); then
//      the failure percentage, the
//      mean factor and the verdict are written, in this order. Both divisions are by the number of
//      trials that ran (2 for a count of 2.5).
// A bad field or a floating-point fault raises RunTimeError at its step; what the run wrote
// before stays written, every other field keeps its text.
RunOutcome RunPlaneAnalysis(FieldTexts& fields, AnalysisContext& context);

// The factor at the averages, the fixed-data run's figure, without its writes: for the
// sensitivity curves (AnalysisDescription::factorAtMeans). Draws nothing.
double PlaneFactorAtMeans(FieldTexts& fields, const AnalysisContext& context);

}  // namespace vardolin

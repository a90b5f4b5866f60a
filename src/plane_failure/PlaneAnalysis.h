// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisContext.h"
#include "analysis/RunOutcome.h"
#include "fields/FieldTexts.h"

namespace vardolin {

// The plane-failure analysis behind "Calculation" (the data flow of one click):
//   1. writes the explanation line;
//   2. checks the count: 1 or less -> "Upper 1" message, count and results emptied;
//   3. all four standard deviations 0 -> fixed-data run: count "1", the factor at the
//      averages, "100" or "0" as failure percentage, "This Exprimentation Included Fix Data";
//   4. count 10000 or more -> "Under 10000" message, count and percentage emptied;
//   5. Monte Carlo: for i = 1, 2, ... while i <= count, four draws (cohesion, friction angle,
//      unit weight of rock, water height; one uniform value each), the factor of safety into
//      TrialSafetyFactors(i), failures counted below 1; the outcome carries a copy of the
//      factors of trials 1..n and what they drew (ParameterDraws); then the failure percentage, the
//      mean factor and the verdict are written, in this order. Both divisions are by the number of
//      trials that ran (2 for a count of 2.5).
// A bad field or a floating-point fault raises RunTimeError at its step; what the run wrote
// before stays written, every other field keeps its text.
RunOutcome RunPlaneAnalysis(FieldTexts& fields, AnalysisContext& context);

// The factor at the averages, the fixed-data run's figure, without its writes: for the
// sensitivity curves (AnalysisDescription::factorAtMeans). Draws nothing.
double PlaneFactorAtMeans(FieldTexts& fields, const NumberLocale& locale);

}  // namespace vardolin

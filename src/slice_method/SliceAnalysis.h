// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "analysis/AnalysisContext.h"
#include "analysis/RunOutcome.h"
#include "fields/FieldTexts.h"
#include "slice_method/SliceFields.h"

namespace vardolin {

namespace messages {

inline constexpr std::string_view kSliceCountNotAboveZero = "Please Enter Number of Slice Upper 0";
inline constexpr std::string_view kSliceCountNotBelowLimit =
    "Please Enter Number of Slice Under 10000";
inline constexpr std::string_view kNoCircleBeyondCrest =
    "No Slip Circle of the Grid Passes Beyond the Crest";
inline constexpr std::string_view kZeroSliceWidth =
    "Slice Width is Zero: the Slip Circle Does Not Reach Beyond the Toe";
inline constexpr std::string_view kSliceFaceAngleOutOfRange = "Please Enter Angle Upper 0 up to 90";

}  // namespace messages

// The slice-method analysis behind "Calculation" (the data flow of one click):
//   1. creates the run's zero-filled tables (SliceTables) and writes the explanation line;
//   2. checks the count: 1 or less -> "Upper 1" message, count and results emptied; then,
//      read again, 10000 or more -> "Under 10000" message, count and percentage emptied;
//   3. checks the slice count: below 1 or 10000 or more -> its message, nothing else written;
//   4. checks the inputs (CheckInputs): a slope height not above 0, a face angle not above 0 or
//      above 90, water below 0 or above the slope, … stops with its message, naming its field,
//      before anything is drawn;
//   5. N = the count rounded half to even (500.5 -> 500, 501.5 -> 502);
//   6. for i = 1..N (RunSliceTrials): a slip circle drawn from the grid (one uniform value per
//      candidate; a trial whose 100000 candidates in a row all fail to pass the crest stops the
//      run with its message), its slices laid under it, and for every processed slice its base,
//      four draws (cohesion, friction angle, unit weight of rock, water height; one uniform
//      value each), its weight and water terms and the Bishop sums, which give
//      CircleSafetyFactors(i); a trial with a slice and a factor below 1 counts as failed;
//   7. writes failures / N * 100, then the mean of CircleSafetyFactors(1..N) (the sum divided
//      by N) and the verdict, in this order: both divisions are by the trials that ran; the
//      outcome carries, per input of kSliceInputs, the trials that drew it outside its
//      physical range in some slice, as the trials noted them.
// BaseAngleDegrees and BaseAngleRadianTotal (SliceKeptTables in context.kept) outlive the run and
// are never cleared; the run continues context.uniforms where the previous run of either form left
// it. A bad field or an arithmetic fault raises RunTimeError at its step: what the run wrote before
// stays written, the result fields keep their old texts.
RunOutcome RunSliceAnalysis(FieldTexts& fields, AnalysisContext& context);

// The same run, with what only this method counts over it.
struct SliceRun {
    RunOutcome outcome;
    long rejectedCircles = 0;  // candidate circles that did not pass the crest
    long processedSlices = 0;  // slices added to the Bishop sums
};
SliceRun RunSliceMethod(FieldTexts& fields, AnalysisContext& context);

}  // namespace vardolin

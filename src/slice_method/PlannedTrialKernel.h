// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/OutOfRangeDraws.h"
#include "slice_method/SliceInputs.h"
#include "slice_method/TrialLayout.h"

namespace vardolin {

// What a trial leaves behind, worked out away from the module and the run's tables.
struct PlannedTrialResult {
    bool faulted = false;             // a step met a bad value: the result means nothing
    double factor = 0.0;              // CircleSafetyFactors(i) after the last slice
    double lastBaseAngle = 0.0;       // BaseAngleDegrees(i) after the last slice
    double radianTotal = 0.0;         // BaseAngleRadianTotal(i) after the last slice
    InputsOutOfRange outOfRange = 0;  // the inputs its slices drew outside their ranges
};

// The slices of a planned trial, from its own position in the sequence, through the trial
// code's own slice work (TrialSlices) with the faults recorded instead of raised: the figures
// are RunSliceTrial's, and a faulted trial is left to the trial code to replay. radianTotal is
// the module's entry for the trial before the run. `inputs` must all be numbers (Converted);
// touches nothing shared, so trials can be worked out on any thread, each with its own inputs.
PlannedTrialResult WorkOutPlannedTrial(const PlannedTrial& trial, SliceInputs& inputs,
                                       double radianTotal);

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include "slice_method/SliceInputs.h"
#include "slice_method/TrialLayout.h"

namespace vardolin {

// What a trial leaves behind, worked out away from the module and the run's tables.
struct PlannedTrialResult {
    bool faulted = false;        // a step raised an error: the result means nothing
    double factor = 0.0;         // CircleSafetyFactors(i) after the last slice
    double lastBaseAngle = 0.0;  // BaseAngleDegrees(i) after the last slice
    double radianTotal = 0.0;    // BaseAngleRadianTotal(i) after the last slice
};

// The slices of a planned trial, from its own position in the sequence. Every operation of
// RunSliceTrial's slice work is made in the same order on the same values, so every figure is
// identical; what does not change from slice to slice is computed once, and the three angle
// conversions and the cosine of alpha the slice work repeats are computed once per slice.
// radianTotal is the module's entry for the trial before the run. Where the trial code would
// raise an error, this only reports faulted (the trial code replays such a trial). Touches
// nothing shared, so trials can be worked out on any thread.
PlannedTrialResult WorkOutPlannedTrial(const PlannedTrial& trial, const SliceInputValues& inputs,
                                       double radianTotal);

}  // namespace vardolin

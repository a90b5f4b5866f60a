// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/OutOfRangeDraws.h"
#include "analysis/RunProgress.h"
#include "numerics/UniformSequence.h"
#include "slice_method/SliceInputs.h"
#include "slice_method/SliceKeptTables.h"
#include "slice_method/SliceTables.h"

namespace vardolin {

// How a trial, or a series of trials, ended.
enum class TrialEnd {
    Completed,
    NoCircleBeyondCrest,  // kMaxRejectedCircles candidates in a row were rejected
    ZeroSliceWidth,       // the accepted circle's reach gives slices of width 0
};

struct SliceTrialOutcome {
    TrialEnd end = TrialEnd::Completed;
    int rejectedCircles = 0;
    int processedSlices = 0;
    InputsOutOfRange outOfRange = 0;  // the inputs its slices drew outside their ranges
};

// One Monte Carlo trial i: draws its circle, lays its slices and builds its Bishop factor in
// CircleSafetyFactors(i), which stays 0 if no slice is processed.
//   b = E / n. A pass counter k runs from 0 while k <= E, growing by b after each pass (repeated
//   addition, so the accumulated rounding decides whether the pass with k ~ E runs): nominally
//   n + 1 passes. Each pass first moves the offset x on by b (x = b, 2b, ...); a pass with
//   x <= R is a slice: its base (alpha into BaseAngleDegrees(i), the radian total, l), then the
//   four draws, then W, M and u, then the Bishop sums. A pass with x > R only advances k.
// A width of 0 would never advance k: the trial stops with ZeroSliceWidth instead.
SliceTrialOutcome RunSliceTrial(int trial, SliceInputs& inputs, UniformSequence& uniforms,
                                SliceKeptTables& module, SliceTables& tables);

struct SliceTrialsOutcome {
    TrialEnd end = TrialEnd::Completed;
    int completedTrials = 0;
    double failures = 0.0;  // trials with at least one slice and a factor below 1
    long rejectedCircles = 0;
    long processedSlices = 0;
    // The completed trials that drew an input outside its range, per input of kSliceInputs.
    OutOfRangeTally outOfRange;
};

// Trials 1..trials in order, stopping at the first that does not complete. This is the
// reference every faster path is compared with. With a progress, it sets the total, counts
// each finished trial and throws RunCancelled before a trial once cancelling was asked for.
SliceTrialsOutcome RunSliceTrials(int trials, SliceInputs& inputs, UniformSequence& uniforms,
                                  SliceKeptTables& module, SliceTables& tables,
                                  RunProgress* progress = nullptr);

// Trials first..last of a run in order, adding to outcome, which holds trials 1..first-1.
void ContinueSliceTrials(int first, int last, SliceInputs& inputs, UniformSequence& uniforms,
                         SliceKeptTables& module, SliceTables& tables, SliceTrialsOutcome& outcome,
                         RunProgress* progress);

}  // namespace vardolin

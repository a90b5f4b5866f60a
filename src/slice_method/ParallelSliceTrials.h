// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/RunProgress.h"
#include "numerics/UniformSequence.h"
#include "slice_method/SliceInputs.h"
#include "slice_method/SliceKeptTables.h"
#include "slice_method/SliceTables.h"
#include "slice_method/SliceTrials.h"

namespace vardolin {

// RunSliceTrials on several threads, with every input already a number (SliceInputs::Converted
// or Defaults), giving the same outcome, the same tables and module entries, the same sequence
// state and the same error at the same step as RunSliceTrials(trials, inputs, ...):
//   1. a sequential layout plans each trial (its circle, its position in the sequence, its
//      slice count), stopping at the first trial whose circle or width does not work out;
//   2. the planned trials are worked out on `threads` threads (this one among them) into
//      results of their own, taken an atomic index at a time; nothing shared is written, and
//      a trial that meets a fault stops every trial after it from being started;
//   3. the trials before the first faulted or unplanned one are committed in trial order;
//      from that one on, RunSliceTrials's own trial code carries on from its start state.
// Cancelling is seen between trials on every thread and throws RunCancelled.
SliceTrialsOutcome RunSliceTrialsInParallel(int trials, SliceInputs inputs,
                                            UniformSequence& uniforms, SliceKeptTables& module,
                                            SliceTables& tables, int threads,
                                            RunProgress* progress = nullptr);

}  // namespace vardolin

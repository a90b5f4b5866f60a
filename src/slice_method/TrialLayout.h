// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

#include "analysis/RunProgress.h"
#include "numerics/UniformSequence.h"
#include "slice_method/SliceInputs.h"
#include "slice_method/SliceTables.h"
#include "slice_method/SlipCircle.h"

namespace vardolin {

// Where a trial's uniform values lie in the sequence and what its slices are laid over, known
// before any of its slices is worked out.
struct PlannedTrial {
    std::uint32_t start = 0;        // sequence state before the trial's first candidate circle
    std::uint32_t slicesStart = 0;  // state once its circle is accepted: its slices' draws follow
    SlipCircle circle;
    double width = 0.0;  // b = E / n
    int rejectedCircles = 0;
    int slices = 0;  // processed slices, four uniform values each
};

// Trials 1..trials.size() of a run, in order.
struct TrialLayout {
    std::vector<PlannedTrial> trials;
    // The sequence state after the last planned trial: the start of the trial after it.
    std::uint32_t end = 0;
};

// The cheap sequential pass of a run: for i = 1..trials, draws trial i's circle with the trial
// code itself (rejected candidates consume their values, TrialRadius(i) is written), replays
// the pass loop with the same checked additions to count the slices and then skips their 4 *
// slices values. Stops before the first trial that does not complete its circle and width (no
// circle beyond the crest, zero width) or raises an error on the way; the run's own trial code
// replays that one. Throws RunCancelled between trials when asked to.
TrialLayout LayOutSliceTrials(int trials, SliceInputs& inputs, UniformSequence& uniforms,
                              SliceTables& tables, const RunProgress* progress);

// The processed slices of a circle's pass loop with width b (x <= R), counted with the very
// additions the trial makes.
int CountProcessedSlices(const SlipCircle& circle, double width);

}  // namespace vardolin

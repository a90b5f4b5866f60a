// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <vector>

#include "analysis/RunProgress.h"
#include "critical_circle/CircleSlices.h"
#include "critical_circle/FactorEvaluator.h"
#include "critical_circle/SoilValues.h"

namespace vardolin::critical {

struct DrawnTrialFactors {
    std::vector<double> factors;  // Bishop's factor of each trial (NaN where it has none)
    std::vector<FactorStatus> statuses;
};

// Both factors of one circle's slices for soil values drawn beforehand, one per trial: the
// draws come from the sampling choices in trial order on one thread, and only this part runs
// on `threads` threads. Each trial is worked out by one thread on its own values, so the
// figures are those of one thread, bit for bit. Each finished chunk is added to the watcher's
// trialsDone; a cancel throws RunCancelled.
DrawnTrialFactors EvaluateDrawnTrials(const CircleSlices& slices, std::span<const SoilValues> drawn,
                                      int threads, RunProgress* progress = nullptr);

}  // namespace vardolin::critical

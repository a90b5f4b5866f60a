// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <vector>

#include "analysis/ParallelChunks.h"
#include "analysis/RunProgress.h"
#include "critical_circle/CircleSlices.h"
#include "critical_circle/FactorEvaluator.h"
#include "critical_circle/SoilValues.h"

namespace vardolin::critical {

struct DrawnTrialFactors {
    std::vector<double> factors;  // Bishop's factor of each trial (NaN where it has none)
    std::vector<FactorStatus> statuses;
};

// As the slice method's trials: large enough that a claim is nothing beside the chunk's
// evaluations.
inline constexpr int kTrialChunk = 256;

// Both factors of one circle's slices for each trial's soil values, on `threads` threads in
// chunks of kTrialChunk trials. Before a chunk is worked out, fill(begin, end) puts the values
// of its trials into `values` (which may then draw them on the chunk's thread) and returns how
// far it got: the chunk stops there, at a fault the caller reports. Each trial is worked out by
// one thread on its own values, so the figures are those of one thread, bit for bit. Each
// finished chunk is added to the watcher's stepsDone; a cancel throws RunCancelled.
template <typename Fill>
DrawnTrialFactors EvaluateTrials(const CircleSlices& slices, std::span<const SoilValues> values,
                                 int threads, RunProgress* progress, Fill fill) {
    const int trials = static_cast<int>(values.size());
    DrawnTrialFactors outcome;
    outcome.factors.resize(values.size());
    outcome.statuses.resize(values.size());
    threads = ThreadsForChunks(threads, trials, kTrialChunk);
    std::vector<TrialEvaluator> evaluators;
    evaluators.reserve(static_cast<std::size_t>(threads));
    for (int t = 0; t < threads; ++t) {
        evaluators.emplace_back(slices);
    }
    auto work = [&](int thread, int begin, int end) {
        TrialEvaluator& evaluator = evaluators[static_cast<std::size_t>(thread)];
        const int filled = fill(begin, end);
        for (int i = begin; i < filled; ++i) {
            const auto at = static_cast<std::size_t>(i);
            const FactorsOfSafety factors = evaluator.Evaluate(values[at]);
            outcome.factors[at] = factors.bishop;
            outcome.statuses[at] = factors.status;
        }
        AddStepsDone(progress, end - begin);
    };
    if (!RunInChunks(trials, kTrialChunk, threads, progress, work)) {
        throw RunCancelled();
    }
    return outcome;
}

// The factors of soil values drawn beforehand, one per trial: the draws come from the sampling
// choices in trial order on one thread, and only the evaluations run on `threads` threads.
DrawnTrialFactors EvaluateDrawnTrials(const CircleSlices& slices, std::span<const SoilValues> drawn,
                                      int threads, RunProgress* progress = nullptr);

}  // namespace vardolin::critical

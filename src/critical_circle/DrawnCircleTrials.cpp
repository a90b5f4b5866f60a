// SPDX-License-Identifier: MIT
#include "critical_circle/DrawnCircleTrials.h"

#include "critical_circle/ParallelChunks.h"

namespace vardolin::critical {

namespace {

// As the core's trials: large enough that a claim is nothing beside the chunk's iterations.
constexpr int kChunk = 256;

}  // namespace

DrawnTrialFactors EvaluateDrawnTrials(const CircleSlices& slices, std::span<const SoilValues> drawn,
                                      int threads, RunProgress* progress) {
    const int trials = static_cast<int>(drawn.size());
    DrawnTrialFactors outcome;
    outcome.factors.resize(drawn.size());
    outcome.statuses.resize(drawn.size());
    threads = ThreadsForChunks(threads, trials, kChunk);
    std::vector<FactorEvaluator> evaluators;
    evaluators.reserve(static_cast<std::size_t>(threads));
    for (int t = 0; t < threads; ++t) {
        evaluators.emplace_back(slices.count());
    }
    auto work = [&](int thread, int begin, int end) {
        FactorEvaluator& evaluator = evaluators[static_cast<std::size_t>(thread)];
        for (int i = begin; i < end; ++i) {
            const auto at = static_cast<std::size_t>(i);
            const FactorsOfSafety factors = evaluator.Evaluate(slices, drawn[at]);
            outcome.factors[at] = factors.bishop;
            outcome.statuses[at] = factors.status;
        }
        AddTrialsDone(progress, end - begin);
    };
    if (!RunInChunks(trials, kChunk, threads, progress, work)) {
        throw RunCancelled();
    }
    return outcome;
}

}  // namespace vardolin::critical

// SPDX-License-Identifier: MIT
#include "critical_circle/CircleTrials.h"

#include <atomic>
#include <cstdint>
#include <limits>
#include <vector>

#include "critical_circle/ParallelChunks.h"
#include "numerics/NormalSampler.h"
#include "numerics/RunTimeError.h"

namespace vardolin::critical {

namespace {

// As the slice method's trials: large enough that a claim and a jump of the sequence are
// nothing beside the chunk's evaluations.
constexpr int kChunk = 256;

constexpr std::int64_t kNoFault = std::numeric_limits<std::int64_t>::max();

void LowerTo(std::atomic<std::int64_t>& lowest, std::int64_t value) {
    std::int64_t seen = lowest.load(std::memory_order_relaxed);
    while (value < seen && !lowest.compare_exchange_weak(seen, value)) {
    }
}

}  // namespace

CircleTrialsOutcome RunCircleTrials(const CircleSlices& slices, const UncertainSoil& soil,
                                    int trials, UniformSequence& uniforms, int threads,
                                    RunProgress* progress) {
    CircleTrialsOutcome outcome;
    if (trials < kMinTrials || trials > kMaxTrials) {
        return outcome;
    }
    const auto count = static_cast<std::size_t>(trials);
    outcome.drawn.resize(count);
    outcome.factors.resize(count);
    outcome.statuses.resize(count);
    threads = ThreadsForChunks(threads, trials, kChunk);
    std::vector<FactorEvaluator> evaluators;
    evaluators.reserve(static_cast<std::size_t>(threads));
    for (int t = 0; t < threads; ++t) {
        evaluators.emplace_back(slices.count());
    }

    // Trial i takes the values 4i .. 4i + 3 of the sequence, so a chunk jumps straight to its
    // first trial's values, and draws and evaluates its trials on its own thread.
    const std::uint32_t start = uniforms.state();
    std::atomic<std::int64_t> firstFault{kNoFault};  // the lowest draw that overflowed
    auto work = [&](int thread, int begin, int end) {
        FactorEvaluator& evaluator = evaluators[static_cast<std::size_t>(thread)];
        UniformSequence draws(start);
        draws.Skip(static_cast<std::uint64_t>(begin) * kDrawsPerTrial);
        for (int i = begin; i < end; ++i) {
            const std::int64_t first = std::int64_t{i} * kDrawsPerTrial;
            if (first > firstFault.load(std::memory_order_relaxed)) {
                break;  // nothing after an overflow counts
            }
            const auto at = static_cast<std::size_t>(i);
            SoilValues& values = outcome.drawn[at];
            int k = 0;
            try {
                for (; k < kDrawsPerTrial; ++k) {
                    const auto parameter = kSoilParameters[static_cast<std::size_t>(k)];
                    values.*parameter = FastNormalDeviateOf(draws.NextUniform())
                                            .Scale(soil.mean.*parameter, soil.sd.*parameter);
                }
            } catch (const RunTimeError&) {
                LowerTo(firstFault, first + k);
                break;
            }
            const FactorsOfSafety factors = evaluator.Evaluate(slices, values);
            outcome.factors[at] = factors.bishop;
            outcome.statuses[at] = factors.status;
        }
        AddTrialsDone(progress, end - begin);
    };
    if (!RunInChunks(trials, kChunk, threads, progress, work)) {
        throw RunCancelled();
    }
    if (const std::int64_t fault = firstFault.load(); fault != kNoFault) {
        uniforms.Skip(static_cast<std::uint64_t>(fault) + 1);
        throw RunTimeError(ErrorCode::Overflow);
    }
    uniforms.Skip(static_cast<std::uint64_t>(trials) * kDrawsPerTrial);
    outcome.statistics = SummariseTrials(outcome.factors, outcome.statuses);
    return outcome;
}

}  // namespace vardolin::critical

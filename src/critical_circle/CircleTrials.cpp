// SPDX-License-Identifier: MIT
#include "critical_circle/CircleTrials.h"

#include <atomic>
#include <cstdint>

#include "critical_circle/ParallelChunks.h"
#include "numerics/NormalSampler.h"
#include "numerics/RunTimeError.h"

namespace vardolin::critical {

namespace {

// Small enough for two threads to finish together, large enough that a jump in the sequence
// and a claim are nothing beside the chunk's Bishop iterations.
constexpr int kChunk = 256;

SoilValues Draw(UniformSequence& uniforms, const UncertainSoil& soil) {
    SoilValues values;
    values.cohesion = DrawNormalDeviate(uniforms).Scale(soil.mean.cohesion, soil.sd.cohesion);
    values.frictionAngle =
        DrawNormalDeviate(uniforms).Scale(soil.mean.frictionAngle, soil.sd.frictionAngle);
    values.unitWeight = DrawNormalDeviate(uniforms).Scale(soil.mean.unitWeight, soil.sd.unitWeight);
    values.poreRatio = DrawNormalDeviate(uniforms).Scale(soil.mean.poreRatio, soil.sd.poreRatio);
    return values;
}

std::uint64_t DrawsBefore(int trial) {
    return static_cast<std::uint64_t>(trial) * kDrawsPerTrial;
}

}  // namespace

CircleTrialsOutcome RunCircleTrials(const CircleSlices& slices, const UncertainSoil& soil,
                                    int trials, UniformSequence& uniforms, int threads,
                                    RunProgress* progress) {
    CircleTrialsOutcome outcome;
    if (trials < kMinTrials || trials > kMaxTrials) {
        return outcome;
    }
    const std::uint32_t start = uniforms.state();
    outcome.factors.resize(static_cast<std::size_t>(trials));
    outcome.statuses.resize(static_cast<std::size_t>(trials));
    threads = ThreadsForChunks(threads, trials, kChunk);
    std::vector<FactorEvaluator> evaluators;
    evaluators.reserve(static_cast<std::size_t>(threads));
    for (int t = 0; t < threads; ++t) {
        evaluators.emplace_back(slices.count());
    }
    // The first trial whose draw overflowed; trials after it need not run.
    std::atomic<int> firstFault{trials};

    auto work = [&](int thread, int begin, int end) {
        if (begin > firstFault.load(std::memory_order_relaxed)) {
            return;
        }
        UniformSequence draws(start);
        draws.Skip(DrawsBefore(begin));
        FactorEvaluator& evaluator = evaluators[static_cast<std::size_t>(thread)];
        for (int i = begin; i < end; ++i) {
            SoilValues values;
            try {
                values = Draw(draws, soil);
            } catch (const RunTimeError&) {
                int current = firstFault.load();
                while (i < current && !firstFault.compare_exchange_weak(current, i)) {
                }
                return;
            }
            const FactorsOfSafety factors = evaluator.Evaluate(slices, values);
            outcome.factors[static_cast<std::size_t>(i)] = factors.bishop;
            outcome.statuses[static_cast<std::size_t>(i)] = factors.status;
        }
        AddTrialsDone(progress, end - begin);
    };
    if (!RunInChunks(trials, kChunk, threads, progress, work)) {
        throw RunCancelled();
    }

    const int fault = firstFault.load();
    if (fault < trials) {
        // Meets the fault again on the caller's sequence, which it leaves just past the draw.
        uniforms.Skip(DrawsBefore(fault));
        Draw(uniforms, soil);
        throw RunTimeError(ErrorCode::Overflow);  // not reached: the draw above throws
    }
    uniforms.Skip(DrawsBefore(trials));
    outcome.statistics = SummariseTrials(outcome.factors, outcome.statuses);
    return outcome;
}

}  // namespace vardolin::critical

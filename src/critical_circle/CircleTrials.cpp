// SPDX-License-Identifier: MIT
#include "critical_circle/CircleTrials.h"

#include <atomic>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "critical_circle/DrawnCircleTrials.h"
#include "numerics/NormalSampler.h"
#include "numerics/RunTimeError.h"

namespace vardolin::critical {

namespace {

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
    outcome.drawn.resize(static_cast<std::size_t>(trials));

    // Trial i takes the values 4i .. 4i + 3 of the sequence, so a chunk jumps straight to its
    // first trial's values and draws its trials on its own thread before working them out.
    const std::uint32_t start = uniforms.state();
    std::atomic<std::int64_t> firstFault{kNoFault};  // the lowest draw that overflowed
    auto draw = [&](int begin, int end) {
        UniformSequence draws(start);
        draws.Skip(static_cast<std::uint64_t>(begin) * kDrawsPerTrial);
        for (int i = begin; i < end; ++i) {
            const std::int64_t first = std::int64_t{i} * kDrawsPerTrial;
            if (first > firstFault.load(std::memory_order_relaxed)) {
                return i;  // nothing after an overflow counts
            }
            SoilValues& values = outcome.drawn[static_cast<std::size_t>(i)];
            int k = 0;
            try {
                for (; k < kDrawsPerTrial; ++k) {
                    const auto parameter = kSoilParameters[static_cast<std::size_t>(k)];
                    values.*parameter = FastNormalDeviateOf(draws.NextUniform())
                                            .Scale(soil.mean.*parameter, soil.sd.*parameter);
                }
            } catch (const RunTimeError&) {
                LowerTo(firstFault, first + k);
                return i;
            }
        }
        return end;
    };
    DrawnTrialFactors factors = EvaluateTrials(slices, outcome.drawn, threads, progress, draw);
    if (const std::int64_t fault = firstFault.load(); fault != kNoFault) {
        uniforms.Skip(static_cast<std::uint64_t>(fault) + 1);
        throw RunTimeError(ErrorCode::Overflow);
    }
    uniforms.Skip(static_cast<std::uint64_t>(trials) * kDrawsPerTrial);
    outcome.factors = std::move(factors.factors);
    outcome.statuses = std::move(factors.statuses);
    outcome.statistics = SummariseTrials(outcome.factors, outcome.statuses);
    return outcome;
}

}  // namespace vardolin::critical

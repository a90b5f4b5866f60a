// SPDX-License-Identifier: MIT
#include "slope_section/SectionTrials.h"

#include <algorithm>
#include <cstddef>
#include <exception>
#include <limits>
#include <span>

#include "analysis/ParallelChunks.h"
#include "sampling/TrialSampler.h"
#include "slope_section/PreparedSection.h"
#include "slope_section/SurfaceEvaluation.h"

namespace vardolin::section {

namespace {

// Each trial lays its section out anew, so a chunk's claim costs nothing beside it.
constexpr int kTrialChunk = 64;

struct TrialFactor {
    double factor = std::numeric_limits<double>::quiet_NaN();
    TrialResult result = TrialResult::NoFactor;
};

TrialFactor EvaluateTrial(const Section& section, const CircleSurface& circle, SectionMethod method,
                          const EvaluationRequest& request) {
    TrialFactor trial;
    try {
        const PreparedSection prepared(section);
        SurfaceEvaluator evaluator(prepared);
        const SurfaceEvaluation& evaluation = evaluator.EvaluateCircle(circle, request);
        if (evaluation.status != SurfaceStatus::Valid) {
            return trial;
        }
        const MethodResult& result = evaluation.result(method);
        if (!result.solved()) {
            return trial;
        }
        trial.factor = result.factor;
        trial.result =
            result.Has(MethodFlag::SmallMAlpha) ? TrialResult::SmallMAlpha : TrialResult::Usable;
    } catch (const std::exception&) {
        // A section the drawn values spoil in a way the ranges do not catch: no factor.
        trial = TrialFactor{};
    }
    return trial;
}

}  // namespace

SectionTrialsOutcome RunSectionTrials(const SectionInputs& inputs, const SamplingChoices& choices,
                                      const CircleSurface& circle, int trials,
                                      UniformSequence& uniforms, int threads,
                                      RunProgress* progress) {
    SectionTrialsOutcome outcome;
    const std::size_t count = inputs.uncertain.size();
    for (const SoilUncertainInput& input : inputs.uncertain) {
        outcome.outOfRange.push_back({input.key, 0});
    }
    if (trials < 1) {
        return outcome;
    }
    const auto total = static_cast<std::size_t>(trials);

    // 1. The draws, in trial order on this thread.
    std::vector<double> drawn(total * count);
    {
        TrialSampler sampler = SoilSampler(inputs, choices, trials, uniforms);
        for (std::size_t i = 0; i < total; ++i) {
            const std::span<const double> values = sampler.Next();
            std::copy(values.begin(), values.end(),
                      drawn.begin() + static_cast<std::ptrdiff_t>(i * count));
        }
    }
    std::vector<NumberRange> ranges;
    ranges.reserve(count);
    for (const SoilUncertainInput& input : inputs.uncertain) {
        ranges.push_back(input.range);
    }
    std::vector<InputsOutOfRange> outside(total);
    for (std::size_t i = 0; i < total; ++i) {
        outside[i] = OutsideRanges(ranges, std::span(drawn).subspan(i * count, count));
        for (std::size_t k = 0; k < count; ++k) {
            outcome.outOfRange[k].trials += (outside[i] >> k) & 1u ? 1 : 0;
        }
    }

    // 2. The factors, each trial on one thread with that thread's copy of the section.
    const SectionMethod method =
        inputs.methods.empty() ? SectionMethod::Bishop : inputs.methods.front();
    EvaluationRequest request;
    request.methods = MethodBit(method);
    request.sliceCount = inputs.sliceCount;
    outcome.factors.assign(total, std::numeric_limits<double>::quiet_NaN());
    outcome.results.assign(total, TrialResult::OutOfRange);
    threads = ThreadsForChunks(threads, trials, kTrialChunk);
    std::vector<Section> sections(static_cast<std::size_t>(threads), inputs.section);
    auto work = [&](int thread, int begin, int end) {
        Section& section = sections[static_cast<std::size_t>(thread)];
        for (int i = begin; i < end; ++i) {
            const auto at = static_cast<std::size_t>(i);
            if (outside[at] != 0) {
                continue;
            }
            ApplyDraws(inputs.uncertain, std::span(drawn).subspan(at * count, count), section);
            const TrialFactor trial = EvaluateTrial(section, circle, method, request);
            outcome.factors[at] = trial.factor;
            outcome.results[at] = trial.result;
        }
        AddStepsDone(progress, end - begin);
    };
    if (!RunInChunks(trials, kTrialChunk, threads, progress, work)) {
        throw RunCancelled();
    }

    // 3. The figures, in trial order.
    outcome.statistics = SummariseSectionTrials(outcome.factors, outcome.results);
    return outcome;
}

}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
#include "slope_section/SectionTrials.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <limits>
#include <memory>
#include <mutex>
#include <span>

#include "analysis/ParallelChunks.h"
#include "sampling/TrialSampler.h"
#include "slope_section/PreparedSection.h"
#include "slope_section/SurfaceEvaluation.h"

namespace vardolin::section {

namespace {

// As the critical circle's trials: large enough that a claim is nothing beside the chunk's
// evaluations.
constexpr int kTrialChunk = 256;

// What one thread keeps from trial to trial: the section at the means to lay the draws into,
// that section laid out once, and an evaluator of it.
struct TrialWorkspace {
    TrialWorkspace(const Section& means, const PreparedSection& laidOut)
        : section(means), prepared(laidOut), evaluator(prepared) {}

    Section section;
    PreparedSection prepared;
    SurfaceEvaluator evaluator;  // of `prepared`, which it holds by reference
};

struct TrialFactor {
    double factor = std::numeric_limits<double>::quiet_NaN();
    TrialResult result = TrialResult::NoFactor;
};

TrialFactor EvaluateTrial(TrialWorkspace& workspace, const CircleSurface& circle,
                          SectionMethod method, const EvaluationRequest& request) {
    TrialFactor trial;
    workspace.prepared.SetSoilValues(workspace.section.soils);
    const SurfaceEvaluation& evaluation = workspace.evaluator.EvaluateCircle(circle, request);
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
    std::vector<NumberRange> ranges;
    ranges.reserve(count);
    for (const SoilUncertainInput& input : inputs.uncertain) {
        ranges.push_back(input.range);
    }
    outcome.drawn.resize(total * count);
    std::vector<InputsOutOfRange> outside(total);
    // Trials [begin, end) drawn by `sampler` in order, and what each drew outside its ranges.
    auto draw = [&](TrialSampler& sampler, std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            const std::span<const double> values = sampler.Next();
            const std::span<double> into = std::span(outcome.drawn).subspan(i * count, count);
            std::copy(values.begin(), values.end(), into.begin());
            outside[i] = OutsideRanges(ranges, into);
        }
    };

    // 1. The draws. Monte Carlo takes `count` values a trial whatever the distributions, bounds
    // and pair, so trial i's are values i * count onwards and each chunk draws its own trials
    // on its thread; a Latin hypercube shuffles its strata over every trial, so it draws them
    // all here first. A sampler is made here either way, so that bounds without probability
    // raise before anything is drawn.
    const std::uint32_t start = uniforms.state();
    const bool drawsInChunks = choices.method == SamplingMethod::MonteCarlo;
    {
        TrialSampler sampler = SoilSampler(inputs, choices, trials, uniforms);
        if (!drawsInChunks) {
            draw(sampler, 0, total);
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
    const PreparedSection laidOut(inputs.section);
    std::vector<std::unique_ptr<TrialWorkspace>> workspaces;
    workspaces.reserve(static_cast<std::size_t>(threads));
    for (int t = 0; t < threads; ++t) {
        workspaces.push_back(std::make_unique<TrialWorkspace>(inputs.section, laidOut));
    }
    std::mutex faultGuard;
    std::exception_ptr fault;  // the first a worker met, raised once all have stopped
    auto work = [&](int thread, int begin, int end) {
        TrialWorkspace& workspace = *workspaces[static_cast<std::size_t>(thread)];
        const auto first = static_cast<std::size_t>(begin);
        const auto last = static_cast<std::size_t>(end);
        try {
            if (drawsInChunks) {
                UniformSequence values(start);
                values.Skip(first * count);
                TrialSampler sampler = SoilSampler(inputs, choices, end - begin, values);
                draw(sampler, first, last);
            }
            for (std::size_t at = first; at < last; ++at) {
                if (outside[at] != 0) {
                    continue;
                }
                ApplyDraws(inputs.uncertain, std::span(outcome.drawn).subspan(at * count, count),
                           workspace.section);
                const TrialFactor trial = EvaluateTrial(workspace, circle, method, request);
                outcome.factors[at] = trial.factor;
                outcome.results[at] = trial.result;
            }
        } catch (...) {
            const std::scoped_lock lock(faultGuard);
            if (!fault) {
                fault = std::current_exception();
            }
        }
        AddStepsDone(progress, end - begin);
    };
    const bool finished = RunInChunks(trials, kTrialChunk, threads, progress, work);
    if (fault) {
        if (drawsInChunks) {
            // A draw that overflowed raises here again, leaving the sequence just past it as a
            // loop over the trials would.
            uniforms.Restore(start);
            TrialSampler sampler = SoilSampler(inputs, choices, trials, uniforms);
            draw(sampler, 0, total);
        }
        std::rethrow_exception(fault);
    }
    if (!finished) {
        uniforms.Restore(start);
        throw RunCancelled();
    }
    if (drawsInChunks) {
        uniforms.Skip(std::uint64_t{total} * count);
    }

    // 3. What the trials drew outside the ranges and the figures, in trial order.
    for (const InputsOutOfRange trial : outside) {
        for (std::size_t k = 0; k < count; ++k) {
            outcome.outOfRange[k].trials += ((trial >> k) & 1u) != 0 ? 1 : 0;
        }
    }
    outcome.statistics = SummariseSectionTrials(outcome.factors, outcome.results);
    return outcome;
}

}  // namespace vardolin::section

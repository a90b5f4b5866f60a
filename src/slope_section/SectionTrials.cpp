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
#include <string>
#include <vector>

#include "analysis/ParallelChunks.h"
#include "sampling/TrialSampler.h"
#include "slope_section/PreparedSection.h"
#include "slope_section/SurfaceEvaluation.h"

namespace vardolin::section {

namespace {

// As the critical circle's trials: large enough that a claim is nothing beside the chunk's
// evaluations.
constexpr int kTrialChunk = 256;
// A trial of the overall slope refines several surfaces: smaller chunks share them out evenly
// and let a cancel through soon.
constexpr int kOverallTrialChunk = 4;

// What one thread keeps from trial to trial: the section at the means to lay the draws into,
// that section laid out once, and an evaluator of it.
struct TrialWorkspace {
    TrialWorkspace(const Section& means, const PreparedSection& laidOut,
                   const OverallSlopeSearch* overall)
        : section(means), prepared(laidOut), evaluator(prepared) {
        if (overall != nullptr) {
            search = std::make_unique<TrialSurfaceSearch>(prepared, overall->settings);
        }
    }

    Section section;
    PreparedSection prepared;
    SurfaceEvaluator evaluator;                  // of `prepared`, which it holds by reference
    std::unique_ptr<TrialSurfaceSearch> search;  // of `prepared`, for the overall slope
};

struct TrialFactor {
    double factor = std::numeric_limits<double>::quiet_NaN();
    TrialResult result = TrialResult::NoFactor;
};

TrialFactor EvaluateTrial(TrialWorkspace& workspace, const SlipSurface& surface,
                          SectionMethod method, const EvaluationRequest& request) {
    TrialFactor trial;
    workspace.prepared.SetSoilValues(workspace.section.soils);
    const SurfaceEvaluation& evaluation = workspace.evaluator.Evaluate(surface, request);
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

// Each uncertain input's range, in the inputs' order.
std::vector<NumberRange> RangesOf(const SectionInputs& inputs) {
    std::vector<NumberRange> ranges;
    ranges.reserve(inputs.uncertain.size());
    for (const SoilUncertainInput& input : inputs.uncertain) {
        ranges.push_back(input.range);
    }
    return ranges;
}

// Adds, per input, the trials that drew it outside its range.
void CountOutside(std::span<const InputsOutOfRange> outside, std::vector<OutOfRangeCount>& counts) {
    for (const InputsOutOfRange trial : outside) {
        for (std::size_t k = 0; k < counts.size(); ++k) {
            counts[k].trials += ((trial >> k) & 1u) != 0 ? 1 : 0;
        }
    }
}

}  // namespace

SectionTrialsOutcome RunSectionTrials(const SectionInputs& inputs, const SamplingChoices& choices,
                                      const SlipSurface& surface, int trials,
                                      UniformSequence& uniforms, int threads,
                                      RunProgress* progress) {
    return RunSectionTrials(inputs, choices, surface, nullptr, trials,
                            TrialRange{0, std::max(trials, 0)}, uniforms, threads, progress);
}

SectionTrialsOutcome RunSectionTrials(const SectionInputs& inputs, const SamplingChoices& choices,
                                      const SlipSurface& surface, const OverallSlopeSearch* overall,
                                      int trials, TrialRange range, UniformSequence& uniforms,
                                      int threads, RunProgress* progress) {
    SectionTrialsOutcome outcome;
    const std::size_t count = inputs.uncertain.size();
    for (const SoilUncertainInput& input : inputs.uncertain) {
        outcome.outOfRange.push_back({input.key, 0});
    }
    if (trials < 1) {
        return outcome;
    }
    const int running = range.count();
    const auto total = static_cast<std::size_t>(running);
    const std::vector<NumberRange> ranges = RangesOf(inputs);
    outcome.drawn.resize(total * count);
    std::vector<InputsOutOfRange> outside(total);
    // Trials [begin, end) of the range drawn by `sampler` in order, and what each drew outside
    // its ranges.
    auto draw = [&](TrialSampler& sampler, std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            const std::span<const double> values = sampler.Next();
            const std::span<double> into = std::span(outcome.drawn).subspan(i * count, count);
            std::copy(values.begin(), values.end(), into.begin());
            outside[i] = OutsideRanges(ranges, into);
        }
    };
    // Trials before or after the range, drawn and let go.
    auto pass = [](TrialSampler& sampler, int trialsPassed) {
        for (int i = 0; i < trialsPassed; ++i) {
            sampler.Next();
        }
    };
    // The values of the range's first trial: trial i's are values i * count onwards.
    const auto skipToRange = [&](UniformSequence& values) {
        values.Skip(static_cast<std::uint64_t>(range.begin) * count);
    };

    // 1. The draws. Monte Carlo takes `count` values a trial whatever the distributions, bounds
    // and pair, so trial i's are values i * count onwards and each chunk draws its own trials
    // on its thread; a Latin hypercube shuffles its strata over every trial of the run, so it
    // draws them all here first, those outside the range too (a draw that overflows stops
    // every part of a split run as it stops the whole run). A sampler is made here either way,
    // so that bounds without probability raise before anything is drawn.
    const std::uint32_t start = uniforms.state();
    const bool drawsInChunks = choices.method == SamplingMethod::MonteCarlo;
    {
        TrialSampler sampler = SoilSampler(inputs, choices, trials, uniforms);
        if (!drawsInChunks) {
            pass(sampler, range.begin);
            draw(sampler, 0, total);
            pass(sampler, trials - range.end);
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
    if (overall != nullptr) {
        outcome.overallFactors.assign(total, std::numeric_limits<double>::quiet_NaN());
        // The overall slope follows a search, whose critical surface is a circle.
        const auto* circle = std::get_if<CircleSurface>(&surface);
        outcome.overallSurfaces.assign(total, circle != nullptr ? *circle : CircleSurface{});
    }
    const int chunk = overall != nullptr ? kOverallTrialChunk : kTrialChunk;
    threads = ThreadsForChunks(threads, running, chunk);
    const PreparedSection laidOut(inputs.section);
    std::vector<std::unique_ptr<TrialWorkspace>> workspaces;
    workspaces.reserve(static_cast<std::size_t>(threads));
    for (int t = 0; t < threads; ++t) {
        workspaces.push_back(std::make_unique<TrialWorkspace>(inputs.section, laidOut, overall));
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
                skipToRange(values);
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
                const TrialFactor trial = EvaluateTrial(workspace, surface, method, request);
                outcome.factors[at] = trial.factor;
                outcome.results[at] = trial.result;
                if (overall != nullptr) {
                    // The trial's soils are still in the section the surface was judged on.
                    outcome.overallFactors[at] = trial.factor;
                    if (trial.result == TrialResult::Usable) {
                        const TrialSurfaceSearch::Lowest lowest =
                            workspace.search->Find(overall->starts);
                        if (lowest.found && lowest.factor < trial.factor) {
                            outcome.overallFactors[at] = lowest.factor;
                            outcome.overallSurfaces[at] = lowest.circle;
                        }
                    }
                }
            }
        } catch (...) {
            const std::scoped_lock lock(faultGuard);
            if (!fault) {
                fault = std::current_exception();
            }
        }
        AddStepsDone(progress, end - begin);
    };
    const bool finished = RunInChunks(running, chunk, threads, progress, work);
    if (fault) {
        if (drawsInChunks) {
            // A draw that overflowed raises here again, leaving the sequence just past it as a
            // loop over the trials would.
            uniforms.Restore(start);
            skipToRange(uniforms);
            TrialSampler sampler = SoilSampler(inputs, choices, running, uniforms);
            draw(sampler, 0, total);
        }
        std::rethrow_exception(fault);
    }
    if (!finished) {
        uniforms.Restore(start);
        throw RunCancelled();
    }
    if (drawsInChunks) {
        uniforms.Skip(static_cast<std::uint64_t>(range.end) * count);
    }

    // 3. What the trials drew outside the ranges and the figures, in trial order.
    CountOutside(outside, outcome.outOfRange);
    outcome.statistics = SummariseSectionTrials(outcome.factors, outcome.results);
    if (overall != nullptr) {
        outcome.overallStatistics = SummariseSectionTrials(outcome.overallFactors, outcome.results);
    }
    return outcome;
}

SectionTrialsOutcome GivenSectionTrials(const SectionInputs& inputs, const TrialRecords& given,
                                        const CircleSurface* overallCritical) {
    SectionTrialsOutcome outcome;
    for (const SoilUncertainInput& input : inputs.uncertain) {
        outcome.outOfRange.push_back({input.key, 0});
    }
    const std::vector<NumberRange> ranges = RangesOf(inputs);
    std::vector<InputsOutOfRange> outside;
    outside.reserve(static_cast<std::size_t>(given.count()));
    for (int i = given.range.begin; i < given.range.end; ++i) {
        const int status = given.statusOf(i);
        if (status < static_cast<int>(TrialResult::Usable) ||
            status > static_cast<int>(TrialResult::OutOfRange)) {
            throw GivenTrialsMismatch("trial " + std::to_string(i + 1) + " has the status " +
                                      std::to_string(status) +
                                      ", which no trial of the section has");
        }
        std::span<const double> values = given.valuesOf(i);
        if (overallCritical != nullptr) {
            const std::span<const double> own = values.subspan(inputs.uncertain.size());
            // A trial's overall factor is never above its factor on the critical surface.
            if (status == static_cast<int>(TrialResult::Usable) && !(own[0] <= given.factorOf(i))) {
                throw GivenTrialsMismatch("trial " + std::to_string(i + 1) +
                                          " has an overall factor above its factor on the "
                                          "critical surface");
            }
            outcome.overallFactors.push_back(own[0]);
            outcome.overallSurfaces.push_back({own[1], own[2], own[3], overallCritical->composite});
            values = values.first(inputs.uncertain.size());
        }
        outcome.drawn.insert(outcome.drawn.end(), values.begin(), values.end());
        outside.push_back(OutsideRanges(ranges, values));
        outcome.results.push_back(static_cast<TrialResult>(status));
    }
    outcome.factors = given.factors;
    CountOutside(outside, outcome.outOfRange);
    outcome.statistics = SummariseSectionTrials(outcome.factors, outcome.results);
    if (overallCritical != nullptr) {
        outcome.overallStatistics = SummariseSectionTrials(outcome.overallFactors, outcome.results);
    }
    return outcome;
}

}  // namespace vardolin::section

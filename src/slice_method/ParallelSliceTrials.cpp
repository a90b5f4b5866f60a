// SPDX-License-Identifier: MIT
#include "slice_method/ParallelSliceTrials.h"

#include <algorithm>
#include <atomic>
#include <vector>

#include "analysis/ParallelChunks.h"
#include "slice_method/PlannedTrialKernel.h"
#include "slice_method/TrialLayout.h"

namespace vardolin {

namespace {

// The trials of the layout, worked out in chunks by whichever thread claims them next.
class TrialWork {
public:
    TrialWork(const TrialLayout& layout, const SliceInputs& inputs, const SliceKeptTables& module,
              RunProgress* progress)
        : layout_(layout),
          source_(inputs),
          module_(module),
          progress_(progress),
          results_(layout.trials.size()),
          firstFault_(static_cast<int>(layout.trials.size())) {}

    void Run(int threads) {
        const int planned = static_cast<int>(layout_.trials.size());
        // Small enough for the threads to finish together, large enough to keep the claims
        // rare against trials of a few slices.
        const int chunk = std::max(1, planned / (std::max(threads, 1) * 32));
        // Every thread its own copy: reading an input may convert it, which is a write.
        inputs_.assign(static_cast<std::size_t>(ThreadsForChunks(threads, planned, chunk)),
                       source_);
        if (!RunInChunks(planned, chunk, threads, progress_, *this)) {
            cancelled_.store(true);
        }
    }

    void operator()(int thread, int begin, int end) {
        SliceInputs& inputs = inputs_[static_cast<std::size_t>(thread)];
        for (int index = begin; index < end; ++index) {
            if (index > firstFault_.load(std::memory_order_relaxed)) {
                return;
            }
            if (progress_ != nullptr && progress_->Cancelled()) {
                cancelled_.store(true);
                return;
            }
            if (!WorkOut(index, inputs)) {
                NoteFault(index);
                return;
            }
        }
    }

    // Trials from index 0 of the layout up to (not including) this one are good.
    int firstFault() const { return firstFault_.load(); }
    bool cancelled() const { return cancelled_.load(); }
    const PlannedTrialResult& result(int index) const {
        return results_[static_cast<std::size_t>(index)];
    }

private:
    bool WorkOut(int index, SliceInputs& inputs) {
        const int trial = index + 1;
        try {
            const PlannedTrialResult r =
                WorkOutPlannedTrial(layout_.trials[static_cast<std::size_t>(index)], inputs,
                                    module_.BaseAngleRadianTotal[trial]);
            results_[static_cast<std::size_t>(index)] = r;
            if (r.faulted) {
                return false;
            }
        } catch (...) {
            return false;  // the trial code replays it and meets whatever this was
        }
        AddStepsDone(progress_, 1);
        return true;
    }

    void NoteFault(int index) {
        int current = firstFault_.load();
        while (index < current && !firstFault_.compare_exchange_weak(current, index)) {
        }
    }

    const TrialLayout& layout_;
    const SliceInputs& source_;
    std::vector<SliceInputs> inputs_;
    const SliceKeptTables& module_;
    RunProgress* progress_;
    std::vector<PlannedTrialResult> results_;
    std::atomic<int> firstFault_;
    std::atomic<bool> cancelled_{false};
};

}  // namespace

SliceTrialsOutcome RunSliceTrialsInParallel(int trials, SliceInputs inputs,
                                            UniformSequence& uniforms, SliceKeptTables& module,
                                            SliceTables& tables, int threads,
                                            RunProgress* progress) {
    if (progress != nullptr) {
        progress->stepsTotal.store(trials);
    }
    UniformSequence layoutUniforms(uniforms.state());
    const TrialLayout layout = LayOutSliceTrials(trials, inputs, layoutUniforms, tables, progress);

    TrialWork work(layout, inputs, module, progress);
    work.Run(threads);
    if (work.cancelled()) {
        throw RunCancelled();
    }

    // Commit in trial order exactly what RunSliceTrials writes and counts for a trial.
    const int good = work.firstFault();
    SliceTrialsOutcome outcome;
    for (int index = 0; index < good; ++index) {
        const int i = index + 1;
        const PlannedTrial& planned = layout.trials[static_cast<std::size_t>(index)];
        const PlannedTrialResult& r = work.result(index);
        outcome.rejectedCircles += planned.rejectedCircles;
        outcome.processedSlices += planned.slices;
        outcome.outOfRange.AddTrial(r.outOfRange);
        if (planned.slices > 0) {
            module.BaseAngleDegrees[i] = r.lastBaseAngle;
            module.BaseAngleRadianTotal[i] = r.radianTotal;
            tables.CircleSafetyFactors[i] = r.factor;
            if (r.factor < 1.0) {
                outcome.failures += 1.0;
            }
        }
        outcome.completedTrials = i;
    }

    const bool allGood = good == static_cast<int>(layout.trials.size());
    uniforms.Restore(allGood ? layout.end : layout.trials[static_cast<std::size_t>(good)].start);
    if (progress != nullptr) {
        progress->stepsDone.store(good);
    }
    if (good < trials) {
        ContinueSliceTrials(good + 1, trials, inputs, uniforms, module, tables, outcome, progress);
    }
    return outcome;
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <exception>

namespace vardolin {

// What a run's counters count at the moment: its trials; first the centres of a search that
// comes before them; last the evaluations of the sensitivity curves after them.
enum class ProgressUnit { Trial, SearchCentre, SensitivityPoint };

// Shared between a run on a worker thread and whoever watches it. Counters only ever grow
// during a stage of a run; a watcher may read them at any time.
struct RunProgress {
    std::atomic<ProgressUnit> unit{ProgressUnit::Trial};
    // Steps of the unit at hand: trials, search centres or sensitivity points.
    std::atomic<int> stepsDone{0};
    std::atomic<int> stepsTotal{0};  // set by the run once its count is known
    std::atomic<bool> cancelRequested{false};

    bool Cancelled() const noexcept { return cancelRequested.load(std::memory_order_relaxed); }
};

// Thrown by a run that saw cancelRequested. What the run changed is the caller's to undo
// (ContextSnapshot); the run itself stops between two trials.
class RunCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "Run cancelled"; }
};

// Throws RunCancelled if the watcher asked for it; no progress means no way to cancel.
inline void ThrowIfCancelled(const RunProgress* progress) {
    if (progress != nullptr && progress->Cancelled()) {
        throw RunCancelled();
    }
}

// Starts counting `total` steps of `unit` afresh, if anyone watches.
inline void StartSteps(RunProgress* progress, ProgressUnit unit, int total) noexcept {
    if (progress != nullptr) {
        progress->unit.store(unit);
        progress->stepsDone.store(0);
        progress->stepsTotal.store(total);
    }
}

// Adds finished steps (trials, centres, points) to the watcher's count, if anyone watches.
inline void AddStepsDone(RunProgress* progress, int steps) noexcept {
    if (progress != nullptr) {
        progress->stepsDone.fetch_add(steps, std::memory_order_relaxed);
    }
}

}  // namespace vardolin

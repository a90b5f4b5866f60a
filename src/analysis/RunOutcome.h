// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "analysis/OutOfRangeDraws.h"
#include "analysis/ParameterDraws.h"
#include "analysis/SplitRun.h"

namespace vardolin {

// How an analysis run ended, the same for every analysis. A run that meets a bad value does not
// end here: it raises RunTimeError at that step. What only one analysis counts (circles it
// rejected, slices it summed) stays with that analysis.
struct RunOutcome {
    enum class End {
        Completed,  // Monte Carlo results written
        FixedData,  // every deviation 0: one evaluation at the averages
        Stopped,    // a check stopped the run; it has written its message already
    };
    End end = End::Stopped;
    int trials = 0;  // trials completed
    // The factors of the trials completed, trial 1 first: all of a completed run, those before
    // the stop of a stopped one, the one evaluation of fixed data. Only a completed run's
    // factors are a distribution.
    std::vector<double> trialFactors;
    // A completed Monte Carlo run's trials that drew a parameter outside its physical range.
    std::vector<OutOfRangeCount> outOfRange;
    // The input whose check stopped the run, for the window to take the user to.
    std::optional<int> stoppedAtField;
    // What its trials drew, for an analysis that draws each parameter once per trial; empty
    // for the others.
    ParameterDraws draws;
    // A part's trials (AnalysisContext::part), each as drawn and worked out; the run wrote no
    // figure from them.
    std::optional<TrialRecords> partTrials = std::nullopt;

    bool completed() const { return end == End::Completed; }
    // Results (a Monte Carlo run or the one evaluation of fixed data), rather than a message
    // that says why the run stopped.
    bool gaveResults() const { return end == End::Completed || end == End::FixedData; }

    // A run that stopped after `trials` trials (0: before any).
    static RunOutcome Stopped(int trials = 0) {
        RunOutcome outcome;
        outcome.trials = trials;
        return outcome;
    }
    // A run that an input's check stopped before any trial.
    static RunOutcome StoppedAt(int field) {
        RunOutcome outcome;
        outcome.stoppedAtField = field;
        return outcome;
    }
};

}  // namespace vardolin

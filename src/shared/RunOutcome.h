// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

namespace vardolin {

// How an analysis run ended, the same for every analysis. A run that meets a bad value does not
// end here: it raises RunTimeError at that step.
struct RunOutcome {
    enum class End {
        Completed,                // Monte Carlo results written
        FixedData,                // every deviation 0: one evaluation at the averages
        CountNotAboveOne,         // "Upper 1": count and results emptied
        CountNotBelowLimit,       // "Under 10000": count and percentage emptied
        SliceCountNotAboveZero,   // slice count below 1
        SliceCountNotBelowLimit,  // slice count 10000 or more
        NoCircleBeyondCrest,      // a trial found no circle passing the crest
        ZeroSliceWidth,           // an accepted circle gave slices of width 0
    };
    End end = End::CountNotAboveOne;
    int trials = 0;                    // trials completed
    std::vector<double> trialFactors;  // a completed Monte Carlo run's factors, trial 1 first
    long rejectedCircles = 0;          // slice method: candidates rejected over the run
    long processedSlices = 0;          // slice method: slices added to the Bishop sums

    bool completed() const { return end == End::Completed; }

    // A run that stopped before any trial.
    static RunOutcome Stopped(End end) {
        RunOutcome outcome;
        outcome.end = end;
        return outcome;
    }
};

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <span>
#include <stdexcept>
#include <vector>

namespace vardolin {

// A run split into parts: each part draws and works out one range of the trials, on another
// process or machine, and a merge writes the figures of the whole run from all their trials.
// A part starts its range where the whole run would (its analysis jumps to its first trial's
// values of the sequence), so the merged figures are those of one run, bit for bit.

// Trials begin .. end - 1 of a run, 0 first.
struct TrialRange {
    int begin = 0;
    int end = 0;

    int count() const { return end - begin; }
    bool operator==(const TrialRange&) const = default;
};

// The index-th of `parts` parts of a run, 1 first.
struct RunPart {
    int index = 1;
    int parts = 1;

    bool operator==(const RunPart&) const = default;
};

// The trials of part k of n of a run of N trials: floor((k - 1) N / n) to floor(k N / n) - 1.
// The parts follow each other without a gap, cover every trial and differ by at most one
// trial, the longer ones later; with more parts than trials some parts are empty.
TrialRange PartRange(int trials, RunPart part);

// What each trial of a range drew and gave: its values in the order of the analysis's
// uncertain inputs, its factor and its status (0 for a factor that counts, the analysis's own
// code for one it leaves out).
struct TrialRecords {
    TrialRange range;
    int runTrials = 0;           // of the whole run the range is of
    std::size_t width = 0;       // values per trial
    std::vector<double> values;  // trial by trial, `width` each
    std::vector<double> factors;
    std::vector<int> statuses;

    TrialRecords() = default;
    TrialRecords(TrialRange trials, int ofTrials, std::size_t valuesPerTrial)
        : range(trials), runTrials(ofTrials), width(valuesPerTrial) {}

    int count() const { return static_cast<int>(factors.size()); }
    // Whether it holds exactly one factor, one status and `width` values for each trial of its
    // range.
    bool complete() const;
    // Adds the next trial of the range.
    void Add(std::span<const double> trialValues, double factor, int status = 0);
    // Trial `trial`'s values (0 first in the whole run), which the range holds.
    std::span<const double> valuesOf(int trial) const;
    double factorOf(int trial) const { return factors[Offset(trial)]; }
    int statusOf(int trial) const { return statuses[Offset(trial)]; }

private:
    std::size_t Offset(int trial) const { return static_cast<std::size_t>(trial - range.begin); }
};

// Trials given to a run that do not fit it: fewer or more than it runs, or of another width.
class GivenTrialsMismatch : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace vardolin

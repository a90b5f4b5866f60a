// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <vector>

namespace vardolin {

// Whether a run had trials enough: its figures as they stood after each trial, and the 95 %
// confidence band of the failure probability.
//
// The band is the normal approximation of the binomial (Wald) interval,
//   p ± 1.96 · √(p · (1 − p) / n),   clamped to [0, 1],
// with p the share of failed trials (factor below 1) after n trials. It is the textbook band
// an engineer checks by hand; it has no width when no trial or every trial failed, which the
// summary then says rather than hides (see ConvergenceSummary::bandIsDegenerate).
inline constexpr double kBandZ = 1.96;

struct FailureBand {
    double probability = 0.0;    // failed trials / n, as a fraction
    double standardError = 0.0;  // √(p · (1 − p) / n)
    double low = 0.0;            // max(0, p − 1.96 · standardError)
    double high = 0.0;           // min(1, p + 1.96 · standardError)
};

// The band after `failures` failed trials of `trials` (trials > 0).
FailureBand BandOf(int failures, int trials);

// The running figures after each trial, trial 1 first: the mean factor of the trials so far
// (added in trial order, as the run adds them) and the failure percentage with its band, in %.
struct RunningFigures {
    std::vector<double> mean;
    std::vector<double> failurePercentage;
    std::vector<double> bandLow;   // %
    std::vector<double> bandHigh;  // %
};

RunningFigures RunningFiguresOf(std::span<const double> factors);

// The figures of the whole run, for the convergence tab, the report and the runner.
struct ConvergenceSummary {
    int trials = 0;
    int failures = 0;
    FailureBand band;
    double mean = 0.0;
    // Standard error of the mean factor, s / √n (0 for one trial).
    double meanStandardError = 0.0;

    // The Wald band has no width at p = 0 or p = 1: it says nothing of the uncertainty then.
    bool bandIsDegenerate() const { return failures == 0 || failures == trials; }
};

// Summarises a non-empty set of trial factors.
ConvergenceSummary SummariseConvergence(std::span<const double> factors);

}  // namespace vardolin

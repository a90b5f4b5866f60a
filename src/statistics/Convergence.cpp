// SPDX-License-Identifier: MIT
#include "statistics/Convergence.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "statistics/TrialDistribution.h"

namespace vardolin {

FailureBand BandOf(int failures, int trials) {
    assert(trials > 0);
    FailureBand band;
    const double n = trials;
    band.probability = failures / n;
    band.standardError = std::sqrt(band.probability * (1.0 - band.probability) / n);
    band.low = std::max(0.0, band.probability - kBandZ * band.standardError);
    band.high = std::min(1.0, band.probability + kBandZ * band.standardError);
    return band;
}

RunningFigures RunningFiguresOf(std::span<const double> factors) {
    RunningFigures running;
    const std::size_t n = factors.size();
    running.mean.reserve(n);
    running.failurePercentage.reserve(n);
    running.bandLow.reserve(n);
    running.bandHigh.reserve(n);
    double sum = 0.0;
    int failures = 0;
    for (std::size_t i = 0; i < n; ++i) {
        sum += factors[i];
        if (factors[i] < 1.0) {
            ++failures;
        }
        const int trials = static_cast<int>(i + 1);
        running.mean.push_back(sum / trials);
        const FailureBand band = BandOf(failures, trials);
        running.failurePercentage.push_back(band.probability * 100.0);
        running.bandLow.push_back(band.low * 100.0);
        running.bandHigh.push_back(band.high * 100.0);
    }
    return running;
}

ConvergenceSummary SummariseConvergence(std::span<const double> factors) {
    assert(!factors.empty());
    ConvergenceSummary summary;
    summary.trials = static_cast<int>(factors.size());
    summary.failures = static_cast<int>(
        std::count_if(factors.begin(), factors.end(), [](double f) { return f < 1.0; }));
    summary.band = BandOf(summary.failures, summary.trials);
    const TrialDistribution d = Describe(factors);
    summary.mean = d.mean;
    summary.meanStandardError = d.standardDeviation / std::sqrt(static_cast<double>(d.trials));
    return summary;
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "slope_section/SectionTrialStatistics.h"

#include <cmath>
#include <vector>

namespace vardolin::section {

SectionTrialStatistics SummariseSectionTrials(std::span<const double> factors,
                                              std::span<const TrialResult> results) {
    SectionTrialStatistics statistics;
    statistics.trials = static_cast<int>(results.size());
    std::vector<double> usable;
    usable.reserve(results.size());
    for (std::size_t i = 0; i < results.size(); ++i) {
        switch (results[i]) {
            case TrialResult::Usable:
                usable.push_back(factors[i]);
                statistics.failed += factors[i] < 1.0 ? 1 : 0;
                break;
            case TrialResult::NoFactor:
                ++statistics.noFactor;
                break;
            case TrialResult::SmallMAlpha:
                ++statistics.smallMAlpha;
                break;
            case TrialResult::OutOfRange:
                ++statistics.outOfRange;
                break;
        }
    }
    statistics.usable = static_cast<int>(usable.size());
    if (usable.empty()) {
        return statistics;
    }
    statistics.failurePercent =
        static_cast<double>(statistics.failed) / static_cast<double>(statistics.usable) * 100.0;
    statistics.distribution = Describe(usable);
    const double mean = statistics.distribution.mean;
    const double deviation = statistics.distribution.standardDeviation;
    if (deviation > 0.0 && mean > 0.0) {
        const double v = deviation / mean;
        const double spread = std::log(1.0 + v * v);
        statistics.lognormalReliabilityIndex = (std::log(mean) - spread / 2.0) / std::sqrt(spread);
    }
    return statistics;
}

}  // namespace vardolin::section

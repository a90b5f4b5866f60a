// SPDX-License-Identifier: MIT
#include "statistics/TrialDistribution.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "numerics/Square.h"

namespace vardolin {

TrialDistribution Describe(std::span<const double> factors) {
    assert(!factors.empty());
    TrialDistribution d;
    d.trials = static_cast<int>(factors.size());
    const auto [low, high] = std::minmax_element(factors.begin(), factors.end());
    d.minimum = *low;
    d.maximum = *high;
    double sum = 0.0;
    for (double f : factors) {
        sum += f;
    }
    d.mean = sum / static_cast<double>(factors.size());
    if (factors.size() > 1) {
        double squares = 0.0;
        for (double f : factors) {
            squares += Square(f - d.mean);
        }
        d.standardDeviation = std::sqrt(squares / static_cast<double>(factors.size() - 1));
    }
    if (d.standardDeviation > 0.0) {
        d.reliabilityIndex = (d.mean - 1.0) / d.standardDeviation;
    }
    return d;
}

FactorHistogram BinFactors(std::span<const double> factors) {
    assert(!factors.empty());
    const auto [low, high] = std::minmax_element(factors.begin(), factors.end());
    const double minimum = *low;
    const double maximum = *high;
    const double target =
        std::clamp(std::round(std::sqrt(static_cast<double>(factors.size()))), 5.0, 40.0);
    FactorHistogram h;
    if (maximum > minimum) {
        h.width = (maximum - minimum) / target;
    } else {
        h.width = std::max(std::abs(minimum) * 0.01, 0.01);  // one bar around the one value
    }
    // Shift the grid so that a factor of 1 falls on a bin edge.
    h.start = 1.0 - std::ceil((1.0 - minimum) / h.width) * h.width;
    while (h.start > minimum) {
        h.start -= h.width;
    }
    auto bins = static_cast<std::size_t>(std::floor((maximum - h.start) / h.width)) + 1;
    h.counts.assign(bins, 0);
    for (double f : factors) {
        auto bin = static_cast<std::size_t>(std::floor((f - h.start) / h.width));
        h.counts[std::min(bin, bins - 1)] += 1;
    }
    return h;
}

std::vector<double> CumulativeFractions(const FactorHistogram& histogram) {
    std::vector<double> fractions;
    fractions.reserve(histogram.counts.size());
    double total = 0.0;
    for (int count : histogram.counts) {
        total += count;
    }
    double running = 0.0;
    for (int count : histogram.counts) {
        running += count;
        fractions.push_back(total > 0.0 ? running / total : 0.0);
    }
    return fractions;
}

}  // namespace vardolin

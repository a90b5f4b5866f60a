// SPDX-License-Identifier: MIT
#include "statistics/TrialDistribution.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "numerics/Square.h"

namespace vardolin {

namespace {

// Neumaier's compensated sum: the rounding error of each addition is kept and added at the end,
// so the sum of many factors is as good as if it had been taken exactly and rounded once.
class CompensatedSum {
public:
    void Add(double value) {
        const double next = sum_ + value;
        if (std::abs(sum_) >= std::abs(value)) {
            compensation_ += (sum_ - next) + value;
        } else {
            compensation_ += (value - next) + sum_;
        }
        sum_ = next;
    }
    double value() const { return sum_ + compensation_; }

private:
    double sum_ = 0.0;
    double compensation_ = 0.0;
};

}  // namespace

TrialDistribution Describe(std::span<const double> factors) {
    assert(!factors.empty());
    TrialDistribution d;
    d.trials = static_cast<int>(factors.size());
    const auto [low, high] = std::minmax_element(factors.begin(), factors.end());
    d.minimum = *low;
    d.maximum = *high;
    if (d.minimum == d.maximum) {
        // No spread: the value itself, not a sum divided back that may miss it by a bit.
        d.mean = d.minimum;
        return d;
    }
    const auto n = static_cast<double>(factors.size());
    // Two passes: a first mean, then the mean of the deviations from it corrects what the
    // first one's rounding left.
    CompensatedSum sum;
    for (double f : factors) {
        sum.Add(f);
    }
    const double rough = sum.value() / n;
    CompensatedSum deviations;
    CompensatedSum squares;
    for (double f : factors) {
        deviations.Add(f - rough);
        squares.Add(Square(f - rough));
    }
    d.mean = std::clamp(rough + deviations.value() / n, d.minimum, d.maximum);
    // The squares about the rough mean, less what its offset from the true mean adds to them.
    const double centred = std::max(squares.value() - Square(deviations.value()) / n, 0.0);
    d.standardDeviation = std::sqrt(centred / (n - 1.0));
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
        // Bins some thousand units in the last place of the factors and of 1 wide at least:
        // narrower ones, from factors a few units apart, could neither step the grid down to
        // the smallest factor nor bound the bin count.
        h.width = std::max(h.width, std::max({std::abs(minimum), std::abs(maximum), 1.0}) * 1e-12);
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

// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <vector>

namespace vardolin {

// What the trial factors of safety of one Monte Carlo run say as a distribution, each figure as
// close to the exact one as a double allows: factors that are all the same give that factor as
// the mean, a deviation of exactly 0 and no reliability index.
struct TrialDistribution {
    int trials = 0;
    double mean = 0.0;
    double standardDeviation = 0.0;  // sample deviation (n - 1); 0 without spread
    double minimum = 0.0;
    double maximum = 0.0;
    // Reliability index (mean - 1) / standard deviation; not defined for a zero deviation.
    std::optional<double> reliabilityIndex;
};

// Describes a non-empty set of factors.
TrialDistribution Describe(std::span<const double> factors);

// Equal-width bins over the factors. One bin edge lies exactly at a factor of 1, so every bar
// is wholly below or wholly at-or-above failure; every factor falls in exactly one bin.
struct FactorHistogram {
    double start = 0.0;  // lower edge of the first bin
    double width = 1.0;
    std::vector<int> counts;

    double lowerEdge(std::size_t bin) const { return start + static_cast<double>(bin) * width; }
    // A bin of failed trials: all of it lies below a factor of 1.
    bool belowOne(std::size_t bin) const { return lowerEdge(bin + 1) <= 1.0 + width * 1e-9; }
};

// About the square root of the number of trials, between 5 and 40 bins across the range, of a
// non-empty set of finite factors whose spread a double holds.
FactorHistogram BinFactors(std::span<const double> factors);

// Fraction of the factors at or below each bin's upper edge, for the cumulative curve.
std::vector<double> CumulativeFractions(const FactorHistogram& histogram);

}  // namespace vardolin

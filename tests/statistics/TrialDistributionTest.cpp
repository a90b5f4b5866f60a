// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "numerics/UniformSequence.h"
#include "statistics/TrialDistribution.h"

namespace vardolin {
namespace {

TEST(Describe, GivesTheFiguresOfASmallSetWorkedByHand) {
    const std::vector<double> factors = {0.8, 1.0, 1.2, 1.4};
    const TrialDistribution d = Describe(factors);
    EXPECT_EQ(d.trials, 4);
    EXPECT_DOUBLE_EQ(d.mean, 1.1);
    // Squares about the mean: 0.09 + 0.01 + 0.01 + 0.09 = 0.2, over n - 1 = 3.
    EXPECT_DOUBLE_EQ(d.standardDeviation, std::sqrt(0.2 / 3.0));
    EXPECT_EQ(d.minimum, 0.8);
    EXPECT_EQ(d.maximum, 1.4);
    ASSERT_TRUE(d.reliabilityIndex.has_value());
    EXPECT_NEAR(*d.reliabilityIndex, 0.1 / std::sqrt(0.2 / 3.0), 1e-12);
}

// Factors without spread: their value exactly, no deviation, no index. Summed and divided back,
// 0.1 three times gives a mean a bit off, a deviation of about 1e-17 and an index of -1e17.
TEST(Describe, GivesTheValueItselfAndNoIndexWithoutSpread) {
    for (const double value : {0.1, 1.3, 0.7337507356331036}) {
        for (const std::size_t count : {1u, 3u, 9999u}) {
            const TrialDistribution d = Describe(std::vector<double>(count, value));
            EXPECT_EQ(d.mean, value) << count << " x " << value;
            EXPECT_EQ(d.standardDeviation, 0.0) << count << " x " << value;
            EXPECT_FALSE(d.reliabilityIndex.has_value());
        }
    }
}

// 0.1 and 0.3, 5000 times each: summed in one plain pass, the mean is 0.199999999999966.
TEST(Describe, KeepsTheDigitsThatAPlainSumLoses) {
    std::vector<double> pairs;
    for (int i = 0; i < 5000; ++i) {
        pairs.insert(pairs.end(), {0.1, 0.3});
    }
    EXPECT_EQ(Describe(pairs).mean, 0.2);
    EXPECT_DOUBLE_EQ(Describe(pairs).standardDeviation, 0.1 * std::sqrt(10000.0 / 9999.0));

    // Large factors a few units in the last place apart: x, x and x + 2u average to x + 2u/3,
    // whose nearest double is x + u. Their sum, 3x + 2u, lies halfway between two doubles and
    // rounds to 3x, so the sum divided by 3 alone gives x.
    for (const double x : {1e6, 1.5, 1000.5}) {
        const double u = std::nextafter(x, 2.0 * x) - x;
        EXPECT_EQ(Describe(std::vector<double>{x, x, x + 2.0 * u}).mean, x + u) << x;
    }
}

void ExpectEveryFactorBinnedOnceWithOneOnAnEdge(const std::vector<double>& factors) {
    const FactorHistogram h = BinFactors(factors);
    ASSERT_FALSE(h.counts.empty());
    EXPECT_EQ(std::accumulate(h.counts.begin(), h.counts.end(), 0),
              static_cast<int>(factors.size()));
    for (double f : factors) {
        const std::size_t bin = static_cast<std::size_t>(std::floor((f - h.start) / h.width));
        const std::size_t clamped = std::min(bin, h.counts.size() - 1);
        EXPECT_LE(h.lowerEdge(clamped), f);
        EXPECT_GE(h.lowerEdge(clamped + 1) + h.width * 1e-9, f);
        // A trial at or above 1 never lands in a failure bar, and one below 1 always does.
        EXPECT_EQ(h.belowOne(clamped), f < 1.0) << f;
    }
    const std::vector<double> cumulative = CumulativeFractions(h);
    EXPECT_DOUBLE_EQ(cumulative.back(), 1.0);
    EXPECT_TRUE(std::is_sorted(cumulative.begin(), cumulative.end()));
}

TEST(BinFactors, CountsEveryTrialOnceAndSplitsAtOne) {
    ExpectEveryFactorBinnedOnceWithOneOnAnEdge({0.8, 1.0, 1.2, 1.4});
    ExpectEveryFactorBinnedOnceWithOneOnAnEdge({1.0, 1.0});  // a tie at 1
    ExpectEveryFactorBinnedOnceWithOneOnAnEdge({0.5});
    ExpectEveryFactorBinnedOnceWithOneOnAnEdge({2.0, 3.0, 2.5});  // nothing fails
    ExpectEveryFactorBinnedOnceWithOneOnAnEdge({-3.0, 0.2, 0.99999});
    // Factors a unit in the last place apart, far from 1 or large: bins as narrow as their
    // spread could not reach them from 1.
    for (const double x : {0.05, 0.050273999999999999, 11314.078551276003, 1e17}) {
        ExpectEveryFactorBinnedOnceWithOneOnAnEdge({x, std::nextafter(x, 2.0 * x)});
        EXPECT_LE(BinFactors(std::vector<double>{x, std::nextafter(x, 2.0 * x)}).counts.size(), 7u);
    }
    UniformSequence uniforms;
    std::vector<double> many;
    for (int i = 0; i < 9999; ++i) {
        many.push_back(0.5 + uniforms.NextUniform());
    }
    ExpectEveryFactorBinnedOnceWithOneOnAnEdge(many);
    EXPECT_LE(BinFactors(many).counts.size(), 41u);
}

}  // namespace
}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

#include "TestSupport.h"
#include "statistics/Convergence.h"

namespace vardolin {
namespace {

// The band worked out by hand (30 digits) from p ± 1.96 · √(p(1 − p)/n), clamped to [0, 1].
struct BandRow {
    const char* name;
    int failures;
    int trials;
    double standardError;
    double low;
    double high;
    friend void PrintTo(const BandRow& row, std::ostream* os) { *os << row.name; }
};

class FailureBandOf : public testing::TestWithParam<BandRow> {};

TEST_P(FailureBandOf, MatchesTheHandComputation) {
    const BandRow& row = GetParam();
    const FailureBand band = BandOf(row.failures, row.trials);
    EXPECT_DOUBLE_EQ(band.probability, static_cast<double>(row.failures) / row.trials);
    EXPECT_NEAR(band.standardError, row.standardError, 1e-15);
    EXPECT_NEAR(band.low, row.low, 1e-15);
    EXPECT_NEAR(band.high, row.high, 1e-15);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, FailureBandOf,
    testing::Values(BandRow{"DefaultPlaneRun483Of500", 483, 500, 0.00810481338464988964,
                            0.95011456576608622, 0.98188543423391378},
                    BandRow{"ThreePercentOf500IsKnownToAboutOneAndAHalf", 15, 500,
                            0.00762889244910426038, 0.01504737079975565, 0.04495262920024435},
                    BandRow{"LowEdgeClampedAtZero", 1, 10, 0.09486832980505137996, 0.0,
                            0.28594192641790070},
                    BandRow{"BothEdgesClamped", 1, 2, 0.35355339059327376220, 0.0, 1.0},
                    BandRow{"NoFailureHasNoWidth", 0, 500, 0.0, 0.0, 0.0},
                    BandRow{"EveryTrialFailedHasNoWidth", 500, 500, 0.0, 1.0, 1.0}),
    testing_support::RowName{});

TEST(RunningFigures, FollowTheTrialsInOrderAndEndAtTheRunsFigures) {
    const std::vector<double> factors{0.5, 1.5, 0.8, 1.0};
    const RunningFigures running = RunningFiguresOf(factors);
    const std::vector<double> means{0.5, 1.0, 2.8 / 3.0, 0.95};
    const std::vector<double> percentages{100.0, 50.0, 200.0 / 3.0, 50.0};
    ASSERT_EQ(running.mean.size(), factors.size());
    for (std::size_t i = 0; i < factors.size(); ++i) {
        EXPECT_DOUBLE_EQ(running.mean[i], means[i]) << "trial " << i + 1;
        EXPECT_DOUBLE_EQ(running.failurePercentage[i], percentages[i]) << "trial " << i + 1;
        EXPECT_LE(running.bandLow[i], running.failurePercentage[i]);
        EXPECT_GE(running.bandHigh[i], running.failurePercentage[i]);
    }
    // A failure is below 1: the trial at exactly 1 counts as stable.
    const ConvergenceSummary summary = SummariseConvergence(factors);
    EXPECT_EQ(summary.failures, 2);
    EXPECT_EQ(summary.mean, running.mean.back());
    // Squares about 0.95: 0.2025 + 0.3025 + 0.0225 + 0.0025 = 0.53, over n - 1 = 3; then / sqrt(4).
    EXPECT_DOUBLE_EQ(summary.meanStandardError, std::sqrt(0.53 / 3.0) / 2.0);
    EXPECT_DOUBLE_EQ(summary.band.low * 100.0, running.bandLow.back());
    EXPECT_FALSE(summary.bandIsDegenerate());
    EXPECT_TRUE(SummariseConvergence(std::vector<double>{2.0, 3.0}).bandIsDegenerate());
}

}  // namespace
}  // namespace vardolin

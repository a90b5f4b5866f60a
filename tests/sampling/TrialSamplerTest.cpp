// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <optional>
#include <vector>

#include "TestSupport.h"
#include "numerics/NormalSampler.h"
#include "sampling/TrialSampler.h"

namespace vardolin {
namespace {

using Kind = DistributionKind;
using Method = SamplingMethod;

// The four parameters of the forms at their default statistics.
std::vector<SampledParameter> DefaultParameters(ParameterChoice choice = {}) {
    return {{"cohesion", 10000.0, 200.0, choice},
            {"friction_angle", 30.0, 5.0, choice},
            {"rock_unit_weight", 27000.0, 2000.0, choice},
            {"water_height", 2.0, 0.5, choice}};
}

TEST(TrialSampler, DrawsNormalUnboundedParametersExactlyAsSampleNormal) {
    auto parameters = DefaultParameters();
    parameters[1].sd = -5.0;  // a negative deviation still mirrors the deviate
    UniformSequence sampled;
    UniformSequence reference;
    TrialSampler sampler(parameters, CorrelatedPair{0, 1, 0.0}, Method::MonteCarlo, 0, sampled);
    for (int trial = 0; trial < 1000; ++trial) {
        const std::span<const double> values = sampler.Next();
        for (std::size_t j = 0; j < parameters.size(); ++j) {
            ASSERT_EQ(std::bit_cast<std::uint64_t>(values[j]),
                      std::bit_cast<std::uint64_t>(
                          SampleNormal(reference, parameters[j].mean, parameters[j].sd)))
                << trial << " " << j;
        }
    }
    EXPECT_EQ(sampled.state(), reference.state());
}

struct MomentRow {
    const char* name;
    friend void PrintTo(const MomentRow& row, std::ostream* os) { *os << row.name; }
    Kind kind;
    Method method;
    double mean;
    double sd;
    double kurtosis;  // of the distribution, for the standard error of the sample SD
};

class DistributionMoments : public testing::TestWithParam<MomentRow> {};

// A fixed start makes the check deterministic; 4 standard errors leave a correct sampler a
// negligible chance to fail for any start, and a wrong scale or shape fails it for every start.
TEST_P(DistributionMoments, MatchTheAskedMeanAndDeviationOverAMillionDraws) {
    const MomentRow& row = GetParam();
    constexpr int kDraws = 1'000'000;
    UniformSequence uniforms;
    TrialSampler sampler({{"x", row.mean, row.sd, {row.kind, std::nullopt, std::nullopt}}},
                         std::nullopt, row.method, kDraws, uniforms);
    double sum = 0.0;
    double sumOfSquares = 0.0;
    for (int i = 0; i < kDraws; ++i) {
        const double x = sampler.Next()[0] - row.mean;
        sum += x;
        sumOfSquares += x * x;
    }
    const double mean = sum / kDraws;
    const double sd = std::sqrt(sumOfSquares / kDraws - mean * mean);
    EXPECT_NEAR(mean, 0.0, 4 * row.sd / std::sqrt(kDraws));
    EXPECT_NEAR(sd, row.sd, 4 * row.sd * std::sqrt((row.kurtosis - 1.0) / (4.0 * kDraws)));
}

INSTANTIATE_TEST_SUITE_P(
    EachDistribution, DistributionMoments,
    testing::Values(
        MomentRow{"Normal", Kind::Normal, Method::MonteCarlo, 30.0, 5.0, 3.0},
        MomentRow{"Lognormal", Kind::Lognormal, Method::MonteCarlo, 10000.0, 2000.0, 3.66},
        MomentRow{"Uniform", Kind::Uniform, Method::MonteCarlo, 2.0, 0.5, 1.8},
        MomentRow{"Triangular", Kind::Triangular, Method::MonteCarlo, 27000.0, 2000.0, 2.4},
        MomentRow{"LatinHypercubeNormal", Kind::Normal, Method::LatinHypercube, 30.0, 5.0, 3.0},
        MomentRow{"LatinHypercubeLognormal", Kind::Lognormal, Method::LatinHypercube, 10000.0,
                  2000.0, 3.66}),
    testing_support::RowName());

struct BoundsRow {
    const char* name;
    friend void PrintTo(const BoundsRow& row, std::ostream* os) { *os << row.name; }
    Kind kind;
    Method method;
    std::optional<double> lower;
    std::optional<double> upper;
};

class TruncatedDistribution : public testing::TestWithParam<BoundsRow> {};

// Truncation by inverse transform: every value within the bounds, one uniform value each, and
// the share below a point within them as the truncated distribution has it.
TEST_P(TruncatedDistribution, StaysWithinItsBoundsWithTheTruncatedShares) {
    const BoundsRow& row = GetParam();
    constexpr int kDraws = 200'000;
    constexpr double kMean = 2.0;
    constexpr double kSd = 0.5;
    UniformSequence uniforms;
    const ParameterChoice choice{row.kind, row.lower, row.upper};
    TrialSampler sampler({{"x", kMean, kSd, choice}}, std::nullopt, row.method, kDraws, uniforms);
    const double point = row.lower && row.upper ? (*row.lower + *row.upper) / 2 : kMean;
    int below = 0;
    for (int i = 0; i < kDraws; ++i) {
        const double x = sampler.Next()[0];
        ASSERT_TRUE((!row.lower || x >= *row.lower) && (!row.upper || x <= *row.upper)) << x;
        below += x < point ? 1 : 0;
    }
    const Distribution d(row.kind, kMean, kSd);
    const double low = row.lower ? d.Cdf(*row.lower) : 0.0;
    const double high = row.upper ? d.Cdf(*row.upper) : 1.0;
    const double share = (d.Cdf(point) - low) / (high - low);
    EXPECT_NEAR(static_cast<double>(below) / kDraws, share,
                4 * std::sqrt(share * (1 - share) / kDraws));
    UniformSequence expected;
    expected.Skip(row.method == Method::MonteCarlo ? kDraws : 2 * kDraws - 1);
    EXPECT_EQ(uniforms.state(), expected.state());
}

INSTANTIATE_TEST_SUITE_P(
    EachDistribution, TruncatedDistribution,
    testing::Values(BoundsRow{"NormalAtZero", Kind::Normal, Method::MonteCarlo, 1.5, std::nullopt},
                    BoundsRow{"NormalBothSides", Kind::Normal, Method::MonteCarlo, 1.0, 2.2},
                    BoundsRow{"NormalFarTail", Kind::Normal, Method::MonteCarlo, 3.5, 4.0},
                    BoundsRow{"Lognormal", Kind::Lognormal, Method::MonteCarlo, std::nullopt, 2.5},
                    BoundsRow{"Uniform", Kind::Uniform, Method::MonteCarlo, 1.8, 2.9},
                    BoundsRow{"Triangular", Kind::Triangular, Method::MonteCarlo, 0.0, 2.3},
                    BoundsRow{"LatinHypercube", Kind::Normal, Method::LatinHypercube, 1.9, 3.0}),
    testing_support::RowName());

TEST(TrialSampler, RaisesInvalidProcedureCallForBoundsThatLeaveNothingToDraw) {
    UniformSequence uniforms;
    const auto make = [&](Kind kind, double mean, double sd, ParameterChoice choice) {
        choice.distribution = kind;
        return [=, &uniforms] {
            TrialSampler({{"x", mean, sd, choice}}, std::nullopt, Method::MonteCarlo, 2, uniforms);
        };
    };
    using testing_support::ErrorOf;
    EXPECT_EQ(ErrorOf(make(Kind::Uniform, 2.0, 0.5, {Kind::Uniform, 3.0, std::nullopt})),
              ErrorCode::InvalidProcedureCall);
    EXPECT_EQ(ErrorOf(make(Kind::Normal, 2.0, 0.0, {Kind::Normal, 2.5, std::nullopt})),
              ErrorCode::InvalidProcedureCall);
    EXPECT_EQ(ErrorOf(make(Kind::Lognormal, -1.0, 0.5, {})), ErrorCode::InvalidProcedureCall);
    EXPECT_EQ(uniforms.state(), UniformSequence().state()) << "raised before any draw";
}

struct CorrelationRow {
    const char* name;
    friend void PrintTo(const CorrelationRow& row, std::ostream* os) { *os << row.name; }
    Method method;
    double rho;
};

class CorrelatedPairOf : public testing::TestWithParam<CorrelationRow> {};

TEST_P(CorrelatedPairOf, HasTheAskedCorrelationOverAHundredThousandPairs) {
    constexpr int kPairs = 100'000;
    UniformSequence uniforms;
    TrialSampler sampler({{"c", 0.0, 1.0, {}}, {"phi", 0.0, 1.0, {}}},
                         CorrelatedPair{0, 1, GetParam().rho}, GetParam().method, kPairs, uniforms);
    double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (int i = 0; i < kPairs; ++i) {
        const std::span<const double> v = sampler.Next();
        sx += v[0];
        sy += v[1];
        sxx += v[0] * v[0];
        syy += v[1] * v[1];
        sxy += v[0] * v[1];
    }
    const double n = kPairs;
    const double rho = (sxy / n - sx / n * sy / n) /
                       std::sqrt((sxx / n - sx / n * sx / n) * (syy / n - sy / n * sy / n));
    EXPECT_NEAR(rho, GetParam().rho, 0.01);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, CorrelatedPairOf,
    testing::Values(CorrelationRow{"Independent", Method::MonteCarlo, 0.0},
                    CorrelationRow{"Negative", Method::MonteCarlo, -0.7},
                    CorrelationRow{"Strong", Method::MonteCarlo, 0.95},
                    CorrelationRow{"LatinHypercubeNegative", Method::LatinHypercube, -0.7},
                    CorrelationRow{"LatinHypercubeStrong", Method::LatinHypercube, 0.95}),
    testing_support::RowName());

struct ChecksumRow {
    const char* name;
    friend void PrintTo(const ChecksumRow& row, std::ostream* os) { *os << row.name; }
    Kind kind;
    Method method;
    std::optional<double> lowerShift;  // the bounds as multiples of the sd from the mean
    std::optional<double> upperShift;
    double rho;
    std::uint64_t checksum;
};

class SampledTrials : public testing::TestWithParam<ChecksumRow> {};

// Every figure of a run with these choices starts from these values, so they must have the same
// bits in every build (Debug or Release, gcc or clang): one unit in the last place anywhere
// changes the checksum, and so does one uniform value more or less.
TEST_P(SampledTrials, AreBitIdenticalInEveryBuild) {
    const ChecksumRow& row = GetParam();
    std::vector<SampledParameter> parameters = DefaultParameters();
    for (SampledParameter& p : parameters) {
        p.choice.distribution = row.kind;
        if (row.lowerShift) {
            p.choice.lower = p.mean + *row.lowerShift * p.sd;
        }
        if (row.upperShift) {
            p.choice.upper = p.mean + *row.upperShift * p.sd;
        }
    }
    constexpr int kTrials = 2000;
    UniformSequence uniforms;
    TrialSampler sampler(parameters, CorrelatedPair{0, 1, row.rho}, row.method, kTrials, uniforms);
    std::uint64_t checksum = 14695981039346656037u;  // 64-bit FNV-1a over the values' bits
    for (int i = 0; i < kTrials; ++i) {
        for (const double value : sampler.Next()) {
            checksum ^= std::bit_cast<std::uint64_t>(value);
            checksum *= 1099511628211u;
        }
    }
    checksum ^= uniforms.state();
    EXPECT_EQ(checksum, row.checksum);
}

INSTANTIATE_TEST_SUITE_P(
    EachChoice, SampledTrials,
    testing::Values(
        ChecksumRow{"Normal", Kind::Normal, Method::MonteCarlo, {}, {}, 0.0, 4775187462068492842u},
        ChecksumRow{
            "Lognormal", Kind::Lognormal, Method::MonteCarlo, {}, {}, 0.0, 7977000685567302656u},
        ChecksumRow{"Uniform", Kind::Uniform, Method::MonteCarlo, {}, {}, 0.0, 136156543484714506u},
        ChecksumRow{
            "Triangular", Kind::Triangular, Method::MonteCarlo, {}, {}, 0.0, 10627147655255688762u},
        ChecksumRow{"NormalBounded", Kind::Normal, Method::MonteCarlo, -1.5, 2.0, 0.0,
                    11974285828336338637u},
        ChecksumRow{"LognormalBounded",
                    Kind::Lognormal,
                    Method::MonteCarlo,
                    -2.0,
                    {},
                    0.0,
                    14658758900337823216u},
        ChecksumRow{"UniformBounded",
                    Kind::Uniform,
                    Method::MonteCarlo,
                    {},
                    1.0,
                    0.0,
                    6640940621468480293u},
        ChecksumRow{"TriangularBounded", Kind::Triangular, Method::MonteCarlo, -1.0, 1.0, 0.0,
                    18201535966723133419u},
        ChecksumRow{
            "Correlated", Kind::Normal, Method::MonteCarlo, {}, {}, 0.6, 7772301085037641373u},
        ChecksumRow{"CorrelatedLognormal",
                    Kind::Lognormal,
                    Method::MonteCarlo,
                    {},
                    {},
                    -0.4,
                    8749236345894289088u},
        ChecksumRow{"LatinHypercube",
                    Kind::Normal,
                    Method::LatinHypercube,
                    {},
                    {},
                    0.0,
                    17607794147626347596u},
        ChecksumRow{"LatinHypercubeCorrelatedBounded",
                    Kind::Triangular,
                    Method::LatinHypercube,
                    -1.0,
                    {},
                    0.5,
                    9676625034552168754u}),
    testing_support::RowName());

}  // namespace
}  // namespace vardolin

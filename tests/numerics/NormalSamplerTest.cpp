// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "TestSupport.h"
#include "numerics/NormalSampler.h"
#include "numerics/RunTimeError.h"

namespace vardolin {
namespace {

struct DeviateRow {
    const char* name;
    friend void PrintTo(const DeviateRow& row, std::ostream* os) { *os << row.name; }
    float u;
    double z;
};

class StandardNormalDeviateAt : public testing::TestWithParam<DeviateRow> {};

TEST_P(StandardNormalDeviateAt, MatchesTheApproximation) {
    EXPECT_NEAR(StandardNormalDeviate(GetParam().u), GetParam().z, 5e-7);
}

constexpr float kTwoToMinus24 = 1.0f / 16777216.0f;

INSTANTIATE_TEST_SUITE_P(
    KnownPoints, StandardNormalDeviateAt,
    testing::Values(DeviateRow{"Half", 0.5f, 1.01e-7}, DeviateRow{"PointThree", 0.3f, -0.524002},
                    DeviateRow{"PointSeven", 0.7f, 0.524002},
                    DeviateRow{"PointZeroTwoFive", 0.025f, -1.960395},
                    DeviateRow{"SmallestValue", kTwoToMinus24, -5.294432},
                    DeviateRow{"ZeroTakenAsSmallestValue", 0.0f, -5.294432},
                    DeviateRow{"LargestValue", 1.0f - kTwoToMinus24, 5.294432}),
    testing_support::RowName());

TEST(StandardNormalDeviate, IsAntisymmetricUnderTheSinglePrecisionComplement) {
    for (int k = 1; k < 1 << 24; k += 4099) {
        const float u = static_cast<float>(k) * kTwoToMinus24;
        if (u == 0.5f) {
            continue;  // 0.5 is its own complement and takes the lower branch
        }
        ASSERT_EQ(StandardNormalDeviate(u), -StandardNormalDeviate(1.0f - u)) << k;
    }
}

TEST(StandardNormalDeviate, StaysWithinThePublishedErrorOfTheExactQuantile) {
    // Exact quantiles at a few probabilities (to 7 digits).
    const struct {
        float u;
        double quantile;
    } points[] = {{0.001f, -3.090232},
                  {0.1f, -1.281552},
                  {0.25f, -0.6744898},
                  {0.9f, 1.281552},
                  {0.99f, 2.326348}};
    for (const auto& p : points) {
        EXPECT_NEAR(StandardNormalDeviate(p.u), p.quantile, 4.5e-4) << p.u;
    }
}

// Every figure of a run starts from these deviates, so each of the 2^24 values the sequence can
// deliver must give the same bits in every build (Debug or Release, gcc or clang). One unit in
// the last place anywhere changes the checksum; the test command runs this in each build.
TEST(StandardNormalDeviate, IsBitIdenticalForEveryUniformValueInEveryBuild) {
    std::uint64_t checksum = 14695981039346656037u;  // 64-bit FNV-1a over the deviates' bits
    for (std::uint32_t k = 0; k < 1u << 24; ++k) {
        const float u = static_cast<float>(k) * kTwoToMinus24;
        checksum ^= std::bit_cast<std::uint64_t>(StandardNormalDeviate(u));
        checksum *= 1099511628211u;
    }
    EXPECT_EQ(checksum, 18038909924910518387u);
}

// The parallel run draws with the fast deviate and must match the reference run bit for bit.
TEST(FastNormalDeviate, EqualsTheReferenceDeviateForEveryUniformValue) {
    for (std::uint32_t k = 0; k < 1u << 24; ++k) {
        const float u = static_cast<float>(k) * kTwoToMinus24;
        const NormalDeviate fast = FastNormalDeviateOf(u);
        const NormalDeviate reference = NormalDeviateOf(u);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(fast.size),
                  std::bit_cast<std::uint64_t>(reference.size))
            << k;
        ASSERT_EQ(fast.lower, reference.lower) << k;
    }
}

TEST(SampleNormal, ConsumesExactlyOneValueWhateverTheDeviation) {
    UniformSequence sampled;
    UniformSequence reference;
    EXPECT_EQ(SampleNormal(sampled, 42.5, 0.0), 42.5);
    reference.NextUniform();
    EXPECT_EQ(sampled.state(), reference.state());
}

TEST(SampleNormal, ScalesAndShiftsTheDeviateOfItsUniformValue) {
    UniformSequence sampled;
    UniformSequence reference;
    const double z = StandardNormalDeviate(reference.NextUniform());
    EXPECT_NEAR(SampleNormal(sampled, 10000.0, 200.0), 10000.0 + 200.0 * z, 1e-9);
}

TEST(SampleNormal, MirrorsTheDeviateForANegativeDeviation) {
    UniformSequence positive;
    UniformSequence negative;
    EXPECT_EQ(SampleNormal(positive, 30.0, 5.0) - 30.0,
              -(SampleNormal(negative, 30.0, -5.0) - 30.0));
}

TEST(SampleNormal, RaisesOverflowWhenTheScaledDeviateLeavesTheDoubleRange) {
    UniformSequence uniforms;  // first value 0.7055475: a deviate of about +0.54
    try {
        SampleNormal(uniforms, 1.7e308, 1e308);
        FAIL() << "no error";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::Overflow);
    }
}

// A fixed start makes this statistical check deterministic; the bounds are about five
// standard errors wide, so a correct sampler fails it with a negligible probability for any
// start, and a sampler with a wrong branch, scale or sign fails it for every start.
TEST(SampleNormal, HasTheMomentsOfANormalDistribution) {
    UniformSequence uniforms;
    constexpr int kDraws = 200000;
    double sum = 0.0;
    double sumOfSquares = 0.0;
    int belowOneSigma = 0;
    for (int i = 0; i < kDraws; ++i) {
        const double x = SampleNormal(uniforms, 5.0, 2.0);
        sum += x;
        sumOfSquares += x * x;
        belowOneSigma += x < 3.0 ? 1 : 0;
    }
    const double mean = sum / kDraws;
    const double variance = sumOfSquares / kDraws - mean * mean;
    EXPECT_NEAR(mean, 5.0, 5 * 2.0 / std::sqrt(kDraws));
    EXPECT_NEAR(variance, 4.0, 5 * 4.0 * std::sqrt(2.0 / kDraws));
    EXPECT_NEAR(static_cast<double>(belowOneSigma) / kDraws, 0.158655, 0.005);
}

}  // namespace
}  // namespace vardolin

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

TEST(TrialSampler, DrawsNormalUnboundedParametersExactlyAsSampleNormal) {
    // The forms' default statistics; a negative deviation still mirrors the deviate.
    const std::vector<SampledParameter> parameters{{"cohesion", 10000.0, 200.0, {}},
                                                   {"friction_angle", 30.0, -5.0, {}},
                                                   {"rock_unit_weight", 27000.0, 2000.0, {}},
                                                   {"water_height", 2.0, 0.5, {}}};
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

struct SamplerRow {
    const char* name;
    friend void PrintTo(const SamplerRow& row, std::ostream* os) { *os << row.name; }
    Method method;
    ParameterChoice choice;  // of x, mean 2 and SD 0.5, drawn with y, standard normal
    double rho;              // of the deviates of x and y
    double kurtosis;         // of x unbounded, for the standard error of its sample SD
    std::uint64_t checksum;  // of the bits of every value and of the sequence's state after
};

class SampledPair : public testing::TestWithParam<SamplerRow> {};

// A fixed start makes the statistical checks deterministic; 4 standard errors leave a correct
// sampler a negligible chance to fail them for any start, and a wrong scale, shape, truncation or
// mixing fails them for every start. The checksum pins the values to the bit, as every build
// (Debug or Release, gcc or clang) must give them, and the number of uniform values taken.
TEST_P(SampledPair, HasTheAskedMomentsBoundsAndCorrelationAndTheSameBitsInEveryBuild) {
    const SamplerRow& row = GetParam();
    constexpr int kDraws = 1'000'000;
    constexpr double kMean = 2.0;
    constexpr double kSd = 0.5;
    const std::optional<double> lower = row.choice.lower;
    const std::optional<double> upper = row.choice.upper;
    UniformSequence uniforms;
    TrialSampler sampler({{"x", kMean, kSd, row.choice}, {"y", 0.0, 1.0, {}}},
                         CorrelatedPair{0, 1, row.rho}, row.method, kDraws, uniforms);
    // Below a point within the bounds, for the share the truncated distribution puts there.
    const double point = lower && upper ? (*lower + *upper) / 2 : kMean;
    double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    int below = 0;
    std::uint64_t checksum = 14695981039346656037u;  // 64-bit FNV-1a
    for (int i = 0; i < kDraws; ++i) {
        const std::span<const double> v = sampler.Next();
        ASSERT_TRUE((!lower || v[0] >= *lower) && (!upper || v[0] <= *upper)) << v[0];
        below += v[0] < point ? 1 : 0;
        const double x = v[0] - kMean;
        sx += x;
        sy += v[1];
        sxx += x * x;
        syy += v[1] * v[1];
        sxy += x * v[1];
        for (const double value : v) {
            checksum = (checksum ^ std::bit_cast<std::uint64_t>(value)) * 1099511628211u;
        }
    }
    const double n = kDraws;
    const double sd = std::sqrt(sxx / n - sx / n * sx / n);
    if (!row.choice.bounded()) {
        EXPECT_NEAR(sx / n, 0.0, 4 * kSd / std::sqrt(n));
        EXPECT_NEAR(sd, kSd, 4 * kSd * std::sqrt((row.kurtosis - 1.0) / (4.0 * n)));
    } else {
        const Distribution d(row.choice.distribution, kMean, kSd);
        const double low = lower ? d.Cdf(*lower) : 0.0;
        const double high = upper ? d.Cdf(*upper) : 1.0;
        const double share = (d.Cdf(point) - low) / (high - low);
        EXPECT_NEAR(below / n, share, 4 * std::sqrt(share * (1 - share) / n));
    }
    if (row.choice.isDefault()) {  // the values are the deviates scaled: Pearson's is rho
        const double sdY = std::sqrt(syy / n - sy / n * sy / n);
        EXPECT_NEAR((sxy / n - sx / n * sy / n) / (sd * sdY), row.rho, 0.01);
    }
    EXPECT_EQ(checksum ^ uniforms.state(), row.checksum);
}

constexpr auto kNone = std::nullopt;
using enum DistributionKind;
using enum SamplingMethod;

INSTANTIATE_TEST_SUITE_P(
    EachChoice, SampledPair,
    testing::Values(
        SamplerRow{"Normal", MonteCarlo, {Normal, kNone, kNone}, 0.0, 3.0, 15170262736542650320u},
        SamplerRow{
            "Lognormal", MonteCarlo, {Lognormal, kNone, kNone}, 0.0, 4.06, 699426427769173537u},
        SamplerRow{"Uniform", MonteCarlo, {Uniform, kNone, kNone}, 0.0, 1.8, 87918388910912881u},
        SamplerRow{
            "Triangular", MonteCarlo, {Triangular, kNone, kNone}, 0.0, 2.4, 11703603616575394460u},
        SamplerRow{"HypercubeNormal",
                   LatinHypercube,
                   {Normal, kNone, kNone},
                   0.0,
                   3.0,
                   8758411261313443643u},
        SamplerRow{"HypercubeLognormal",
                   LatinHypercube,
                   {Lognormal, kNone, kNone},
                   0.0,
                   4.06,
                   11322718409613153957u},
        SamplerRow{"NormalAboveALowerBound",
                   MonteCarlo,
                   {Normal, 1.5, kNone},
                   0.0,
                   0.0,
                   14556689159232739989u},
        SamplerRow{
            "NormalBothSides", MonteCarlo, {Normal, 1.0, 2.2}, 0.0, 0.0, 16007660386917186965u},
        SamplerRow{
            "NormalFarTail", MonteCarlo, {Normal, 3.5, 4.0}, 0.0, 0.0, 17809412829650652593u},
        SamplerRow{"LognormalBelowAnUpperBound",
                   MonteCarlo,
                   {Lognormal, kNone, 2.5},
                   0.0,
                   0.0,
                   18163045835983544062u},
        SamplerRow{
            "UniformBounded", MonteCarlo, {Uniform, 1.8, 2.9}, 0.0, 0.0, 630057523247495557u},
        SamplerRow{"TriangularBounded",
                   MonteCarlo,
                   {Triangular, 0.0, 2.3},
                   0.0,
                   0.0,
                   3898829530590027560u},
        SamplerRow{
            "HypercubeBounded", LatinHypercube, {Normal, 1.9, 3.0}, 0.0, 0.0, 111029351655965927u},
        SamplerRow{
            "Correlated", MonteCarlo, {Normal, kNone, kNone}, -0.7, 3.0, 13772215967211806778u},
        SamplerRow{"StronglyCorrelated",
                   MonteCarlo,
                   {Normal, kNone, kNone},
                   0.95,
                   3.0,
                   16263239744171041068u},
        SamplerRow{"HypercubeCorrelated",
                   LatinHypercube,
                   {Normal, kNone, kNone},
                   -0.7,
                   3.0,
                   17120399314803407363u},
        SamplerRow{"HypercubeStronglyCorrelated",
                   LatinHypercube,
                   {Normal, kNone, kNone},
                   0.95,
                   3.0,
                   7810888169156115815u},
        SamplerRow{"CorrelatedLognormal",
                   MonteCarlo,
                   {Lognormal, kNone, kNone},
                   0.5,
                   4.06,
                   6854717994773707390u},
        SamplerRow{"HypercubeCorrelatedTriangularBounded",
                   LatinHypercube,
                   {Triangular, 1.0, kNone},
                   0.5,
                   0.0,
                   3517469681670777206u}),
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

}  // namespace
}  // namespace vardolin

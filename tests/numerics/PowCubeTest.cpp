// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "numerics/PowCube.h"

namespace vardolin {
namespace {

void ExpectSameBitsAsPow(double x) {
    const double expected = std::pow(x, 3.0);
    const double actual = PowCube(x);
    if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(actual)) << x;
    } else {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(actual), std::bit_cast<std::uint64_t>(expected))
            << std::hexfloat << x;
    }
}

// The product path must give pow's rounding wherever it answers, not only at the deviates'
// arguments: random doubles of every sign and of exponents across and beyond its range.
TEST(PowCube, RoundsAsPowAcrossTheWholeDoubleRange) {
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> mantissa(1.0, 2.0);
    std::uniform_int_distribution<int> exponent(-340, 340);
    int mismatches = 0;
    for (int i = 0; i < 2'000'000; ++i) {
        const double x = std::ldexp(mantissa(random), exponent(random)) * (i % 2 ? -1.0 : 1.0);
        const double expected = std::pow(x, 3.0);
        mismatches +=
            std::bit_cast<std::uint64_t>(PowCube(x)) != std::bit_cast<std::uint64_t>(expected);
    }
    EXPECT_EQ(mismatches, 0);
}

// Zeros, powers of two, the edges of the product range, the ends of the doubles, and values
// whose cubes fall on or near a rounding tie (small integers and their neighbours).
TEST(PowCube, RoundsAsPowAtTheEdgeCases) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    for (double x : {0.0, -0.0, 1.0, -1.0, 2.0, 0.5, 0x1p-300, 0x1p300, 0x1.fffffffffffffp-301,
                     0x1.0000000000001p300, 1e-310, std::numeric_limits<double>::min(),
                     std::numeric_limits<double>::max(), kInfinity, -kInfinity,
                     std::numeric_limits<double>::quiet_NaN()}) {
        ExpectSameBitsAsPow(x);
    }
    for (int n = 1; n <= 1000; ++n) {
        const double x = n;
        ExpectSameBitsAsPow(x);
        ExpectSameBitsAsPow(std::nextafter(x, 0.0));
        ExpectSameBitsAsPow(std::nextafter(x, kInfinity));
        ExpectSameBitsAsPow(std::cbrt(x));
    }
}

}  // namespace
}  // namespace vardolin

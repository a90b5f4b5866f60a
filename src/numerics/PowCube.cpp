// SPDX-License-Identifier: MIT
#include "numerics/PowCube.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace vardolin {

namespace {

// a * b = product + error exactly (Dekker's product with Veltkamp's split). Exact only when
// every operation below is rounded on its own, which the build guarantees (no contraction).
struct ExactProduct {
    double product;
    double error;
};

struct Halves {
    double high;
    double low;
};

Halves Split(double a) noexcept {
    constexpr double kSplitter = 134217729.0;  // 2^27 + 1
    const double scaled = kSplitter * a;
    const double high = scaled - (scaled - a);
    return {high, a - high};
}

ExactProduct Multiply(double a, double b) noexcept {
    const double product = a * b;
    const Halves x = Split(a);
    const Halves y = Split(b);
    const double error =
        (((x.high * y.high - product) + x.high * y.low) + x.low * y.high) + x.low * y.low;
    return {product, error};
}

// The spacing of doubles on both sides of a normal, finite x. A power of two has a finer
// spacing below than above and gets 0, which leaves its cube to pow.
double Spacing(double x) noexcept {
    constexpr std::uint64_t kExponentBits = 0x7ff0000000000000u;
    constexpr std::uint64_t kFractionBits = 0x000fffffffffffffu;
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
    if ((bits & kFractionBits) == 0) {
        return 0.0;
    }
    return std::bit_cast<double>(bits & kExponentBits) * 0x1p-52;
}

}  // namespace

double PowCube(double x) noexcept {
    // Inside this range neither a split nor an error term overflows or loses bits to underflow.
    if (!(std::fabs(x) >= 0x1p-300 && std::fabs(x) <= 0x1p300)) {
        return std::pow(x, 3.0);
    }
    const ExactProduct square = Multiply(x, x);
    const ExactProduct cube = Multiply(square.product, x);
    // x³ = cube.product + cube.error + square.error * x; the last two terms to about 2^-100.
    const double tail = cube.error + square.error * x;
    const double nearest = cube.product + tail;
    const double rest = (cube.product - nearest) + tail;
    // pow is within 0.52 units in the last place of x³ (glibc's bound); when x³ lies within 0.45
    // of a spacing from `nearest`, every other double is more than 0.55 away and pow returns it
    // too.
    if (std::fabs(rest) < 0.45 * Spacing(nearest)) {
        return nearest;
    }
    return std::pow(x, 3.0);
}

}  // namespace vardolin

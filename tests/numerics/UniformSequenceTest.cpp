// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "numerics/UniformSequence.h"

namespace vardolin {
namespace {

TEST(UniformSequence, StartsWithTheSameValuesAtEveryProgramStart) {
    UniformSequence uniforms;
    const float expected[] = {0.7055475f, 0.5334240f, 0.5795186f, 0.2895625f, 0.3019480f};
    for (float value : expected) {
        EXPECT_FLOAT_EQ(uniforms.NextUniform(), value);
    }
}

TEST(UniformSequence, DeliversExactMultiplesOfTwoToTheMinus24InTheUnitInterval) {
    UniformSequence uniforms;
    for (int i = 0; i < 100000; ++i) {
        const float u = uniforms.NextUniform();
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
        const double scaled = static_cast<double>(u) * 16777216.0;
        ASSERT_EQ(scaled, std::floor(scaled)) << "value " << i;
        // The single-precision complement is exact for every such value.
        ASSERT_EQ(static_cast<double>(1.0f - u), 1.0 - static_cast<double>(u));
    }
}

TEST(UniformSequence, ReachesZeroOnlyAtItsKnownPlaceInTheFullPeriod) {
    UniformSequence uniforms;
    long firstZero = 0;
    for (long i = 1; i <= (1L << 24); ++i) {
        if (uniforms.NextUniform() == 0.0f) {
            firstZero = i;
            break;
        }
    }
    EXPECT_EQ(firstZero, 6488064);
}

}  // namespace
}  // namespace vardolin

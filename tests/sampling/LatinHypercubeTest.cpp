// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <vector>

#include "sampling/LatinHypercube.h"

namespace vardolin {
namespace {

TEST(LatinHypercube, PutsOneTrialInEachStratumOfEveryParameter) {
    for (const int trials : {2, 3, 7, 500, 9999}) {
        UniformSequence uniforms;
        const auto probabilities = LatinHypercube(4, trials, uniforms);
        ASSERT_EQ(probabilities.size(), 4u);
        for (const std::vector<double>& column : probabilities) {
            std::vector<int> inStratum(static_cast<std::size_t>(trials), 0);
            for (const double p : column) {
                ASSERT_GE(p, 0.0);
                ASSERT_LT(p, 1.0);
                ++inStratum[static_cast<std::size_t>(p * trials)];
            }
            EXPECT_EQ(std::count(inStratum.begin(), inStratum.end(), 1), trials) << trials;
        }
        // 2n - 1 values per parameter: the shuffle, then the place within each stratum.
        UniformSequence expected;
        expected.Skip(4 * (2 * static_cast<std::uint64_t>(trials) - 1));
        EXPECT_EQ(uniforms.state(), expected.state()) << trials;
    }
}

}  // namespace
}  // namespace vardolin

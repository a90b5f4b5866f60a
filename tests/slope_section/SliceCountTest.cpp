// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <vector>

#include "TestSupport.h"
#include "slope_section/SliceCount.h"

namespace vardolin::section {
namespace {

using testing_support::RowName;

struct CountRow {
    const char* name;
    std::vector<double> bounds;
    int count;
    std::vector<int> slices;

    friend void PrintTo(const CountRow& row, std::ostream* os) { *os << row.name; }
};

class SliceCountRows : public testing::TestWithParam<CountRow> {};

TEST_P(SliceCountRows, GivesEachFurtherSliceToTheWidestSlices) {
    std::vector<int> slices{99};
    SplitSliceCount(GetParam().bounds, GetParam().count, slices);
    EXPECT_EQ(slices, GetParam().slices);
}

INSTANTIATE_TEST_SUITE_P(
    Splits, SliceCountRows,
    testing::Values(
        CountRow{"OneStretch", {0, 10}, 7, {7}}, CountRow{"InProportion", {0, 10, 30}, 6, {2, 4}},
        CountRow{"LeftmostOfEquals", {0, 10, 20}, 3, {2, 1}},
        CountRow{"LeftmostOfEqualsButForRounding", {0, 10, 20 + 1e-12}, 3, {2, 1}},
        CountRow{"WiderByMoreThanRounding", {0, 10, 20 + 1e-6}, 3, {1, 2}},
        CountRow{"NarrowStretchKeepsOne", {0, 0.01, 10, 20}, 10, {1, 4, 5}},
        CountRow{"MoreStretchesThanTheCount", {0, 1, 2, 3, 4}, 2, {1, 1, 1, 1}},
        CountRow{"CountBelowOne", {0, 5}, 0, {1}}, CountRow{"NoStretch", {3}, 10, {}},
        // In proportion 1 : 2 but for the one left over, which goes to the left.
        CountRow{"LargestCount", {0, 1, 3}, INT_MAX, {715827883, 1431655764}},
        CountRow{"BoundNotANumber", {0, std::numeric_limits<double>::quiet_NaN(), 2}, 10, {9, 1}}),
    RowName{});

// The rule itself: one further slice at a time to the stretch whose slices are the widest, the
// leftmost of those within a billionth.
std::vector<int> OneAtATime(const std::vector<double>& bounds, int count) {
    std::vector<int> slices(bounds.size() - 1, 1);
    for (auto total = static_cast<long>(slices.size()); total < count; ++total) {
        std::size_t widest = 0;
        for (std::size_t i = 1; i < slices.size(); ++i) {
            if ((bounds[i + 1] - bounds[i]) * slices[widest] >
                (bounds[widest + 1] - bounds[widest]) * slices[i] * (1.0 + 1e-9)) {
                widest = i;
            }
        }
        slices[widest] += 1;
    }
    return slices;
}

TEST(SliceCount, GivesWhatGivingOneSliceAtATimeGives) {
    // Stretches of random widths, and many of tenths from a tenth, which tie or all but tie
    // once rounded, some a billionth apart, and slivers.
    std::mt19937_64 random(31);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::vector<int> slices;
    for (int trial = 0; trial < 20000; ++trial) {
        std::vector<double> bounds{std::floor(uniform(random) * 100.0) * 0.1};
        const int stretches = 1 + trial % 13;
        for (int i = 0; i < stretches; ++i) {
            const double kind = uniform(random);
            const double span = kind < 0.5    ? 0.1 * (1.0 + std::floor(uniform(random) * 5.0))
                                : kind < 0.7  ? 0.3
                                : kind < 0.8  ? 0.7
                                : kind < 0.85 ? 1e-7
                                : kind < 0.9  ? 0.3 * (1.0 + 1e-9)
                                              : uniform(random) * 10.0;
            bounds.push_back(bounds.back() + span);
        }
        const int count = static_cast<int>(uniform(random) * 400.0);
        SplitSliceCount(bounds, count, slices);
        ASSERT_EQ(slices, OneAtATime(bounds, count)) << trial;
    }
}

}  // namespace
}  // namespace vardolin::section

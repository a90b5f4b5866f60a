// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <ostream>
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
    testing::Values(CountRow{"OneStretch", {0, 10}, 7, {7}},
                    CountRow{"InProportion", {0, 10, 30}, 6, {2, 4}},
                    CountRow{"LeftmostOfEquals", {0, 10, 20}, 3, {2, 1}},
                    CountRow{"LeftmostOfEqualsButForRounding", {0, 10, 20 + 1e-12}, 3, {2, 1}},
                    CountRow{"WiderByMoreThanRounding", {0, 10, 20 + 1e-6}, 3, {1, 2}},
                    CountRow{"NarrowStretchKeepsOne", {0, 0.01, 10, 20}, 10, {1, 4, 5}},
                    CountRow{"MoreStretchesThanTheCount", {0, 1, 2, 3, 4}, 2, {1, 1, 1, 1}},
                    CountRow{"CountBelowOne", {0, 5}, 0, {1}}, CountRow{"NoStretch", {3}, 10, {}}),
    RowName{});

}  // namespace
}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <ostream>

#include "TestSupport.h"
#include "analysis/ParameterDraws.h"

namespace vardolin {
namespace {

constexpr std::array<UncertainInput, 4> kInputs{{
    {"a", "A", "", 9, 10, {}, {}},
    {"b", "B", "", 11, 12, {}, {}},
    {"c", "C", "", 13, 14, {}, {}},
    {"d", "D", "", 15, 16, {}, {}},
}};

// A run keeps every trial's draws up to the bound, and an even sample of a longer run.
struct DrawsRow {
    const char* name;
    double planned;  // the run's loop end
    int stride;
    std::size_t rows;
    friend void PrintTo(const DrawsRow& row, std::ostream* os) { *os << row.name; }
};

class ParameterDrawsKept : public testing::TestWithParam<DrawsRow> {};

TEST_P(ParameterDrawsKept, AreBoundedAndSpreadOverTheRun) {
    const DrawsRow& row = GetParam();
    ParameterDraws draws(kInputs, row.planned);
    for (int trial = 1; trial <= row.planned; ++trial) {
        draws.Keep(trial, std::array<double, 4>{1.0 * trial, 2.0, 3.0, 4.0});
    }
    EXPECT_EQ(draws.stride(), row.stride);
    ASSERT_EQ(draws.rows(), row.rows);
    ASSERT_EQ(draws.meanFields().size(), 4u);
    EXPECT_EQ(draws.meanFields()[1], 11);
    // Each row holds the draws of the trial it names, in the columns' order.
    for (std::size_t r : {std::size_t{0}, row.rows / 2, row.rows - 1}) {
        EXPECT_EQ(draws.column(0)[r], draws.trialOf(r));
        EXPECT_EQ(draws.column(3)[r], 4.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ParameterDrawsKept,
    testing::Values(DrawsRow{"DefaultRunKeepsAll", 500, 1, 500},
                    DrawsRow{"FractionalCountKeepsTheTrialsThatRun", 2.5, 1, 2},
                    DrawsRow{"AtTheBoundKeepsAll", 100'000, 1, 100'000},
                    DrawsRow{"JustAboveTheBoundKeepsEveryOther", 100'001, 2, 50'001},
                    DrawsRow{"AMillionTrialsKeepEveryTenth", 1'000'000, 10, 100'000}),
    testing_support::RowName{});

}  // namespace
}  // namespace vardolin

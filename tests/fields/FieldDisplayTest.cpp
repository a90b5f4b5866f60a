// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "fields/FieldDisplay.h"

namespace vardolin {
namespace {

struct ShownCase {
    const char* name;
    const char* written;
    FieldDisplay display;
    const char* separator;
    const char* shown;
};

class ShownTextTest : public testing::TestWithParam<ShownCase> {};

TEST_P(ShownTextTest, RoundsAFigureToItsDisplayAndLeavesTheRestAsWritten) {
    const ShownCase& c = GetParam();
    EXPECT_EQ(ShownText(c.written, c.display, NumberLocale{c.separator}), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ShownTextTest,
    testing::Values(
        ShownCase{"FactorToThreeDecimals", "1.13331234567", FieldDisplay::Factor, ".", "1.133"},
        ShownCase{"NegativeIndexKeepsItsSign", "-0.379236486453798", FieldDisplay::Factor, ".",
                  "-0.379"},
        ShownCase{"TinyCoordinateIsZero", "1.05E-15", FieldDisplay::Length, ".", "0.000"},
        ShownCase{"TinyNegativeHasNoMinus", "-1.05E-15", FieldDisplay::Length, ".", "0.000"},
        ShownCase{"CoordinateToTheMillimetre", "-1.97654321", FieldDisplay::Length, ".", "-1.977"},
        ShownCase{"PercentageToATenth", "13.8", FieldDisplay::Percentage, ".", "13.8"},
        ShownCase{"PercentageRounded", "36.66666", FieldDisplay::Percentage, ".", "36.7"},
        ShownCase{"WholePercentage", "100", FieldDisplay::Percentage, ".", "100.0"},
        ShownCase{"UsersSeparator", "1,13351", FieldDisplay::Factor, ",", "1,134"},
        ShownCase{"LargeFigure", "1.2E+20", FieldDisplay::Factor, ".", "120000000000000000000.000"},
        ShownCase{"MessageAsWritten", "Minimum on the Grid's Edge", FieldDisplay::Factor, ".",
                  "Minimum on the Grid's Edge"},
        ShownCase{"EmptyAsWritten", "", FieldDisplay::Length, ".", ""},
        ShownCase{"AsWrittenKeepsEveryDigit", "1.13331234567", FieldDisplay::AsWritten, ".",
                  "1.13331234567"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace vardolin

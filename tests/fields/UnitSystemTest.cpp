// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "fields/UnitSystem.h"

namespace vardolin {
namespace {

using enum UnitSystem;

struct ConversionCase {
    const char* name;
    const char* text;
    Quantity quantity;
    UnitSystem from;
    UnitSystem to;
    const char* converted;
};

class UnitConversionTest : public testing::TestWithParam<ConversionCase> {};

// A conversion rounds to 10 significant digits, and the way back gives the text typed.
TEST_P(UnitConversionTest, ConvertsAndComesBack) {
    const ConversionCase& c = GetParam();
    const std::string there = ConvertText(c.text, c.quantity, c.from, c.to);
    EXPECT_EQ(there, c.converted);
    EXPECT_EQ(ConvertText(there, c.quantity, c.to, c.from), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UnitConversionTest,
    testing::Values(
        ConversionCase{"PascalsToKilopascals", "10000", Quantity::Stress, SiPascal, SiKilopascal,
                       "10"},
        ConversionCase{"NewtonsToKilonewtons", "18000", Quantity::UnitWeight, SiPascal,
                       SiKilopascal, "18"},
        ConversionCase{"KeepsEveryTypedDigit", "12345.678", Quantity::Stress, SiPascal,
                       SiKilopascal, "12.345678"},
        ConversionCase{"KilopascalsToPsf", "10", Quantity::Stress, SiKilopascal, UsCustomary,
                       "208.85434233"},
        ConversionCase{"KilonewtonsToPcf", "18", Quantity::UnitWeight, SiKilopascal, UsCustomary,
                       "114.58584638"},
        ConversionCase{"MetresToFeet", "10", Quantity::Length, SiKilopascal, UsCustomary,
                       "32.80839895"},
        ConversionCase{"KilonewtonsPerMetreToPoundsPerFoot", "10", Quantity::LineLoad, SiKilopascal,
                       UsCustomary, "685.2176586"},
        ConversionCase{"NewtonsPerMetreToKilonewtons", "2500", Quantity::LineLoad, SiPascal,
                       SiKilopascal, "2.5"},
        ConversionCase{"MetresStayInSi", "10", Quantity::Length, SiPascal, SiKilopascal, "10"},
        ConversionCase{"DegreesStay", "30", Quantity::Other, SiKilopascal, UsCustomary, "30"},
        ConversionCase{"EmptyStays", "", Quantity::Length, SiKilopascal, UsCustomary, ""},
        ConversionCase{"TypingErrorStays", "1O", Quantity::Stress, SiPascal, SiKilopascal, "1O"}),
    [](const testing::TestParamInfo<ConversionCase>& row) { return std::string(row.param.name); });

TEST(UnitSystemTest, NamesUnitsAndQuantitiesMatch) {
    for (const UnitSystem system : {SiPascal, SiKilopascal, UsCustomary}) {
        EXPECT_EQ(UnitSystemNamed(NameOf(system)), system);
        for (const Quantity quantity :
             {Quantity::Length, Quantity::Stress, Quantity::UnitWeight, Quantity::LineLoad}) {
            EXPECT_EQ(QuantityOf(UnitOf(quantity, system)), quantity);
        }
    }
    EXPECT_EQ(UnitSystemNamed("kpa"), std::nullopt);
    EXPECT_EQ(UnitOf(Quantity::Stress, UsCustomary), "psf");
    EXPECT_EQ(UnitOf(Quantity::LineLoad, SiKilopascal), "kN/m");
    EXPECT_EQ(UnitOf(Quantity::Other, UsCustomary, "degrees"), "degrees");
    EXPECT_EQ(QuantityOf("degrees"), Quantity::Other);
    EXPECT_EQ(UnitSystemNames(), "si-pa, si-kpa, us");
    // A value beyond the doubles once converted stays as typed.
    EXPECT_EQ(ConvertText("1E+308", Quantity::Stress, SiKilopascal, SiPascal), "1E+308");
}

}  // namespace
}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "TestSupport.h"
#include "numerics/NumberText.h"
#include "numerics/RunTimeError.h"

namespace vardolin {
namespace {

using testing_support::ErrorOf;

struct ParseRow {
    const char* name;
    friend void PrintTo(const ParseRow& row, std::ostream* os) { *os << row.name; }
    const char* text;
    double value;
};

class TextToDoubleAccepts : public testing::TestWithParam<ParseRow> {};

TEST_P(TextToDoubleAccepts, PlainDecimalNumbers) {
    const double value = TextToDouble(GetParam().text);
    EXPECT_EQ(value, GetParam().value);
    EXPECT_EQ(std::signbit(value), std::signbit(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, TextToDoubleAccepts,
    testing::Values(ParseRow{"Integer", "10000", 10000.0}, ParseRow{"LeadingPoint", ".5", 0.5},
                    ParseRow{"TrailingPoint", "5.", 5.0}, ParseRow{"Blanks", " \t12.25  ", 12.25},
                    ParseRow{"PlusSign", "+3", 3.0}, ParseRow{"NegativeZero", "-0", -0.0},
                    ParseRow{"Exponent", "1e3", 1000.0},
                    ParseRow{"SignedExponent", "2.5E-3", 0.0025},
                    ParseRow{"LongDigits", "3.14159265358979323846264338327950288",
                             3.141592653589793},
                    ParseRow{"LargestDouble", "1.7976931348623157e308", 1.7976931348623157e308},
                    ParseRow{"BelowSmallestDouble", "1e-400", 0.0},
                    ParseRow{"NegativeBelowSmallest", "-1e-400", -0.0}),
    testing_support::RowName());

struct RejectRow {
    const char* name;
    friend void PrintTo(const RejectRow& row, std::ostream* os) { *os << row.name; }
    const char* text;
    ErrorCode error;
};

class TextToDoubleRejects : public testing::TestWithParam<RejectRow> {};

TEST_P(TextToDoubleRejects, WithTheErrorOfTheText) {
    EXPECT_EQ(ErrorOf([] { TextToDouble(GetParam().text); }), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, TextToDoubleRejects,
    testing::Values(RejectRow{"Empty", "", ErrorCode::TypeMismatch},
                    RejectRow{"Blank", "   ", ErrorCode::TypeMismatch},
                    RejectRow{"Word", "abc", ErrorCode::TypeMismatch},
                    RejectRow{"Infinity", "inf", ErrorCode::TypeMismatch},
                    RejectRow{"NotANumber", "nan", ErrorCode::TypeMismatch},
                    RejectRow{"LonePoint", ".", ErrorCode::TypeMismatch},
                    RejectRow{"LoneSign", "-", ErrorCode::TypeMismatch},
                    RejectRow{"DoubleSign", "--1", ErrorCode::TypeMismatch},
                    RejectRow{"TwoPoints", "1.2.3", ErrorCode::TypeMismatch},
                    RejectRow{"BareExponent", "1e", ErrorCode::TypeMismatch},
                    RejectRow{"Hexadecimal", "0x10", ErrorCode::TypeMismatch},
                    RejectRow{"Grouping", "1,000", ErrorCode::TypeMismatch},
                    RejectRow{"TrailingText", "12 m", ErrorCode::TypeMismatch},
                    RejectRow{"BeyondDoubleRange", "1e309", ErrorCode::Overflow},
                    RejectRow{"NegativeBeyondRange", "-1e309", ErrorCode::Overflow},
                    RejectRow{"HugeExponent", "1e99999999999999999999", ErrorCode::Overflow}),
    testing_support::RowName());

TEST(TextToDouble, ReadsTheUsersDecimalSeparatorAndThePoint) {
    const NumberLocale comma{","};
    EXPECT_EQ(TextToDouble("1,5", comma), 1.5);
    EXPECT_EQ(TextToDouble(".5", comma), 0.5);
    EXPECT_EQ(ErrorOf([&] { TextToDouble("1,5.3", comma); }), ErrorCode::TypeMismatch);
    const NumberLocale arabic{"\xD9\xAB"};
    EXPECT_EQ(TextToDouble("2\xD9\xAB"
                           "25",
                           arabic),
              2.25);
}

TEST(RoundToInt16, RoundsHalvesToTheEvenNeighbourAndChecksTheRange) {
    EXPECT_EQ(RoundToInt16(2.5), 2);
    EXPECT_EQ(RoundToInt16(3.5), 4);
    EXPECT_EQ(RoundToInt16(500.5), 500);
    EXPECT_EQ(RoundToInt16(501.5), 502);
    EXPECT_EQ(RoundToInt16(9999.5), 10000);
    EXPECT_EQ(RoundToInt16(1.2), 1);
    EXPECT_EQ(RoundToInt16(-2.5), -2);
    EXPECT_EQ(RoundToInt16(-2.6), -3);
    EXPECT_EQ(RoundToInt16(32767.49), 32767);
    EXPECT_EQ(RoundToInt16(-32768.5), -32768);
    EXPECT_EQ(ErrorOf([] { RoundToInt16(32767.5); }), ErrorCode::Overflow);
    EXPECT_EQ(ErrorOf([] { RoundToInt16(-32769.0); }), ErrorCode::Overflow);
    EXPECT_EQ(ErrorOf([] { RoundToInt16(1e300); }), ErrorCode::Overflow);
}

struct FormatRow {
    const char* name;
    friend void PrintTo(const FormatRow& row, std::ostream* os) { *os << row.name; }
    double value;
    const char* text;
};

class DoubleToTextWrites : public testing::TestWithParam<FormatRow> {};

TEST_P(DoubleToTextWrites, TheDefaultNumberFormat) {
    EXPECT_EQ(DoubleToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Format, DoubleToTextWrites,
    testing::Values(FormatRow{"FifteenSignificantDigits", 1.2345678901234567, "1.23456789012346"},
                    FormatRow{"OneThird", 1.0 / 3.0, "0.333333333333333"},
                    FormatRow{"PercentageOfRoundedDouble", 37.0 / 500.0 * 100.0, "7.4"},
                    FormatRow{"Zero", 0.0, "0"}, FormatRow{"NegativeZero", -0.0, "0"},
                    FormatRow{"Hundred", 100.0, "100"}, FormatRow{"NegativeFraction", -0.5, "-0.5"},
                    FormatRow{"LargestFixed", 999999999999999.0, "999999999999999"},
                    FormatRow{"RoundsUpToExponentForm", 999999999999999.9, "1E+15"},
                    FormatRow{"ExponentFormFrom1E15", 1e15, "1E+15"},
                    FormatRow{"ExponentWithFraction", 1.2e15, "1.2E+15"},
                    FormatRow{"ThreeDigitExponent", 1e300, "1E+300"},
                    FormatRow{"NegativeExponentForm", -2.5e20, "-2.5E+20"},
                    FormatRow{"SmallFixed", 0.00001, "0.00001"},
                    FormatRow{"SmallFixedDigits", 0.000056789, "0.000056789"},
                    FormatRow{"SmallestThatFits", 0.000000000056789, "0.000000000056789"},
                    FormatRow{"TooSmallForFixed", 5.6789e-12, "5.6789E-12"},
                    FormatRow{"OneDigitExponentPadded", 1.23456789012345e-9,
                              "1.23456789012345E-09"},
                    FormatRow{"TwoDigitExponentAsIs", 1.23456789012345e-10, "1.23456789012345E-10"},
                    FormatRow{"FifteenPlaces", 1e-15, "0.000000000000001"},
                    FormatRow{"SixteenPlaces", 1e-16, "1E-16"},
                    FormatRow{"Subnormal", 4.9406564584124654e-324, "4.94065645841247E-324"}),
    testing_support::RowName());

TEST(DoubleToText, WritesTheUsersDecimalSeparator) {
    EXPECT_EQ(DoubleToText(0.73889069232438, NumberLocale{","}), "0,73889069232438");
    EXPECT_EQ(DoubleToText(1.5e20, NumberLocale{","}), "1,5E+20");
}

TEST(DoubleToText, ReadsBackToTheSameFifteenDigits) {
    for (double v = 1e-20; v < 1e20; v *= 3.7) {
        const std::string text = DoubleToText(v);
        EXPECT_EQ(DoubleToText(TextToDouble(text)), text);
        EXPECT_NEAR(TextToDouble(text), v, std::abs(v) * 1e-14);
    }
}

}  // namespace
}  // namespace vardolin

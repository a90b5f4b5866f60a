// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <charconv>
#include <string>

#include "TestSupport.h"
#include "files/TrialsCsv.h"

namespace vardolin {
namespace {

struct CsvRow {
    const char* name;
    const char* text;
    const char* value;
};

class CsvQuoting : public testing::TestWithParam<CsvRow> {};

TEST_P(CsvQuoting, QuotesOnlyWhatASpreadsheetWouldSplit) {
    EXPECT_EQ(CsvValue(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Rows, CsvQuoting,
                         testing::Values(CsvRow{"Plain", "Block is Stable", "Block is Stable"},
                                         CsvRow{"Empty", "", ""},
                                         CsvRow{"DecimalComma", "0,5", "\"0,5\""},
                                         CsvRow{"Quote", "Run-time error '13': \"x\"",
                                                "\"Run-time error '13': \"\"x\"\"\""},
                                         CsvRow{"LineBreak", "a\nb", "\"a\nb\""}),
                         testing_support::RowName());

TEST(TrialRowsCsv, NamesTheModelOnEveryRowAndKeepsEveryDigit) {
    const double factor = 0.73889069232438123;
    const std::string csv = TrialRowsCsv("a,b.vardolin", std::vector<double>{factor, 2.5});
    EXPECT_EQ(csv, "\"a,b.vardolin\",1,0.7388906923243812,yes\r\n\"a,b.vardolin\",2,2.5,no\r\n");
    double back = 0.0;
    const std::string digits = "0.7388906923243812";
    std::from_chars(digits.data(), digits.data() + digits.size(), back);
    EXPECT_EQ(back, factor);
}

}  // namespace
}  // namespace vardolin

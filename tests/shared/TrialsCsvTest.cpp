// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <charconv>
#include <string>

#include "TestSupport.h"
#include "plane/PlaneFailureDescription.h"
#include "plane/PlaneFields.h"
#include "shared/FieldTextMap.h"
#include "shared/TrialsCsv.h"

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

TEST(ResultsCsv, HeadsTheTrialsWithTheInputsAndTheThreeResults) {
    FieldTextMap fields = DefaultTexts(PlaneFailure());
    fields.setText(plane::FailureProbability, "50");
    fields.setText(plane::MeanSafetyFactor, "1,05");
    fields.setText(plane::MessageField, "Block is Stable");
    fields.setText(plane::ExplanationField, "not in the header");
    const std::string csv = ResultsCsv(PlaneFailure(), fields, std::vector<double>{0.1 + 0.2, 1.0});
    EXPECT_EQ(csv,
              "analysis,plane_failure\r\n"
              "slope_height,20\r\nslope_face_angle,60\r\ndiscontinuity_angle,40\r\n"
              "trial_count,500\r\nmessage,Block is Stable\r\nmean_safety_factor,\"1,05\"\r\n"
              "cohesion_mean,10000\r\ncohesion_sd,200\r\nfriction_angle_mean,30\r\n"
              "friction_angle_sd,5\r\nrock_unit_weight_mean,27000\r\nrock_unit_weight_sd,2000\r\n"
              "water_height_mean,2\r\nwater_height_sd,.5\r\nfailure_probability,50\r\n"
              "water_unit_weight,9800\r\ntension_crack_depth,3\r\n"
              "\r\ntrial,factor_of_safety,failed\r\n"
              "1,0.30000000000000004,yes\r\n2,1,no\r\n");
}

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

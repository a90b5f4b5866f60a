// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "critical_circle/UnitsCaution.h"

namespace vardolin::critical {
namespace {

struct CautionCase {
    const char* name;
    double cohesion;
    double unitWeight;
    double height;
    std::string caution;
};

class UnitsCautionTest : public testing::TestWithParam<CautionCase> {};

TEST_P(UnitsCautionTest, NamesTheLikelyMixUp) {
    const CautionCase& c = GetParam();
    EXPECT_EQ(UnitsCaution(c.cohesion, c.unitWeight, c.height), c.caution);
}

constexpr const char* kKpaWithNewtons = ": is the cohesion in kPa and the unit weight in N/m³?";
constexpr const char* kPaWithKilonewtons = ": is the cohesion in Pa and the unit weight in kN/m³?";

INSTANTIATE_TEST_SUITE_P(
    Rows, UnitsCautionTest,
    testing::Values(CautionCase{"KilopascalsThroughout", 10, 18, 10, ""},
                    CautionCase{"PascalsThroughout", 10000, 18000, 10, ""},
                    CautionCase{"UsCustomary", 208.854, 114.6, 32.8, ""},
                    CautionCase{"Cohesionless", 0, 19000, 10, ""},
                    CautionCase{"KilopascalsWithNewtons", 5, 19000, 10,
                                std::string("c/(γH) = 0.000026") + kKpaWithNewtons},
                    CautionCase{"JustBelowTheLeast", 0.99e-4, 1, 1,
                                std::string("c/(γH) = 0.000099") + kKpaWithNewtons},
                    CautionCase{"OnTheLeast", 1e-4, 1, 1, ""},
                    CautionCase{"OnTheMost", 10, 1, 1, ""},
                    CautionCase{"PascalsWithKilonewtons", 10000, 18, 10,
                                std::string("c/(γH) = 55.6") + kPaWithKilonewtons},
                    CautionCase{"NegativeCohesionByItsSize", -5, 19000, 10,
                                std::string("c/(γH) = 0.000026") + kKpaWithNewtons},
                    CautionCase{"TinyRatio", 1e-20, 1, 1,
                                std::string("c/(γH) = 1.0e-20") + kKpaWithNewtons},
                    CautionCase{"NoWeightLeftToTheChecks", 10, 0, 10, ""}),
    [](const testing::TestParamInfo<CautionCase>& row) { return std::string(row.param.name); });

TEST(UnitsCaution, WritesTheRatioWithTheLocalesSeparator) {
    EXPECT_EQ(UnitsCaution(10000, 18, 10, NumberLocale{","}),
              std::string("c/(γH) = 55,6") + kPaWithKilonewtons);
}

}  // namespace
}  // namespace vardolin::critical

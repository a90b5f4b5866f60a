// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "critical_circle/AcceptanceVerdict.h"

namespace vardolin::critical {
namespace {

struct VerdictCase {
    const char* name;
    double factor;
    double failurePercentage;
    bool fixedData;
    std::string_view verdict;
};

class AcceptanceVerdictTest : public testing::TestWithParam<VerdictCase> {};

// The defaults: a factor of at least 1.5 and at most 5 % failed; each bound itself passes.
TEST_P(AcceptanceVerdictTest, NamesTheCriterionThatFails) {
    const VerdictCase& c = GetParam();
    EXPECT_EQ(AcceptanceVerdict(c.factor, c.failurePercentage, AcceptanceCriteria{}, c.fixedData),
              c.verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Criteria, AcceptanceVerdictTest,
    testing::Values(
        VerdictCase{"BothMet", 1.6, 1.0, false,
                    "Acceptable: the Bishop Factor and the Probability of Failure Meet the "
                    "Criteria"},
        VerdictCase{"OnTheBounds", 1.5, 5.0, false, kAcceptanceVerdicts[0]},
        VerdictCase{"ProbabilityAbove", 1.6, 5.1, false,
                    "Not Acceptable: the Probability of Failure Is Above the Maximum"},
        VerdictCase{"FactorBelow", 1.49, 0.0, false,
                    "Not Acceptable: the Bishop Factor Is Below the Minimum"},
        VerdictCase{"StableButNotAccepted", 1.133, 36.7, false, kAcceptanceVerdicts[3]},
        VerdictCase{"FixedDataMet", 2.07, 0.0, true,
                    "Fixed Data. Acceptable: the Bishop Factor and the Probability of Failure "
                    "Meet the Criteria"},
        VerdictCase{"FixedDataFailed", 0.9, 100.0, true,
                    "Fixed Data. Not Acceptable: the Bishop Factor Is Below the Minimum and the "
                    "Probability of Failure Is Above the Maximum"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(AcceptanceVerdict, FollowsTheUsersCriteria) {
    const AcceptanceCriteria lenient{1.0, 50.0};
    EXPECT_EQ(AcceptanceVerdict(1.133, 36.7, lenient, false), kAcceptanceVerdicts[0]);
}

}  // namespace
}  // namespace vardolin::critical

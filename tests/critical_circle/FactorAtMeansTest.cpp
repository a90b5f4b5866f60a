// SPDX-License-Identifier: MIT
// The critical circle's factor at the averages, which its sensitivity curves are made of: in
// the run's context, and with the run's own message where the averages give no factor.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "critical_circle/CriticalCircleDescription.h"
#include "critical_circle/CriticalCircleFields.h"
#include "critical_circle/CriticalCircleRun.h"
#include "fields/FieldTextMap.h"

namespace vardolin {
namespace {

using namespace critical;

struct NoFactorRow {
    const char* name;
    std::vector<std::pair<int, std::string>> texts;
    friend void PrintTo(const NoFactorRow& row, std::ostream* os) { *os << row.name; }
};

class CriticalCircleNoFactor : public testing::TestWithParam<NoFactorRow> {};

// The averages that stop the run give no factor, with the message the run writes for them,
// not an arithmetic error.
TEST_P(CriticalCircleNoFactor, CarriesTheMessageTheRunWrites) {
    FieldTextMap fields = DefaultTexts(CriticalCircle());
    for (const auto& [field, text] : GetParam().texts) {
        fields.setText(field, text);
    }
    for (const int sd : {SoilCohesionStdDev, FrictionStdDev, UnitWeightStdDev, PoreRatioStdDev}) {
        fields.setText(sd, "0");
    }
    UniformSequence uniforms;
    KeptTables kept;
    AnalysisContext context{uniforms, kept, {}, nullptr, 2};
    FieldTextMap copy = fields;
    try {
        CriticalCircleFactorAtMeans(copy, context);
        ADD_FAILURE() << "a factor";
    } catch (const NoFactorAtMeans& e) {
        EXPECT_FALSE(CriticalCircle().run(fields, context).gaveResults());
        EXPECT_EQ(e.what(), fields.text(MessageField));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CriticalCircleNoFactor,
    testing::Values(
        NoFactorRow{"GridUnderTheGround",
                    {{GridXFrom, "40"}, {GridXTo, "60"}, {GridYFrom, "-20"}, {GridYTo, "-10"}}},
        NoFactorRow{"GivenCircleWithoutRadius", {{GivenCentreX, "0"}}}),
    testing_support::RowName{});

// The same factor on one thread and on several: the context's thread count only shares the
// search out.
TEST(CriticalCircleFactorAtMeans, IsTheSameAtEveryThreadCountOfTheContext) {
    UniformSequence uniforms;
    KeptTables kept;
    std::vector<double> factors;
    for (const int threads : {1, 2, 7}) {
        FieldTextMap fields = DefaultTexts(CriticalCircle());
        factors.push_back(CriticalCircleFactorAtMeans(
            fields, AnalysisContext{uniforms, kept, {}, nullptr, threads}));
    }
    EXPECT_EQ(factors[1], factors[0]);
    EXPECT_EQ(factors[2], factors[0]);
}

}  // namespace
}  // namespace vardolin

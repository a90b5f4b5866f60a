// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "TestSupport.h"
#include "critical_circle/CircleEvaluation.h"
#include "critical_circle/SliceTable.h"

namespace vardolin::critical {
namespace {

using testing_support::RowName;

constexpr double kTwoToOne = 26.565051177078;  // a face of 2 horizontal to 1 vertical

// Fredlund, D. G. and Krahn, J. (1977), "Comparison of slope stability methods of analysis",
// Canadian Geotechnical Journal 14(3), 429-439: the simple slope, mirrored so that the toe is
// at (0, 0) and the slope rises to the right. H = 40 ft, 2:1 face, c = 600 psf, phi = 20
// degrees, gamma = 120 pcf, circle centre (20, 70), radius 80. Published: ordinary 1.928 (ru
// = 0) and 1.607 (ru = 0.25), Bishop's simplified 2.080 and 1.766, on a coarser slicing.
struct PublishedRow {
    const char* name;
    int slices;
    double poreRatio;
    double ordinary, bishop;                    // this program's figures
    double publishedOrdinary, publishedBishop;  // the paper's
};

class FredlundKrahn : public testing::TestWithParam<PublishedRow> {};

TEST_P(FredlundKrahn, GivenCircleGivesThePublishedFactors) {
    const PublishedRow& row = GetParam();
    const CircleEvaluation analysis = AnalyseCircle(
        *SimpleSlope::Make(40, kTwoToOne), {600, 20, 120, row.poreRatio}, {20, 70, 80}, row.slices);
    ASSERT_TRUE(analysis.usable());
    EXPECT_NEAR(analysis.factors.ordinary, row.ordinary, 1e-14 * row.ordinary);
    EXPECT_NEAR(analysis.factors.bishop, row.bishop, 1e-14 * row.bishop);
    if (row.slices >= 2000) {  // the published figures are those of the settled slicing
        EXPECT_NEAR(analysis.factors.ordinary, row.publishedOrdinary,
                    0.001 * row.publishedOrdinary);
        EXPECT_NEAR(analysis.factors.bishop, row.publishedBishop, 0.005 * row.publishedBishop);
    }
}

INSTANTIATE_TEST_SUITE_P(GivenCircle, FredlundKrahn,
                         testing::Values(PublishedRow{"Dry50Slices", 50, 0.0, 1.92635521944958,
                                                      2.07474236974441, 1.928, 2.080},
                                         PublishedRow{"Wet50Slices", 50, 0.25, 1.60487640799379,
                                                      1.75836331800873, 1.607, 1.766},
                                         PublishedRow{"Dry2000Slices", 2000, 0.0, 1.92768123409769,
                                                      2.07563235392441, 1.928, 2.080},
                                         PublishedRow{"Wet2000Slices", 2000, 0.25, 1.60620362390661,
                                                      1.75921285549855, 1.607, 1.766}),
                         RowName());

const Circle kBaseCircle{20, 70, 80};
const Circle kFaceCircle{30, 50, 40};
const Circle kToeCircle{-10, 60, 60.827625302982};

TEST(Factors, SettleAsTheSlicesGetFiner) {
    const SimpleSlope slope = *SimpleSlope::Make(40, kTwoToOne);
    for (const Circle& circle : {kBaseCircle, kFaceCircle, kToeCircle}) {
        double lastOrdinary = 0.0;
        double lastBishop = 0.0;
        double ordinaryChange = HUGE_VAL;
        double bishopChange = HUGE_VAL;
        for (int slices = 25; slices <= 800; slices *= 2) {
            const CircleEvaluation a = AnalyseCircle(slope, {600, 20, 120, 0.25}, circle, slices);
            ASSERT_TRUE(a.usable()) << slices;
            if (slices > 25) {
                EXPECT_LT(std::abs(a.factors.ordinary - lastOrdinary), ordinaryChange) << slices;
                EXPECT_LT(std::abs(a.factors.bishop - lastBishop), bishopChange) << slices;
                ordinaryChange = std::abs(a.factors.ordinary - lastOrdinary);
                bishopChange = std::abs(a.factors.bishop - lastBishop);
            }
            lastOrdinary = a.factors.ordinary;
            lastBishop = a.factors.bishop;
        }
    }
}

TEST(Factors, WithoutFrictionBishopIsTheOrdinaryFactor) {
    const SimpleSlope slope = *SimpleSlope::Make(40, kTwoToOne);
    for (const Circle& circle : {kBaseCircle, kFaceCircle, kToeCircle}) {
        const CircleEvaluation a = AnalyseCircle(slope, {600, 0, 120, 0.25}, circle, 50);
        ASSERT_TRUE(a.usable());
        EXPECT_NEAR(a.factors.bishop, a.factors.ordinary, 1e-13 * a.factors.ordinary);
        EXPECT_EQ(a.factors.iterations, 1);  // m_alpha does not depend on the factor
    }
}

struct StatusRow {
    const char* name;
    SoilValues soil;
    FactorStatus status;
};

class FactorStatusRows : public testing::TestWithParam<StatusRow> {};

// A low slope and a circle whose exit is steep (alpha near -53 degrees), so that high pore
// pressures drive m_alpha down there.
TEST_P(FactorStatusRows, SayWhyAFactorIsNotToBeUsed) {
    const StatusRow& row = GetParam();
    const CircleEvaluation a = AnalyseCircle(*SimpleSlope::Make(2, 45), row.soil, {3, 3, 5}, 50);
    ASSERT_EQ(a.located.status, CircleStatus::Valid);
    EXPECT_EQ(a.factors.status, row.status);
    EXPECT_EQ(std::isnan(a.factors.bishop), row.status == FactorStatus::NotConverged ||
                                                row.status == FactorStatus::NoDrivingMoment);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Soils, FactorStatusRows,
    testing::Values(
        // The ordinary factor (0.40) is so low that the first step from it leaves the positive
        // factors; from 1 it settles at 1.39.
        StatusRow{
            "RestartsFromOneWhenTheOrdinaryStartFails", {0, 30, 20, 0.7}, FactorStatus::Valid},
        StatusRow{"SmallMAlphaAtTheExit", {0, 30, 20, 0.8}, FactorStatus::SmallMAlpha},
        StatusRow{"NeverSettles", {0, 30, 20, 0.85}, FactorStatus::NotConverged},
        StatusRow{"CohesionNotANumber", {kNaN, 30, 20, 0}, FactorStatus::NotConverged},
        StatusRow{"CohesionInfinite", {HUGE_VAL, 30, 20, 0}, FactorStatus::NotConverged},
        StatusRow{"NegativeUnitWeight", {0, 30, -20, 0}, FactorStatus::NoDrivingMoment},
        StatusRow{"UnitWeightNotANumber", {0, 30, kNaN, 0}, FactorStatus::NoDrivingMoment}),
    RowName());

TEST(SliceTable, ColumnsSumToTheFactors) {
    const SoilValues soil{600, 20, 120, 0.25};
    const CircleEvaluation a =
        AnalyseCircle(*SimpleSlope::Make(40, kTwoToOne), soil, kBaseCircle, 50);
    const std::vector<SliceRow> rows = TabulateSlices(a.slices, soil, a.factors.bishop);
    ASSERT_EQ(rows.size(), 50u);
    double ordinary = 0.0;
    double bishop = 0.0;
    double driving = 0.0;
    for (const SliceRow& row : rows) {
        ordinary += row.ordinaryResisting;
        bishop += row.bishopResisting;
        driving += row.driving;
    }
    EXPECT_EQ(ordinary / driving, a.factors.ordinary);
    EXPECT_NEAR(bishop / driving, a.factors.bishop, 1e-11);
    // The exit's slice slides down toward the toe on a base rising to the crest's side.
    EXPECT_LT(rows.front().baseAngle, 0.0);
    EXPECT_GT(rows.back().baseAngle, 0.0);
    EXPECT_NEAR(rows.back().baseAngle,
                std::asin(a.slices.mass.slices.front().sinBase) * 180 / std::numbers::pi, 1e-9);
    EXPECT_DOUBLE_EQ(rows[10].porePressure, 0.25 * 120 * rows[10].height);
}

}  // namespace
}  // namespace vardolin::critical

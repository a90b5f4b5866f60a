// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "TestSupport.h"
#include "circle_search/CircleSearch.h"
#include "numerics/Square.h"

namespace vardolin::circle_search {
namespace {

using testing_support::RowName;

// A 45-degree face from the toe (0, 0) to the crest (10, 10).
class FaceGround final : public SearchGround {
public:
    double height() const noexcept override { return 10.0; }
    double crestX() const noexcept override { return 10.0; }
    double GroundLevel(double x) const noexcept override { return std::clamp(x, 0.0, 10.0); }
    // The lower arc's crossings with the ground, by halving on each side of the centre.
    CircleEnds Locate(const Circle& c) const noexcept override {
        auto below = [&](double x) {
            const double arc =
                c.centreY - std::sqrt(std::max(0.0, Square(c.radius) - Square(x - c.centreX)));
            return GroundLevel(x) > arc;
        };
        auto crossing = [&](double outside, double inside) {
            for (int i = 0; i < 60; ++i) {
                const double middle = (outside + inside) / 2.0;
                (below(middle) ? inside : outside) = middle;
            }
            return inside;
        };
        return {crossing(c.centreX - c.radius, c.centreX),
                crossing(c.centreX + c.radius, c.centreX)};
    }
};

// A bowl with its lowest factor, 1, at centre (3, 15) and radius 16; circles whose lowest point
// lies above the toe are no masses.
class BowlJudge final : public CircleJudge {
public:
    CircleScore Judge(const Circle& c) override {
        if (c.centreY - c.radius > 0.0) {
            return {CircleVerdict::Invalid};
        }
        return {CircleVerdict::Usable,
                1.0 + Square(c.centreX - 3.0) + Square(c.centreY - 15.0) + Square(c.radius - 16.0)};
    }
};

struct SearchRow {
    const char* name;
    SearchPlan plan;
    bool widens;
};

SearchPlan Grid(double xFrom, double xTo, double yFrom, double yTo, int centres) {
    SearchPlan plan;
    plan.grid = {xFrom, xTo, yFrom, yTo, centres, 10, 10.0};
    return plan;
}

SearchPlan Widening() {
    SearchPlan plan = Grid(20, 30, 30, 40, 5);
    plan.widen = {true, true, true, true};
    return plan;
}

SearchPlan EntryExit() {
    SearchPlan plan = Grid(0, 0, 0, 0, 6);
    plan.entryExit = AutoEntryExit(10.0, 10.0);
    return plan;
}

class CommonSearchRows : public testing::TestWithParam<SearchRow> {};

// Any ground and judge: the refined circle is the bowl's lowest, with the same figures on 1, 2
// and 7 threads.
TEST_P(CommonSearchRows, RefinesToTheLowestCircleAtAnyThreadCount) {
    const SearchRow& row = GetParam();
    const FaceGround ground;
    const JudgeMaker bowl = [] { return std::make_unique<BowlJudge>(); };
    const CircleSearchResult one = SearchCircles(ground, bowl, row.plan, 1);
    ASSERT_EQ(one.status, SearchStatus::Found);
    EXPECT_NEAR(one.criticalFactor, 1.0, 1e-7);
    EXPECT_NEAR(one.criticalCircle.centreX, 3.0, 1e-3);
    EXPECT_NEAR(one.criticalCircle.centreY, 15.0, 1e-3);
    EXPECT_NEAR(one.criticalCircle.radius, 16.0, 1e-3);
    EXPECT_EQ(one.widenings > 0, row.widens);
    for (const int threads : {2, 7}) {
        const CircleSearchResult many = SearchCircles(ground, bowl, row.plan, threads);
        EXPECT_EQ(many.criticalFactor, one.criticalFactor) << threads << " threads";
        EXPECT_EQ(many.criticalCircle.radius, one.criticalCircle.radius) << threads;
        EXPECT_EQ(many.counts.tried, one.counts.tried) << threads << " threads";
        EXPECT_EQ(many.refinedPath.size(), one.refinedPath.size()) << threads << " threads";
    }
}

INSTANTIATE_TEST_SUITE_P(Plans, CommonSearchRows,
                         testing::Values(SearchRow{"GridAroundTheMinimum", Grid(-5, 10, 5, 25, 7),
                                                   false},
                                         SearchRow{"GridAwayFromItWidens", Widening(), true},
                                         SearchRow{"EntryExit", EntryExit(), false}),
                         RowName{});

TEST(CommonSearch, CountsOutsideTheirLimitsAreBadSettings) {
    const FaceGround ground;
    const JudgeMaker bowl = [] { return std::make_unique<BowlJudge>(); };
    for (const int centres : {0, kMaxCentresPerSide + 1}) {
        EXPECT_EQ(SearchCircles(ground, bowl, Grid(0, 1, 0, 1, centres), 1).status,
                  SearchStatus::BadSettings);
    }
}

}  // namespace
}  // namespace vardolin::circle_search

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <vector>

#include "TestSupport.h"
#include "critical_circle/CircleSearch.h"

namespace vardolin::critical {
namespace {

using testing_support::RowName;

constexpr double kTwoToOne = 26.565051177078;
const SoilValues kSoil{600, 20, 120, 0.25};

SearchSettings Settings(SearchGrid grid) {
    SearchSettings settings;
    settings.grid = grid;
    settings.slices = 30;
    return settings;
}

// Surrounds the critical circle, near (26, 76) with a radius of 80; lies above and to the right
// of it; lies under the ground.
const SearchGrid kAround{0, 50, 50, 110, 11, 10, 10};
const SearchGrid kAboveRight{30, 50, 90, 110, 5, 10, 10};
const SearchGrid kUnderground{40, 60, -20, -10, 5, 10, 10};
// Each has the critical circle's centre beyond one of its sides only, so that its lowest circle
// lies on that edge away from the corners.
const SearchGrid kBelow{0, 50, 30, 70, 11, 10, 10};
const SearchGrid kAbove{0, 50, 90, 130, 11, 10, 10};
const SearchGrid kLeftOf{-10, 20, 50, 110, 11, 10, 10};
const SearchGrid kRightOf{40, 80, 50, 110, 11, 10, 10};

// Every figure of a search, centre by centre.
std::vector<double> Figures(const SearchResult& r) {
    const Circle& c = r.critical.circle;
    std::vector<double> figures{c.centreX, c.centreY, c.radius, r.critical.factors.bishop};
    figures.insert(figures.end(), {r.gridMinimumFactor, static_cast<double>(r.counts.tried)});
    for (const CentreMinimum& centre : r.centres) {
        figures.insert(figures.end(), {centre.factor, centre.radius});
    }
    return figures;
}

TEST(CircleSearch, GivesTheSameFiguresOnAnyNumberOfThreads) {
    const SimpleSlope slope = *SimpleSlope::Make(40, kTwoToOne);
    const SearchResult one = FindCriticalCircle(slope, kSoil, Settings(kAround), 1);
    ASSERT_EQ(one.status, SearchStatus::Found);
    for (int threads : {2, 5}) {
        EXPECT_EQ(Figures(FindCriticalCircle(slope, kSoil, Settings(kAround), threads)),
                  Figures(one))
            << threads;
    }
}

TEST(CircleSearch, RefinedCircleLiesBelowEveryGridCircleAndAboveTheDepthLevel) {
    const SearchResult r =
        FindCriticalCircle(*SimpleSlope::Make(40, kTwoToOne), kSoil, Settings(kAround), 2);
    ASSERT_EQ(r.status, SearchStatus::Found);
    EXPECT_LT(r.critical.factors.bishop, r.gridMinimumFactor);
    for (const CentreMinimum& centre : r.centres) {
        if (centre.found) {
            EXPECT_GE(centre.factor, r.gridMinimumFactor);
        }
    }
    const Circle& c = r.critical.circle;
    EXPECT_GE(c.centreY - c.radius, -kAround.depthBelowToe);
    EXPECT_TRUE(r.critical.usable());
}

// A slope scaled as a whole (lengths and c by k, gamma unchanged) keeps c / (gamma H) and so
// its factor. Scaling by 2 changes no bit of any ratio.
TEST(CircleSearch, ScaledSlopeGivesTheSameFactor) {
    const SearchResult base =
        FindCriticalCircle(*SimpleSlope::Make(40, kTwoToOne), kSoil, Settings(kAround), 2);
    for (double k : {2.0, 10.0, 0.3}) {
        SoilValues soil = kSoil;
        soil.cohesion *= k;
        const SearchGrid g = kAround;
        const SearchResult scaled =
            FindCriticalCircle(*SimpleSlope::Make(40 * k, kTwoToOne), soil,
                               Settings({g.xFrom * k, g.xTo * k, g.yFrom * k, g.yTo * k,
                                         g.centresPerSide, g.radiiPerCentre, g.depthBelowToe * k}),
                               2);
        const double f = base.critical.factors.bishop;
        if (k == 2.0) {
            EXPECT_EQ(scaled.critical.factors.bishop, f);
        } else {
            EXPECT_NEAR(scaled.critical.factors.bishop, f, 1e-9 * f) << k;
        }
        EXPECT_NEAR(scaled.critical.circle.radius, base.critical.circle.radius * k,
                    1e-4 * base.critical.circle.radius * k)
            << k;
    }
}

struct SearchRow {
    const char* name;
    SoilValues soil;
    SearchGrid grid;
    int slices;
    SearchStatus status;
    bool onGridEdge = false;
    bool atDepthLevel = false;
};

class CircleSearchRows : public testing::TestWithParam<SearchRow> {};

TEST_P(CircleSearchRows, SaysWhatTheGridsLowestCircleMeans) {
    const SearchRow& row = GetParam();
    SearchSettings settings = Settings(row.grid);
    settings.slices = row.slices;
    const SearchResult r =
        FindCriticalCircle(*SimpleSlope::Make(40, kTwoToOne), row.soil, settings, 2);
    EXPECT_EQ(r.status, row.status);
    EXPECT_EQ(r.minimumOnGridEdge, row.onGridEdge);
    EXPECT_EQ(r.minimumAtDepthLevel, row.atDepthLevel);
}

INSTANTIATE_TEST_SUITE_P(
    Grids, CircleSearchRows,
    testing::Values(
        SearchRow{"AroundTheMinimum", kSoil, kAround, 30, SearchStatus::Found},
        SearchRow{"MinimumInTheGridsCorner", kSoil, kAboveRight, 30, SearchStatus::Found, true},
        // Each of the four edges on its own, the top row (the highest centres) as much as the
        // others.
        SearchRow{"MinimumOnTheGridsTopEdge", kSoil, kBelow, 30, SearchStatus::Found, true},
        SearchRow{"MinimumOnTheGridsBottomEdge", kSoil, kAbove, 30, SearchStatus::Found, true},
        SearchRow{"MinimumOnTheGridsLeftEdge", kSoil, kRightOf, 30, SearchStatus::Found, true},
        SearchRow{"MinimumOnTheGridsRightEdge", kSoil, kLeftOf, 30, SearchStatus::Found, true},
        // Without friction the deepest circles are the critical ones on a face below 53 degrees.
        SearchRow{
            "NoFrictionGoesDown", {600, 0, 120, 0}, kAround, 30, SearchStatus::Found, false, true},
        SearchRow{"CentresUnderground", kSoil, kUnderground, 30, SearchStatus::NoUsableCircle},
        SearchRow{"NoSlices", kSoil, kAround, 0, SearchStatus::BadSettings},
        SearchRow{"TooManySlices", kSoil, kAround, kMaxSlices + 1, SearchStatus::BadSettings},
        SearchRow{"NoCentres", kSoil, {0, 50, 50, 110, 0, 10, 10}, 30, SearchStatus::BadSettings},
        SearchRow{"NoRadii", kSoil, {0, 50, 50, 110, 11, 0, 10}, 30, SearchStatus::BadSettings}),
    RowName());

TEST(CircleSearch, StopsWhenCancelled) {
    RunProgress progress;
    progress.cancelRequested = true;
    EXPECT_THROW(FindCriticalCircle(*SimpleSlope::Make(40, kTwoToOne), kSoil, Settings(kAround), 2,
                                    &progress),
                 RunCancelled);
}

}  // namespace
}  // namespace vardolin::critical

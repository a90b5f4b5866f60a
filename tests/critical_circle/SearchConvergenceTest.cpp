// SPDX-License-Identifier: MIT
// The search's answer does not get worse with more effort: a denser grid, a grid that contains
// another, or a brute force over many circles never finds a markedly lower circle.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "critical_circle/CircleSearch.h"

namespace vardolin::critical {
namespace {

using testing_support::RowName;

// Instrumented and unoptimised builds run the same checks on fewer and coarser grids.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kLight = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
constexpr bool kLight = true;
#else
constexpr bool kLight = false;
#endif
#elif !defined(NDEBUG)
constexpr bool kLight = true;
#else
constexpr bool kLight = false;
#endif

constexpr double kTwoToOne = 26.565051177078;
constexpr double kAgreement = 5e-4;  // 0.05 %

struct SlopeRow {
    const char* name;
    double height;
    double angle;
    SoilValues soil;
    SearchGrid grid;
    // Where the brute force looks: centres over [xFrom, xTo] x [yFrom, yTo].
    SearchGrid brute;
};

const SlopeRow kSlopes[] = {
    // The form's defaults: the lowest circle is tangent to the level ground before the toe.
    {"Defaults",
     10,
     45,
     {10000, 30, 18000, 0.1},
     {-5, 5, 10, 20, 20, 10, 5},
     {-6, 4, 10, 22, 0, 0, 5}},
    // Its lowest circle lies 38 m above the grid the search is given.
    {"TwentyMetres",
     20,
     kTwoToOne,
     {5000, 25, 19000, 0.2},
     {-5, 5, 10, 20, 20, 10, 5},
     {-12, 8, 30, 80, 0, 0, 5}},
    // A 10 m 2:1 slope in a weak soil, as in a common benchmark problem.
    {"AcadsDry",
     10,
     kTwoToOne,
     {3000, 19.6, 20000, 0},
     {0, 20, 10, 30, 20, 10, 5},
     {-6, 12, 16, 40, 0, 0, 5}},
    {"AcadsWet",
     10,
     kTwoToOne,
     {3000, 19.6, 20000, 0.3},
     {0, 20, 10, 30, 20, 10, 5},
     {-6, 12, 16, 40, 0, 0, 5}},
    // A steep face: the lowest circle's centre is at the crest's height.
    {"SteepDry",
     10,
     70,
     {20000, 35, 20000, 0},
     {-5, 10, 8, 25, 20, 10, 5},
     {-8, 4, 10, 20, 0, 0, 5}},
    {"SteepWet",
     10,
     70,
     {20000, 35, 20000, 0.3},
     {-5, 10, 8, 25, 20, 10, 5},
     {-8, 4, 10, 20, 0, 0, 5}},
};

void PrintTo(const SlopeRow& row, std::ostream* out) {
    *out << row.name;
}

double CriticalFactor(const SlopeRow& row, int centresPerSide) {
    SearchSettings settings;
    settings.grid = row.grid;
    settings.grid.centresPerSide = centresPerSide;
    const SearchResult result =
        FindCriticalCircle(*SimpleSlope::Make(row.height, row.angle), row.soil, settings, 2);
    EXPECT_EQ(result.status, SearchStatus::Found) << centresPerSide;
    return result.critical.factors.bishop;
}

// The lowest usable factor over a dense lattice of centres, each with radii from the circle
// tangent to the level of the toe (and to every level below it down to the depth level) and
// the circles through the toe and beyond it: no refinement, only many circles.
double BruteForceMinimum(const SlopeRow& row, int perSide, int radii) {
    const SimpleSlope slope = *SimpleSlope::Make(row.height, row.angle);
    CircleAnalyser analyser(slope, row.soil, 50);
    double lowest = HUGE_VAL;
    const auto take = [&](const Circle& circle) {
        const CircleEvaluation& analysis = analyser.Analyse(circle);
        if (analysis.usable() && circle.centreY - circle.radius >= -row.brute.depthBelowToe) {
            lowest = std::min(lowest, analysis.factors.bishop);
        }
    };
    const SearchGrid& b = row.brute;
    for (int i = 0; i < perSide; ++i) {
        for (int j = 0; j < perSide; ++j) {
            const double x = b.xFrom + (b.xTo - b.xFrom) * i / (perSide - 1);
            const double y = b.yFrom + (b.yTo - b.yFrom) * j / (perSide - 1);
            const double toe = std::sqrt(x * x + y * y);
            const double deepest = y + b.depthBelowToe;
            for (int k = 0; k < radii; ++k) {
                take({x, y, y - row.height + (row.height + b.depthBelowToe) * k / (radii - 1)});
                if (toe < deepest) {
                    take({x, y, toe + (deepest - toe) * k / (radii - 1)});
                }
            }
        }
    }
    return lowest;
}

class SearchConvergence : public testing::TestWithParam<SlopeRow> {};

TEST_P(SearchConvergence, DenserGridsAgreeWithinAHundredthOfAPercent) {
    const SlopeRow& row = GetParam();
    std::vector<double> factors;
    for (const int n : kLight ? std::vector<int>{10, 20} : std::vector<int>{10, 20, 50, 100, 150}) {
        factors.push_back(CriticalFactor(row, n));
    }
    const auto [low, high] = std::minmax_element(factors.begin(), factors.end());
    EXPECT_LE(*high - *low, kAgreement * *low) << testing::PrintToString(factors);
}

// The refinement stops once a round lowers the factor by less than this share of it; two
// starts that end in the same valley may differ by as much.
constexpr double kRefinementSlack = 1e-5;

TEST_P(SearchConvergence, AGridThatContainsAnotherGivesNoHigherFactor) {
    const SlopeRow& row = GetParam();
    for (const int n : kLight ? std::vector<int>{6} : std::vector<int>{6, 10, 20}) {
        const double coarse = CriticalFactor(row, n);
        const double fine = CriticalFactor(row, 2 * n - 1);
        EXPECT_LE(fine, coarse * (1.0 + kRefinementSlack)) << n << ": " << coarse - fine;
    }
}

TEST_P(SearchConvergence, IsNeverMarkedlyAboveABruteForceMinimum) {
    const SlopeRow& row = GetParam();
    const double brute = kLight ? BruteForceMinimum(row, 20, 20) : BruteForceMinimum(row, 50, 50);
    EXPECT_LE(CriticalFactor(row, 10), brute * (1.0 + kAgreement)) << brute;
}

INSTANTIATE_TEST_SUITE_P(Slopes, SearchConvergence, testing::ValuesIn(kSlopes), RowName());

// Circles through an entry and an exit point, refined as the grid's are, find the same minimum
// as the grid from their own placed ranges.
TEST_P(SearchConvergence, EntryExitSearchFindsTheGridsMinimum) {
    const SlopeRow& row = GetParam();
    const SimpleSlope slope = *SimpleSlope::Make(row.height, row.angle);
    SearchSettings settings;
    settings.grid = row.grid;
    settings.grid.centresPerSide = 10;
    settings.entryExit = AutoEntryExit(slope);
    const SearchResult found = FindCriticalCircle(slope, row.soil, settings, 2);
    ASSERT_EQ(found.status, SearchStatus::Found);
    const double grid = CriticalFactor(row, 20);
    EXPECT_NEAR(found.critical.factors.bishop, grid, kAgreement * grid);
    // Every pair's circle passes through its two points.
    const EntryExitRanges& e = settings.entryExit;
    const CentreMinimum& corner = found.centres.back();
    ASSERT_TRUE(corner.found);
    const double entryY = slope.GroundLevel(e.entryTo);
    const double exitY = slope.GroundLevel(e.exitTo);
    EXPECT_NEAR(std::hypot(e.entryTo - corner.centreX, entryY - corner.centreY), corner.radius,
                1e-9 * corner.radius);
    EXPECT_NEAR(std::hypot(e.exitTo - corner.centreX, exitY - corner.centreY), corner.radius,
                1e-9 * corner.radius);
}

// The placed grid finds the minimum of slopes from 1 to 200 high at faces from 10 to 80 degrees:
// never markedly above a search of a grid far wider and denser, and never ending on its edge.
// The soil keeps c / (gamma H), so every row is the same problem but for the face angle.
struct AutoRow {
    double height;
    double angle;
};

class AutoGridSearch : public testing::TestWithParam<AutoRow> {};

TEST_P(AutoGridSearch, FindsTheMinimumOfAnySlope) {
    const auto [height, angle] = GetParam();
    const SimpleSlope slope = *SimpleSlope::Make(height, angle);
    const SoilValues soil{0.05 * 20.0 * height, 25, 20, 0.2};
    SearchSettings placed;
    placed.grid = AutoGrid(slope, 20, 20);
    placed.widen = {true, true, true, true};
    placed.deepen = true;
    const SearchResult found = FindCriticalCircle(slope, soil, placed, 2);
    ASSERT_EQ(found.status, SearchStatus::Found);
    EXPECT_FALSE(found.minimumOnGridEdge);

    const double reach = std::max(height, slope.crestX());
    SearchSettings wide;
    wide.grid = {-3.0 * reach,
                 slope.crestX() + 3.0 * height,
                 0.25 * height,
                 height + 6.0 * reach,
                 kLight ? 20 : 40,
                 20,
                 found.grid.depthBelowToe};
    const SearchResult reference = FindCriticalCircle(slope, soil, wide, 2);
    EXPECT_LE(found.critical.factors.bishop, reference.critical.factors.bishop * (1.0 + kAgreement))
        << reference.critical.factors.bishop << " " << reference.critical.circle.centreX << " "
        << reference.critical.circle.centreY << " " << reference.critical.circle.radius << " / "
        << found.critical.circle.centreX << " " << found.critical.circle.centreY << " "
        << found.critical.circle.radius << " grid " << found.grid.xFrom << " " << found.grid.xTo
        << " " << found.grid.yFrom << " " << found.grid.yTo << " w " << found.widenings;
}

// Lengths twice as long, and c with them, change no bit of a ratio: the same factor exactly.
TEST_P(AutoGridSearch, GivesTheSameFactorInAnyConsistentUnits) {
    const auto [height, angle] = GetParam();
    std::vector<double> factors;
    for (const double k : {1.0, 2.0}) {
        const SimpleSlope slope = *SimpleSlope::Make(height * k, angle);
        SearchSettings placed;
        placed.grid = AutoGrid(slope, 10, 10);
        factors.push_back(FindCriticalCircle(slope, {height * k, 25, 20, 0.2}, placed, 1)
                              .critical.factors.bishop);
    }
    EXPECT_EQ(factors[1], factors[0]);
}

std::vector<AutoRow> HeightsAndFaces() {
    std::vector<AutoRow> rows;
    for (const double height : {1.0, 30.0, 200.0}) {
        for (const double angle : {10.0, kTwoToOne, 45.0, 60.0, 80.0}) {
            rows.push_back({height, angle});
        }
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Slopes, AutoGridSearch, testing::ValuesIn(HeightsAndFaces()),
                         [](const testing::TestParamInfo<AutoRow>& row) {
                             return "H" + std::to_string(static_cast<int>(row.param.height)) +
                                    "Beta" + std::to_string(static_cast<int>(row.param.angle));
                         });

}  // namespace
}  // namespace vardolin::critical

// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <vector>

#include "analysis/RunProgress.h"
#include "circle_search/CircleJudge.h"
#include "circle_search/SearchGround.h"

namespace vardolin::circle_search {

// The refinement of a search's lowest circles. Each start goes through a Hooke and Jeeves
// pattern search in the circle's centre and a third number that makes an edge of the accepted
// circles an axis (see CircleRefinement.cpp), in four sets in turn, round after round, until a
// round lowers the factor by less than kRefinementTolerance of it. Steps start at a tenth of
// the ground's height, whatever the grid, so that a coarse and a fine grid refine alike. The
// refinement may leave the grid, but no circle reaches below the depth level.
inline constexpr int kRefinementStarts = 4;
inline constexpr double kRefinementTolerance = 1e-7;
inline constexpr int kMaxRefinementRounds = 10;
inline constexpr int kMaxRefinementCircles = 20'000;  // per start

// How far a refinement reaches: its first and last steps as shares of the ground's height, and
// its rounds and their tolerance. The defaults are the search's; a refinement from a circle
// already near its minimum (a trial's, from the search's lowest circles) may start smaller and
// stop sooner.
struct RefinementSteps {
    double firstStepShare = 0.1;
    double lastStepShare = 1e-9;
    int rounds = kMaxRefinementRounds;
    double tolerance = kRefinementTolerance;
};

// What the refinement of one starting circle found.
struct RefinedCircle {
    Circle start;
    Circle circle;
    double factor = HUGE_VAL;
    std::vector<Circle> path;  // the start, then each lower circle the refinement moved to
    CircleCounts counts;
};

// Refines `start`, whose factor is `startFactor`. It never throws: a cancel (checked every 64
// circles) or the count limit winds it down at once, and the caller looks at the progress.
RefinedCircle RefineCircle(CircleJudge& judge, const SearchGround& ground, double depthBelowToe,
                           const RunProgress* progress, const Circle& start, double startFactor,
                           const RefinementSteps& steps = {});

}  // namespace vardolin::circle_search

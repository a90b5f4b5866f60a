// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "analysis/RunProgress.h"
#include "critical_circle/CircleAnalysis.h"
#include "critical_circle/CriticalCircleLimits.h"

namespace vardolin::critical {

// Where the search looks. Centres lie on a rectangular grid, centresPerSide along x and as many
// along y, both ends included. Each centre tries radiiPerCentre radii in equal steps from the
// circle through the toe out to the circle that touches the depth level y = -depthBelowToe;
// a centre whose circle through the toe already reaches below that level has no circle.
struct SearchGrid {
    double xFrom = 0.0;
    double xTo = 0.0;
    double yFrom = 0.0;
    double yTo = 0.0;
    int centresPerSide = 20;
    int radiiPerCentre = 20;
    double depthBelowToe = 0.0;
};

struct SearchSettings {
    SearchGrid grid;
    int slices = kDefaultSlices;
    // A pattern search around the grid's lowest circle, in its centre and the radius's excess
    // over the circle through the toe: it moves to the lowest of the 26 neighbours one step
    // (at first the grid's spacings) away in any of the three while that lowers the factor, and
    // halves the steps when none does, kRefinementHalvings times. It may leave the grid, but no
    // circle reaches below the depth level.
    bool refine = true;
};

inline constexpr int kRefinementHalvings = 20;
inline constexpr int kMaxRefinementCircles = 5'000;

// The lowest usable factor of one centre, for a colour map of the grid.
struct CentreMinimum {
    double centreX = 0.0;
    double centreY = 0.0;
    bool found = false;  // whether any of the centre's circles was usable
    double factor = 0.0;
    double radius = 0.0;
};

// How the circles tried fared (grid and refinement together).
struct CircleCounts {
    int tried = 0;
    int usable = 0;
    int invalid = 0;       // no proper sliding mass, or no driving moment
    int notConverged = 0;  // Bishop's iteration did not settle
    int smallMAlpha = 0;   // settled with m_alpha below the caution limit
};

enum class SearchStatus {
    Found,
    NoUsableCircle,  // no circle of the grid is usable
    BadSettings,     // a count outside its limits
};

struct SearchResult {
    SearchStatus status = SearchStatus::BadSettings;
    CircleAnalysis critical;  // the lowest Bishop factor found, refined
    Circle gridMinimum;       // the lowest circle of the grid itself
    double gridMinimumFactor = 0.0;
    // The grid's lowest circle has its centre on the grid's edge, or is its centre's deepest
    // circle: the true minimum may lie outside what the grid covers.
    bool minimumOnGridEdge = false;
    bool minimumAtDepthLevel = false;
    CircleCounts counts;
    std::vector<CentreMinimum> centres;  // row by row: index = row (along y) * perSide + column
};

// The critical circle: the circle of lowest Bishop factor among the grid's usable circles, then
// refined. Circles with a caution (not settled, small m_alpha) are counted and never chosen.
// The grid's centres are shared among `threads` threads (1 is the sequential reference path);
// every figure is the same whatever their number: each centre's circles are worked out by one
// thread, and the lowest is taken in centre order, ties to the first. One centre at a time is
// added to the watcher's stepsDone (the caller sets stepsTotal); a cancel throws
// RunCancelled.
SearchResult FindCriticalCircle(const SimpleSlope& slope, const SoilValues& soil,
                                const SearchSettings& settings, int threads,
                                RunProgress* progress = nullptr);

}  // namespace vardolin::critical

// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

#include "numerics/Square.h"

namespace vardolin::circle_search {

// Where the search looks, in the ground's frame (SearchGround.h). Centres lie on a rectangular
// grid, centresPerSide along x and as many along y, both ends included. Each centre tries
// radiiPerCentre radii in equal steps from the circle through the toe out to the circle that
// touches the depth level y = -depthBelowToe; a centre whose circle through the toe already
// reaches below that level has no circle.
struct SearchGrid {
    double xFrom = 0.0;
    double xTo = 0.0;
    double yFrom = 0.0;
    double yTo = 0.0;
    int centresPerSide = 20;
    int radiiPerCentre = 20;
    double depthBelowToe = 0.0;
};

// Which sides of the grid a centre lies on.
struct GridSides {
    bool left = false;    // x = xFrom
    bool right = false;   // x = xTo
    bool bottom = false;  // y = yFrom
    bool top = false;     // y = yTo

    bool any() const noexcept { return left || right || bottom || top; }
};

// The entry-exit search: circles through a point of the ground behind the crest where they
// enter and a point on the face or in front of the toe where they leave, the grid's
// centresPerSide points in equal steps along each range, both ends included, and its
// radiiPerCentre radii per pair: from half the chord (the circle whose centre is the chord's
// middle) out to the circle whose arc spans 20 degrees, in equal steps of the arc's angle.
// No circle reaches below the grid's depth level.
struct EntryExitRanges {
    bool use = false;
    double entryFrom = 0.0;
    double entryTo = 0.0;
    double exitFrom = 0.0;
    double exitTo = 0.0;
};

struct SearchPlan {
    SearchGrid grid;
    EntryExitRanges entryExit;
    // Refines the grid's kRefinementStarts lowest local minima (CircleRefinement.h).
    bool refine = true;
    // The sides of the grid, and the depth level, that the search may move out when the grid's
    // lowest circle lies on them or the refined centre beyond them (or the critical circle
    // touches the depth level): by half the grid's width or height (by the ground's height for
    // the depth level), then the search starts again, at most kMaxWidenings times.
    GridSides widen;
    bool deepen = false;
};

inline constexpr int kMaxWidenings = 4;

// The radii of one centre: from the circle through the toe out to the one that touches the
// depth level.
struct RadiusRange {
    double toe = 0.0;
    double deepest = 0.0;

    bool empty() const noexcept { return !(toe <= deepest); }
};

inline RadiusRange RadiiOf(double centreX, double centreY, double depthBelowToe) noexcept {
    return {std::sqrt(Square(centreX) + Square(centreY)), centreY + depthBelowToe};
}

inline constexpr int kMaxCentresPerSide = 1'000;
inline constexpr int kMaxRadiiPerCentre = 1'000;

// A grid placed from the ground's height and its crest's run alone, for `centres` per side and
// `radii` per centre: centres from in front of the toe (by the height, or half the run where
// that is longer) to half a height beyond the crest, and from half the height up to twice the
// greater of the height and the run above the crest; radii down to one height below the toe.
// The lowest circle of a simple slope lies well inside: higher and further back the flatter
// the face. Lengths scale with the slope, so any consistent units give the same grid.
SearchGrid AutoGrid(double height, double crestX, int centres, int radii) noexcept;

// Ranges placed from the height and the run alone: entries from the crest to the greater of
// the height and the run behind it, exits from half a height in front of the toe to the face's
// middle.
EntryExitRanges AutoEntryExit(double height, double crestX) noexcept;

}  // namespace vardolin::circle_search

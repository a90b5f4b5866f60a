// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "analysis/RunProgress.h"
#include "critical_circle/CircleEvaluation.h"
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

struct SearchSettings {
    SearchGrid grid;
    EntryExitRanges entryExit;
    int slices = kDefaultSlices;
    // Refines the grid's kRefinementStarts lowest local minima (centres no neighbour beats),
    // each by a pattern search in the circle's centre and a third number that makes an edge of
    // the accepted circles an axis: the radius's excess over the circle through the toe, then
    // the height of the circle's lowest point, in turn, until a round of both lowers the factor
    // by less than kRefinementTolerance of it. Steps start at a tenth of the slope's height,
    // whatever the grid, so that a coarse and a fine grid refine alike. The refinement may
    // leave the grid, but no circle reaches below the depth level.
    bool refine = true;
    // The sides of the grid, and the depth level, that the search may move out when the grid's
    // lowest circle lies on them or the refined centre beyond them (or the critical circle
    // touches the depth level): by half the grid's width or height (by the slope's height for
    // the depth level), then the search starts again, at most kMaxWidenings times.
    GridSides widen;
    bool deepen = false;
};

inline constexpr int kMaxWidenings = 4;

inline constexpr int kRefinementStarts = 4;
inline constexpr double kRefinementTolerance = 1e-7;
inline constexpr int kMaxRefinementRounds = 10;
inline constexpr int kMaxRefinementCircles = 20'000;  // per start
// A circle whose lowest point lies within this share of the slope's height of a level touches it.
inline constexpr double kTouchShare = 1e-6;

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
    CircleEvaluation critical;  // the lowest Bishop factor found, refined
    Circle gridMinimum;         // the lowest circle of the grid itself
    double gridMinimumFactor = 0.0;
    // The grid's lowest circle has its centre on the grid's edge (any of its four sides, the
    // top row too), or is its centre's deepest circle: the true minimum may lie outside what
    // the grid covers.
    bool minimumOnGridEdge = false;
    // For the entry-exit search: left and right are the exit range's ends, bottom and top the
    // entry range's.
    GridSides minimumOnSides;
    bool minimumAtDepthLevel = false;
    // Where the critical circle ended: touching the depth level (a deeper one may be lower),
    // and tangent to the level ground before the toe (a larger one cuts that ground twice and
    // makes two masses, so these circles bound the search there).
    bool criticalAtDepthLevel = false;
    bool criticalTangentBeforeToe = false;
    SearchGrid grid;    // the grid searched last, after any widening
    int widenings = 0;  // how many times the grid was widened or deepened
    CircleCounts counts;
    std::vector<CentreMinimum> centres;  // row by row: index = row (along y) * perSide + column
    std::vector<Circle> starts;          // the refinement's starting circles, lowest first
    std::vector<Circle> refinedPath;     // the critical circle's refinement, start to end
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

// A grid placed from the slope alone, for `centres` per side and `radii` per centre: centres from
// in front of the toe (by the slope's height, or half the face's run where that is longer) to
// half a height beyond the crest, and from half the slope's height up to twice the greater of
// the height and the face's run above the crest; radii down to one height below the toe. The
// lowest circle of a simple slope lies well inside: higher and further back the flatter the
// face. Lengths scale with the slope, so any consistent units give the same grid.
SearchGrid AutoGrid(const SimpleSlope& slope, int centres, int radii);

// Ranges placed from the slope alone: entries from the crest to the greater of the height and
// the face's run behind it, exits from half a height in front of the toe to the face's middle.
EntryExitRanges AutoEntryExit(const SimpleSlope& slope);

}  // namespace vardolin::critical

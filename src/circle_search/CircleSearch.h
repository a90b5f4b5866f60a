// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "analysis/RunProgress.h"
#include "circle_search/Circle.h"
#include "circle_search/CircleJudge.h"
#include "circle_search/SearchGround.h"
#include "circle_search/SearchSpace.h"

// The critical-circle search, for any analysis that judges circles on a ground:
//   1. SearchGround (SearchGround.h): the ground in the search's frame, toe at (0, 0) rising to
//      the right; the analysis maps its own section into it.
//   2. The grid of centres with their radii, or the entry-exit pairs (SearchSpace.h), on every
//      core, each thread with a CircleJudge of its own (CircleJudge.h); the lowest circle taken
//      in centre order.
//   3. The refinement of the grid's lowest local minima (CircleRefinement.h).
//   4. Widening of the grid's Auto sides while the critical circle lies on them.
namespace vardolin::circle_search {

// A circle whose lowest point lies within this share of the ground's height of a level touches
// it.
inline constexpr double kTouchShare = 1e-6;

// The lowest usable factor of one centre, for a colour map of the grid.
struct CentreMinimum {
    double centreX = 0.0;
    double centreY = 0.0;
    bool found = false;  // whether any of the centre's circles was usable
    double factor = 0.0;
    double radius = 0.0;
};

enum class SearchStatus {
    Found,
    NoUsableCircle,  // no circle of the grid is usable
    BadSettings,     // a count outside its limits
};

struct CircleSearchResult {
    SearchStatus status = SearchStatus::BadSettings;
    Circle criticalCircle;  // the lowest factor found, refined
    double criticalFactor = 0.0;
    Circle gridMinimum;  // the lowest circle of the grid itself
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

// Makes the judge of one thread; called on the calling thread before any circle is judged.
using JudgeMaker = std::function<std::unique_ptr<CircleJudge>()>;

// The critical circle: the circle of lowest factor among the grid's usable circles, then
// refined. Circles with a caution are counted and never chosen. The grid's centres are shared
// among `threads` threads (1 is the sequential reference path); every figure is the same
// whatever their number: each centre's circles are judged by one thread, and the lowest is
// taken in centre order, ties to the first. One centre at a time is added to the watcher's
// stepsDone (the caller sets stepsTotal); a cancel throws RunCancelled.
CircleSearchResult SearchCircles(const SearchGround& ground, const JudgeMaker& makeJudge,
                                 const SearchPlan& plan, int threads,
                                 RunProgress* progress = nullptr);

}  // namespace vardolin::circle_search

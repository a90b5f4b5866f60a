// SPDX-License-Identifier: MIT
#include "circle_search/CircleSearch.h"

#include <algorithm>
#include <cmath>

#include "analysis/ParallelChunks.h"
#include "circle_search/CircleRefinement.h"
#include "numerics/Pi.h"

namespace vardolin::circle_search {

namespace {

// The index-th of `count` values in equal steps from `from` to `to`.
double Spread(double from, double to, int index, int count) {
    if (count <= 1) {
        return from;
    }
    return from + (to - from) * index / (count - 1);
}

// What one centre's circles gave; written only by the thread that works the centre out.
struct CentreOutcome {
    CentreMinimum minimum;
    int radiusIndex = 0;
    CircleCounts counts;
};

CentreOutcome SearchCentre(CircleJudge& judge, const SearchGrid& grid, double centreX,
                           double centreY) {
    CentreOutcome outcome;
    outcome.minimum.centreX = centreX;
    outcome.minimum.centreY = centreY;
    const RadiusRange radii = RadiiOf(centreX, centreY, grid.depthBelowToe);
    if (radii.empty()) {
        return outcome;
    }
    for (int k = 0; k < grid.radiiPerCentre; ++k) {
        const double radius = Spread(radii.toe, radii.deepest, k, grid.radiiPerCentre);
        const CircleScore score = judge.Judge({centreX, centreY, radius});
        outcome.counts.Count(score.verdict);
        if (score.verdict == CircleVerdict::Usable &&
            (!outcome.minimum.found || score.factor < outcome.minimum.factor)) {
            outcome.minimum.found = true;
            outcome.minimum.factor = score.factor;
            outcome.minimum.radius = radius;
            outcome.radiusIndex = k;
        }
    }
    return outcome;
}

// The lowest circle through one exit and one entry point, as SearchCentre for a centre; its
// centre stands for the pair in the colour map.
CentreOutcome SearchPair(CircleJudge& judge, const SearchGround& ground, const SearchGrid& grid,
                         double exitX, double entryX) {
    CentreOutcome outcome;
    const double chord =
        std::hypot(entryX - exitX, ground.GroundLevel(entryX) - ground.GroundLevel(exitX));
    constexpr double kWidestHalfArc = 90.0;
    constexpr double kNarrowestHalfArc = 10.0;
    for (int k = 0; k < grid.radiiPerCentre; ++k) {
        const double halfArc =
            Spread(kWidestHalfArc, kNarrowestHalfArc, k, grid.radiiPerCentre) * kPi / 180.0;
        const double radius = chord / 2.0 / std::sin(halfArc);
        const Circle circle = ChordCircle(ground, exitX, entryX, radius);
        if (k == 0) {
            outcome.minimum.centreX = circle.centreX;
            outcome.minimum.centreY = circle.centreY;
        }
        if (!(circle.centreY - circle.radius >= -grid.depthBelowToe)) {
            continue;
        }
        const CircleScore score = judge.Judge(circle);
        outcome.counts.Count(score.verdict);
        if (score.verdict == CircleVerdict::Usable &&
            (!outcome.minimum.found || score.factor < outcome.minimum.factor)) {
            outcome.minimum = {circle.centreX, circle.centreY, true, score.factor, radius};
            outcome.radiusIndex = k;
        }
    }
    return outcome;
}

bool GridInRange(const SearchGrid& grid) {
    return grid.centresPerSide >= 1 && grid.centresPerSide <= kMaxCentresPerSide &&
           grid.radiiPerCentre >= 1 && grid.radiiPerCentre <= kMaxRadiiPerCentre;
}

// The grid's lowest local minima: centres whose lowest factor no neighbour (of the eight) beats,
// a tie going to the first in centre order, lowest first, at most `count` of them.
std::vector<int> LowestLocalMinima(const std::vector<CentreOutcome>& outcomes, int n, int count) {
    std::vector<int> minima;
    for (int index = 0; index < n * n; ++index) {
        const CentreMinimum& here = outcomes[static_cast<std::size_t>(index)].minimum;
        if (!here.found) {
            continue;
        }
        const int column = index % n;
        const int row = index / n;
        bool lowest = true;
        for (int dy = -1; dy <= 1 && lowest; ++dy) {
            for (int dx = -1; dx <= 1 && lowest; ++dx) {
                const int c = column + dx;
                const int r = row + dy;
                if ((dx == 0 && dy == 0) || c < 0 || c >= n || r < 0 || r >= n) {
                    continue;
                }
                const int other = r * n + c;
                const CentreMinimum& there = outcomes[static_cast<std::size_t>(other)].minimum;
                lowest = !there.found ||
                         (other < index ? here.factor < there.factor : here.factor <= there.factor);
            }
        }
        if (lowest) {
            minima.push_back(index);
        }
    }
    std::stable_sort(minima.begin(), minima.end(), [&](int a, int b) {
        return outcomes[static_cast<std::size_t>(a)].minimum.factor <
               outcomes[static_cast<std::size_t>(b)].minimum.factor;
    });
    if (minima.size() > static_cast<std::size_t>(count)) {
        minima.resize(static_cast<std::size_t>(count));
    }
    return minima;
}

// The search's lowest circle against the sides of its grid: on a side, or its refined centre
// beyond it.
GridSides SidesReached(const CircleSearchResult& result) {
    const SearchGrid& g = result.grid;
    const Circle& c = result.criticalCircle;
    const GridSides& on = result.minimumOnSides;
    return {on.left || c.centreX < g.xFrom, on.right || c.centreX > g.xTo,
            on.bottom || c.centreY < g.yFrom, on.top || c.centreY > g.yTo};
}

void NoteWhereTheCriticalCircleEnded(CircleSearchResult& result, const SearchGround& ground,
                                     const SearchGrid& grid) {
    const Circle& c = result.criticalCircle;
    const double touch = ground.height() * kTouchShare;
    const double lowestPoint = c.centreY - c.radius;
    result.criticalAtDepthLevel = lowestPoint <= -grid.depthBelowToe + touch;
    result.criticalTangentBeforeToe =
        c.centreX < 0.0 && std::abs(lowestPoint) <= touch && ground.Locate(c).exitX > 0.0;
    result.status = SearchStatus::Found;
}

CircleSearchResult SearchOnce(const SearchGround& ground, const JudgeMaker& makeJudge,
                              const SearchPlan& plan, int threads, RunProgress* progress) {
    CircleSearchResult result;
    result.grid = plan.grid;
    if (!GridInRange(plan.grid)) {
        return result;
    }
    const SearchGrid& grid = plan.grid;
    const int n = grid.centresPerSide;
    const int centres = n * n;
    constexpr int kChunk = 1;  // a centre is dozens of circles: claims are rare enough
    threads = ThreadsForChunks(threads, centres, kChunk);
    std::vector<std::unique_ptr<CircleJudge>> judges;
    judges.reserve(static_cast<std::size_t>(threads));
    for (int t = 0; t < threads; ++t) {
        judges.push_back(makeJudge());
    }
    std::vector<CentreOutcome> outcomes(static_cast<std::size_t>(centres));

    auto work = [&](int thread, int begin, int end) {
        CircleJudge& judge = *judges[static_cast<std::size_t>(thread)];
        for (int index = begin; index < end; ++index) {
            const double x = Spread(grid.xFrom, grid.xTo, index % n, n);
            const double y = Spread(grid.yFrom, grid.yTo, index / n, n);
            const EntryExitRanges& e = plan.entryExit;
            outcomes[static_cast<std::size_t>(index)] =
                e.use ? SearchPair(judge, ground, grid, Spread(e.exitFrom, e.exitTo, index % n, n),
                                   Spread(e.entryFrom, e.entryTo, index / n, n))
                      : SearchCentre(judge, grid, x, y);
        }
        AddStepsDone(progress, end - begin);
    };
    if (!RunInChunks(centres, kChunk, threads, progress, work)) {
        throw RunCancelled();
    }

    // In centre order, ties to the first.
    int lowest = -1;
    result.centres.reserve(outcomes.size());
    for (int index = 0; index < centres; ++index) {
        const CentreOutcome& outcome = outcomes[static_cast<std::size_t>(index)];
        result.centres.push_back(outcome.minimum);
        result.counts.Add(outcome.counts);
        if (outcome.minimum.found &&
            (lowest < 0 ||
             outcome.minimum.factor < outcomes[static_cast<std::size_t>(lowest)].minimum.factor)) {
            lowest = index;
        }
    }
    if (lowest < 0) {
        result.status = SearchStatus::NoUsableCircle;
        return result;
    }
    const CentreOutcome& best = outcomes[static_cast<std::size_t>(lowest)];
    const int column = lowest % n;
    const int row = lowest / n;
    result.gridMinimum = {best.minimum.centreX, best.minimum.centreY, best.minimum.radius};
    result.gridMinimumFactor = best.minimum.factor;
    result.minimumOnSides = {column == 0, column == n - 1, row == 0, row == n - 1};
    result.minimumOnGridEdge = result.minimumOnSides.any();
    result.minimumAtDepthLevel =
        grid.radiiPerCentre > 1 && best.radiusIndex == grid.radiiPerCentre - 1;

    if (!plan.refine) {
        result.criticalCircle = result.gridMinimum;
        result.criticalFactor = result.gridMinimumFactor;
        NoteWhereTheCriticalCircleEnded(result, ground, grid);
        return result;
    }
    // Each start refined by one thread; the lowest taken in start order, ties to the first.
    const std::vector<int> starts = LowestLocalMinima(outcomes, n, kRefinementStarts);
    std::vector<RefinedCircle> refined(starts.size());
    auto refine = [&](int thread, int begin, int end) {
        for (int i = begin; i < end; ++i) {
            const CentreMinimum& start =
                outcomes[static_cast<std::size_t>(starts[static_cast<std::size_t>(i)])].minimum;
            refined[static_cast<std::size_t>(i)] =
                RefineCircle(*judges[static_cast<std::size_t>(thread)], ground, grid.depthBelowToe,
                             progress, {start.centreX, start.centreY, start.radius}, start.factor);
        }
    };
    const int startCount = static_cast<int>(starts.size());
    const bool done =
        RunInChunks(startCount, 1, ThreadsForChunks(threads, startCount, 1), progress, refine);
    if (!done || (progress != nullptr && progress->Cancelled())) {
        throw RunCancelled();
    }
    std::size_t chosen = 0;
    for (std::size_t i = 0; i < refined.size(); ++i) {
        result.counts.Add(refined[i].counts);
        result.starts.push_back(refined[i].start);
        if (refined[i].factor < refined[chosen].factor) {
            chosen = i;
        }
    }
    result.refinedPath = std::move(refined[chosen].path);
    result.criticalCircle = refined[chosen].circle;
    result.criticalFactor = refined[chosen].factor;
    NoteWhereTheCriticalCircleEnded(result, ground, grid);
    return result;
}

}  // namespace

CircleSearchResult SearchCircles(const SearchGround& ground, const JudgeMaker& makeJudge,
                                 const SearchPlan& plan, int threads, RunProgress* progress) {
    SearchPlan current = plan;
    CircleSearchResult result = SearchOnce(ground, makeJudge, current, threads, progress);
    for (int widenings = 1; widenings <= kMaxWidenings && result.status == SearchStatus::Found;
         ++widenings) {
        const GridSides reached = SidesReached(result);
        // Entry and exit ranges are the user's to move; only the depth level follows.
        const GridSides may = plan.entryExit.use ? GridSides{} : plan.widen;
        SearchGrid& g = current.grid;
        const Circle& c = result.criticalCircle;
        const double width = g.xTo - g.xFrom;
        const double height = g.yTo - g.yFrom;
        bool widened = false;
        // Past the refined centre where it left the grid, and by half the grid in any case.
        if (reached.left && may.left) {
            g.xFrom = std::min(g.xFrom, c.centreX) - width / 2.0;
            widened = true;
        }
        if (reached.right && may.right) {
            g.xTo = std::max(g.xTo, c.centreX) + width / 2.0;
            widened = true;
        }
        if (reached.bottom && may.bottom) {
            g.yFrom = std::min(g.yFrom, c.centreY) - height / 2.0;
            widened = true;
        }
        if (reached.top && may.top) {
            g.yTo = std::max(g.yTo, c.centreY) + height / 2.0;
            widened = true;
        }
        if (result.criticalAtDepthLevel && plan.deepen) {
            g.depthBelowToe += ground.height();
            widened = true;
        }
        if (!widened) {
            break;
        }
        if (progress != nullptr) {
            progress->stepsDone.store(0);
        }
        const CircleCounts counts = result.counts;
        result = SearchOnce(ground, makeJudge, current, threads, progress);
        result.counts.Add(counts);
        result.widenings = widenings;
    }
    return result;
}

}  // namespace vardolin::circle_search

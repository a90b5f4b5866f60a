// SPDX-License-Identifier: MIT
#include "critical_circle/CircleSearch.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "analysis/ParallelChunks.h"
#include "numerics/Pi.h"
#include "numerics/Square.h"

namespace vardolin::critical {

namespace {

// The index-th of `count` values in equal steps from `from` to `to`.
double Spread(double from, double to, int index, int count) {
    if (count <= 1) {
        return from;
    }
    return from + (to - from) * index / (count - 1);
}

// The radii of one centre: from the circle through the toe out to the one that touches the
// depth level.
struct RadiusRange {
    double toe = 0.0;
    double deepest = 0.0;

    bool empty() const { return !(toe <= deepest); }
};

RadiusRange RadiiOf(double centreX, double centreY, double depthBelowToe) {
    return {std::sqrt(Square(centreX) + Square(centreY)), centreY + depthBelowToe};
}

void Count(CircleCounts& counts, const CircleEvaluation& analysis) {
    counts.tried += 1;
    if (analysis.located.status != CircleStatus::Valid) {
        counts.invalid += 1;
        return;
    }
    switch (analysis.factors.status) {
        case FactorStatus::Valid:
            counts.usable += 1;
            break;
        case FactorStatus::NoDrivingMoment:
            counts.invalid += 1;
            break;
        case FactorStatus::NotConverged:
            counts.notConverged += 1;
            break;
        case FactorStatus::SmallMAlpha:
            counts.smallMAlpha += 1;
            break;
    }
}

void Add(CircleCounts& total, const CircleCounts& part) {
    total.tried += part.tried;
    total.usable += part.usable;
    total.invalid += part.invalid;
    total.notConverged += part.notConverged;
    total.smallMAlpha += part.smallMAlpha;
}

// What one centre's circles gave; written only by the thread that works the centre out.
struct CentreOutcome {
    CentreMinimum minimum;
    int radiusIndex = 0;
    CircleCounts counts;
};

CentreOutcome SearchCentre(CircleAnalyser& analyser, const SearchGrid& grid, double centreX,
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
        const CircleEvaluation& analysis = analyser.Analyse({centreX, centreY, radius});
        Count(outcome.counts, analysis);
        if (analysis.usable() &&
            (!outcome.minimum.found || analysis.factors.bishop < outcome.minimum.factor)) {
            outcome.minimum.found = true;
            outcome.minimum.factor = analysis.factors.bishop;
            outcome.minimum.radius = radius;
            outcome.radiusIndex = k;
        }
    }
    return outcome;
}

Circle ChordCircle(const SimpleSlope& slope, double exitX, double entryX, double radius);

// The lowest circle through one exit and one entry point, as SearchCentre for a centre; its
// centre stands for the pair in the colour map.
CentreOutcome SearchPair(CircleAnalyser& analyser, const SimpleSlope& slope, const SearchGrid& grid,
                         double exitX, double entryX) {
    CentreOutcome outcome;
    const double chord =
        std::hypot(entryX - exitX, slope.GroundLevel(entryX) - slope.GroundLevel(exitX));
    constexpr double kWidestHalfArc = 90.0;
    constexpr double kNarrowestHalfArc = 10.0;
    for (int k = 0; k < grid.radiiPerCentre; ++k) {
        const double halfArc =
            Spread(kWidestHalfArc, kNarrowestHalfArc, k, grid.radiiPerCentre) * kPi / 180.0;
        const double radius = chord / 2.0 / std::sin(halfArc);
        const Circle circle = ChordCircle(slope, exitX, entryX, radius);
        if (k == 0) {
            outcome.minimum.centreX = circle.centreX;
            outcome.minimum.centreY = circle.centreY;
        }
        if (!(circle.centreY - circle.radius >= -grid.depthBelowToe)) {
            continue;
        }
        const CircleEvaluation& analysis = analyser.Analyse(circle);
        Count(outcome.counts, analysis);
        if (analysis.usable() &&
            (!outcome.minimum.found || analysis.factors.bishop < outcome.minimum.factor)) {
            outcome.minimum = {circle.centreX, circle.centreY, true, analysis.factors.bishop,
                               radius};
            outcome.radiusIndex = k;
        }
    }
    return outcome;
}

bool SettingsInRange(const SearchSettings& settings) {
    const SearchGrid& grid = settings.grid;
    return settings.slices >= kMinSlices && settings.slices <= kMaxSlices &&
           grid.centresPerSide >= 1 && grid.centresPerSide <= kMaxCentresPerSide &&
           grid.radiiPerCentre >= 1 && grid.radiiPerCentre <= kMaxRadiiPerCentre;
}

// What the refinement of one starting circle found.
struct Refined {
    Circle start;
    Circle circle;
    double factor = HUGE_VAL;
    std::vector<Circle> path;  // the start, then each lower circle the refinement moved to
    CircleCounts counts;
};

// Two ways of naming a circle by three numbers, each with its centre as the first two. The
// sliding masses the analysis accepts end at two kinds of edge, and the lowest circle often lies
// on one of them: on the circles through the toe (the toe passes from under the mass to beside
// it: a kink of the factor, or for a centre in front of the toe the end of the accepted radii),
// and on the circles tangent to the level ground in front of the toe or to the depth level (a
// slightly larger circle cuts the level ground twice and makes two masses, or reaches too deep).
// The first is an axis in the radius's excess over the toe circle, the second in the height of
// the circle's lowest point; a search that moves along one axis at a time can follow an edge
// only where it is an axis, so the refinement alternates between the two.
enum class Axes { ToeExcess, LowestPoint, TurnedLowestPoint, Chord };

using Point = std::array<double, 3>;

// The circle through the ground's points above exitX and entryX with this radius, its centre
// above the chord between them (nothing usable where the radius is shorter than half the chord).
Circle ChordCircle(const SimpleSlope& slope, double exitX, double entryX, double radius) {
    const double exitY = slope.GroundLevel(exitX);
    const double entryY = slope.GroundLevel(entryX);
    const double dx = entryX - exitX;
    const double dy = entryY - exitY;
    const double chord = std::sqrt(Square(dx) + Square(dy));
    const double rise = std::sqrt(Square(radius) - Square(chord / 2.0));
    return {(exitX + entryX) / 2.0 - rise * dy / chord, (exitY + entryY) / 2.0 + rise * dx / chord,
            radius};
}

Point PointOf(const SimpleSlope& slope, Axes axes, const Circle& circle) {
    switch (axes) {
        case Axes::ToeExcess:
            return {circle.centreX, circle.centreY,
                    circle.radius - RadiiOf(circle.centreX, circle.centreY, 0.0).toe};
        case Axes::LowestPoint:
            return {circle.centreX, circle.centreY, circle.centreY - circle.radius};
        case Axes::TurnedLowestPoint:
            return {circle.centreX + circle.centreY, circle.centreY - circle.centreX,
                    circle.centreY - circle.radius};
        case Axes::Chord:
            break;
    }
    const CircleOnSlope located = LocateCircle(slope, circle);
    return {located.exitX, located.entryX, circle.radius};
}

Circle CircleAt(const SimpleSlope& slope, Axes axes, const Point& p) {
    switch (axes) {
        case Axes::ToeExcess:
            return {p[0], p[1], RadiiOf(p[0], p[1], 0.0).toe + p[2]};
        case Axes::LowestPoint:
            return {p[0], p[1], p[1] - p[2]};
        case Axes::TurnedLowestPoint: {
            const double centreY = (p[0] + p[1]) / 2.0;
            return {(p[0] - p[1]) / 2.0, centreY, centreY - p[2]};
        }
        case Axes::Chord:
            break;
    }
    return ChordCircle(slope, p[0], p[1], p[2]);
}

// A circle of the refinement and its Bishop factor, infinite where it is not usable.
struct Probe {
    Point point{};
    Circle circle;
    double factor = HUGE_VAL;
};

// The refinement of one starting circle (see SearchSettings::refine): Hooke and Jeeves's pattern
// search, whose moves along the axes find the way down and whose jumps along the last move
// follow a curved valley without the 26 neighbours of a cube at every step.
class Refiner {
public:
    Refiner(CircleAnalyser& analyser, const SimpleSlope& slope, double depthBelowToe,
            const RunProgress* progress)
        : analyser_(analyser), slope_(slope), depth_(depthBelowToe), progress_(progress) {}

    Refined Run(const Circle& start, double startFactor) {
        Refined refined;
        refined.start = start;
        best_ = {PointOf(slope_, Axes::ToeExcess, start), start, startFactor};
        path_ = &refined.path;
        path_->push_back(start);
        const double firstStep = slope_.height() * kFirstStepShare;
        for (int round = 0; round < kMaxRefinementRounds; ++round) {
            const double before = best_.factor;
            for (const Axes axes :
                 {Axes::LowestPoint, Axes::ToeExcess, Axes::TurnedLowestPoint, Axes::Chord}) {
                Search(axes, firstStep);
            }
            if (!(before - best_.factor >= kRefinementTolerance * best_.factor)) {
                break;
            }
        }
        refined.circle = best_.circle;
        refined.factor = best_.factor;
        refined.counts = counts_;
        return refined;
    }

private:
    static constexpr double kFirstStepShare = 0.1;  // of the slope's height
    static constexpr double kLastStepShare = 1e-9;
    static constexpr int kMaxSearchCircles = 1'500;

    Probe Evaluate(Axes axes, const Point& point) {
        Probe probe{point, CircleAt(slope_, axes, point)};
        const Circle& c = probe.circle;
        if (!(c.centreY - c.radius >= -depth_) || Stopped()) {
            return probe;
        }
        ++tried_;
        const CircleEvaluation& analysis = analyser_.Analyse(c);
        Count(counts_, analysis);
        if (analysis.usable()) {
            probe.factor = analysis.factors.bishop;
        }
        return probe;
    }

    // One step up and down each axis in turn from `from`, keeping whatever is lower.
    Probe Explore(Axes axes, Probe from, const Point& steps) {
        for (std::size_t axis = 0; axis < 3; ++axis) {
            for (const double sign : {1.0, -1.0}) {
                Point moved = from.point;
                moved[axis] += sign * steps[axis];
                const Probe probe = Evaluate(axes, moved);
                if (probe.factor < from.factor) {
                    from = probe;
                    break;
                }
            }
        }
        return from;
    }

    // At the count limit, or cancelled (checked every 64 circles): every later probe is unusable,
    // so that the search winds down at once. The refinements run on several threads and must
    // not throw; the search throws once they are done.
    bool Stopped() {
        if (tried_ >= kMaxRefinementCircles) {
            return true;
        }
        if ((tried_ & 63) == 0 && progress_ != nullptr && progress_->Cancelled()) {
            tried_ = kMaxRefinementCircles;
            return true;
        }
        return false;
    }

    void Accept(const Probe& probe) {
        best_ = probe;
        path_->push_back(probe.circle);
    }

    // One pattern search in these axes. Its steps halve when no move lowers the factor and
    // double (up to the first) after moves that did, so that a search that has crept along an
    // edge with small steps strides again where the way opens; it yields to the next axes after
    // kMaxSearchCircles circles, as a creeping search does best in axes along its edge.
    void Search(Axes axes, double firstStep) {
        // The best circle itself stays, not one rebuilt from its coordinates in these axes.
        best_.point = PointOf(slope_, axes, best_.circle);
        Point steps{firstStep, firstStep, firstStep};
        const double lastStep = slope_.height() * kLastStepShare;
        const int budget = tried_ + kMaxSearchCircles;
        while (steps[0] >= lastStep && !Stopped() && tried_ < budget) {
            Probe next = Explore(axes, best_, steps);
            if (!(next.factor < best_.factor)) {
                for (double& step : steps) {
                    step /= 2.0;
                }
                continue;
            }
            // Jump on along the move just made while the exploration around the landing point
            // still finds a lower circle.
            while (next.factor < best_.factor) {
                const Point from = best_.point;
                Accept(next);
                if (tried_ >= budget) {
                    break;
                }
                Point jump = next.point;
                for (std::size_t axis = 0; axis < 3; ++axis) {
                    jump[axis] += next.point[axis] - from[axis];
                }
                next = Explore(axes, Evaluate(axes, jump), steps);
            }
            for (double& step : steps) {
                step = std::min(step * 2.0, firstStep);
            }
        }
    }

    CircleAnalyser& analyser_;
    const SimpleSlope& slope_;
    double depth_;
    const RunProgress* progress_;
    Probe best_;
    std::vector<Circle>* path_ = nullptr;
    CircleCounts counts_;
    int tried_ = 0;
};

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
GridSides SidesReached(const SearchResult& result) {
    const SearchGrid& g = result.grid;
    const Circle& c = result.critical.circle;
    const GridSides& on = result.minimumOnSides;
    return {on.left || c.centreX < g.xFrom, on.right || c.centreX > g.xTo,
            on.bottom || c.centreY < g.yFrom, on.top || c.centreY > g.yTo};
}

void NoteWhereTheCriticalCircleEnded(SearchResult& result, const SimpleSlope& slope,
                                     const SearchGrid& grid) {
    const Circle& c = result.critical.circle;
    const double touch = slope.height() * kTouchShare;
    const double lowestPoint = c.centreY - c.radius;
    result.criticalAtDepthLevel = lowestPoint <= -grid.depthBelowToe + touch;
    result.criticalTangentBeforeToe =
        c.centreX < 0.0 && std::abs(lowestPoint) <= touch && result.critical.located.exitX > 0.0;
    result.status = SearchStatus::Found;
}

SearchResult SearchOnce(const SimpleSlope& slope, const SoilValues& soil,
                        const SearchSettings& settings, int threads, RunProgress* progress) {
    SearchResult result;
    result.grid = settings.grid;
    if (!SettingsInRange(settings)) {
        return result;
    }
    const SearchGrid& grid = settings.grid;
    const int n = grid.centresPerSide;
    const int centres = n * n;
    constexpr int kChunk = 1;  // a centre is dozens of circles: claims are rare enough
    threads = ThreadsForChunks(threads, centres, kChunk);
    std::vector<CircleAnalyser> analysers;
    analysers.reserve(static_cast<std::size_t>(threads));
    for (int t = 0; t < threads; ++t) {
        analysers.emplace_back(slope, soil, settings.slices);
    }
    std::vector<CentreOutcome> outcomes(static_cast<std::size_t>(centres));

    auto work = [&](int thread, int begin, int end) {
        CircleAnalyser& analyser = analysers[static_cast<std::size_t>(thread)];
        for (int index = begin; index < end; ++index) {
            const double x = Spread(grid.xFrom, grid.xTo, index % n, n);
            const double y = Spread(grid.yFrom, grid.yTo, index / n, n);
            const EntryExitRanges& e = settings.entryExit;
            outcomes[static_cast<std::size_t>(index)] =
                e.use
                    ? SearchPair(analyser, slope, grid, Spread(e.exitFrom, e.exitTo, index % n, n),
                                 Spread(e.entryFrom, e.entryTo, index / n, n))
                    : SearchCentre(analyser, grid, x, y);
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
        Add(result.counts, outcome.counts);
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

    if (!settings.refine) {
        result.critical = analysers.front().Analyse(result.gridMinimum);
        NoteWhereTheCriticalCircleEnded(result, slope, grid);
        return result;
    }
    // Each start refined by one thread; the lowest taken in start order, ties to the first.
    const std::vector<int> starts = LowestLocalMinima(outcomes, n, kRefinementStarts);
    std::vector<Refined> refined(starts.size());
    auto refine = [&](int thread, int begin, int end) {
        for (int i = begin; i < end; ++i) {
            const CentreMinimum& start =
                outcomes[static_cast<std::size_t>(starts[static_cast<std::size_t>(i)])].minimum;
            Refiner refiner(analysers[static_cast<std::size_t>(thread)], slope, grid.depthBelowToe,
                            progress);
            refined[static_cast<std::size_t>(i)] =
                refiner.Run({start.centreX, start.centreY, start.radius}, start.factor);
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
        Add(result.counts, refined[i].counts);
        result.starts.push_back(refined[i].start);
        if (refined[i].factor < refined[chosen].factor) {
            chosen = i;
        }
    }
    result.refinedPath = std::move(refined[chosen].path);
    result.critical = analysers.front().Analyse(refined[chosen].circle);
    NoteWhereTheCriticalCircleEnded(result, slope, grid);
    return result;
}

}  // namespace

SearchResult FindCriticalCircle(const SimpleSlope& slope, const SoilValues& soil,
                                const SearchSettings& settings, int threads,
                                RunProgress* progress) {
    SearchSettings current = settings;
    SearchResult result = SearchOnce(slope, soil, current, threads, progress);
    for (int widenings = 1; widenings <= kMaxWidenings && result.status == SearchStatus::Found;
         ++widenings) {
        const GridSides reached = SidesReached(result);
        // Entry and exit ranges are the user's to move; only the depth level follows.
        const GridSides may = settings.entryExit.use ? GridSides{} : settings.widen;
        SearchGrid& g = current.grid;
        const Circle& c = result.critical.circle;
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
        if (result.criticalAtDepthLevel && settings.deepen) {
            g.depthBelowToe += slope.height();
            widened = true;
        }
        if (!widened) {
            break;
        }
        if (progress != nullptr) {
            progress->stepsDone.store(0);
        }
        CircleCounts counts = result.counts;
        result = SearchOnce(slope, soil, current, threads, progress);
        Add(result.counts, counts);
        result.widenings = widenings;
    }
    return result;
}

EntryExitRanges AutoEntryExit(const SimpleSlope& slope) {
    const double h = slope.height();
    const double run = slope.crestX();
    return {true, run, run + std::max(h, run), -h / 2.0, run / 2.0};
}

SearchGrid AutoGrid(const SimpleSlope& slope, int centres, int radii) {
    const double h = slope.height();
    const double run = slope.crestX();
    SearchGrid grid;
    grid.xFrom = -std::max(h, run / 2.0);
    grid.xTo = run + h / 2.0;
    grid.yFrom = h / 2.0;
    grid.yTo = h + 2.0 * std::max(h, run);
    grid.centresPerSide = centres;
    grid.radiiPerCentre = radii;
    grid.depthBelowToe = h;
    return grid;
}

}  // namespace vardolin::critical

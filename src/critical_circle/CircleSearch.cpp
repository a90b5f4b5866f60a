// SPDX-License-Identifier: MIT
#include "critical_circle/CircleSearch.h"

#include <array>
#include <cmath>

#include "analysis/ParallelChunks.h"
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

void Count(CircleCounts& counts, const CircleAnalysis& analysis) {
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
        const CircleAnalysis& analysis = analyser.Analyse({centreX, centreY, radius});
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

bool SettingsInRange(const SearchSettings& settings) {
    const SearchGrid& grid = settings.grid;
    return settings.slices >= kMinSlices && settings.slices <= kMaxSlices &&
           grid.centresPerSide >= 1 && grid.centresPerSide <= kMaxCentresPerSide &&
           grid.radiiPerCentre >= 1 && grid.radiiPerCentre <= kMaxRadiiPerCentre;
}

// A grid's spacing, or a twentieth of the slope's height where the grid has none.
double StepOr(double spacing, const SimpleSlope& slope) {
    return spacing > 0.0 && spacing < HUGE_VAL ? spacing : slope.height() / 20.0;
}

// A circle by its centre and by how far its radius reaches beyond the circle through the toe.
// A toe circle is often the critical one and the factor has a kink there (the toe passes from
// the ground under the mass to the ground beside it); in these coordinates the kink lies along
// one axis, so the pattern search can follow the toe circles instead of stalling on them.
struct CentreAndExcess {
    double centreX = 0.0;
    double centreY = 0.0;
    double excess = 0.0;

    Circle circle() const {
        return {centreX, centreY, RadiiOf(centreX, centreY, 0.0).toe + excess};
    }
};

// The pattern search of SearchSettings::refine, from the grid's lowest circle.
Circle Refine(CircleAnalyser& analyser, const SimpleSlope& slope, const SearchGrid& grid,
              const Circle& start, double startFactor, CircleCounts& counts,
              const RunProgress* progress) {
    const int n = grid.centresPerSide;
    const RadiusRange radii = RadiiOf(start.centreX, start.centreY, grid.depthBelowToe);
    std::array<double, 3> steps = {
        StepOr(n > 1 ? std::abs(grid.xTo - grid.xFrom) / (n - 1) : 0.0, slope),
        StepOr(n > 1 ? std::abs(grid.yTo - grid.yFrom) / (n - 1) : 0.0, slope),
        StepOr(
            grid.radiiPerCentre > 1 ? (radii.deepest - radii.toe) / (grid.radiiPerCentre - 1) : 0.0,
            slope)};
    CentreAndExcess current{start.centreX, start.centreY, start.radius - radii.toe};
    Circle found = start;  // the circle itself, not rebuilt from its coordinates
    double lowest = startFactor;
    int tried = 0;
    for (int halvings = 0; halvings < kRefinementHalvings && tried < kMaxRefinementCircles;) {
        ThrowIfCancelled(progress);
        bool moved = false;
        CentreAndExcess best = current;
        Circle bestCircle = found;
        // The 26 neighbours of the cube around the current circle, in a fixed order: a curved
        // valley of factors needs the diagonal moves.
        for (int move = 0; move < 27; ++move) {
            if (move == 13) {
                continue;  // the current circle itself
            }
            CentreAndExcess candidate = current;
            candidate.centreX += (move % 3 - 1) * steps[0];
            candidate.centreY += (move / 3 % 3 - 1) * steps[1];
            candidate.excess += (move / 9 - 1) * steps[2];
            const Circle circle = candidate.circle();
            if (!(circle.centreY - circle.radius >= -grid.depthBelowToe)) {
                continue;
            }
            const CircleAnalysis& analysis = analyser.Analyse(circle);
            Count(counts, analysis);
            tried += 1;
            if (analysis.usable() && analysis.factors.bishop < lowest) {
                lowest = analysis.factors.bishop;
                best = candidate;
                bestCircle = circle;
                moved = true;
            }
        }
        if (moved) {
            current = best;
            found = bestCircle;
        } else {
            for (double& step : steps) {
                step /= 2.0;
            }
            halvings += 1;
        }
    }
    return found;
}

}  // namespace

SearchResult FindCriticalCircle(const SimpleSlope& slope, const SoilValues& soil,
                                const SearchSettings& settings, int threads,
                                RunProgress* progress) {
    SearchResult result;
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
            outcomes[static_cast<std::size_t>(index)] = SearchCentre(analyser, grid, x, y);
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
    result.minimumOnGridEdge = column == 0 || column == n - 1 || row == 0 || row == n - 1;
    result.minimumAtDepthLevel =
        grid.radiiPerCentre > 1 && best.radiusIndex == grid.radiiPerCentre - 1;

    CircleAnalyser& analyser = analysers.front();
    const Circle critical = settings.refine
                                ? Refine(analyser, slope, grid, result.gridMinimum,
                                         result.gridMinimumFactor, result.counts, progress)
                                : result.gridMinimum;
    result.critical = analyser.Analyse(critical);
    result.status = SearchStatus::Found;
    return result;
}

}  // namespace vardolin::critical

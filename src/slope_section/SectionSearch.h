// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "analysis/RunProgress.h"
#include "circle_search/CircleRefinement.h"
#include "circle_search/CircleSearch.h"
#include "slope_section/MethodResult.h"
#include "slope_section/PreparedSection.h"
#include "slope_section/SectionFace.h"
#include "slope_section/SlipSurface.h"
#include "slope_section/SurfaceEvaluation.h"

namespace vardolin::section {

// The method whose factor the search minimises.
using SearchMethod = SectionMethod;

// The search of a section, every figure as drawn. The grid's radii per centre go from the circle
// through the face's toe (SectionFace.h) down to the level depthBelowToe under the toe; the
// entry range lies behind the crest and the exit range on the face or in front of the toe.
struct SectionSearchSettings {
    circle_search::SearchGrid grid;
    circle_search::EntryExitRanges entryExit;
    SearchMethod method = SearchMethod::Bishop;
    int slices = 50;                 // asked of the slicer for each circle (see SplitSliceCount)
    bool composite = false;          // circles follow the top of an impenetrable soil
    bool refine = true;              // see circle_search::SearchPlan
    circle_search::GridSides widen;  // as drawn: left is the lower x
    bool deepen = false;
};

// The most slices a circle of the search may ask for, as in the Critical Circle.
inline constexpr int kMaxSearchSlices = 10'000;

// The common search's result with its circles as drawn: the grid's centres row by row from the
// lowest y, each row from the lowest x; the sides as drawn.
struct SectionSearchResult : circle_search::CircleSearchResult {
    CircleSurface critical;  // the critical circle as drawn
    MethodResult method;     // the chosen method on it
};

// The critical circle of the section for the chosen method. Circles where the method finds no
// factor, or finds one with m_alpha below kMinimumMAlpha on a slice, are counted and never
// chosen; a negative effective normal force is noted in the critical circle's flags but does
// not keep a circle out (the steep slices under a crest carry it on many a good circle). A
// section without a face, or settings outside their limits, give BadSettings. The threads and
// the progress work as in circle_search::SearchCircles: the same figures whatever their number.
SectionSearchResult FindCriticalSectionCircle(const PreparedSection& section,
                                              const SectionSearchSettings& settings, int threads,
                                              RunProgress* progress = nullptr);

// The overall slope's surfaces: the lowest surfaces a search kept, each far enough from the
// others to stand for a mechanism of its own, for the trials to refine from.
//
// Distinct: a surface is kept when its centre lies at least kDistinctShare of the face's height
// from the centre of every surface kept before it, or its radius differs from each of theirs by
// at least that much. The critical surface comes first, then the lowest circle of each centre
// (entry-exit pair) of the grid searched last, lowest factor first, ties in centre order; at
// most `count` of them, as drawn.
inline constexpr double kDistinctShare = 0.5;
std::vector<CircleSurface> DistinctLowestSurfaces(const SectionSearchResult& search,
                                                  double faceHeight, bool composite, int count);

// How a trial refines: each of its surfaces coarsely (steps from a twentieth of the face's height
// down to a fiftieth, one round), then the kPolishedSurfaces lowest of them finely (from a
// fiftieth down to a millionth, up to three rounds). A trial's soil moves a minimum a little
// from the search's; the coarse steps still cross the small ridges where a slice boundary jumps,
// and the fine ones give the factor to far better than the statistics show. About 2,700 circles
// a trial on the three-soil section, a twentieth of a 40 x 40 search with 30 radii.
inline constexpr circle_search::RefinementSteps kTrialScreen{0.05, 0.02, 1, 1e-4};
inline constexpr std::size_t kPolishedSurfaces = 1;
inline constexpr circle_search::RefinementSteps kTrialPolish{0.02, 1e-6, 3, 1e-7};

// The lowest surface of a trial with the section's soils as they are at the call: each start
// refined by kTrialScreen, the lowest taken in start order (ties to the first) and refined on
// by kTrialPolish. The
// section is held by reference, so a trial sets its soils (PreparedSection::SetSoilValues) and
// calls again; each thread keeps a search of its own. A start that is not usable with the
// trial's soils is refined all the same, from an infinite factor.
class TrialSurfaceSearch {
public:
    // `settings` as the search had them, its grid the one it searched last (for its depth).
    TrialSurfaceSearch(const PreparedSection& section, const SectionSearchSettings& settings);
    ~TrialSurfaceSearch();
    TrialSurfaceSearch(const TrialSurfaceSearch&) = delete;
    TrialSurfaceSearch& operator=(const TrialSurfaceSearch&) = delete;

    struct Lowest {
        bool found = false;  // whether any refinement met a usable circle
        CircleSurface circle;
        double factor = 0.0;
        int circles = 0;  // judged in all
    };
    Lowest Find(std::span<const CircleSurface> starts);

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// The common Auto grid and ranges (circle_search/SearchSpace.h) placed from the section's face,
// as drawn.
circle_search::SearchGrid SectionAutoGrid(const SectionFace& face, int centres, int radii);
circle_search::EntryExitRanges SectionAutoEntryExit(const SectionFace& face);

}  // namespace vardolin::section

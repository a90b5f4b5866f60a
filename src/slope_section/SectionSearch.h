// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "analysis/RunProgress.h"
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

// The common Auto grid and ranges (circle_search/SearchSpace.h) placed from the section's face,
// as drawn.
circle_search::SearchGrid SectionAutoGrid(const SectionFace& face, int centres, int radii);
circle_search::EntryExitRanges SectionAutoEntryExit(const SectionFace& face);

}  // namespace vardolin::section

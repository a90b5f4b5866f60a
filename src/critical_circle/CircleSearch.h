// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/RunProgress.h"
#include "circle_search/CircleRefinement.h"
#include "circle_search/CircleSearch.h"
#include "circle_search/SearchSpace.h"
#include "critical_circle/CircleEvaluation.h"
#include "critical_circle/CriticalCircleLimits.h"

// The critical circle's search is the common one (circle_search/CircleSearch.h) on the simple
// slope, whose frame is already the search's: toe at (0, 0), rising to the right.
namespace vardolin::critical {

using circle_search::CentreMinimum;
using circle_search::CircleCounts;
using circle_search::EntryExitRanges;
using circle_search::GridSides;
using circle_search::kMaxRefinementCircles;
using circle_search::kMaxRefinementRounds;
using circle_search::kMaxWidenings;
using circle_search::kRefinementStarts;
using circle_search::kRefinementTolerance;
using circle_search::kTouchShare;
using circle_search::SearchGrid;
using circle_search::SearchStatus;

struct SearchSettings {
    SearchGrid grid;
    EntryExitRanges entryExit;
    int slices = kDefaultSlices;
    bool refine = true;  // see circle_search::SearchPlan
    GridSides widen;
    bool deepen = false;
};

struct SearchResult : circle_search::CircleSearchResult {
    CircleEvaluation critical;  // the critical circle's analysis: the lowest Bishop factor
};

// The critical circle of the lowest Bishop factor (see circle_search::SearchCircles), each
// circle judged by a CircleAnalyser. A slice count outside its limits is BadSettings.
SearchResult FindCriticalCircle(const SimpleSlope& slope, const SoilValues& soil,
                                const SearchSettings& settings, int threads,
                                RunProgress* progress = nullptr);

// The common Auto grid and ranges (circle_search/SearchSpace.h), placed from the slope.
SearchGrid AutoGrid(const SimpleSlope& slope, int centres, int radii);
EntryExitRanges AutoEntryExit(const SimpleSlope& slope);

}  // namespace vardolin::critical

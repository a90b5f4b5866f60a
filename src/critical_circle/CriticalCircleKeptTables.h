// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "critical_circle/CircleEvaluation.h"
#include "critical_circle/CircleSearch.h"
#include "critical_circle/SliceTable.h"

namespace vardolin::critical {

// What the last run of the critical-circle form found, for its diagram and its export: the
// grid's lowest factor per centre or entry-exit pair (empty for a given circle), the critical
// circle with its slices, and their table at the averages. Replaced whole by each run that reaches
// its circle.
struct CriticalCircleKeptTables {
    bool hasCircle = false;
    SearchGrid grid;            // the grid searched last (after any widening)
    EntryExitRanges entryExit;  // the ranges of an entry-exit search
    std::vector<CentreMinimum> centres;
    std::vector<Circle> refinedPath;  // the critical circle's refinement, start to end
    CircleEvaluation critical;
    std::vector<SliceRow> sliceTable;
};

}  // namespace vardolin::critical

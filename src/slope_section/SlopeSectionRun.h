// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisContext.h"
#include "analysis/RunOutcome.h"
#include "fields/FieldTexts.h"

namespace vardolin::section {

// The run of a section's form (SectionInputs.h):
//   1. the count (1 < n <= 1000000, unless every SD is 0), the search's and the acceptance
//      fields, then the section as ReadSectionInputs reads it; the first fault stops the run
//      with its message (a table's names its row and column);
//   2. the critical circle at the means: the given one, or the search's by the first method
//      (grid or entry-exit, placed from the section's face and refined); a section with an
//      impenetrable soil is searched with composite circles;
//   3. every chosen method on that circle: its factor (and lambda) into its field, the slices
//      kept for the diagram and the export, a method's doubts in the caution;
//   4. the trials on that circle (RunSectionTrials), or one evaluation where every SD is 0;
//   5. the failure percentage, the mean, the SD and the indices of the usable trials, and the
//      verdict on the first method's factor at the means against the acceptance criteria.
// The figures are the same at any thread count.
RunOutcome RunSlopeSection(FieldTexts& fields, AnalysisContext& context);

}  // namespace vardolin::section

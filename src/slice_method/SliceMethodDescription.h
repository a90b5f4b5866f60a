// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisDescription.h"

namespace vardolin {

namespace forms {
struct AnalysisWindow;
}

// Circular failure by Bishop's method of slices: the form "Method of Slice" (vard2), its fields
// and its run.
const AnalysisDescription& SliceMethod();

// The analysis as the program's catalogue lists it: the description every part works from,
// and the form's layout, which only the windows link (window/).
struct SliceMethodAnalysis {
    static const AnalysisDescription& Description() { return SliceMethod(); }
    static const forms::AnalysisWindow& Window();
};

}  // namespace vardolin

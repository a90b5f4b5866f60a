// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisDescription.h"

namespace vardolin {

namespace forms {
struct AnalysisWindow;
}
namespace report {
struct AnalysisDrawing;
}

// The critical slip circle of a simple slope by Bishop's simplified method, and the
// probability of failure on it: the form "Critical Circle" (vard3), its fields and its run.
const AnalysisDescription& CriticalCircle();

// The analysis as the program's catalogue lists it: the description every part works from, its
// diagram, which the windows and the report draw (drawing/, Qt GUI), and the form's layout,
// which only the windows link (window/).
struct CriticalCircleAnalysis {
    static const AnalysisDescription& Description() { return CriticalCircle(); }
    static const report::AnalysisDrawing& Drawing();
    static const forms::AnalysisWindow& Window();
};

}  // namespace vardolin

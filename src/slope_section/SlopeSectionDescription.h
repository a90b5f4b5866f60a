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

// A layered cross-section with water, loads and earthquake, its critical circle by the chosen
// limit-equilibrium methods and the probability of failure on it: the form "Slope Section", its
// fields and its run.
const AnalysisDescription& SlopeSection();

// The analysis as the program's catalogue lists it (see CriticalCircleAnalysis).
struct SlopeSectionAnalysis {
    static const AnalysisDescription& Description() { return SlopeSection(); }
    static const report::AnalysisDrawing& Drawing();
    static const forms::AnalysisWindow& Window();
};

}  // namespace vardolin

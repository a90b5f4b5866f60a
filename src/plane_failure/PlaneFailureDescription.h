// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisDescription.h"

namespace vardolin {

namespace forms {
struct AnalysisWindow;
}

// Plane failure of a rock block by limiting equilibrium: the form "Limiting Equilibrium"
// (Vardolin), its fields and its run.
const AnalysisDescription& PlaneFailure();

// The analysis as the program's catalogue lists it: the description every part works from,
// and the form's layout, which only the windows link (window/).
struct PlaneFailureAnalysis {
    static const AnalysisDescription& Description() { return PlaneFailure(); }
    static const forms::AnalysisWindow& Window();
};

}  // namespace vardolin

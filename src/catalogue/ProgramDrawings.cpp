// SPDX-License-Identifier: MIT
#include "catalogue/ProgramDrawings.h"

#include <vector>

#include "catalogue/ProgramAnalyses.h"

namespace vardolin {

namespace {

// A drawing is optional: an analysis without Drawing() shows its picture, or none.
template <class Analysis>
void AddDrawing(std::vector<const report::AnalysisDrawing*>& drawings) {
    if constexpr (requires { Analysis::Drawing(); }) {
        drawings.push_back(&Analysis::Drawing());
    }
}

template <class... Analysis>
std::span<const report::AnalysisDrawing* const> DrawingsOf(AnalysisList<Analysis...>) {
    static const std::vector<const report::AnalysisDrawing*> drawings = [] {
        std::vector<const report::AnalysisDrawing*> all;
        (AddDrawing<Analysis>(all), ...);
        return all;
    }();
    return drawings;
}

}  // namespace

report::DrawingCatalogue ProgramDrawings() {
    return report::DrawingCatalogue(DrawingsOf(ProgramAnalyses{}));
}

}  // namespace vardolin

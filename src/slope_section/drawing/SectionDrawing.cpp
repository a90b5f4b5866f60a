// SPDX-License-Identifier: MIT
#include "report/AnalysisDrawing.h"
#include "slope_section/SectionInputs.h"
#include "slope_section/SlopeSectionDescription.h"
#include "slope_section/drawing/SectionDiagram.h"

namespace vardolin {

namespace {

constexpr report::AnalysisDrawing kSectionDrawing{
    .id = section::kSectionAnalysisId,
    .draw = section::DrawSectionDiagram,
    .describePoint = section::DescribeSectionDiagramPoint,
};

}  // namespace

const report::AnalysisDrawing& SlopeSectionAnalysis::Drawing() {
    return kSectionDrawing;
}

}  // namespace vardolin

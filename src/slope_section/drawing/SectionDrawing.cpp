// SPDX-License-Identifier: MIT
#include "report/AnalysisDrawing.h"
#include "slope_section/SectionInputs.h"
#include "slope_section/drawing/SectionDiagram.h"

namespace vardolin::section {

namespace {

constexpr report::AnalysisDrawing kSectionDrawing{
    .id = kSectionAnalysisId,
    .draw = DrawSectionDiagram,
    .describePoint = DescribeSectionDiagramPoint,
};

}  // namespace

const report::AnalysisDrawing& SectionDrawing() {
    return kSectionDrawing;
}

}  // namespace vardolin::section

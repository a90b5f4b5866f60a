// SPDX-License-Identifier: MIT
#include "critical_circle/CriticalCircleDescription.h"
#include "critical_circle/drawing/CriticalCircleDiagram.h"
#include "report/AnalysisDrawing.h"

namespace vardolin {

namespace {

constexpr report::AnalysisDrawing kCriticalCircleDrawing{
    .id = "critical_circle",
    .draw = critical::DrawCriticalCircleDiagram,
    .describePoint = critical::DescribeCriticalCircleDiagramPoint,
};

}  // namespace

const report::AnalysisDrawing& CriticalCircleAnalysis::Drawing() {
    return kCriticalCircleDrawing;
}

}  // namespace vardolin

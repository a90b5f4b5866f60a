// SPDX-License-Identifier: MIT
#pragma once

#include "critical_circle/CriticalCircleDescription.h"
#include "plane_failure/PlaneFailureDescription.h"
#include "slice_method/SliceMethodDescription.h"
#include "slope_section/SlopeSectionDescription.h"

namespace vardolin {

template <class... Analysis>
struct AnalysisList {};

// Every analysis the program offers, in menu order: the one list a new analysis joins. Each
// entry has Description(), which the core's catalogue takes, and Window(), which only the
// windows' catalogue names, so that the core and the runner link no window.
using ProgramAnalyses = AnalysisList<PlaneFailureAnalysis, SliceMethodAnalysis,
                                     CriticalCircleAnalysis, SlopeSectionAnalysis>;

}  // namespace vardolin

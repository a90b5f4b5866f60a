// SPDX-License-Identifier: MIT
#pragma once

#include "forms/AnalysisWindow.h"

namespace vardolin {

// The windows of the analyses of ProgramAnalyses.
forms::WindowCatalogue ProgramWindows();

}  // namespace vardolin

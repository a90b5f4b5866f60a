// SPDX-License-Identifier: MIT
#pragma once

#include "report/AnalysisDrawing.h"

namespace vardolin {

// The drawings of the analyses of ProgramAnalyses that draw their diagram (Drawing()).
report::DrawingCatalogue ProgramDrawings();

}  // namespace vardolin

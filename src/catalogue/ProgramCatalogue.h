// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisCatalogue.h"

namespace vardolin {

// The analyses of ProgramAnalyses, in menu order.
AnalysisCatalogue ProgramCatalogue();

}  // namespace vardolin

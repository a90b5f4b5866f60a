// SPDX-License-Identifier: MIT
#pragma once

#include "shared/AnalysisDescription.h"

namespace vardolin {

// Plane failure of a rock block by limiting equilibrium: the form "Limiting Equilibrium"
// (Vardolin), its fields and its run.
const AnalysisDescription& PlaneFailure();

}  // namespace vardolin

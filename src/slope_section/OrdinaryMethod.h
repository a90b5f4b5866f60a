// SPDX-License-Identifier: MIT
#pragma once

#include "slope_section/MethodResult.h"
#include "slope_section/MethodWorkspace.h"
#include "slope_section/MomentCentre.h"

namespace vardolin::section {

// The ordinary method of slices (Fellenius): no interslice forces, each base's normal force the
// part of the slice's own forces across it, N = V cos(a) - H sin(a), and the factor from the
// moment about `point` (a circle's centre). Fills the workspace's forces (E and X 0).
MethodResult SolveOrdinary(const SlicedMass& mass, MomentPoint point, MethodWorkspace& workspace);

}  // namespace vardolin::section

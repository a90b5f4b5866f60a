// SPDX-License-Identifier: MIT
#pragma once

#include "slope_section/MethodResult.h"
#include "slope_section/MethodWorkspace.h"
#include "slope_section/MomentCentre.h"

namespace vardolin::section {

// Bishop's simplified method: no interslice shear, each base's normal force from the slice's
// vertical equilibrium, N = (V - K sin(a) / F) / m_alpha with m_alpha = cos(a) + sin(a)
// tan(phi) / F, and the factor from the moment about `point`: a circle's centre, or for another
// surface the point the caller chose (DefaultMomentCentre unless told). Fills the workspace's
// forces (E and X 0).
MethodResult SolveBishop(const SlicedMass& mass, MomentPoint point, MethodWorkspace& workspace);

}  // namespace vardolin::section

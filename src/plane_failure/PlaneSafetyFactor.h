// SPDX-License-Identifier: MIT
#pragma once

#include "numerics/Pi.h"

namespace vardolin {

// Limiting-equilibrium factor of safety of a rock block sliding on one plane, with a vertical
// tension crack behind the crest, water in the crack and uplift on the sliding plane.
// Angles in degrees; lengths, unit weights and cohesion in one consistent unit system.
// Inputs are not checked for admissibility; a division by zero, overflow or invalid
// operation in any step raises its RunTimeError (for instance psi_p = 0, H = 0, psi_f = 0).
double PlaneSafetyFactor(double slopeHeight, double slopeFaceAngle, double discontinuityAngle,
                         double tensionCrackDepth, double waterUnitWeight, double cohesion,
                         double frictionAngle, double rockUnitWeight, double waterHeight);

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include "slope_section/MethodResult.h"
#include "slope_section/MethodWorkspace.h"

namespace vardolin::section {

// Janbu's simplified method: no interslice shear, each base's normal force from the slice's
// vertical equilibrium as in Bishop's, and the factor from the horizontal equilibrium of the
// whole mass, F = sum((K + N tan(phi)) cos(a)) / sum(N sin(a) + H). Corrected, the factor is
// multiplied by f0 (JanbuCorrectionFactor), which result.correction gives. Fills the
// workspace's forces (E and X 0; the shear is the one mobilised at the uncorrected factor).
enum class JanbuVariant : unsigned char { Uncorrected, Corrected };

MethodResult SolveJanbu(const SlicedMass& mass, JanbuVariant variant, MethodWorkspace& workspace);

// The soils along a surface, as Janbu's correction tells them apart.
enum class StrengthKind : unsigned char { CohesionOnly, FrictionOnly, CohesionAndFriction };

// CohesionOnly where no base has friction, FrictionOnly where none has cohesion, else both.
StrengthKind StrengthAlong(const SlicedMass& mass) noexcept;

// Janbu's correction by the usual fit to his curves, f0 = 1 + b1 (d/L - 1.4 (d/L)^2) with b1
// 0.69 (c only), 0.31 (phi only) or 0.50 (c and phi); L is the chord from the surface's entry
// to its exit and d the greatest depth of the surface below that chord, across it.
double JanbuCorrectionFactor(StrengthKind kind, double depthOverLength) noexcept;

// d / L of the slices' surface (base ends; 0 without slices).
double DepthOverLength(const SlicedMass& mass) noexcept;

}  // namespace vardolin::section

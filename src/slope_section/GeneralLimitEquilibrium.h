// SPDX-License-Identifier: MIT
#pragma once

#include "slope_section/InterforceShape.h"
#include "slope_section/MethodResult.h"
#include "slope_section/MethodWorkspace.h"
#include "slope_section/MomentCentre.h"

namespace vardolin::section {

// The general limit-equilibrium formulation: interslice shear X = lambda f(x) E, and a factor
// and lambda that satisfy both the horizontal force equilibrium and the moment equilibrium of
// the whole mass. For a given lambda, each slice's E on its right side follows from the one on
// its left (its two force equations and the Mohr-Coulomb shear):
//   E_right = (m (E_left + H) + A (V + X_left) - K / F) / D,
//   m = cos(a) + sin(a) tan(phi) / F,  A = sin(a) - cos(a) tan(phi) / F,
//   D = m + lambda f_right A,
// and N from the two force equations. F_f(lambda) is the factor whose E leaves the last slice
// at 0; F_m(lambda) the one whose moment about the point is 0. The answer is where they meet,
// lambda*; at lambda = 0 they are Janbu's uncorrected and Bishop's factors.
//
// The solver follows the force curve: it settles F_f at lambda = 0 (Janbu's factor) by Newton's
// method in 1/F, then steps lambda by Newton's method on the moment left over along that curve,
// settling F_f again at each step; the derivatives in 1/F and lambda are carried along the
// slices in the same pass. Keeping to the force curve that starts at Janbu's factor, it finds
// where the moment curve crosses it, not another solution of the two equations on another
// branch; it settles in a dozen passes or so. Where it fails (a
// slice turns singular on the way, or it does not settle), it falls back to the curves: lambda
// is stepped out from 0 both ways until F_m - F_f changes sign, and the crossing is closed in by
// the Illinois rule, each curve's factor by SettleFactor. No change of sign before the factors
// turn singular is NoCrossing, unless the curves lie within a millionth of the factor of each
// other at lambda = 0, or the force curve does not move with lambda on any step taken (a plane
// in a soil without cohesion, where any lambda holds and only the slicing parts the curves):
// then lambda is 0, the factor the force curve's, and the moments are not asked to close.
//
// A slice is singular where D, divided by sqrt(1 + (lambda f)^2) (which makes it the m_alpha of
// the base turned by the interslice inclination), is not positive; below kMinimumMAlpha the
// factor is kept and SmallMAlpha raised.
enum class CrossingScheme : unsigned char {
    NewtonFirst,  // Newton along the force curve, the curves' crossing where it fails
    CurvesOnly,   // the curves alone: slower, for checks
};

MethodResult SolveGeneralLimitEquilibrium(const SlicedMass& mass, InterforceShape shape,
                                          MomentPoint point, MethodWorkspace& workspace,
                                          CrossingScheme scheme = CrossingScheme::NewtonFirst);

// Spencer's method: the general formulation with f = 1.
inline MethodResult SolveSpencer(const SlicedMass& mass, MomentPoint point,
                                 MethodWorkspace& workspace) {
    return SolveGeneralLimitEquilibrium(mass, InterforceShape::Constant, point, workspace);
}

// Morgenstern-Price's method with f constant or a half-sine.
inline MethodResult SolveMorgensternPrice(const SlicedMass& mass, InterforceShape shape,
                                          MomentPoint point, MethodWorkspace& workspace) {
    return SolveGeneralLimitEquilibrium(mass, shape, point, workspace);
}

// The two curves at one lambda, for plots and checks (NaN where there is no factor). The
// workspace must have been prepared for the mass, point and shape (MethodWorkspace::Prepare).
double ForceFactor(const MethodWorkspace& workspace, double lambda);
double MomentFactor(const MethodWorkspace& workspace, double lambda);

}  // namespace vardolin::section

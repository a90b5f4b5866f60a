// SPDX-License-Identifier: MIT
#pragma once

#include <limits>

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

// Bishop's simplified method on the slices of a circle, in the form its moment about the
// centre takes once divided by the radius:
//   F = sum((c b + (V - u b) tan(phi)) / m_alpha) / sum(V sin(a) + M / R)
// where M is the moment about the centre of everything on the slice but V at its base's middle
// (the earthquake, the loads' offsets, W's offset from the base's middle), 0 for slices taken at
// their middles. F starts at the ordinary factor, sum(c l + (N - u l) tan(phi)) over the same
// divisor with N = V cos(a) - H sin(a), and plain steps go on until one changes it by at most
// kCircleBishopTolerance of it, within kCircleBishopSteps; where they fail from the ordinary
// factor they start again from 1. Every sum runs from the exit to the entry (the last slice to
// the first). These are the operations, in their order, of the critical circle of a simple
// slope, whose factors are worked out here on its slices (LayOutMidpointSlices). Algebraically
// the same factor as SolveBishop about the centre; `radius` is the circle's.
inline constexpr double kCircleBishopTolerance = 1e-12;
inline constexpr int kCircleBishopSteps = 200;

struct CircleFactors {
    // The ordinary factor the steps start from; NaN where nothing drives the mass.
    double ordinary = std::numeric_limits<double>::quiet_NaN();
    // Bishop's: passes counts the steps of both starts, smallestMAlpha is the least of the
    // form's own m_alpha, cos(a) + sin(a) (tan(phi) / F), at the factor, and the flags are
    // NoDrivingForce, NotConverged or SmallMAlpha (below kMinimumMAlpha).
    MethodResult bishop;
};

// Both factors, without the slices' forces: what a search and trials need of each circle. Of
// the workspace it fills only the CentreColumns.
CircleFactors SolveCircleAboutCentre(const SlicedMass& mass, MomentPoint centre, double radius,
                                     MethodWorkspace& workspace);

// Bishop's factor of SolveCircleAboutCentre with the forces as SolveBishop fills them, and
// their doubts.
MethodResult SolveBishopAboutCentre(const SlicedMass& mass, MomentPoint centre, double radius,
                                    MethodWorkspace& workspace);

}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "slope_section/MethodWorkspace.h"

namespace vardolin::section {

// The forces of a method that takes the interslice forces as horizontal (Bishop's, Janbu's) at
// its settled factor: each base's normal force from the slice's vertical equilibrium, the shear
// it mobilises, and no interslice shear. Returns the smallest m_alpha.
inline double SettleHorizontalInterslice(const SliceTerms& t, double factor,
                                         SliceForces& forces) noexcept {
    const double q = 1.0 / factor;
    double smallest = HUGE_VAL;
    for (std::size_t i = 0; i < t.count; ++i) {
        const double mAlpha = t.cosBase[i] + t.sinBase[i] * t.tanFriction[i] * q;
        smallest = std::min(smallest, mAlpha);
        const double normal = (t.vertical[i] - t.sinBase[i] * t.cohesionTerm[i] * q) / mAlpha;
        forces.normal[i] = normal;
        forces.shear[i] = (t.cohesionTerm[i] + normal * t.tanFriction[i]) * q;
        forces.interNormal[i] = 0.0;
        forces.interShear[i] = 0.0;
    }
    return smallest;
}

}  // namespace vardolin::section

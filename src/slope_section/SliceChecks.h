// SPDX-License-Identifier: MIT
#pragma once

#include "slope_section/MethodResult.h"
#include "slope_section/MethodWorkspace.h"

namespace vardolin::section {

// The doubts every method raises on its settled forces: an effective normal force below 0 on a
// base, and the smallest m_alpha (worked out by the method) below kMinimumMAlpha.
inline void CheckSlices(const SliceTerms& terms, const SliceForces& forces,
                        MethodResult& result) noexcept {
    for (std::size_t i = 0; i < terms.count; ++i) {
        if (forces.normal[i] - terms.poreForce[i] < 0.0) {
            result.Raise(MethodFlag::NegativeEffectiveNormal);
            break;
        }
    }
    if (result.smallestMAlpha < kMinimumMAlpha) {
        result.Raise(MethodFlag::SmallMAlpha);
    }
}

}  // namespace vardolin::section

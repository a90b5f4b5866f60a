// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

#include "numerics/Pi.h"

namespace vardolin::section {

// f(x) of the general limit-equilibrium formulation, X = lambda f(x) E: how the interslice
// shear's share of the normal force varies across the mass, from its entry x0 to its exit x1.
enum class InterforceShape : unsigned char {
    Constant,  // f = 1 (Spencer's, and Morgenstern-Price's constant function)
    HalfSine,  // f = sin(pi (x - x0) / (x1 - x0))
};

inline double InterforceShapeAt(InterforceShape shape, double x, double x0, double x1) noexcept {
    if (shape == InterforceShape::Constant) {
        return 1.0;
    }
    return std::sin(kPi * ((x - x0) / (x1 - x0)));
}

}  // namespace vardolin::section

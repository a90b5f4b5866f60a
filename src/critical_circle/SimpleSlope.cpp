// SPDX-License-Identifier: MIT
#include "critical_circle/SimpleSlope.h"

#include <cmath>

#include "numerics/Pi.h"

namespace vardolin::critical {

std::optional<SimpleSlope> SimpleSlope::Make(double height, double faceAngleDegrees) {
    if (!(height > 0.0 && std::isfinite(height) && faceAngleDegrees > 0.0 &&
          faceAngleDegrees <= 90.0)) {
        return std::nullopt;
    }
    // kPi lies a little below pi, so a 90 degree face still has a finite tangent and a crest
    // a hair to the right of the toe.
    const double angle = faceAngleDegrees * kPi / 180.0;
    SimpleSlope slope;
    slope.height_ = height;
    slope.faceTan_ = std::tan(angle);
    slope.faceCos_ = std::cos(angle);
    slope.faceSin_ = std::sin(angle);
    slope.crestX_ = height / slope.faceTan_;
    slope.faceLength_ = height / slope.faceSin_;
    return slope;
}

}  // namespace vardolin::critical

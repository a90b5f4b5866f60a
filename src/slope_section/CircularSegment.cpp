// SPDX-License-Identifier: MIT
#include "slope_section/CircularSegment.h"

#include "numerics/Square.h"

namespace vardolin::section {

CircleSegments::CircleSegments(double centreX, double centreY, double radius) noexcept
    : centreX_(centreX),
      centreY_(centreY),
      radius_(radius),
      perDiameterSquared_(1.0 / (4.0 * Square(radius))),
      perTwelveRadii_(1.0 / (12.0 * radius)) {}

}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
#include "critical_circle/CircleSlices.h"

#include <algorithm>
#include <cmath>

#include "numerics/Square.h"

namespace vardolin::critical {

CircleStatus LayOutSlices(const SimpleSlope& slope, const Circle& circle,
                          const CircleOnSlope& located, int count, CircleSlices& slices) {
    const auto n = static_cast<std::size_t>(std::max(count, 1));
    slices.circle = circle;
    slices.middleX.resize(n);
    slices.height.resize(n);
    slices.sinBase.resize(n);
    slices.cosBase.resize(n);
    slices.baseLength.resize(n);
    const double b = (located.entryX - located.exitX) / static_cast<double>(n);
    slices.width = b;
    if (!(b > 0.0)) {
        return CircleStatus::DegenerateSlice;
    }
    const double radiusSquared = Square(circle.radius);
    for (std::size_t i = 0; i < n; ++i) {
        const double x = located.exitX + (static_cast<double>(i) + 0.5) * b;
        const double dx = x - circle.centreX;
        // The middle lies strictly between the crossings, so only rounding could make this
        // negative.
        const double below = std::sqrt(std::max(radiusSquared - Square(dx), 0.0));
        // Rounding may leave a hair below 0 where the arc touches the ground (a pinch).
        const double h = std::max(slope.GroundLevel(x) - (circle.centreY - below), 0.0);
        const double cosine = below / circle.radius;
        if (!(cosine > 0.0 && std::isfinite(h))) {
            return CircleStatus::DegenerateSlice;
        }
        slices.middleX[i] = x;
        slices.height[i] = h;
        slices.sinBase[i] = dx / circle.radius;
        slices.cosBase[i] = cosine;
        slices.baseLength[i] = b / cosine;
    }
    return CircleStatus::Valid;
}

}  // namespace vardolin::critical

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
    // Locals, not the arguments' members: a store to a slice array might otherwise be taken to
    // change them, and the loop would read them again at every slice.
    const SimpleSlope ground = slope;
    const double exitX = located.exitX;
    const double centreX = circle.centreX;
    const double centreY = circle.centreY;
    const double radius = circle.radius;
    const double radiusSquared = Square(radius);
    double* middleX = slices.middleX.data();
    double* height = slices.height.data();
    double* sinBase = slices.sinBase.data();
    double* cosBase = slices.cosBase.data();
    double* baseLength = slices.baseLength.data();
    for (std::size_t i = 0; i < n; ++i) {
        const double x = exitX + (static_cast<double>(i) + 0.5) * b;
        const double dx = x - centreX;
        // The middle lies strictly between the crossings, so only rounding could make this
        // negative.
        const double below = std::sqrt(std::max(radiusSquared - Square(dx), 0.0));
        // Rounding may leave a hair below 0 where the arc touches the ground (a pinch).
        const double h = std::max(ground.GroundLevel(x) - (centreY - below), 0.0);
        const double cosine = below / radius;
        if (!(cosine > 0.0 && std::isfinite(h))) {
            return CircleStatus::DegenerateSlice;
        }
        middleX[i] = x;
        height[i] = h;
        sinBase[i] = dx / radius;
        cosBase[i] = cosine;
        baseLength[i] = b / cosine;
    }
    return CircleStatus::Valid;
}

}  // namespace vardolin::critical

// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "critical_circle/CircleOnSlope.h"
#include "critical_circle/SimpleSlope.h"

namespace vardolin::critical {

// The geometry of one circle's slices, which no soil value changes: equal widths from the exit
// to the entry, each slice's height and base taken at its middle. The base angle alpha has
// sin(alpha) = (x - centreX) / R, positive where the base rises toward the crest, so the mass
// drives down toward the toe. Kept as one array per quantity, for the loops over the slices.
struct CircleSlices {
    Circle circle;
    double width = 0.0;              // b
    std::vector<double> middleX;     // x of the slice's middle
    std::vector<double> height;      // h: ground above the base at the middle
    std::vector<double> sinBase;     // sin(alpha)
    std::vector<double> cosBase;     // cos(alpha) > 0
    std::vector<double> baseLength;  // l = b / cos(alpha)

    int count() const noexcept { return static_cast<int>(middleX.size()); }
};

// Lays `count` (at least 1) slices under a circle that LocateCircle found valid, into `slices`
// (whose arrays keep their storage from one circle to the next). A slice whose middle lies on
// the circle's horizontal diameter (a vertical base), or whose numbers are not finite, makes
// the circle a DegenerateSlice; Valid otherwise.
CircleStatus LayOutSlices(const SimpleSlope& slope, const Circle& circle,
                          const CircleOnSlope& located, int count, CircleSlices& slices);

}  // namespace vardolin::critical

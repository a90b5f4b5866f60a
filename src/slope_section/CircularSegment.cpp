// SPDX-License-Identifier: MIT
#include "slope_section/CircularSegment.h"

#include <algorithm>
#include <cmath>

#include "numerics/Square.h"

namespace vardolin::section {

namespace {

// theta - sin(theta), for 0 <= theta <= pi.
double AngleLessSine(double theta) noexcept {
    if (theta > 0.5) {
        return theta - std::sin(theta);
    }
    // theta^3/3! - theta^5/5! + ...: the terms left out are below 1e-17 of the sum. Nested,
    // with the reciprocals worked out once by the compiler.
    constexpr double kInverses[] = {1.0 / 210.0, 1.0 / 156.0, 1.0 / 110.0,
                                    1.0 / 72.0,  1.0 / 42.0,  1.0 / 20.0};
    const double t2 = Square(theta);
    double sum = 1.0;
    for (const double inverse : kInverses) {
        sum = 1.0 - t2 * inverse * sum;
    }
    return theta * t2 / 6.0 * sum;
}

}  // namespace

SegmentArea CircularSegment(double centreX, double centreY, double radius, double x0, double y0,
                            double x1, double y1) noexcept {
    SegmentArea segment;
    const double chord = std::sqrt(Square(x1 - x0) + Square(y1 - y0));
    const double theta = 2.0 * std::asin(std::min(chord / (2.0 * radius), 1.0));
    segment.area = Square(radius) / 2.0 * AngleLessSine(theta);
    const double towardX = (x0 + x1) / 2.0 - centreX;
    const double towardY = (y0 + y1) / 2.0 - centreY;
    const double toChord = std::sqrt(Square(towardX) + Square(towardY));
    if (!(segment.area > 0.0)) {
        segment.centroidX = centreX + towardX;
        segment.centroidY = centreY + towardY;
        return segment;
    }
    if (!(toChord > 0.0)) {
        segment.centroidX = centreX;  // a diameter: the lower half
        segment.centroidY = centreY - chord * Square(chord) / (12.0 * segment.area);
        return segment;
    }
    // c^3 / (12 S) along the unit vector toward the chord's middle, in one division.
    const double along = chord * Square(chord) / (12.0 * segment.area * toChord);
    segment.centroidX = centreX + along * towardX;
    segment.centroidY = centreY + along * towardY;
    return segment;
}

}  // namespace vardolin::section

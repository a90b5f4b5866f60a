// SPDX-License-Identifier: MIT
#pragma once

namespace vardolin::section {

struct SegmentArea {
    double area = 0.0;
    double momentX = 0.0;  // the first moments about the origin: area times the centroid's x
    double momentY = 0.0;
};

// The circular segment between the chord from (x0, y0) to (x1, y1), two points of the circle,
// and the circle's minor arc between them. For the chord c at the distance d from the centre,
// and h = c / 2R: S = R^2 (asin h - h sqrt(1 - h^2)), and the first moment about the centre is
// c^3 / 12 toward the chord's middle, whatever the radius. A thin segment takes S from its
// series in h^2, S = c^3 / 12R (1 + 3/10 h^2 + 9/56 h^4 + ...), rather than from the
// difference, which would lose the digits of a thin slice's segment; a thick one takes asin h
// as the one atan2(c / 2, d).
SegmentArea CircularSegment(double centreX, double centreY, double radius, double x0, double y0,
                            double x1, double y1) noexcept;

}  // namespace vardolin::section

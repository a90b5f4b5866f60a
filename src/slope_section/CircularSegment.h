// SPDX-License-Identifier: MIT
#pragma once

namespace vardolin::section {

struct SegmentArea {
    double area = 0.0;
    double momentX = 0.0;  // the first moments about the origin: area times the centroid's x
    double momentY = 0.0;
};

// The circular segments of one circle: each between a chord from (x0, y0) to (x1, y1), two
// points of the circle's lower half with x0 < x1, and the arc below it.
//
// For the chord c, h = c / 2R and d the chord's distance from the centre: S = R^2 (asin h -
// h sqrt(1 - h^2)), and the first moment about the centre is c^3 / 12 along the chord's normal
// away from the centre, (y1 - y0, x0 - x1) c^2 / 12, whatever the radius. A thin segment takes
// S from its series in h^2, S = c^3 / 12R (1 + 3/10 h^2 + 9/56 h^4 + ...), rather than from the
// difference, which would lose the digits of a thin slice's segment; a thick one takes asin h
// as the one atan2(c / 2, d).
class CircleSegments {
public:
    CircleSegments(double centreX, double centreY, double radius) noexcept;

    SegmentArea Under(double x0, double y0, double x1, double y1) const noexcept;

private:
    double centreX_;
    double centreY_;
    double radius_;
    double perDiameterSquared_;  // 1 / 4R^2
    double perTwelveRadii_;      // 1 / 12R
};

}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
#pragma once

namespace vardolin::section {

struct SegmentArea {
    double area = 0.0;
    double centroidX = 0.0;
    double centroidY = 0.0;
};

// The circular segment between the chord from (x0, y0) to (x1, y1), two points of the circle,
// and the circle's minor arc between them: S = R^2 (theta - sin theta) / 2 for the angle theta
// the chord subtends, its centroid c^3 / (12 S) from the centre toward the chord's middle for a
// chord of length c. For a small angle theta - sin theta comes from its series, not from the
// difference, which would lose the digits of a thin slice's segment.
SegmentArea CircularSegment(double centreX, double centreY, double radius, double x0, double y0,
                            double x1, double y1) noexcept;

}  // namespace vardolin::section

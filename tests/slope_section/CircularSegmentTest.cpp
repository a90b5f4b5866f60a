// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "slope_section/CircularSegment.h"

namespace vardolin::section {
namespace {

const double kPiExact = std::acos(-1.0);

// The area under a chord and above the lower arc, and its centroid, summed over fine strips.
SegmentArea Strips(double cx, double cy, double r, double x0, double x1) {
    const int n = 200000;
    const double w = (x1 - x0) / n;
    const double y0 = cy - std::sqrt(r * r - (x0 - cx) * (x0 - cx));
    const double y1 = cy - std::sqrt(r * r - (x1 - cx) * (x1 - cx));
    double area = 0.0, mx = 0.0, my = 0.0;
    for (int i = 0; i < n; ++i) {
        const double x = x0 + (i + 0.5) * w;
        const double chord = y0 + (y1 - y0) * (x - x0) / (x1 - x0);
        const double arc = cy - std::sqrt(r * r - (x - cx) * (x - cx));
        const double t = chord - arc;
        area += t * w;
        mx += x * t * w;
        my += (chord + arc) / 2.0 * t * w;
    }
    return {area, mx / area, my / area};
}

TEST(CircularSegment, HalfDiscHasItsClosedForm) {
    const SegmentArea half = CircularSegment(3.0, 4.0, 2.0, 1.0, 4.0, 5.0, 4.0);
    EXPECT_NEAR(half.area, kPiExact * 2.0, 1e-14);
    EXPECT_NEAR(half.centroidX, 3.0, 1e-14);
    EXPECT_NEAR(half.centroidY, 4.0 - 4.0 * 2.0 / (3.0 * kPiExact), 1e-14);
}

TEST(CircularSegment, MatchesFineStripsFromThickToThin) {
    // Chords under a circle (120, 90) R 80, from a third of the arc to a sliver of a slice,
    // the thin ones on the series side of the computation.
    for (const auto& [x0, x1] :
         {std::pair{50.0, 150.0}, {100.0, 130.0}, {45.838, 60.0}, {150.0, 150.5}, {70.0, 70.01}}) {
        const double y0 = 90.0 - std::sqrt(6400.0 - (x0 - 120.0) * (x0 - 120.0));
        const double y1 = 90.0 - std::sqrt(6400.0 - (x1 - 120.0) * (x1 - 120.0));
        const SegmentArea segment = CircularSegment(120.0, 90.0, 80.0, x0, y0, x1, y1);
        const SegmentArea strips = Strips(120.0, 90.0, 80.0, x0, x1);
        EXPECT_NEAR(segment.area / strips.area, 1.0, 1e-8) << x0 << " " << x1;
        EXPECT_NEAR(segment.centroidX, strips.centroidX, 1e-6 * (x1 - x0)) << x0;
        EXPECT_NEAR(segment.centroidY, strips.centroidY, 1e-6 * (x1 - x0)) << x0;
        // The segment of a chord half as wide is an eighth as large, near enough.
        EXPECT_GT(segment.area, 0.0);
    }
}

}  // namespace
}  // namespace vardolin::section

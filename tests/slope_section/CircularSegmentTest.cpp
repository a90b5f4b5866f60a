// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "TestSupport.h"
#include "slope_section/CircularSegment.h"

namespace vardolin::section {
namespace {

using testing_support::RowName;

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
    return {area, mx / area, my / area};  // the centroid in the moments' place
}

TEST(CircularSegment, HalfDiscHasItsClosedForm) {
    const SegmentArea half = CircleSegments(3.0, 4.0, 2.0).Under(1.0, 4.0, 5.0, 4.0);
    EXPECT_NEAR(half.area, kPiExact * 2.0, 1e-14);
    EXPECT_NEAR(half.momentX / half.area, 3.0, 1e-14);
    EXPECT_NEAR(half.momentY / half.area, 4.0 - 4.0 * 2.0 / (3.0 * kPiExact), 1e-14);
}

TEST(CircularSegment, MatchesFineStripsFromThickToThin) {
    // Chords under a circle (120, 90) R 80, from a third of the arc to a sliver of a slice,
    // the thin ones on the series side of the computation.
    for (const auto& [x0, x1] :
         {std::pair{50.0, 150.0}, {100.0, 130.0}, {45.838, 60.0}, {150.0, 150.5}, {70.0, 70.01}}) {
        const double y0 = 90.0 - std::sqrt(6400.0 - (x0 - 120.0) * (x0 - 120.0));
        const double y1 = 90.0 - std::sqrt(6400.0 - (x1 - 120.0) * (x1 - 120.0));
        const SegmentArea segment = CircleSegments(120.0, 90.0, 80.0).Under(x0, y0, x1, y1);
        const SegmentArea strips = Strips(120.0, 90.0, 80.0, x0, x1);
        EXPECT_NEAR(segment.area / strips.area, 1.0, 1e-8) << x0 << " " << x1;
        EXPECT_NEAR(segment.momentX / segment.area, strips.momentX, 1e-6 * (x1 - x0)) << x0;
        EXPECT_NEAR(segment.momentY / segment.area, strips.momentY, 1e-6 * (x1 - x0)) << x0;
        // The segment of a chord half as wide is an eighth as large, near enough.
        EXPECT_GT(segment.area, 0.0);
    }
}

// A chord whose ends and circle are exact in doubles: for whole m > n, the circle about the
// origin of radius m^2 + n^2 through (+-2mn, -(m^2 - n^2)).
struct ChordRow {
    const char* name;
    double m;
    double n;

    friend void PrintTo(const ChordRow& row, std::ostream* os) { *os << row.name; }
};

// asin h - h sqrt(1 - h^2) in long double: by its closed form where the difference loses less
// than three of its digits, else by the integral of 2 t^2 / sqrt(1 - t^2) from 0 to h, its
// binomial series, summed until the terms no longer count.
long double ReferenceArea(long double h) {
    if (h >= 0.05L) {
        return std::asin(h) - h * std::sqrt(1.0L - h * h);
    }
    long double sum = 0.0L;
    long double binomial = 1.0L;  // C(2n, n) / 4^n
    long double power = h * h * h;
    for (int n = 0; n < 40; ++n) {
        sum += 2.0L * binomial * power / (2 * n + 3);
        binomial *= (2.0L * n + 1.0L) / (2.0L * n + 2.0L);
        power *= h * h;
    }
    return sum;
}

class SegmentPrecisionRows : public testing::TestWithParam<ChordRow> {};

TEST_P(SegmentPrecisionRows, KeepsItsDigitsOnEitherSideOfEachWayOfWorkingItOut) {
    const double m = GetParam().m;
    const double n = GetParam().n;
    const double radius = m * m + n * n;
    const double half = 2.0 * m * n;
    const double depth = m * m - n * n;
    const SegmentArea segment = CircleSegments(0.0, 0.0, radius).Under(-half, -depth, half, -depth);
    const long double r = radius;
    const long double area = r * r * ReferenceArea(half / r);
    EXPECT_NEAR(segment.area / static_cast<double>(area), 1.0, 2e-15);
    // The centroid lies c^3 / 12 S below the centre.
    const long double drop = 8.0L * half * half * half / (12.0L * area);
    EXPECT_EQ(segment.momentX, 0.0);
    EXPECT_NEAR(-segment.momentY / segment.area / static_cast<double>(drop), 1.0, 2e-15);
}

// h = c / 2R either side of where the series takes more terms (h^2 = 1e-4, 4e-3) and of where
// the atan2 takes over (h = 1/4).
INSTANTIATE_TEST_SUITE_P(
    Chords, SegmentPrecisionRows,
    testing::Values(ChordRow{"Sliver", 1e6, 1}, ChordRow{"ThinUnderFirstLimit", 200, 1},
                    ChordRow{"ThinOverFirstLimit", 199, 1}, ChordRow{"UnderSecondLimit", 32, 1},
                    ChordRow{"OverSecondLimit", 31, 1}, ChordRow{"UnderTheSeriesLimit", 63, 8},
                    ChordRow{"OverTheSeriesLimit", 31, 4}, ChordRow{"Thick", 2, 1},
                    ChordRow{"NearlyADiameter", 10, 9}),
    RowName{});

}  // namespace
}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <cstddef>
#include <iterator>

#include "numerics/Square.h"

namespace vardolin::section {

namespace segment_detail {

// S / (c^3 / 12R) = 3 (asin h - h sqrt(1 - h^2)) / 2h^3 = sum of 3 a_n / (2n + 3) (h^2)^n,
// a_n = C(2n, n) / 4^n.
inline constexpr double kSeries[] = {1.0,
                                     3.0 / 10.0,
                                     9.0 / 56.0,
                                     5.0 / 48.0,
                                     105.0 / 1408.0,
                                     189.0 / 3328.0,
                                     231.0 / 5120.0,
                                     1287.0 / 34816.0,
                                     19305.0 / 622592.0,
                                     12155.0 / 458752.0,
                                     138567.0 / 6029312.0,
                                     264537.0 / 13107200.0,
                                     676039.0 / 37748736.0};

// Up to h = 1/4 (a chord of half the radius) the series; beyond, the difference loses under two
// digits.
inline constexpr double kSeriesLimit = 1.0 / 16.0;

// The series' sum for 0 <= hh <= kSeriesLimit, with as many terms as leave out less than
// 2^-56 of it: 7 up to 4e-3, which holds every slice but the widest, all 13 beyond. Horner's
// rule in pairs of terms, for a shorter chain of waiting.
inline double SeriesSum(double hh) noexcept {
    static_assert(std::size(kSeries) % 2 == 1, "the pairs end on the first term alone");
    const std::size_t terms = hh <= 4e-3 ? 7 : std::size(kSeries);
    const double hh2 = hh * hh;
    double sum = kSeries[terms - 1];
    for (std::size_t i = terms - 1; i >= 2; i -= 2) {
        sum = (kSeries[i - 2] + hh * kSeries[i - 1]) + hh2 * sum;
    }
    return sum;
}

}  // namespace segment_detail

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

// Inline: it runs for every slice under an arc.
inline SegmentArea CircleSegments::Under(double x0, double y0, double x1,
                                         double y1) const noexcept {
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double chordSquared = Square(dx) + Square(dy);
    const double hh = chordSquared * perDiameterSquared_;
    SegmentArea segment;
    if (hh <= segment_detail::kSeriesLimit) {
        const double chord = std::sqrt(chordSquared);
        segment.area = chord * chordSquared * perTwelveRadii_ * segment_detail::SeriesSum(hh);
    } else {
        const double half = std::sqrt(chordSquared) / 2.0;
        const double toChord =
            std::sqrt(Square((x0 + x1) / 2.0 - centreX_) + Square((y0 + y1) / 2.0 - centreY_));
        segment.area = Square(radius_) * std::atan2(half, toChord) - half * toChord;
    }
    constexpr double kTwelfth = 1.0 / 12.0;
    const double twelfth = chordSquared * kTwelfth;
    segment.momentX = segment.area * centreX_ + twelfth * dy;
    segment.momentY = segment.area * centreY_ - twelfth * dx;
    return segment;
}

}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
#include "slope_section/CircularSegment.h"

#include <cmath>
#include <cstddef>
#include <iterator>

#include "numerics/Square.h"

namespace vardolin::section {

namespace {

// S / (c^3 / 12R) = 3 (asin h - h sqrt(1 - h^2)) / 2h^3 = sum of 3 a_n / (2n + 3) (h^2)^n,
// a_n = C(2n, n) / 4^n.
constexpr double kSeries[] = {1.0,
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
constexpr double kSeriesLimit = 1.0 / 16.0;

// The series' sum for 0 <= hh <= kSeriesLimit, with as many terms as leave out less than
// 2^-56 of it: 7 up to 4e-3, which holds every slice but the widest, all 13 beyond. Horner's
// rule in pairs of terms, for a shorter chain of waiting.
double SeriesSum(double hh) noexcept {
    static_assert(std::size(kSeries) % 2 == 1, "the pairs end on the first term alone");
    const std::size_t terms = hh <= 4e-3 ? 7 : std::size(kSeries);
    const double hh2 = hh * hh;
    double sum = kSeries[terms - 1];
    for (std::size_t i = terms - 1; i >= 2; i -= 2) {
        sum = (kSeries[i - 2] + hh * kSeries[i - 1]) + hh2 * sum;
    }
    return sum;
}

}  // namespace

CircleSegments::CircleSegments(double centreX, double centreY, double radius) noexcept
    : centreX_(centreX),
      centreY_(centreY),
      radius_(radius),
      perDiameterSquared_(1.0 / (4.0 * Square(radius))),
      perTwelveRadii_(1.0 / (12.0 * radius)) {}

SegmentArea CircleSegments::Under(double x0, double y0, double x1, double y1) const noexcept {
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double chordSquared = Square(dx) + Square(dy);
    const double hh = chordSquared * perDiameterSquared_;
    SegmentArea segment;
    if (hh <= kSeriesLimit) {
        const double chord = std::sqrt(chordSquared);
        segment.area = chord * chordSquared * perTwelveRadii_ * SeriesSum(hh);
    } else {
        const double half = std::sqrt(chordSquared) / 2.0;
        const double toChord =
            std::sqrt(Square((x0 + x1) / 2.0 - centreX_) + Square((y0 + y1) / 2.0 - centreY_));
        segment.area = Square(radius_) * std::atan2(half, toChord) - half * toChord;
    }
    const double twelfth = chordSquared / 12.0;
    segment.momentX = segment.area * centreX_ + twelfth * dy;
    segment.momentY = segment.area * centreY_ - twelfth * dx;
    return segment;
}

}  // namespace vardolin::section

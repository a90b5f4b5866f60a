// SPDX-License-Identifier: MIT
#include "critical_circle/CircleOnSlope.h"

#include <array>
#include <cmath>
#include <utility>

#include "numerics/Square.h"

namespace vardolin::critical {

namespace {

constexpr double kPinchShare = 1e-9;

// Up to two crossings with each of the three pieces of the ground, and the toe and the crest.
class Breakpoints {
public:
    void Add(double x) noexcept { points_[count_++] = x; }

    // The crossings of the circle with the line through `origin` along the unit `direction`,
    // at distances s from it with low <= s <= high.
    void AddCrossings(double originX, double originY, double directionX, double directionY,
                      double low, double high, const Circle& circle) noexcept {
        const double dx = circle.centreX - originX;
        const double dy = circle.centreY - originY;
        const double along = dx * directionX + dy * directionY;
        const double discriminant =
            Square(along) - ((Square(dx) + Square(dy)) - Square(circle.radius));
        if (!(discriminant > 0.0)) {
            return;  // no crossing, or a touch that encloses nothing
        }
        const double half = std::sqrt(discriminant);
        for (const double s : {along - half, along + half}) {
            if (s >= low && s <= high) {
                Add(originX + s * directionX);
            }
        }
    }

    std::size_t count() const noexcept { return count_; }
    double operator[](std::size_t i) const noexcept { return points_[i]; }
    // Insertion: at most eight points, most of them in order already.
    void Sort() noexcept {
        for (std::size_t i = 1; i < count_; ++i) {
            for (std::size_t j = i; j > 0 && points_[j] < points_[j - 1]; --j) {
                std::swap(points_[j], points_[j - 1]);
            }
        }
    }

private:
    std::array<double, 8> points_{};
    std::size_t count_ = 0;
};

bool Inside(const SimpleSlope& slope, const Circle& circle, double x) noexcept {
    return Square(x - circle.centreX) + Square(slope.GroundLevel(x) - circle.centreY) <
           Square(circle.radius);
}

}  // namespace

CircleOnSlope LocateCircle(const SimpleSlope& slope, const Circle& circle) noexcept {
    CircleOnSlope located;
    if (!(std::isfinite(circle.centreX) && std::isfinite(circle.centreY) &&
          std::isfinite(circle.radius) && circle.radius > 0.0)) {
        return located;
    }
    constexpr double kFar = HUGE_VAL;
    Breakpoints points;
    points.Add(0.0);
    points.Add(slope.crestX());
    points.AddCrossings(0.0, 0.0, -1.0, 0.0, 0.0, kFar, circle);  // level ground beyond the toe
    points.AddCrossings(0.0, 0.0, slope.faceCos(), slope.faceSin(), 0.0, slope.faceLength(),
                        circle);
    points.AddCrossings(slope.crestX(), slope.height(), 1.0, 0.0, 0.0, kFar, circle);
    points.Sort();

    // Beyond the outermost breakpoints the ground lies outside the circle.
    int masses = 0;
    double exitX = 0.0;
    double entryX = 0.0;
    const double pinch = circle.radius * kPinchShare;
    for (std::size_t i = 0; i + 1 < points.count(); ++i) {
        const double from = points[i];
        const double to = points[i + 1];
        if (!(from < to)) {
            continue;
        }
        if (Inside(slope, circle, (from + to) / 2.0)) {
            if (masses == 0 || from - entryX > pinch) {
                masses += 1;
                exitX = from;
            }
            entryX = to;
        }
    }
    if (masses == 0) {
        located.status = CircleStatus::MissesGround;
        return located;
    }
    if (masses > 1) {
        located.status = CircleStatus::SeveralMasses;
        return located;
    }
    located.exitX = exitX;
    located.exitY = slope.GroundLevel(exitX);
    located.entryX = entryX;
    located.entryY = slope.GroundLevel(entryX);
    if (!(located.exitY <= circle.centreY && located.entryY <= circle.centreY)) {
        located.status = CircleStatus::OverhangingEnd;
    } else if (!(exitX < slope.crestX() && entryX > 0.0)) {
        located.status = CircleStatus::MissesFace;
    } else {
        located.status = CircleStatus::Valid;
    }
    return located;
}

}  // namespace vardolin::critical

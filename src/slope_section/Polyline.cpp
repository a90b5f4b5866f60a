// SPDX-License-Identifier: MIT
#include "slope_section/Polyline.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "numerics/Square.h"

namespace vardolin::section {

namespace {

std::vector<double> GradientsThrough(const std::vector<SectionPoint>& points) {
    std::vector<double> gradients;
    for (std::size_t i = 1; i < points.size(); ++i) {
        gradients.push_back((points[i].y - points[i - 1].y) / (points[i].x - points[i - 1].x));
    }
    return gradients;
}

}  // namespace

Polyline::Polyline(const std::vector<SectionPoint>& points)
    : Polyline(points, GradientsThrough(points)) {}

Polyline::Polyline(const std::vector<SectionPoint>& points, const std::vector<double>& gradients) {
    if (points.empty() || gradients.size() + 1 != points.size()) {
        throw std::invalid_argument("A line needs its points and one gradient fewer.");
    }
    for (const SectionPoint& point : points) {
        xs_.push_back(point.x);
        ys_.push_back(point.y);
    }
    pieces_.push_back({points.front().x, points.front().y, 0.0});
    for (std::size_t i = 1; i < points.size(); ++i) {
        pieces_.push_back({points[i - 1].x, points[i - 1].y, gradients[i - 1]});
    }
    pieces_.push_back({points.back().x, points.back().y, 0.0});
}

Polyline Polyline::Mirrored() const {
    Polyline mirror;
    mirror.mirrored_ = !mirrored_;
    for (std::size_t i = xs_.size(); i-- > 0;) {
        mirror.xs_.push_back(-xs_[i]);
        mirror.ys_.push_back(ys_[i]);
    }
    for (std::size_t i = pieces_.size(); i-- > 0;) {
        const LinePiece& piece = pieces_[i];
        mirror.pieces_.push_back({-piece.anchorX, piece.anchorY, -piece.gradient});
    }
    return mirror;
}

Polyline Polyline::Lowered(double depth) const {
    Polyline lowered = *this;
    for (double& y : lowered.ys_) {
        y -= depth;
    }
    for (LinePiece& piece : lowered.pieces_) {
        piece.anchorY -= depth;
    }
    return lowered;
}

void Polyline::AppendPointsBetween(double low, double high, std::vector<double>& xs) const {
    for (const double x : xs_) {
        if (x > low && x < high) {
            xs.push_back(x);
        }
    }
}

void Polyline::AppendCrossings(const LinePiece& other, double low, double high,
                               std::vector<double>& xs) const {
    // Both are straight between this line's points, so a crossing lies where the difference
    // changes sign between two of them.
    double from = low;
    double before = Level(low) - other.Level(low);
    auto step = [&](double to) {
        const double after = Level(to) - other.Level(to);
        if ((before < 0.0 && after > 0.0) || (before > 0.0 && after < 0.0)) {
            const double x = from + (to - from) * (before / (before - after));
            xs.push_back(std::clamp(x, from, to));
        }
        from = to;
        before = after;
    };
    for (const double x : xs_) {
        if (x > low && x < high) {
            step(x);
        }
    }
    step(high);
}

void Polyline::AppendCircleCrossings(double centreX, double centreY, double radius, double low,
                                     double high, std::vector<double>& xs) const {
    const std::size_t first = PieceIndexAt(low);
    const std::size_t last = PieceIndexAt(high);
    for (std::size_t i = first; i <= last && i < pieces_.size(); ++i) {
        const double from = i == 0 ? low : std::max(low, xs_[i - 1]);
        const double to = i == xs_.size() ? high : std::min(high, xs_[i]);
        AppendLineCircleCrossings(pieces_[i], centreX, centreY, radius, from, to, xs);
    }
}

void AppendLineCircleCrossings(const LinePiece& line, double centreX, double centreY, double radius,
                               double low, double high, std::vector<double>& xs) {
    // With t = x - anchorX: (1 + g^2) t^2 + 2 (dx + g dy) t + (dx^2 + dy^2 - R^2) = 0.
    const double g = line.gradient;
    const double dx = line.anchorX - centreX;
    const double dy = line.anchorY - centreY;
    const double a = 1.0 + Square(g);
    const double halfB = dx + g * dy;
    const double c = (Square(dx) + Square(dy)) - Square(radius);
    const double discriminant = Square(halfB) - a * c;
    if (!(discriminant > 0.0)) {
        return;  // no crossing, or a touch that encloses nothing
    }
    // The root of the larger size first, the other from the product of the roots, so that
    // neither loses its digits to a difference (q is not 0: the discriminant is above 0).
    const double q = -(halfB + std::copysign(std::sqrt(discriminant), halfB));
    const double roots[2] = {q / a, c / q};
    for (const double t : roots) {
        const double x = line.anchorX + t;
        if (x >= low && x <= high && line.Level(x) <= centreY) {
            xs.push_back(x);
        }
    }
}

}  // namespace vardolin::section

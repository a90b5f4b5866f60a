// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "slope_section/SectionModel.h"

namespace vardolin::section {

// A straight piece of a line: y = anchorY + (x - anchorX) * gradient.
struct LinePiece {
    double anchorX = 0.0;
    double anchorY = 0.0;
    double gradient = 0.0;

    double Level(double x) const noexcept { return anchorY + (x - anchorX) * gradient; }
};

// A line of the section: points with x increasing, level beyond the first and the last. It
// has one piece more than points: piece 0 the level ground left of the first point, piece i
// from point i-1 to point i, and the last piece level right of the last point.
//
// Each piece is anchored at its left point as given, and Mirrored() keeps the anchors, so the
// mirror of a line gives at -x the very level, to the bit, that the line gives at x: a slicing
// done in the mirrored frame reads the heights of the section as drawn.
class Polyline {
public:
    Polyline() = default;

    // Through the points (at least one, x strictly increasing), each piece's gradient worked
    // out from its ends.
    explicit Polyline(const std::vector<SectionPoint>& points);
    // With the gradients of the pieces between the points given, one fewer than the points:
    // a face known by its angle keeps that angle's tangent rather than one worked out again
    // from its rounded ends.
    Polyline(const std::vector<SectionPoint>& points, const std::vector<double>& gradients);

    // x -> -x. The points come out with x increasing again.
    Polyline Mirrored() const;
    // The line moved down by `depth` (up for a negative one).
    Polyline Lowered(double depth) const;

    bool empty() const noexcept { return xs_.empty(); }
    std::size_t pointCount() const noexcept { return xs_.size(); }
    double pointX(std::size_t i) const noexcept { return xs_[i]; }
    double pointY(std::size_t i) const noexcept { return ys_[i]; }

    // The piece that holds x. A point itself belongs to the piece on its right, in a mirrored
    // line to the piece on its left (the one on its right as drawn).
    std::size_t PieceIndexAt(double x) const noexcept {
        const auto at = mirrored_ ? std::lower_bound(xs_.begin(), xs_.end(), x)
                                  : std::upper_bound(xs_.begin(), xs_.end(), x);
        return static_cast<std::size_t>(at - xs_.begin());
    }
    // The same, looked for from piece `from` on, which must not lie right of it: for points
    // taken left to right, each search starting at the last one's piece.
    std::size_t PieceIndexFrom(std::size_t from, double x) const noexcept {
        std::size_t index = from;
        if (mirrored_) {
            while (index < xs_.size() && xs_[index] < x) {
                ++index;
            }
        } else {
            while (index < xs_.size() && xs_[index] <= x) {
                ++index;
            }
        }
        return index;
    }
    const LinePiece& piece(std::size_t index) const noexcept { return pieces_[index]; }
    const LinePiece& PieceAt(double x) const noexcept { return pieces_[PieceIndexAt(x)]; }
    double Level(double x) const noexcept { return PieceAt(x).Level(x); }

    // Appends the x of the points strictly between low and high.
    void AppendPointsBetween(double low, double high, std::vector<double>& xs) const;
    // Appends the x strictly between low and high where this line crosses the straight line
    // `other` (from one side to the other; a touch crosses nothing).
    void AppendCrossings(const LinePiece& other, double low, double high,
                         std::vector<double>& xs) const;
    // Appends the x between low and high where this line crosses the lower half of the circle
    // (y at or below the centre's); a tangent touch crosses nothing.
    void AppendCircleCrossings(double centreX, double centreY, double radius, double low,
                               double high, std::vector<double>& xs) const;

private:
    std::vector<double> xs_;
    std::vector<double> ys_;
    std::vector<LinePiece> pieces_;  // xs_.size() + 1 of them
    bool mirrored_ = false;
};

// The x (up to two) where the straight line `line` crosses the circle, appended if they lie
// between low and high and on its lower half.
void AppendLineCircleCrossings(const LinePiece& line, double centreX, double centreY, double radius,
                               double low, double high, std::vector<double>& xs);

}  // namespace vardolin::section

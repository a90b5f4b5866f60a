// SPDX-License-Identifier: MIT
#include "slope_section/SectionSlicer.h"

#include <algorithm>
#include <cmath>

#include "numerics/Square.h"
#include "slope_section/CircularSegment.h"
#include "slope_section/SliceCount.h"

namespace vardolin::section {

namespace {

constexpr double kMergeShare = 1e-9;
constexpr double kSixth = 1.0 / 6.0;

// The unit weights times the soils' thicknesses, summed down a slice at its sides and middle
// (thick) and likewise times the sums of the soils' top and bottom levels (level): the slice's
// weight and its first moments follow from one Simpson's rule over the sums, exact, the
// integrands being at most quadratic.
struct Stack {
    double thickA = 0.0, thickM = 0.0, thickB = 0.0;
    double levelA = 0.0, levelM = 0.0, levelB = 0.0;

    void Add(double unitWeight, double upperA, double upperM, double upperB, double lowerA,
             double lowerM, double lowerB) noexcept {
        const double tA = unitWeight * (upperA - lowerA);
        const double tM = unitWeight * (upperM - lowerM);
        const double tB = unitWeight * (upperB - lowerB);
        thickA += tA;
        thickM += tM;
        thickB += tB;
        levelA += tA * (upperA + lowerA);
        levelM += tM * (upperM + lowerM);
        levelB += tB * (upperB + lowerB);
    }
};

}  // namespace

SectionSlicer::SectionSlicer(const PreparedSection& section) : section_(section) {}

void SectionSlicer::EnterFrame(bool mirrored) {
    frame_ = &section_.frame(mirrored);
    left_ = mirrored ? -located_.entryX : located_.entryX;
    right_ = mirrored ? -located_.exitX : located_.exitX;
    crackHeight_ = 0.0;
    crackFootY_ = 0.0;
    pieces_.clear();
}

double SectionSlicer::SurfaceLevel(const SurfacePiece& piece, double x) const noexcept {
    if (piece.arc) {
        return centreY_ - std::sqrt(std::max(Square(radius_) - Square(x - centreX_), 0.0));
    }
    return piece.line.Level(x);
}

SurfaceStatus SectionSlicer::SliceCircle(const CircleSurface& circle, int count, SlicedMass& mass) {
    located_ = LocateCircle(section_, circle, points_);
    if (located_.status != SurfaceStatus::Valid) {
        return located_.status;
    }
    EnterFrame(located_.mirrored);
    centreX_ = located_.mirrored ? -circle.centreX : circle.centreX;
    centreY_ = circle.centreY;
    radius_ = circle.radius;
    pieces_.push_back({left_, right_, true, {}});
    if (circle.composite) {
        if (const SurfaceStatus status = FollowImpenetrable(); status != SurfaceStatus::Valid) {
            return status;
        }
    }
    return Cut(count, mass);
}

SurfaceStatus SectionSlicer::SlicePolyline(const std::vector<SectionPoint>& surface, int count,
                                           SlicedMass& mass) {
    located_ = LocatePolyline(section_, surface);
    if (located_.status != SurfaceStatus::Valid) {
        return located_.status;
    }
    EnterFrame(located_.mirrored);
    const Polyline drawn(surface);
    const Polyline line = located_.mirrored ? drawn.Mirrored() : drawn;
    for (std::size_t i = 1; i < line.pointCount(); ++i) {
        const double from = std::max(left_, line.pointX(i - 1));
        const double to = std::min(right_, line.pointX(i));
        if (from < to) {
            pieces_.push_back({from, to, false, line.piece(i)});
        }
    }
    return Cut(count, mass);
}

SurfaceStatus SectionSlicer::FollowImpenetrable() {
    const FramedSection& frame = *frame_;
    const std::vector<SoilStrength>& soils = section_.soils();
    const std::size_t layers = frame.boundaries.size();
    points_.assign({left_, right_});
    for (std::size_t k = 1; k < layers; ++k) {
        frame.boundaries[k].AppendPointsBetween(left_, right_, points_);
        frame.boundaries[k].AppendCircleCrossings(centreX_, centreY_, radius_, left_, right_,
                                                  points_);
    }
    std::sort(points_.begin(), points_.end());
    pieces_.clear();
    for (std::size_t i = 0; i + 1 < points_.size(); ++i) {
        const double from = points_[i];
        const double to = points_[i + 1];
        if (!(from < to)) {
            continue;
        }
        const double middle = (from + to) / 2.0;
        const double arcY =
            centreY_ - std::sqrt(std::max(Square(radius_) - Square(middle - centreX_), 0.0));
        // The deepest boundary above the arc; its soil is the one the arc runs in.
        std::size_t k = layers;
        while (k > 0 && !(frame.boundaries[k - 1].Level(middle) > arcY)) {
            --k;
        }
        if (k == 0 || !soils[frame.layerSoils[k - 1]].impenetrable) {
            if (!pieces_.empty() && pieces_.back().arc) {
                pieces_.back().to = to;
            } else {
                pieces_.push_back({from, to, true, {}});
            }
            continue;
        }
        // Up to the top of the impenetrable soils stacked there.
        std::size_t top = k - 1;
        while (top > 0 && soils[frame.layerSoils[top - 1]].impenetrable) {
            --top;
        }
        if (top == 0) {
            return SurfaceStatus::EntersImpenetrable;  // it crops out: no mass above it
        }
        pieces_.push_back({from, to, false, frame.boundaries[top].PieceAt(middle)});
    }
    return pieces_.empty() ? SurfaceStatus::DegenerateSlice : SurfaceStatus::Valid;
}

SurfaceStatus SectionSlicer::OpenCrack() {
    const Polyline& crackLine = frame_->crackLine;
    std::size_t first = 0;
    double at = 0.0;
    for (; first < pieces_.size(); ++first) {
        const SurfacePiece& piece = pieces_[first];
        points_.clear();
        if (piece.arc) {
            crackLine.AppendCircleCrossings(centreX_, centreY_, radius_, piece.from, piece.to,
                                            points_);
        } else {
            crackLine.AppendCrossings(piece.line, piece.from, piece.to, points_);
        }
        if (!points_.empty()) {
            at = *std::min_element(points_.begin(), points_.end());
            break;
        }
    }
    if (first == pieces_.size() || !(at > left_ && at < right_)) {
        return SurfaceStatus::ShallowerThanCrack;
    }
    pieces_.erase(pieces_.begin(), pieces_.begin() + static_cast<std::ptrdiff_t>(first));
    pieces_.front().from = at;
    left_ = at;
    crackFootY_ = SurfaceLevel(pieces_.front(), at);
    crackHeight_ = frame_->ground().Level(at) - crackFootY_;
    return SurfaceStatus::Valid;
}

SurfaceStatus SectionSlicer::Cut(int count, SlicedMass& mass) {
    if (section_.crack()) {
        if (const SurfaceStatus status = OpenCrack(); status != SurfaceStatus::Valid) {
            return status;
        }
    }
    const FramedSection& frame = *frame_;
    const std::vector<SoilStrength>& soils = section_.soils();
    const std::size_t layers = frame.boundaries.size();
    const Polyline& ground = frame.ground();
    const Polyline& piezometric = frame.piezometricLine;
    const bool piezometricLine = !piezometric.empty();

    // The boundaries that must be.
    points_.clear();
    for (const Polyline& boundary : frame.boundaries) {
        boundary.AppendPointsBetween(left_, right_, points_);
    }
    if (piezometricLine) {
        piezometric.AppendPointsBetween(left_, right_, points_);
    }
    for (const SurfacePiece& piece : pieces_) {
        points_.push_back(piece.from);
        for (std::size_t k = 1; k <= layers; ++k) {
            const Polyline& line = k < layers ? frame.boundaries[k] : piezometric;
            if (line.empty()) {
                continue;
            }
            if (piece.arc) {
                line.AppendCircleCrossings(centreX_, centreY_, radius_, piece.from, piece.to,
                                           points_);
            } else {
                line.AppendCrossings(piece.line, piece.from, piece.to, points_);
            }
        }
    }
    if (piezometricLine) {
        const std::size_t last = ground.PieceIndexAt(right_);
        for (std::size_t i = ground.PieceIndexAt(left_); i <= last; ++i) {
            const double from = i == 0 ? left_ : std::max(left_, ground.pointX(i - 1));
            const double to =
                i == ground.pointCount() ? right_ : std::min(right_, ground.pointX(i));
            if (from < to) {
                piezometric.AppendCrossings(ground.piece(i), from, to, points_);
            }
        }
    }
    for (const SurfacePressure& pressure : frame.pressures) {
        points_.push_back(pressure.fromX);
        points_.push_back(pressure.toX);
    }
    for (const PointForce& load : frame.lineLoads) {
        points_.push_back(load.x);
    }
    std::sort(points_.begin(), points_.end());
    const double merge = (right_ - left_) * kMergeShare;
    bounds_.assign(1, left_);
    for (const double x : points_) {
        if (x > bounds_.back() + merge && x < right_ - merge) {
            bounds_.push_back(x);
        }
    }
    bounds_.push_back(right_);

    SplitSliceCount(bounds_, count, counts_);
    edges_.clear();
    for (std::size_t j = 0; j + 1 < bounds_.size(); ++j) {
        const double a = bounds_[j];
        const int n = counts_[j];
        const double width = (bounds_[j + 1] - a) / n;
        edges_.push_back(a);
        for (int i = 1; i < n; ++i) {
            edges_.push_back(a + i * width);
        }
    }
    edges_.push_back(right_);

    // Each line's piece under the slices, found from the last slice's on: lines[k] for the
    // boundaries (the ground first), lines[layers] for the piezometric line.
    lines_.assign(layers + 1, 0);
    const auto pieceOf = [this, &frame, layers](std::size_t k, double x) -> const LinePiece& {
        const Polyline& line = k < layers ? frame.boundaries[k] : frame.piezometricLine;
        lines_[k] = line.PieceIndexFrom(lines_[k], x);
        return line.piece(lines_[k]);
    };
    // The surface's level at a slice's right side is the next one's at its left, on one piece.
    std::size_t levelPiece = pieces_.size();
    double levelRight = 0.0;
    const CircleSegments segments(centreX_, centreY_, radius_);
    const double perRadius = 1.0 / radius_;

    const std::size_t n = edges_.size() - 1;
    mass.slices.resize(n);
    mass.horizontalSeismic = section_.horizontalSeismic();
    mass.verticalSeismic = section_.verticalSeismic();
    mass.mirrored = located_.mirrored;
    const double gammaW = section_.waterUnitWeight();
    const WaterModel water = section_.waterModel();
    std::size_t p = 0;
    for (std::size_t s = 0; s < n; ++s) {
        const double a = edges_[s];
        const double b = edges_[s + 1];
        const double w = b - a;
        const double m = (a + b) / 2.0;
        if (!(w > 0.0)) {
            return SurfaceStatus::DegenerateSlice;
        }
        const double sixth = w * kSixth;
        while (p + 1 < pieces_.size() && pieces_[p].to <= m) {
            ++p;
        }
        const SurfacePiece& piece = pieces_[p];
        const double surfaceA = levelPiece == p ? levelRight : SurfaceLevel(piece, a);
        const double surfaceB = SurfaceLevel(piece, b);
        levelPiece = p;
        levelRight = surfaceB;
        double sinBase = 0.0;
        double cosBase = 1.0;
        double baseLength = w;
        double baseY = 0.0;
        if (piece.arc) {
            const double dx = centreX_ - m;
            const double below = std::sqrt(std::max(Square(radius_) - Square(dx), 0.0));
            sinBase = dx * perRadius;
            cosBase = below * perRadius;
            baseLength = w * radius_ / below;
            baseY = centreY_ - below;
        } else {
            const double g = piece.line.gradient;
            const double secant = std::sqrt(1.0 + Square(g));
            const double perSecant = 1.0 / secant;
            sinBase = -g * perSecant;
            cosBase = perSecant;
            baseLength = w * secant;
            baseY = piece.line.Level(m);
        }
        if (!(cosBase > 0.0)) {
            return SurfaceStatus::DegenerateSlice;
        }

        // The soils above the base, from the ground down. Every line is straight across the
        // slice, so the piece that holds its middle holds its sides.
        const LinePiece& top = pieceOf(0, m);
        const double topA = top.Level(a);
        const double topM = top.Level(m);
        const double topB = top.Level(b);
        Stack stack;
        double stress = 0.0;
        std::size_t baseLayer = 0;
        bool onSurface = false;
        double upperA = topA;
        double upperM = topM;
        double upperB = topB;
        for (std::size_t k = 0; k < layers && upperM > baseY; ++k) {
            baseLayer = k;
            const SoilStrength& soil = soils[frame.layerSoils[k]];
            const LinePiece* next = k + 1 < layers ? &pieceOf(k + 1, m) : nullptr;
            const double nextM = next ? next->Level(m) : baseY;
            onSurface = !(nextM > baseY);
            double lowerA = surfaceA;
            double lowerM = piece.arc ? (surfaceA + surfaceB) / 2.0 : baseY;  // the chord's
            double lowerB = surfaceB;
            if (!onSurface) {
                lowerA = next->Level(a);
                lowerM = nextM;
                lowerB = next->Level(b);
            }
            if (soil.impenetrable) {
                const double area =
                    sixth * ((upperA - lowerA) + 4.0 * (upperM - lowerM) + (upperB - lowerB)) +
                    (onSurface && piece.arc ? segments.Under(a, surfaceA, b, surfaceB).area : 0.0);
                if (area > 0.0) {
                    return SurfaceStatus::EntersImpenetrable;
                }
            }
            stack.Add(soil.unitWeight, upperA, upperM, upperB, lowerA, lowerM, lowerB);
            stress += soil.unitWeight * (upperM - (onSurface ? baseY : nextM));
            if (onSurface) {
                break;
            }
            upperA = lowerA;
            upperM = lowerM;
            upperB = lowerB;
        }
        double weight = sixth * (stack.thickA + 4.0 * stack.thickM + stack.thickB);
        double momentX = sixth * (a * stack.thickA + 4.0 * m * stack.thickM + b * stack.thickB);
        double momentY = sixth * 0.5 * (stack.levelA + 4.0 * stack.levelM + stack.levelB);
        if (onSurface && piece.arc) {
            // The segment under the chord lies in the base's soil.
            const double unitWeight = soils[frame.layerSoils[baseLayer]].unitWeight;
            const SegmentArea segment = segments.Under(a, surfaceA, b, surfaceB);
            weight += unitWeight * segment.area;
            momentX += unitWeight * segment.momentX;
            momentY += unitWeight * segment.momentY;
        }
        const SoilStrength& baseSoil = soils[frame.layerSoils[baseLayer]];
        if (baseSoil.impenetrable) {
            return SurfaceStatus::EntersImpenetrable;
        }

        double porePressure = 0.0;
        double loadX = 0.0;
        double loadY = 0.0;
        double loadMoment = 0.0;
        if (water == WaterModel::PiezometricLine) {
            const LinePiece& line = pieceOf(layers, m);
            const double waterM = line.Level(m);
            const double head = waterM - baseY;
            if (head > 0.0) {
                porePressure = gammaW * head;
                if (section_.headMode() == HeadMode::InclinedLine) {
                    porePressure /= 1.0 + Square(line.gradient);
                }
            }
            // Water ponded on the ground presses normal to it: per unit of x, gamma_w d down
            // and gamma_w d g' along x, where the ground's gradient is g'.
            const double depthM = waterM - topM;
            if (depthM > 0.0) {
                const double depthA = std::max(line.Level(a) - topA, 0.0);
                const double depthB = std::max(line.Level(b) - topB, 0.0);
                const double slope = top.gradient;
                const double load = gammaW * sixth * (depthA + 4.0 * depthM + depthB);
                loadY -= load;
                loadX += load * slope;
                // Moment of (dFx, dFy) at (x, ground): x dFy - y dFx.
                loadMoment -= gammaW * sixth *
                              (depthA * (a + topA * slope) + 4.0 * depthM * (m + topM * slope) +
                               depthB * (b + topB * slope));
            }
        } else if (water == WaterModel::PoreRatio) {
            porePressure = baseSoil.poreRatio * stress;
        }
        for (const SurfacePressure& pressure : frame.pressures) {
            const double from = std::max(a, pressure.fromX);
            const double to = std::min(b, pressure.toX);
            if (to > from) {
                const double force = pressure.pressure * (to - from);
                loadY -= force;
                loadMoment -= (from + to) / 2.0 * force;
            }
        }
        for (const PointForce& load : frame.lineLoads) {
            if (load.x >= a && (load.x < b || (s + 1 == n && load.x <= b))) {
                loadX += load.forceX;
                loadY += load.forceY;
                loadMoment += load.x * load.forceY - ground.Level(load.x) * load.forceX;
            }
        }
        if (s == 0 && crackHeight_ > 0.0 && section_.crack()) {
            const double filled = section_.crack()->waterFill * crackHeight_;
            const double thrust = gammaW * Square(filled) / 2.0;
            loadX += thrust;
            loadMoment -= (crackFootY_ + filled / 3.0) * thrust;
        }

        SectionSlice& slice = mass.slices[s];
        slice.left = a;
        slice.right = b;
        slice.width = w;
        slice.baseX = m;
        slice.baseY = baseY;
        slice.baseLength = baseLength;
        slice.topY = topM;
        slice.weight = weight;
        if (weight > 0.0) {
            const double perWeight = 1.0 / weight;
            slice.centroidX = momentX * perWeight;
            slice.centroidY = momentY * perWeight;
        } else {
            slice.centroidX = m;
            slice.centroidY = (topM + baseY) / 2.0;
        }
        slice.cohesion = baseSoil.cohesion;
        slice.tanFriction = baseSoil.tanFriction;
        slice.porePressure = porePressure;
        slice.baseSoil = frame.layerSoils[baseLayer];
        slice.loadX = loadX;
        slice.loadY = loadY;
        slice.loadMoment = loadMoment;
        slice.sinBase = sinBase;
        slice.cosBase = cosBase;
        if (!(std::isfinite(weight) && std::isfinite(slice.centroidX) &&
              std::isfinite(slice.centroidY) && std::isfinite(porePressure) &&
              std::isfinite(slice.baseLength))) {
            return SurfaceStatus::DegenerateSlice;
        }
    }
    return SurfaceStatus::Valid;
}

}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
#include "slope_section/MidpointSlices.h"

#include <algorithm>
#include <cmath>

#include "numerics/Square.h"
#include "slope_section/CircleTerms.h"

namespace vardolin::section {
namespace {

// The soil's values on a slice of height h.
void PutSoil(const SoilStrength& soil, double h, SectionSlice& slice) noexcept {
    slice.weight = circle_terms::Weight(soil.unitWeight, h, slice.width);
    slice.cohesion = soil.cohesion;
    slice.tanFriction = soil.tanFriction;
    slice.porePressure = circle_terms::PorePressure(soil.poreRatio, soil.unitWeight, h);
}

}  // namespace

SurfaceStatus LayOutMidpointSlices(const Polyline& ground, const CircleSurface& circle,
                                   double exitX, double entryX, const SoilStrength& soil, int count,
                                   SlicedMass& mass) {
    const auto n = static_cast<std::size_t>(std::max(count, 1));
    const bool mirrored = entryX > exitX;
    mass.slices.resize(n);
    mass.horizontalSeismic = 0.0;
    mass.verticalSeismic = 0.0;
    mass.mirrored = mirrored;
    // In the sliding frame the exit is the right end. Negation is exact, so every difference
    // below is, to the bit, the one the drawn frame gives.
    const double exit = mirrored ? -exitX : exitX;
    const double entry = mirrored ? -entryX : entryX;
    const double b = (exit - entry) / static_cast<double>(n);
    if (!(b > 0.0)) {
        return SurfaceStatus::DegenerateSlice;
    }
    const double centreX = mirrored ? -circle.centreX : circle.centreX;
    const double centreY = circle.centreY;
    const double radius = circle.radius;
    const double radiusSquared = Square(radius);
    for (std::size_t i = 0; i < n; ++i) {
        // Counted from the exit, as drawn exit + (i + 1/2) b.
        const double x = exit - (static_cast<double>(i) + 0.5) * b;
        const double dx = centreX - x;
        const double below = std::sqrt(std::max(radiusSquared - Square(dx), 0.0));
        const double baseY = centreY - below;
        const double top = ground.Level(mirrored ? -x : x);
        const double h = std::max(top - baseY, 0.0);
        const double cosine = below / radius;
        if (!(cosine > 0.0 && std::isfinite(h))) {
            return SurfaceStatus::DegenerateSlice;
        }
        SectionSlice& slice = mass.slices[n - 1 - i];
        slice.left = x - b / 2.0;
        slice.right = x + b / 2.0;
        slice.width = b;
        slice.baseX = x;
        slice.baseY = baseY;
        slice.sinBase = dx / radius;
        slice.cosBase = cosine;
        slice.baseLength = b / cosine;
        slice.topY = top;
        slice.centroidX = x;
        slice.centroidY = baseY + h / 2.0;
        PutSoil(soil, h, slice);
        slice.baseSoil = 0;
        slice.loadX = 0.0;
        slice.loadY = 0.0;
        slice.loadMoment = 0.0;
    }
    return SurfaceStatus::Valid;
}

void SetMidpointSoil(const SoilStrength& soil, SlicedMass& mass) noexcept {
    for (SectionSlice& slice : mass.slices) {
        PutSoil(soil, MidpointHeight(slice), slice);
    }
}

}  // namespace vardolin::section

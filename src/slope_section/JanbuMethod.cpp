// SPDX-License-Identifier: MIT
#include "slope_section/JanbuMethod.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "slope_section/FactorIteration.h"
#include "slope_section/SettledForces.h"
#include "slope_section/SliceChecks.h"

namespace vardolin::section {

StrengthKind StrengthAlong(const SlicedMass& mass) noexcept {
    bool cohesion = false;
    bool friction = false;
    for (const SectionSlice& s : mass.slices) {
        cohesion = cohesion || s.cohesion > 0.0;
        friction = friction || s.tanFriction > 0.0;
    }
    if (cohesion && !friction) {
        return StrengthKind::CohesionOnly;
    }
    if (friction && !cohesion) {
        return StrengthKind::FrictionOnly;
    }
    return StrengthKind::CohesionAndFriction;
}

double JanbuCorrectionFactor(StrengthKind kind, double depthOverLength) noexcept {
    const double b1 = kind == StrengthKind::CohesionOnly   ? 0.69
                      : kind == StrengthKind::FrictionOnly ? 0.31
                                                           : 0.50;
    const double r = depthOverLength;
    return 1.0 + b1 * (r - 1.4 * (r * r));
}

double DepthOverLength(const SlicedMass& mass) noexcept {
    if (mass.slices.empty()) {
        return 0.0;
    }
    const SectionSlice& first = mass.slices.front();
    const SectionSlice& last = mass.slices.back();
    const double entryX = first.left;
    const double entryY =
        first.baseY + (first.sinBase / first.cosBase) * (first.baseX - first.left);
    const double exitX = last.right;
    const double exitY = last.baseY - (last.sinBase / last.cosBase) * (last.right - last.baseX);
    const double chordX = exitX - entryX;
    const double chordY = exitY - entryY;
    const double length = std::hypot(chordX, chordY);
    if (!(length > 0.0)) {
        return 0.0;
    }
    // The depth across the chord of each base's right end; below the chord is positive.
    double depth = 0.0;
    for (const SectionSlice& s : mass.slices) {
        const double x = s.right - entryX;
        const double y = s.baseY - (s.sinBase / s.cosBase) * (s.right - s.baseX) - entryY;
        depth = std::max(depth, (chordY * x - chordX * y) / length);
    }
    return depth / length;
}

MethodResult SolveJanbu(const SlicedMass& mass, JanbuVariant variant, MethodWorkspace& workspace) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    workspace.Prepare(mass, MomentPoint{});
    const SliceTerms& t = workspace.terms();
    SliceForces& forces = workspace.forces();
    MethodResult result;

    // What drives the mass along +x before the bases' friction answers it.
    double driving = 0.0;
    double resisting = 0.0;
    for (std::size_t i = 0; i < t.count; ++i) {
        const double normal = t.vertical[i] * t.cosBase[i] - t.horizontal[i] * t.sinBase[i];
        driving += t.vertical[i] * t.sinBase[i] + t.horizontal[i] * t.cosBase[i];
        resisting += t.cohesionTerm[i] + normal * t.tanFriction[i];
    }
    if (!(driving > 0.0 && driving < HUGE_VAL)) {
        result.Raise(MethodFlag::NoDrivingForce);
        return result;
    }
    const double start = resisting / driving;

    const auto step = [&t](double factor) {
        const double q = 1.0 / factor;
        double resistingX = 0.0;
        double drivingX = 0.0;
        for (std::size_t i = 0; i < t.count; ++i) {
            const double mAlpha = t.cosBase[i] + t.sinBase[i] * t.tanFriction[i] * q;
            if (!(mAlpha > 0.0)) {
                return kNaN;
            }
            const double normal = (t.vertical[i] - t.sinBase[i] * t.cohesionTerm[i] * q) / mAlpha;
            resistingX += (t.cohesionTerm[i] + normal * t.tanFriction[i]) * t.cosBase[i];
            drivingX += normal * t.sinBase[i] + t.horizontal[i];
        }
        return drivingX > 0.0 ? resistingX / drivingX : kNaN;
    };
    result.passes = 1;
    const std::optional<double> factor =
        SettleFactor(step, start > 0.0 && start < HUGE_VAL ? start : 1.0, result.passes);
    if (!factor) {
        result.Raise(MethodFlag::NotConverged);
        return result;
    }
    const double smallest = SettleHorizontalInterslice(t, *factor, forces);
    if (variant == JanbuVariant::Corrected) {
        result.correction = JanbuCorrectionFactor(StrengthAlong(mass), DepthOverLength(mass));
    }
    result.factor = *factor * result.correction;
    result.smallestMAlpha = smallest;
    CheckSlices(t, forces, result);
    return result;
}

}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
#include "slope_section/BishopMethod.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "slope_section/CircleTerms.h"
#include "slope_section/FactorIteration.h"
#include "slope_section/SettledForces.h"
#include "slope_section/SliceChecks.h"

namespace vardolin::section {
namespace {

// The ordinary method's factor from the prepared terms, where Bishop's iteration starts.
double OrdinaryStart(const SliceTerms& t) noexcept {
    double resisting = 0.0;
    double driving = 0.0;
    for (std::size_t i = 0; i < t.count; ++i) {
        const double normal = t.vertical[i] * t.cosBase[i] - t.horizontal[i] * t.sinBase[i];
        resisting += (t.cohesionTerm[i] + normal * t.tanFriction[i]) * t.armShear[i];
        driving += t.drive[i] + normal * t.armNormal[i];
    }
    const double factor = resisting / driving;
    return factor > 0.0 && factor < HUGE_VAL ? factor : 1.0;
}

// Plain steps of the circle's form from `start`: the settled factor, or NaN where a step gives
// no positive number or none settles. tan(phi) / F is worked out again only where a slice's
// tan(phi) differs from the one before it, which gives the same quotients as at every slice.
double SettleAboutCentre(const SliceTerms& t, const double* numerators, double start,
                         double driving, int& passes) noexcept {
    const double* sinBase = t.sinBase.data();
    const double* cosBase = t.cosBase.data();
    const double* tanFriction = t.tanFriction.data();
    double factor = start;
    for (int k = 0; k < kCircleBishopSteps; ++k) {
        double sum = 0.0;
        double tanOf = std::numeric_limits<double>::quiet_NaN();
        double tanOverFactor = 0.0;
        for (std::size_t i = t.count; i-- > 0;) {
            if (!(tanFriction[i] == tanOf)) {
                tanOf = tanFriction[i];
                tanOverFactor = tanOf / factor;
            }
            sum += numerators[i] / circle_terms::MAlpha(cosBase[i], sinBase[i], tanOverFactor);
        }
        const double next = sum / driving;
        ++passes;
        if (!(next > 0.0 && next < HUGE_VAL)) {
            return std::numeric_limits<double>::quiet_NaN();
        }
        if (std::abs(next - factor) <= kCircleBishopTolerance * next) {
            return next;
        }
        factor = next;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

// The forces at the settled factor, m_alpha's least and the doubts.
void SettleForces(const SliceTerms& t, double factor, SliceForces& forces, MethodResult& result) {
    result.smallestMAlpha = SettleHorizontalInterslice(t, factor, forces);
    CheckSlices(t, forces, result);
}

}  // namespace

CircleFactors SolveCircleAboutCentre(const SlicedMass& mass, MomentPoint centre, double radius,
                                     MethodWorkspace& workspace) {
    workspace.Prepare(mass, centre);
    SliceTerms& t = workspace.terms();
    CircleFactors factors;
    MethodResult& result = factors.bishop;
    double* numerators = t.circleNumerator.data();
    double resisting = 0.0;
    double driving = 0.0;
    for (std::size_t i = t.count; i-- > 0;) {
        const SectionSlice& s = mass.slices[i];
        const double normal = t.vertical[i] * t.cosBase[i] - t.horizontal[i] * t.sinBase[i];
        resisting += circle_terms::OrdinaryResisting(s.cohesion, s.baseLength, normal,
                                                     s.porePressure, t.tanFriction[i]);
        // V's own moment about the centre, taken apart so that the rest is 0 where nothing else
        // acts off the base's middle.
        const double rest = t.drive[i] - t.vertical[i] * (centre.x - s.baseX);
        driving += t.vertical[i] * t.sinBase[i] + rest / radius;
        numerators[i] = circle_terms::BishopNumerator(s.cohesion, s.width, t.vertical[i],
                                                      s.porePressure, t.tanFriction[i]);
    }
    if (!(driving > 0.0 && driving < HUGE_VAL)) {
        result.Raise(MethodFlag::NoDrivingForce);
        return factors;
    }
    const double ordinary = resisting / driving;
    factors.ordinary = ordinary;
    const double start = ordinary > 0.0 && ordinary < HUGE_VAL ? ordinary : 1.0;
    double factor = SettleAboutCentre(t, numerators, start, driving, result.passes);
    if (std::isnan(factor) && start != 1.0) {
        factor = SettleAboutCentre(t, numerators, 1.0, driving, result.passes);
    }
    if (std::isnan(factor)) {
        result.Raise(MethodFlag::NotConverged);
        return factors;
    }
    result.factor = factor;
    double smallest = HUGE_VAL;
    for (std::size_t i = 0; i < t.count; ++i) {
        smallest = std::min(
            smallest, circle_terms::MAlpha(t.cosBase[i], t.sinBase[i], t.tanFriction[i] / factor));
    }
    result.smallestMAlpha = smallest;
    if (!(smallest >= kMinimumMAlpha)) {
        result.Raise(MethodFlag::SmallMAlpha);
    }
    return factors;
}

MethodResult SolveBishopAboutCentre(const SlicedMass& mass, MomentPoint centre, double radius,
                                    MethodWorkspace& workspace) {
    MethodResult result = SolveCircleAboutCentre(mass, centre, radius, workspace).bishop;
    if (result.solved()) {
        SettleHorizontalInterslice(workspace.terms(), result.factor, workspace.forces());
        CheckSlices(workspace.terms(), workspace.forces(), result);
    }
    return result;
}

MethodResult SolveBishop(const SlicedMass& mass, MomentPoint point, MethodWorkspace& workspace) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    workspace.Prepare(mass, point);
    const SliceTerms& t = workspace.terms();
    SliceForces& forces = workspace.forces();
    MethodResult result;

    double driving = 0.0;
    for (std::size_t i = 0; i < t.count; ++i) {
        driving += t.drive[i];
    }
    if (!(driving > 0.0 && driving < HUGE_VAL)) {
        result.Raise(MethodFlag::NoDrivingForce);
        return result;
    }

    // Each step's normal forces first, in a loop of their own that the compiler may run on
    // several slices at once, into the forces' column that SettleForces fills at the end; then
    // the checks of m_alpha and the sums in the slices' order.
    double* normals = forces.normal.data();
    const auto step = [&t, normals](double factor) {
        const double q = 1.0 / factor;
        const std::size_t n = t.count;
        const double* tanFriction = t.tanFriction.data();
        const double* cosBase = t.cosBase.data();
        const double* sinBase = t.sinBase.data();
        const double* vertical = t.vertical.data();
        const double* cohesionTerm = t.cohesionTerm.data();
        for (std::size_t i = 0; i < n; ++i) {
            const double mAlpha = cosBase[i] + sinBase[i] * (tanFriction[i] * q);
            normals[i] = (vertical[i] - sinBase[i] * cohesionTerm[i] * q) / mAlpha;
        }
        bool singular = false;
        double resisting = 0.0;
        double moment = 0.0;
        for (std::size_t i = 0; i < n; ++i) {
            singular |= !(cosBase[i] + sinBase[i] * (tanFriction[i] * q) > 0.0);
            resisting += (cohesionTerm[i] + normals[i] * tanFriction[i]) * t.armShear[i];
            moment += t.drive[i] + normals[i] * t.armNormal[i];
        }
        return !singular && moment > 0.0 ? resisting / moment : kNaN;
    };
    result.passes = 1;
    const std::optional<double> factor = SettleFactor(step, OrdinaryStart(t), result.passes);
    if (!factor) {
        result.Raise(MethodFlag::NotConverged);
        return result;
    }
    result.factor = *factor;
    SettleForces(t, *factor, forces, result);
    return result;
}

}  // namespace vardolin::section

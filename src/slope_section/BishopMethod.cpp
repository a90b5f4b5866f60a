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

// tan(phi) / F slice after slice, worked out again only where tan(phi) differs from the slice
// before's: a division fewer on every slice of one soil, with the very quotients of a division
// at each (a zero of the other sign adds nothing to cos(a) > 0).
class TanOverFactor {
public:
    explicit TanOverFactor(double factor) noexcept : factor_(factor) {}

    double operator()(double tanFriction) noexcept {
        if (!(tanFriction == tan_)) {
            tan_ = tanFriction;
            quotient_ = tanFriction / factor_;
        }
        return quotient_;
    }

private:
    double factor_;
    double tan_ = std::numeric_limits<double>::quiet_NaN();
    double quotient_ = 0.0;
};

// One step of the circle's form: sum(numerator / m_alpha) / driving at `factor`, over the
// columns from the exit. Where every slice has one tan(phi), its quotient by F is worked out
// once and the loop is left to run on several slices at once (the sum still in order).
double StepAboutCentre(const CentreColumns& c, std::size_t n, bool oneFriction, double factor,
                       double driving) noexcept {
    const double* numerator = c.numerator.data();
    const double* sinBase = c.sinBase.data();
    const double* cosBase = c.cosBase.data();
    const double* tanFriction = c.tanFriction.data();
    double sum = 0.0;
    if (oneFriction) {
        const double tanOverFactor = tanFriction[0] / factor;
        for (std::size_t i = 0; i < n; ++i) {
            sum += numerator[i] / circle_terms::MAlpha(cosBase[i], sinBase[i], tanOverFactor);
        }
    } else {
        TanOverFactor tanOverFactor(factor);
        for (std::size_t i = 0; i < n; ++i) {
            sum += numerator[i] /
                   circle_terms::MAlpha(cosBase[i], sinBase[i], tanOverFactor(tanFriction[i]));
        }
    }
    return sum / driving;
}

// Plain steps of the circle's form from `start`: the settled factor, or NaN where a step gives
// no positive number or none settles.
double SettleAboutCentre(const CentreColumns& c, std::size_t n, bool oneFriction, double start,
                         double driving, int& passes) noexcept {
    double factor = start;
    for (int k = 0; k < kCircleBishopSteps; ++k) {
        const double next = StepAboutCentre(c, n, oneFriction, factor, driving);
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
    const std::size_t n = mass.slices.size();
    CentreColumns& c = workspace.centreColumns(n);
    CircleFactors factors;
    MethodResult& result = factors.bishop;
    const double kh = mass.horizontalSeismic;
    const double kv = mass.verticalSeismic;
    bool oneFriction = true;
    // A rest of 0 over a radius above 0 is that very 0, with its sign: no division needed.
    const bool plainRest = radius > 0.0;
    double resisting = 0.0;
    double driving = 0.0;
    for (std::size_t j = 0; j < n; ++j) {
        const SectionSlice& s = mass.slices[n - 1 - j];
        const SliceActions actions = ActionsOn(s, kh, kv, centre);
        const double vertical = actions.vertical;
        const double normal = vertical * s.cosBase - actions.horizontal * s.sinBase;
        resisting += circle_terms::OrdinaryResisting(s.cohesion, s.baseLength, normal,
                                                     s.porePressure, s.tanFriction);
        // V's own moment about the centre, taken apart so that the rest is 0 where nothing else
        // acts off the base's middle.
        const double rest = actions.drive - vertical * (centre.x - s.baseX);
        driving += vertical * s.sinBase + (plainRest && rest == 0.0 ? rest : rest / radius);
        c.numerator[j] = circle_terms::BishopNumerator(s.cohesion, s.width, vertical,
                                                       s.porePressure, s.tanFriction);
        c.sinBase[j] = s.sinBase;
        c.cosBase[j] = s.cosBase;
        c.tanFriction[j] = s.tanFriction;
        oneFriction = oneFriction && s.tanFriction == c.tanFriction[0];
    }
    if (!(driving > 0.0 && driving < HUGE_VAL)) {
        result.Raise(MethodFlag::NoDrivingForce);
        return factors;
    }
    const double ordinary = resisting / driving;
    factors.ordinary = ordinary;
    const double start = ordinary > 0.0 && ordinary < HUGE_VAL ? ordinary : 1.0;
    double factor = SettleAboutCentre(c, n, oneFriction, start, driving, result.passes);
    if (std::isnan(factor) && start != 1.0) {
        factor = SettleAboutCentre(c, n, oneFriction, 1.0, driving, result.passes);
    }
    if (std::isnan(factor)) {
        result.Raise(MethodFlag::NotConverged);
        return factors;
    }
    result.factor = factor;
    TanOverFactor tanOverFactor(factor);
    double smallest = HUGE_VAL;
    for (std::size_t j = 0; j < n; ++j) {
        smallest = std::min(smallest, circle_terms::MAlpha(c.cosBase[j], c.sinBase[j],
                                                           tanOverFactor(c.tanFriction[j])));
    }
    result.smallestMAlpha = smallest;
    if (!(smallest >= kMinimumMAlpha)) {
        result.Raise(MethodFlag::SmallMAlpha);
    }
    return factors;
}

MethodResult SolveBishopAboutCentre(const SlicedMass& mass, MomentPoint centre, double radius,
                                    MethodWorkspace& workspace) {
    workspace.Prepare(mass, centre);
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

// SPDX-License-Identifier: MIT
#include "slope_section/BishopMethod.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "slope_section/FactorIteration.h"
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

}  // namespace

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

    const auto step = [&t](double factor) {
        const double q = 1.0 / factor;
        double resisting = 0.0;
        double moment = 0.0;
        for (std::size_t i = 0; i < t.count; ++i) {
            const double tq = t.tanFriction[i] * q;
            const double mAlpha = t.cosBase[i] + t.sinBase[i] * tq;
            if (!(mAlpha > 0.0)) {
                return kNaN;
            }
            const double normal = (t.vertical[i] - t.sinBase[i] * t.cohesionTerm[i] * q) / mAlpha;
            resisting += (t.cohesionTerm[i] + normal * t.tanFriction[i]) * t.armShear[i];
            moment += t.drive[i] + normal * t.armNormal[i];
        }
        return moment > 0.0 ? resisting / moment : kNaN;
    };
    result.passes = 1;
    const std::optional<double> factor = SettleFactor(step, OrdinaryStart(t), result.passes);
    if (!factor) {
        result.Raise(MethodFlag::NotConverged);
        return result;
    }
    result.factor = *factor;
    const double q = 1.0 / *factor;
    double smallest = HUGE_VAL;
    for (std::size_t i = 0; i < t.count; ++i) {
        const double mAlpha = t.cosBase[i] + t.sinBase[i] * t.tanFriction[i] * q;
        smallest = std::min(smallest, mAlpha);
        const double normal = (t.vertical[i] - t.sinBase[i] * t.cohesionTerm[i] * q) / mAlpha;
        forces.normal[i] = normal;
        forces.shear[i] = (t.cohesionTerm[i] + normal * t.tanFriction[i]) * q;
        forces.interNormal[i] = 0.0;
        forces.interShear[i] = 0.0;
    }
    result.smallestMAlpha = smallest;
    CheckSlices(t, forces, result);
    return result;
}

}  // namespace vardolin::section

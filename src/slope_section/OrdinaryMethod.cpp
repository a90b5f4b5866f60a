// SPDX-License-Identifier: MIT
#include "slope_section/OrdinaryMethod.h"

#include <cmath>

#include "slope_section/SliceChecks.h"

namespace vardolin::section {

MethodResult SolveOrdinary(const SlicedMass& mass, MomentPoint point, MethodWorkspace& workspace) {
    workspace.Prepare(mass, point);
    const SliceTerms& t = workspace.terms();
    SliceForces& forces = workspace.forces();
    MethodResult result;
    result.passes = 1;
    double resisting = 0.0;
    double driving = 0.0;
    for (std::size_t i = 0; i < t.count; ++i) {
        const double normal = t.vertical[i] * t.cosBase[i] - t.horizontal[i] * t.sinBase[i];
        forces.normal[i] = normal;
        forces.interNormal[i] = 0.0;
        forces.interShear[i] = 0.0;
        resisting += (t.cohesionTerm[i] + normal * t.tanFriction[i]) * t.armShear[i];
        driving += t.drive[i] + normal * t.armNormal[i];
    }
    if (!(driving > 0.0 && driving < HUGE_VAL)) {
        result.Raise(MethodFlag::NoDrivingForce);
        return result;
    }
    const double factor = resisting / driving;
    if (!(factor > 0.0 && factor < HUGE_VAL)) {
        result.Raise(MethodFlag::NotConverged);
        return result;
    }
    result.factor = factor;
    for (std::size_t i = 0; i < t.count; ++i) {
        forces.shear[i] = (t.cohesionTerm[i] + forces.normal[i] * t.tanFriction[i]) / factor;
    }
    CheckSlices(t, forces, result);
    return result;
}

}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
#include "plane_failure/PlaneSafetyFactor.h"

#include <cmath>

#include "numerics/FloatingPointStatus.h"
#include "numerics/Square.h"

namespace vardolin {

double PlaneSafetyFactor(double H, double faceAngle, double planeAngle, double z, double gammaW,
                         double c, double frictionAngle, double gammaR, double zw) {
    FloatingPointStatus status;
    const double psiP = status.Divide(planeAngle * kPi, 180.0);
    const double psiF = status.Divide(faceAngle * kPi, 180.0);
    const double phi = status.Divide(frictionAngle * kPi, 180.0);
    const double s = std::sin(psiP);

    // Sliding-plane length from the toe to the foot of the crack.
    const double A = status.Divide(H - z, s);
    // Triangular water pressure in the crack.
    const double V = status.Note(gammaW * 0.5 * Square(zw));
    // Uplift on the sliding plane, equal to 0.5 * gammaW * zw * A.
    const double U = status.Note(status.Divide(H - z, s + s) * gammaW * zw);
    const double depthRatio = status.Divide(z, H);
    const double W = status.Note(0.5 * gammaR * Square(H) *
                                 (status.Divide(1.0 - Square(depthRatio), std::tan(psiP)) -
                                  status.Divide(1.0, std::tan(psiF))));
    const double resisting =
        status.Note(c * A + ((W * std::cos(psiP) - U) - V * s) * std::tan(phi));
    const double driving = status.Note(W * s + V * std::cos(psiP));
    const double factor = status.Divide(resisting, driving);
    status.Test();
    return factor;
}

}  // namespace vardolin

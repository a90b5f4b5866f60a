// SPDX-License-Identifier: MIT
#include "slice_method/BishopSafetyFactor.h"

#include <cmath>

#include "numerics/FloatingPointStatus.h"
#include "numerics/GenericArithmetic.h"
#include "numerics/Pi.h"

namespace vardolin {

// The sums, F0, A, m-alpha and F are generic arithmetic; the bracket, the driving term and
// tan(a) * tan(p) are direct, each with its status test. The order of operations is fixed:
// results are compared to the last digit.
double BishopSafetyFactor::AddSlice(const BishopSlice& s) {
    using namespace generic;
    const double c = s.drawn.cohesion;

    FloatingPointStatus status;
    const double a = status.Divide(s.baseAngle * kPi, 180.0);
    const double p = status.Divide(s.drawn.frictionAngle * kPi, 180.0);
    const double tanP = std::tan(p);
    const double bracket =
        status.Note((std::cos(a) * s.weight - s.baseLength * s.porePressure) * tanP);
    status.Test();
    ordinaryResisting_ = Add(Add(ordinaryResisting_, Multiply(c, s.baseLength)), bracket);

    const double driving = status.Note(std::sin(a) * s.weight + s.waterThrust);
    status.Test();
    ordinaryDriving_ = Add(ordinaryDriving_, driving);
    const double ordinaryFactor = Divide(ordinaryResisting_, ordinaryDriving_);

    // The pore pressure acts on the base over the slice's width: c b + (W - u b) tan(phi).
    const double resisting =
        Add(Multiply(c, s.width),
            Multiply(Subtract(s.weight, Multiply(s.porePressure, s.width)), tanP));
    const double tangents = status.Note(std::tan(a) * tanP);
    status.Test();
    const double mAlpha = Multiply(std::cos(a), Add(1.0, Divide(tangents, ordinaryFactor)));

    bishopDriving_ = Add(bishopDriving_, driving);
    bishopResisting_ = Add(bishopResisting_, Divide(resisting, mAlpha));
    return Divide(bishopResisting_, bishopDriving_);
}

}  // namespace vardolin

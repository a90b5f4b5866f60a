// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

#include "numerics/Pi.h"
#include "rock_statistics/RockStatistics.h"
#include "slice_method/FaultPolicy.h"

namespace vardolin {

// What one processed slice brings to the sums.
struct BishopSlice {
    double baseRadians = 0.0;   // alpha
    double baseCosine = 0.0;    // cos(alpha)
    double width = 0.0;         // b
    double baseLength = 0.0;    // l
    double weight = 0.0;        // W
    double porePressure = 0.0;  // u
    double waterThrust = 0.0;   // M
    UncertainParameters drawn;  // c, phi (degrees), gamma, hw of this slice
};

// The factor of safety of one trial circle by Bishop's simplified method, built slice by slice
// in a single pass. The F inside each slice's m-alpha is not iterated: it is the ordinary-method
// ratio of the trial's sums up to and including that slice. One object per trial, so the sums
// of a trial never contain anything of an earlier one.
class BishopSafetyFactor {
public:
    // Adds a slice to the four sums and returns the trial's factor after it. A zero divisor
    // (no driving term yet, F0 = 0, m-alpha = 0) is DivisionByZero, or Overflow for 0 / 0.
    // The sums, F0, A, m-alpha and F are checked operations; the bracket, the driving term and
    // tan(a) * tan(p) are noted groups, each with its test. The order of operations is fixed:
    // results are compared to the last digit.
    template <FaultPolicy Policy>
    double AddSlice(Policy& policy, const BishopSlice& s) {
        const double c = s.drawn.cohesion;
        const double a = s.baseRadians;
        const double p = policy.NoteQuotient(s.drawn.frictionAngle * kPi, 180.0);
        const double tanP = std::tan(p);
        const double bracket =
            policy.Note((s.baseCosine * s.weight - s.baseLength * s.porePressure) * tanP);
        policy.Test();
        ordinaryResisting_ =
            policy.Add(policy.Add(ordinaryResisting_, policy.Multiply(c, s.baseLength)), bracket);

        const double driving = policy.Note(std::sin(a) * s.weight + s.waterThrust);
        policy.Test();
        ordinaryDriving_ = policy.Add(ordinaryDriving_, driving);
        const double ordinaryFactor = policy.Divide(ordinaryResisting_, ordinaryDriving_);

        // The pore pressure acts on the base over the slice's width: c b + (W - u b) tan(phi).
        const double resisting = policy.Add(
            policy.Multiply(c, s.width),
            policy.Multiply(policy.Subtract(s.weight, policy.Multiply(s.porePressure, s.width)),
                            tanP));
        const double tangents = policy.Note(std::tan(a) * tanP);
        policy.Test();
        const double mAlpha =
            policy.Multiply(s.baseCosine, policy.Add(1.0, policy.Divide(tangents, ordinaryFactor)));

        bishopDriving_ = policy.Add(bishopDriving_, driving);
        bishopResisting_ = policy.Add(bishopResisting_, policy.Divide(resisting, mAlpha));
        return policy.Divide(bishopResisting_, bishopDriving_);
    }

    double ordinaryResisting() const noexcept { return ordinaryResisting_; }
    double ordinaryDriving() const noexcept { return ordinaryDriving_; }
    double bishopResisting() const noexcept { return bishopResisting_; }
    double bishopDriving() const noexcept { return bishopDriving_; }

private:
    double ordinaryResisting_ = 0.0;
    double ordinaryDriving_ = 0.0;
    double bishopResisting_ = 0.0;
    double bishopDriving_ = 0.0;
};

}  // namespace vardolin

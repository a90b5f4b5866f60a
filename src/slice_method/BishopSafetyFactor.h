// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/UncertainParameters.h"

namespace vardolin {

// What one processed slice brings to the sums.
struct BishopSlice {
    double baseAngle = 0.0;     // alpha, degrees
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
    // (no driving term yet, F0 = 0, m-alpha = 0) raises DivisionByZero, or Overflow for 0 / 0.
    double AddSlice(const BishopSlice& slice);

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

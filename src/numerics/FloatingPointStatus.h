// SPDX-License-Identifier: MIT
#pragma once

namespace vardolin {

// The status test of direct floating-point arithmetic. A formula is computed in plain
// doubles; its divisions go through Divide() and its intermediate results through Note(),
// and Test() after the group raises the error for whatever went wrong in it: DivisionByZero
// when a finite non-zero value was divided by zero, otherwise Overflow for any result that
// is infinite or NaN (overflow, invalid operation). Underflow and inexact results are
// ignored. Testing clears the status, so each group is judged on its own.
class FloatingPointStatus {
public:
    double Divide(double a, double b) noexcept {
        if (b == 0.0 && a != 0.0) {
            divisionByZero_ = true;
        }
        return Note(a / b);
    }

    double Note(double value) noexcept {
        if (!(value - value == 0.0)) {  // infinite or NaN
            invalidOrOverflow_ = true;
        }
        return value;
    }

    // Throws RunTimeError if any flag is set; clears the flags either way.
    void Test();

    // Whether nothing went wrong since the last test.
    bool isClear() const noexcept { return !divisionByZero_ && !invalidOrOverflow_; }

private:
    bool divisionByZero_ = false;
    bool invalidOrOverflow_ = false;
};

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "numerics/GenericArithmetic.h"

#include <cmath>

#include "numerics/RunTimeError.h"
#include "numerics/Square.h"

namespace vardolin::generic {

namespace {

double Checked(double result) {
    if (!std::isfinite(result)) {
        throw RunTimeError(ErrorCode::Overflow);
    }
    return result;
}

}  // namespace

double Add(double a, double b) {
    return Checked(a + b);
}
double Subtract(double a, double b) {
    return Checked(a - b);
}
double Multiply(double a, double b) {
    return Checked(a * b);
}

double Square(double x) {
    return Checked(vardolin::Square(x));
}

double Divide(double a, double b) {
    if (b == 0.0 && a != 0.0) {
        throw RunTimeError(ErrorCode::DivisionByZero);
    }
    return Checked(a / b);
}

double Power(double base, double exponent) {
    if (base < 0.0 && exponent != std::trunc(exponent)) {
        throw RunTimeError(ErrorCode::InvalidProcedureCall);
    }
    if (base == 0.0 && exponent < 0.0) {
        throw RunTimeError(ErrorCode::DivisionByZero);
    }
    // A square is the correctly rounded product, whichever pow the library brings.
    if (exponent == 2.0) {
        return Square(base);
    }
    return Checked(std::pow(base, exponent));
}

}  // namespace vardolin::generic

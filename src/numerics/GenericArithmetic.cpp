// SPDX-License-Identifier: MIT
#include "numerics/GenericArithmetic.h"

#include <cmath>

#include "numerics/RunTimeError.h"

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

double Divide(double a, double b) {
    if (b == 0.0 && a != 0.0) {
        throw RunTimeError(ErrorCode::DivisionByZero);
    }
    return Checked(a / b);
}

}  // namespace vardolin::generic

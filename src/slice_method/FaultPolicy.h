// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <concepts>

#include "numerics/FloatingPointStatus.h"
#include "numerics/GenericArithmetic.h"
#include "numerics/NormalSampler.h"
#include "numerics/Square.h"
#include "numerics/SquareRoot.h"

namespace vardolin {

// How the slice formulas meet a bad value. Each formula is written once against this and does
// the same operations in the same order under either policy, so both give the same bits:
//   - Add, Subtract, Multiply, Divide, Square, SquareRoot: the checked operations of
//     GenericArithmetic.h and SquareRoot.h, each judging its own result;
//   - Note, NoteQuotient and Test: a group of plain double operations as FloatingPointStatus
//     judges it, at Test;
//   - Deviate: the normal deviate of a uniform value.
template <typename Policy>
concept FaultPolicy = requires(Policy policy, double a, double b, float u) {
    { policy.Add(a, b) } -> std::same_as<double>;
    { policy.Subtract(a, b) } -> std::same_as<double>;
    { policy.Multiply(a, b) } -> std::same_as<double>;
    { policy.Divide(a, b) } -> std::same_as<double>;
    { policy.Square(a) } -> std::same_as<double>;
    { policy.SquareRoot(a) } -> std::same_as<double>;
    { policy.Note(a) } -> std::same_as<double>;
    { policy.NoteQuotient(a, b) } -> std::same_as<double>;
    policy.Test();
    { policy.Deviate(u) } -> std::same_as<NormalDeviate>;
};

// The sequential run's policy, the reference: a bad value raises its RunTimeError at its step,
// and the deviate is the reference formula with pow.
class StopAtFault {
public:
    static double Add(double a, double b) { return generic::Add(a, b); }
    static double Subtract(double a, double b) { return generic::Subtract(a, b); }
    static double Multiply(double a, double b) { return generic::Multiply(a, b); }
    static double Divide(double a, double b) { return generic::Divide(a, b); }
    static double Square(double x) { return generic::Square(x); }
    static double SquareRoot(double x) { return vardolin::SquareRoot(x); }

    double Note(double value) noexcept { return status_.Note(value); }
    double NoteQuotient(double a, double b) noexcept { return status_.Divide(a, b); }
    void Test() { status_.Test(); }

    static NormalDeviate Deviate(float u) { return NormalDeviateOf(u); }

private:
    FloatingPointStatus status_;
};

// The parallel worker's policy: a bad value is only recorded, and the work goes on with it;
// whoever runs the formulas discards the result and leaves the trial to StopAtFault. Every
// check above stops at a value that is not finite (a finite non-zero value divided by zero is
// an infinity too) or at the root of a negative number, so recording those is recording
// exactly where StopAtFault would stop. The deviate takes its cube by PowCube, which has pow's
// bits at less cost.
class RecordFault {
public:
    double Add(double a, double b) noexcept { return Note(a + b); }
    double Subtract(double a, double b) noexcept { return Note(a - b); }
    double Multiply(double a, double b) noexcept { return Note(a * b); }
    double Divide(double a, double b) noexcept { return Note(a / b); }
    double Square(double x) noexcept { return Note(vardolin::Square(x)); }
    double SquareRoot(double x) noexcept {
        faulted_ |= x < 0.0;
        return std::sqrt(x);
    }

    double Note(double value) noexcept {
        faulted_ |= !(value - value == 0.0);  // infinite or NaN
        return value;
    }
    double NoteQuotient(double a, double b) noexcept { return Note(a / b); }
    void Test() noexcept {}

    static NormalDeviate Deviate(float u) { return FastNormalDeviateOf(u); }

    // Whether any step met a bad value.
    bool faulted() const noexcept { return faulted_; }

private:
    bool faulted_ = false;
};

static_assert(FaultPolicy<StopAtFault> && FaultPolicy<RecordFault>);

}  // namespace vardolin

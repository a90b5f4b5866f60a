// SPDX-License-Identifier: MIT
#pragma once

// Which check new code uses where. Every bad value raises RunTimeError at its step
// (RunTimeError.h); the four ways to get there are:
//   - generic:: operations (this header) for arithmetic on values that come from fields and for
//     the running sums: each operation checks its own result.
//   - FloatingPointStatus for a group of plain double operations (trigonometry, a formula of
//     several terms): Divide() and Note() collect what went wrong, Test() after the group raises
//     it. Use it where a formula is evaluated in plain doubles as a whole.
//   - SquareRoot (SquareRoot.h) for every square root: a negative argument is an invalid
//     argument, never a NaN.
//   - CheckedTable (CheckedTable.h) for every table indexed by trial: an index outside raises
//     SubscriptOutOfRange.
namespace vardolin::generic {

// Checked double arithmetic for the values that come from fields. Each operation raises its
// own RunTimeError at the failing step instead of letting an infinity or NaN travel on:
// a finite non-zero value divided by zero is DivisionByZero; a result that is not finite
// (overflow, 0 / 0) is Overflow. Operands are finite wherever these are used.
double Add(double a, double b);
double Subtract(double a, double b);
double Multiply(double a, double b);
double Divide(double a, double b);
// x * x through the one square (numerics/Square.h), with Overflow for an infinite result.
double Square(double x);
// base ^ exponent, the one general power of the program; an exponent of 2 is the square.
// A negative base with a fractional exponent is an invalid argument (InvalidProcedureCall);
// zero to a negative power is DivisionByZero.
double Power(double base, double exponent);

}  // namespace vardolin::generic

// SPDX-License-Identifier: MIT
#pragma once

#include "numerics/UniformSequence.h"

namespace vardolin {

// A standard normal deviate z of one uniform value, kept as the approximation produces it:
// a size x >= 0 and the branch (z = -x for u <= 0.5, z = +x otherwise). Scaling on the
// branch (mean - sd * x or mean + sd * x) keeps draws bit-identical to the reference figures.
struct NormalDeviate {
    double size = 0.0;
    bool lower = false;

    double value() const noexcept { return lower ? -size : size; }

    // mean + sd * z in checked arithmetic: an infinite result raises Overflow.
    double Scale(double mean, double sd) const;
};

// Rational approximation 26.2.23 of Abramowitz and Stegun (absolute error below 4.5e-4) at
// the tail probability u or its single-precision complement 1 - u. u = 0 is taken as 2^-24,
// the smallest value the sequence delivers, so that no draw needs the logarithm of zero.
NormalDeviate NormalDeviateOf(float u);

// The same approximation at a probability that is no value of the sequence (a stratum of a
// Latin hypercube, a truncated range): the tail 1 - p is taken in double precision. At every
// value the sequence delivers it equals NormalDeviateOf, since 1 - u is exact there.
NormalDeviate NormalDeviateAtProbability(double p);

// The same deviate with the cube of the approximation taken by PowCube: equal to
// NormalDeviateOf at every value the sequence delivers, at about two thirds of the cost. The
// parallel slice run draws with it; the reference runs keep the formula with pow itself.
NormalDeviate FastNormalDeviateOf(float u);

// Takes exactly one value of the sequence. Callers that read mean and sd from fields take
// the deviate first, so a bad field fails after its draw's value has been consumed.
inline NormalDeviate DrawNormalDeviate(UniformSequence& uniforms) {
    return NormalDeviateOf(uniforms.NextUniform());
}

inline double StandardNormalDeviate(float u) {
    return NormalDeviateOf(u).value();
}

// One normally distributed value: consumes one uniform value and returns mean + sd * z.
// Nothing is clamped: a zero sd returns the mean, a negative sd mirrors the deviate.
inline double SampleNormal(UniformSequence& uniforms, double mean, double sd) {
    return DrawNormalDeviate(uniforms).Scale(mean, sd);
}

}  // namespace vardolin

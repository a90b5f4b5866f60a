// SPDX-License-Identifier: MIT
#include "numerics/NormalSampler.h"

#include <cmath>

#include "numerics/GenericArithmetic.h"
#include "numerics/PowCube.h"
#include "numerics/Square.h"

namespace vardolin {

namespace {

constexpr double kC0 = 2.515517;
constexpr double kC1 = 0.802853;
constexpr double kC2 = 0.010328;
constexpr double kD1 = 1.432788;
constexpr double kD2 = 0.189269;
constexpr double kD3 = 0.001308;

// The variable of the approximation at u, and the branch it lies on.
struct TailPoint {
    double t;
    bool lower;
};

TailPoint TailPointOf(float u) {
    const bool lower = u <= 0.5;
    float p = lower ? u : 1.0f - u;
    if (p == 0.0f) {
        p = UniformSequence::kResolution;
    }
    const double logP = std::log(static_cast<double>(p));
    const double m = logP * -2.0;
    return {std::sqrt(m), lower};
}

TailPoint TailPointAt(double p) {
    const bool lower = p <= 0.5;
    double q = lower ? p : 1.0 - p;
    if (q <= 0.0) {
        q = UniformSequence::kResolution;
    }
    const double logQ = std::log(q);
    const double m = logQ * -2.0;
    return {std::sqrt(m), lower};
}

NormalDeviate Approximation(TailPoint point, double cube) {
    const double t = point.t;
    const double numerator = (kC0 + kC1 * t) + kC2 * Square(t);
    const double denominator = ((1.0 + kD1 * t) + kD2 * Square(t)) + kD3 * cube;
    return {t - numerator / denominator, point.lower};
}

}  // namespace

// The grouping and the operations below are fixed: results are compared to the last digit.
NormalDeviate NormalDeviateOf(float u) {
    const TailPoint point = TailPointOf(u);
    // t is at most about 5.8, so the checked power never raises here.
    return Approximation(point, generic::Power(point.t, 3.0));
}

NormalDeviate NormalDeviateAtProbability(double p) {
    const TailPoint point = TailPointAt(p);
    return Approximation(point, generic::Power(point.t, 3.0));
}

NormalDeviate FastNormalDeviateOf(float u) {
    const TailPoint point = TailPointOf(u);
    return Approximation(point, PowCube(point.t));
}

double NormalDeviate::Scale(double mean, double sd) const {
    const double spread = generic::Multiply(sd, size);
    return lower ? generic::Subtract(mean, spread) : generic::Add(mean, spread);
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "critical_circle/FactorEvaluator.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "critical_circle/SliceTerms.h"
#include "numerics/Pi.h"

namespace vardolin::critical {

double TanOfDegrees(double degrees) noexcept {
    return std::tan(degrees * kPi / 180.0);
}

FactorEvaluator::FactorEvaluator(int sliceCapacity) {
    numerators_.reserve(static_cast<std::size_t>(std::max(sliceCapacity, 0)));
}

std::optional<double> FactorEvaluator::Settle(const CircleSlices& slices, double start,
                                              double tanFriction, double driving,
                                              int& steps) const {
    const auto n = static_cast<std::size_t>(slices.count());
    const double* sinBase = slices.sinBase.data();
    const double* cosBase = slices.cosBase.data();
    const double* numerators = numerators_.data();
    double factor = start;
    for (int step = 1; step <= kMaxBishopIterations; ++step) {
        const double tanOverFactor = tanFriction / factor;
        double sum = 0.0;
        for (std::size_t i = 0; i < n; ++i) {
            sum += numerators[i] / slice_terms::MAlpha(cosBase[i], sinBase[i], tanOverFactor);
        }
        const double next = sum / driving;
        steps += 1;
        if (!(next > 0.0 && next < HUGE_VAL)) {
            return std::nullopt;
        }
        if (std::abs(next - factor) <= kBishopTolerance * next) {
            return next;
        }
        factor = next;
    }
    return std::nullopt;
}

FactorsOfSafety FactorEvaluator::Evaluate(const CircleSlices& slices, const SoilValues& soil) {
    return Evaluate(slices, soil, TanOfDegrees(soil.frictionAngle));
}

FactorsOfSafety FactorEvaluator::Evaluate(const CircleSlices& slices, const SoilValues& soil,
                                          double tanFriction) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const auto n = static_cast<std::size_t>(slices.count());
    numerators_.resize(n);
    const double b = slices.width;

    // One pass for what does not depend on the factor.
    double resisting = 0.0;
    double driving = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double h = slices.height[i];
        const double weight = slice_terms::Weight(soil.unitWeight, h, b);
        const double u = slice_terms::PorePressure(soil.poreRatio, soil.unitWeight, h);
        resisting += slice_terms::OrdinaryResisting(soil.cohesion, slices.baseLength[i], weight,
                                                    slices.cosBase[i], u, tanFriction);
        driving += slice_terms::Driving(weight, slices.sinBase[i]);
        numerators_[i] = slice_terms::BishopNumerator(soil.cohesion, b, weight, u, tanFriction);
    }

    FactorsOfSafety factors;
    factors.ordinary = kNaN;
    factors.bishop = kNaN;
    if (!(driving > 0.0 && driving < HUGE_VAL)) {
        factors.status = FactorStatus::NoDrivingMoment;
        return factors;
    }
    factors.ordinary = resisting / driving;

    // The ordinary factor lies below Bishop's, at times so far (high pore pressures) that
    // m_alpha turns negative on the steep slices and the first step leaves the positive
    // factors; the same iteration from 1 then usually settles.
    const double ordinary = factors.ordinary;
    const double start = ordinary > 0.0 && ordinary < HUGE_VAL ? ordinary : 1.0;
    std::optional<double> settled = Settle(slices, start, tanFriction, driving, factors.iterations);
    if (!settled && start != 1.0) {
        settled = Settle(slices, 1.0, tanFriction, driving, factors.iterations);
    }
    if (!settled) {
        factors.status = FactorStatus::NotConverged;
        return factors;
    }
    factors.status = FactorStatus::Valid;
    const double factor = *settled;
    factors.bishop = factor;

    const double tanOverFactor = tanFriction / factor;
    double smallest = HUGE_VAL;
    for (std::size_t i = 0; i < n; ++i) {
        smallest = std::min(
            smallest, slice_terms::MAlpha(slices.cosBase[i], slices.sinBase[i], tanOverFactor));
    }
    factors.smallestMAlpha = smallest;
    if (!(smallest >= kMinimumMAlpha)) {
        factors.status = FactorStatus::SmallMAlpha;
    }
    return factors;
}

}  // namespace vardolin::critical

// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "critical_circle/CircleSlices.h"
#include "critical_circle/SoilValues.h"

namespace vardolin::critical {

// Bishop's iteration stops when a step changes the factor by at most this share of it.
inline constexpr double kBishopTolerance = 1e-12;
// It converges in a dozen steps on ordinary circles; a circle that needs more is suspect.
inline constexpr int kMaxBishopIterations = 200;
// Below this m_alpha on any slice Bishop's factor is not to be trusted (the usual caution).
inline constexpr double kMinimumMAlpha = 0.2;

enum class FactorStatus : unsigned char {
    Valid,
    NoDrivingMoment,  // the weights do not drive the mass toward the toe (sum of W sin(alpha)
                      // not above 0), so no factor means anything
    NotConverged,     // Bishop's iteration met a factor that is not a positive number, or did
                      // not settle within kMaxBishopIterations
    SmallMAlpha,      // settled, but m_alpha at the factor is below kMinimumMAlpha on a slice
};

struct FactorsOfSafety {
    FactorStatus status = FactorStatus::NoDrivingMoment;
    double ordinary = 0.0;        // Fellenius: sum of c l + (W cos(alpha) - u l) tan(phi) over the
                                  // driving sum of W sin(alpha); NaN without a driving moment
    double bishop = 0.0;          // Bishop's simplified factor; NaN unless it settled
    int iterations = 0;           // Bishop's steps taken
    double smallestMAlpha = 0.0;  // over the slices, at the settled factor

    bool usable() const noexcept { return status == FactorStatus::Valid; }
};

// Both factors of one circle's slices for given soil values. Bishop's factor is iterated from
// the ordinary one until it settles; from 1 where the ordinary one is not a positive number or
// the iteration from it fails. A pure
// function of its arguments; the evaluator only keeps the slices' numerators between Bishop's
// steps, so that once warm it allocates nothing. One evaluator per thread, each on a cache line
// of its own: threads that keep theirs side by side would otherwise write to each other's line.
class alignas(64) FactorEvaluator {
public:
    // Room for this many slices from the start, so that evaluating them never allocates.
    explicit FactorEvaluator(int sliceCapacity = 0);

    FactorsOfSafety Evaluate(const CircleSlices& slices, const SoilValues& soil);
    // The same with tan(phi) worked out by the caller, who evaluates many circles in one soil.
    FactorsOfSafety Evaluate(const CircleSlices& slices, const SoilValues& soil,
                             double tanFriction);

private:
    // Bishop's steps from `start` until a step changes the factor by at most kBishopTolerance
    // of it: the last factor, or nothing if a step gives no positive number or none settles
    // within kMaxBishopIterations. Adds the steps taken to `steps`.
    std::optional<double> Settle(const CircleSlices& slices, double start, double tanFriction,
                                 double driving, int& steps) const;

    std::vector<double> numerators_;
};

// tan of an angle in degrees, converted as the whole program converts (degrees * kPi / 180).
double TanOfDegrees(double degrees) noexcept;

}  // namespace vardolin::critical

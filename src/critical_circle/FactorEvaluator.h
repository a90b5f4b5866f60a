// SPDX-License-Identifier: MIT
#pragma once

#include "critical_circle/CircleSlices.h"
#include "critical_circle/SoilValues.h"
#include "slope_section/BishopMethod.h"
#include "slope_section/MethodWorkspace.h"

namespace vardolin::critical {

// Bishop's iteration stops when a step changes the factor by at most this share of it.
inline constexpr double kBishopTolerance = section::kCircleBishopTolerance;
// It converges in a dozen steps on ordinary circles; a circle that needs more is suspect.
inline constexpr int kMaxBishopIterations = section::kCircleBishopSteps;
// Below this m_alpha on any slice Bishop's factor is not to be trusted (the usual caution).
inline constexpr double kMinimumMAlpha = section::kMinimumMAlpha;

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

// Both factors of a circle's slices, by the section engine's form of Bishop's moment about the
// centre (section::SolveCircleAboutCentre): Bishop's factor is iterated from the ordinary one
// until it settles; from 1 where the ordinary one is not a positive number or the iteration
// from it fails. Once warm the evaluator allocates nothing. One per thread, each on a cache
// line of its own: threads that keep theirs side by side would otherwise write to each other's
// line.
class alignas(64) FactorEvaluator {
public:
    // Room for this many slices from the start, so that evaluating them never allocates.
    explicit FactorEvaluator(int sliceCapacity = 0);

    // The factors of the slices, with the soil's values they were laid out with.
    FactorsOfSafety Evaluate(const CircleSlices& slices);

private:
    section::MethodWorkspace workspace_;
};

// The trials on one circle: its slices, copied once, take each trial's soil values from their
// heights (section::SetMidpointSoil), with the very operations of a layout afresh. One per
// thread.
class alignas(64) TrialEvaluator {
public:
    explicit TrialEvaluator(const CircleSlices& slices);

    FactorsOfSafety Evaluate(const SoilValues& soil);

private:
    CircleSlices slices_;
    FactorEvaluator evaluator_;
};

}  // namespace vardolin::critical

// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "analysis/RunProgress.h"
#include "critical_circle/CircleSlices.h"
#include "critical_circle/CriticalCircleLimits.h"
#include "critical_circle/FactorEvaluator.h"
#include "critical_circle/SoilValues.h"
#include "critical_circle/TrialStatistics.h"
#include "numerics/UniformSequence.h"

namespace vardolin::critical {

// The soil's means and standard deviations.
struct UncertainSoil {
    SoilValues mean;
    SoilValues sd;
};

// Uniform values one trial takes: c, phi, gamma and ru, in this order.
inline constexpr int kDrawsPerTrial = static_cast<int>(kSoilParameters.size());

struct CircleTrialsOutcome {
    std::vector<SoilValues> drawn;  // each trial's values
    std::vector<double> factors;    // Bishop's factor of each trial (NaN where it has none)
    std::vector<FactorStatus> statuses;
    TrialStatistics statistics;
};

// Monte Carlo trials on one fixed circle: each trial draws c, phi, gamma and ru once for the
// whole sliding mass, one uniform value each in this order, through the normal sampler
// (mean + sd * z, as SampleNormal), and evaluates both factors on the circle's slices, whose
// geometry no draw changes. Trial i takes values 4i .. 4i + 3 of the sequence, so the trials
// are drawn and worked out together on `threads` threads (1 is the sequential reference path)
// and the figures are those of a loop over the trials in order, bit for bit, whatever their
// number. The sequence ends where the trials' draws leave it.
// A draw whose value overflows raises RunTimeError(Overflow) with the sequence just past that
// draw, as the loop would; a cancel throws RunCancelled and leaves the sequence where it was.
// Each finished chunk of trials is added to the watcher's stepsDone (the caller sets
// stepsTotal). A count outside kMinTrials .. kMaxTrials runs no trial.
CircleTrialsOutcome RunCircleTrials(const CircleSlices& slices, const UncertainSoil& soil,
                                    int trials, UniformSequence& uniforms, int threads,
                                    RunProgress* progress = nullptr);

}  // namespace vardolin::critical

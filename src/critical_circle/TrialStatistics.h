// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>

#include "critical_circle/FactorEvaluator.h"

namespace vardolin::critical {

// What the trials on the critical circle say. Only the trials whose factor is usable (settled,
// without caution) enter the figures; the others are counted by what stopped them, so that the
// run can say how many were left out.
struct TrialStatistics {
    int trials = 0;
    int usable = 0;
    int noDrivingMoment = 0;
    int notConverged = 0;
    int smallMAlpha = 0;
    int failed = 0;                  // usable trials with a factor below 1
    double failurePercent = 0.0;     // failed / usable * 100; 0 without a usable trial
    double meanFactor = 0.0;         // 0 without a usable trial
    double standardDeviation = 0.0;  // sample deviation (n - 1); 0 for equal factors
    double minimum = 0.0;            // of the usable factors
    double maximum = 0.0;
    // (mean - 1) / standard deviation; not defined for a zero deviation.
    std::optional<double> reliabilityIndex;
    // The same for a lognormal factor: (ln(mean) - ln(1 + V^2) / 2) / sqrt(ln(1 + V^2)) with
    // V = standard deviation / mean; not defined for a zero deviation or a mean not above 0.
    std::optional<double> lognormalReliabilityIndex;
};

// Sums in trial order, so that the figures do not depend on how the trials were shared out.
TrialStatistics SummariseTrials(std::span<const double> factors,
                                std::span<const FactorStatus> statuses);

}  // namespace vardolin::critical

// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>

#include "statistics/TrialDistribution.h"

namespace vardolin::section {

// What became of one trial on the critical surface.
enum class TrialResult : unsigned char {
    Usable,       // the method found a factor without a doubt that keeps it out
    NoFactor,     // the method found none on the drawn soils (its flags say why)
    SmallMAlpha,  // a factor, but with m_alpha below kMinimumMAlpha on a slice
    OutOfRange,   // a draw outside its input's range: a section that cannot be solved
};

// What the trials say. Only the usable trials enter the figures, as the critical surface's
// search keeps out the circles it cannot trust; the others are counted by what stopped them so
// that a report can say how many were left out.
struct SectionTrialStatistics {
    int trials = 0;
    int usable = 0;
    int noFactor = 0;
    int smallMAlpha = 0;
    int outOfRange = 0;
    int failed = 0;               // usable trials with a factor below 1
    double failurePercent = 0.0;  // failed / usable * 100; 0 without a usable trial
    // Of the usable factors (mean, sample deviation, extremes, (mean - 1) / deviation); all 0
    // and no index without a usable trial.
    TrialDistribution distribution;
    // (ln(mean) - ln(1 + V^2) / 2) / sqrt(ln(1 + V^2)) with V = deviation / mean; not defined
    // for a zero deviation or a mean not above 0.
    std::optional<double> lognormalReliabilityIndex;
};

// Sums in trial order, so that the figures do not depend on how the trials were shared out.
// `factors` and `results` hold one entry per trial.
SectionTrialStatistics SummariseSectionTrials(std::span<const double> factors,
                                              std::span<const TrialResult> results);

}  // namespace vardolin::section

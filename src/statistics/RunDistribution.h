// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/OutOfRangeDraws.h"
#include "analysis/ParameterDraws.h"
#include "analysis/Sensitivity.h"

namespace vardolin {

// The trial factors of safety of a Monte Carlo run, copied when the run ends for its histogram;
// the run's own tables go on as they were.
struct RunDistribution {
    std::vector<double> factors;    // trial 1 first
    std::string failurePercentage;  // the text the form reported
    // Per parameter, the trials that drew it outside its physical range.
    std::vector<OutOfRangeCount> outOfRange;
    ParameterDraws draws;  // what the trials drew, where the analysis keeps it
    // The factor as each parameter moves alone, where the analysis has one evaluation at the
    // averages; worked out from the run's inputs without a draw.
    std::optional<Sensitivity> sensitivity;
    bool sensitivityPending = false;    // worked out in the background after the run
    bool sensitivityCancelled = false;  // skipped: stopped before they were done
};

// What a form's histogram has to show: the last Monte Carlo run, if any, and whether a
// fixed-data run (one evaluation, not a distribution) came after it. A run that stops with an
// error or a message changes neither.
struct DistributionRecord {
    std::optional<RunDistribution> last;
    bool fixedDataSince = false;

    // The Monte Carlo run the form's results come from: the last one, unless a fixed-data run
    // came after it.
    const RunDistribution* current() const { return last && !fixedDataSince ? &*last : nullptr; }
};

}  // namespace vardolin

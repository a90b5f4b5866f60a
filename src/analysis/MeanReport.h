// SPDX-License-Identifier: MIT
#pragma once

#include <span>

#include "fields/FieldValues.h"

namespace vardolin {

// The end of a completed Monte Carlo run, the same for every analysis: the trials' factors
// (trial 1 first) added in trial order, their sum divided by the trials that ran, the mean into
// `meanField` and its verdict into `messageField`.
void WriteMeanAndVerdict(FieldValues& f, std::span<const double> trialFactors, int meanField,
                         int messageField);

// The mean alone, summed as above, for an analysis with its own verdict; returns it.
double WriteMean(FieldValues& f, std::span<const double> trialFactors, int meanField);

}  // namespace vardolin

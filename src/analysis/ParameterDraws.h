// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "analysis/UncertainInput.h"

namespace vardolin {

// What each trial of a run drew, for plotting its factor against each parameter: one column per
// parameter, named by the field of its average, one row per kept trial.
//
// Bounded: at most kMaxKeptTrials rows. A run planned for more keeps every stride-th trial
// (1, 1 + stride, …), an even sample of the whole run rather than its beginning. Each column
// costs 8 bytes a trial: 8 MB at 1,000,000 trials unbounded, at most 0.8 MB kept.
class ParameterDraws {
public:
    static constexpr int kMaxKeptTrials = 100'000;

    ParameterDraws() = default;
    // One column per input, for a run of `plannedTrials` trials (its loop end: a fraction runs
    // the whole trials below it).
    ParameterDraws(std::span<const UncertainInput> inputs, double plannedTrials);

    // Keeps trial `trial`'s (1 first) draws, one per column, if it is one of the sample.
    void Keep(int trial, std::span<const double> values);

    std::span<const int> meanFields() const { return meanFields_; }
    const std::vector<double>& column(std::size_t parameter) const { return columns_[parameter]; }
    std::size_t rows() const { return columns_.empty() ? 0 : columns_.front().size(); }
    // The trial (1 first) a row was drawn in.
    int trialOf(std::size_t row) const { return 1 + static_cast<int>(row) * stride_; }
    int stride() const { return stride_; }
    bool empty() const { return rows() == 0; }

private:
    std::vector<int> meanFields_;
    std::vector<std::vector<double>> columns_;
    int stride_ = 1;
};

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <vector>

#include "analysis/UncertainParameters.h"

namespace vardolin {

// The averages' fields of the four parameters, in the order a trial draws them.
inline constexpr std::array<int, 4> kUncertainMeanFields{CohesionMean, FrictionAngleMean,
                                                         RockUnitWeightMean, WaterHeightMean};

// What each trial of a run drew, for plotting its factor against each parameter: one column per
// parameter, named by the field of its average, one row per kept trial.
//
// Bounded: at most kMaxKeptTrials rows. A run planned for more keeps every stride-th trial
// (1, 1 + stride, …), an even sample of the whole run rather than its beginning. Four columns of
// doubles cost 32 bytes a trial: 32 MB at 1,000,000 trials unbounded, at most 3.2 MB kept.
class ParameterDraws {
public:
    static constexpr int kMaxKeptTrials = 100'000;

    ParameterDraws() = default;
    // Columns for the parameters of `meanFields`, for a run of `plannedTrials` trials (its
    // loop end: a fraction runs the whole trials below it).
    ParameterDraws(std::span<const int> meanFields, double plannedTrials);

    // Keeps trial `trial`'s (1 first) draws, one per column, if it is one of the sample.
    void Keep(int trial, std::span<const double> values);
    // The same for the four parameters in kUncertainMeanFields' columns.
    void Keep(int trial, const UncertainParameters& drawn);

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

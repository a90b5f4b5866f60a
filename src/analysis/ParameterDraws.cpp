// SPDX-License-Identifier: MIT
#include "analysis/ParameterDraws.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace vardolin {

ParameterDraws::ParameterDraws(std::span<const UncertainInput> inputs, double plannedTrials)
    : columns_(inputs.size()) {
    for (const UncertainInput& input : inputs) {
        meanFields_.push_back(input.meanField);
    }
    const double planned = plannedTrials >= 1.0 ? std::floor(plannedTrials) : 0.0;
    stride_ = static_cast<int>(std::max(1.0, std::ceil(planned / kMaxKeptTrials)));
    const auto rows = static_cast<std::size_t>(std::min(planned, double{kMaxKeptTrials}));
    for (std::vector<double>& column : columns_) {
        column.reserve(rows);
    }
}

void ParameterDraws::Keep(int trial, std::span<const double> values) {
    assert(values.size() == columns_.size());
    if ((trial - 1) % stride_ != 0 || rows() >= static_cast<std::size_t>(kMaxKeptTrials)) {
        return;
    }
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        columns_[i].push_back(values[i]);
    }
}

}  // namespace vardolin

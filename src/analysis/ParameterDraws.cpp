// SPDX-License-Identifier: MIT
#include "analysis/ParameterDraws.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace vardolin {

ParameterDraws::ParameterDraws(std::span<const int> meanFields, double plannedTrials)
    : meanFields_(meanFields.begin(), meanFields.end()), columns_(meanFields.size()) {
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

void ParameterDraws::Keep(int trial, const UncertainParameters& drawn) {
    const std::array<double, 4> values{drawn.cohesion, drawn.frictionAngle, drawn.rockUnitWeight,
                                       drawn.waterHeight};
    Keep(trial, values);
}

}  // namespace vardolin

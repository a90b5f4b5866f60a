// SPDX-License-Identifier: MIT
#include "analysis/SplitRun.h"

#include <cstdint>

namespace vardolin {

TrialRange PartRange(int trials, RunPart part) {
    // In 64 bits: k N stays exact for every count and number of parts an int holds.
    const auto at = [&](int k) { return static_cast<int>(std::int64_t{k} * trials / part.parts); };
    return {at(part.index - 1), at(part.index)};
}

bool TrialRecords::complete() const {
    const auto trials = static_cast<std::size_t>(range.count() < 0 ? 0 : range.count());
    return range.count() >= 0 && factors.size() == trials && statuses.size() == trials &&
           values.size() == trials * width;
}

void TrialRecords::Add(std::span<const double> trialValues, double factor, int status) {
    values.insert(values.end(), trialValues.begin(), trialValues.end());
    factors.push_back(factor);
    statuses.push_back(status);
}

std::span<const double> TrialRecords::valuesOf(int trial) const {
    return std::span<const double>(values).subspan(Offset(trial) * width, width);
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "analysis/OutOfRangeDraws.h"

#include <bit>
#include <cassert>

namespace vardolin {

void OutOfRangeTally::AddTrial(InputsOutOfRange outside) {
    while (outside != 0) {
        const int k = std::countr_zero(outside);
        ++trials_[static_cast<std::size_t>(k)];
        outside &= outside - 1;
    }
}

std::vector<OutOfRangeCount> OutOfRangeTally::Counts(std::span<const UncertainInput> inputs) const {
    assert(inputs.size() <= kMaxUncertainInputs);
    std::vector<OutOfRangeCount> counts;
    counts.reserve(inputs.size());
    for (std::size_t k = 0; k < inputs.size(); ++k) {
        counts.push_back({std::string(inputs[k].key), trials_[k]});
    }
    return counts;
}

}  // namespace vardolin

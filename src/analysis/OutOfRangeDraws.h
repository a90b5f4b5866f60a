// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/NumberRange.h"
#include "analysis/UncertainInput.h"

namespace vardolin {

// Trials whose draw of one uncertain input fell outside its physical range (a negative
// cohesion, water above the crack, …). Normal draws are not bounded and a run uses them as they
// come, so these say how far the chosen deviations reach beyond what a slope can hold.
struct OutOfRangeCount {
    // The input's key; owned, as an analysis may make its inputs' keys for one run (a section's
    // soils).
    std::string parameter;
    int trials = 0;
};

// The inputs of one trial that drew outside their ranges: bit k for input k of the list.
using InputsOutOfRange = std::uint64_t;

// The ranges of a run's draws, one per input in list order, each highestField's number read
// through `number(field)` in that order.
template <typename Number>
std::vector<NumberRange> DrawRanges(std::span<const UncertainInput> inputs, Number&& number) {
    std::vector<NumberRange> ranges;
    ranges.reserve(inputs.size());
    for (const UncertainInput& input : inputs) {
        ranges.push_back(
            DrawRange(input, input.highestField != 0 ? number(input.highestField) : 0.0));
    }
    return ranges;
}

// The bits of `values` (one per range, in order) that lie outside their ranges.
inline InputsOutOfRange OutsideRanges(std::span<const NumberRange> ranges,
                                      std::span<const double> values) {
    InputsOutOfRange outside = 0;
    for (std::size_t k = 0; k < ranges.size(); ++k) {
        outside |= ranges[k].Contains(values[k]) ? 0 : InputsOutOfRange{1} << k;
    }
    return outside;
}

// Counts, per input, the trials with at least one draw outside its range. Trials may be added
// in any grouping (a worker's chunk, then the next) as long as each is added once.
class OutOfRangeTally {
public:
    // One trial: the inputs it drew outside their ranges at least once.
    void AddTrial(InputsOutOfRange outside);

    // The inputs in list order, each with its count.
    std::vector<OutOfRangeCount> Counts(std::span<const UncertainInput> inputs) const;

private:
    std::array<int, kMaxUncertainInputs> trials_{};
};

}  // namespace vardolin

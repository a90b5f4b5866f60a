// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace vardolin {

// The numbers an input or a drawn parameter may take, each end included or not; an end left
// out is unbounded.
struct NumberRange {
    std::optional<double> lowest;
    bool lowestIncluded = true;
    std::optional<double> highest;
    bool highestIncluded = true;

    // From `lowest` on, with `lowest` itself or without it.
    static constexpr NumberRange From(double lowest, bool included = true) {
        return {lowest, included, std::nullopt, true};
    }
    static constexpr NumberRange Between(double lowest, bool lowestIncluded, double highest,
                                         bool highestIncluded) {
        return {lowest, lowestIncluded, highest, highestIncluded};
    }

    constexpr bool Contains(double value) const {
        if (lowest && (lowestIncluded ? value < *lowest : value <= *lowest)) {
            return false;
        }
        return !highest || (highestIncluded ? value <= *highest : value < *highest);
    }
};

}  // namespace vardolin

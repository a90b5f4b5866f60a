// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

#include "analysis/NumberRange.h"

namespace vardolin {

// An input a run draws once per trial (or once per slice) from the fields of its average and
// standard deviation. An analysis lists its own; everything that works on them (the sampling
// choices, the out-of-range counts, the checks of the averages, the sensitivity curves, the
// scatter, the exports and the report) takes the list as it comes, of any length from 1 to
// kMaxUncertainInputs.
struct UncertainInput {
    std::string_view key;    // as the sampling choices, the exports and --json name it
    std::string_view label;  // as the Sampling dialog and the report show it
    std::string_view unit;
    int meanField;
    int sdField;
    // Where a draw can lie: a trial that drew outside counts as out of range, and an average
    // outside stops the run with `rangeMessage`.
    NumberRange range;
    std::string_view rangeMessage;
    // A field whose number is the range's upper end (included) in place of range.highest, or 0:
    // the water in a crack reaches at most its foot.
    int highestField = 0;
};

// The most inputs one analysis may list (one bit each in InputsOutOfRange).
inline constexpr std::size_t kMaxUncertainInputs = 64;

// The range of a draw of `input` in a run where its highestField, if it has one, holds
// `highest`.
constexpr NumberRange DrawRange(const UncertainInput& input, double highest) {
    NumberRange range = input.range;
    if (input.highestField != 0) {
        range.highest = highest;
        range.highestIncluded = true;
    }
    return range;
}

}  // namespace vardolin

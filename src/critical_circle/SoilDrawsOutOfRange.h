// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <span>
#include <vector>

#include "analysis/NumberRange.h"
#include "analysis/OutOfRangeDraws.h"
#include "critical_circle/SoilValues.h"

namespace vardolin::critical {

// What a soil can hold, in the order of kSoilParameters: c >= 0, 0 <= phi < 90 degrees,
// gamma > 0 and 0 <= ru < 1. The form asks these of the averages.
inline constexpr std::array<NumberRange, 4> kSoilRanges{
    NumberRange::From(0.0), NumberRange::Between(0.0, true, 90.0, false),
    NumberRange::From(0.0, false), NumberRange::Between(0.0, true, 1.0, false)};

// Per parameter, in the order of kSoilParameters and under the run's names, the trials whose
// draw fell outside its range: normal draws are not bounded, and the trials use them as they
// come (a trial with no driving moment is left out of the figures, not of this count).
std::vector<OutOfRangeCount> CountSoilDrawsOutOfRange(std::span<const SoilValues> drawn);

}  // namespace vardolin::critical

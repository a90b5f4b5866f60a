// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace vardolin::messages {

// Inputs every analysis checks alike, named as the forms label them.
inline constexpr std::string_view kSlopeHeightNotAboveZero = "Please Enter Slope Height Upper 0";
inline constexpr std::string_view kWaterUnitWeightNotAboveZero =
    "Please Enter Unit Weight of Water Upper 0";

}  // namespace vardolin::messages

// SPDX-License-Identifier: MIT
#pragma once

#include "circle_search/SearchSpace.h"

namespace vardolin::critical {

// The counts the analysis accepts. The core treats a count outside them as bad settings rather
// than running an absurd amount of work; the form checks them first and says which.
inline constexpr int kDefaultSlices = 50;
inline constexpr int kMinSlices = 1;
inline constexpr int kMaxSlices = 10'000;
// The form asks for a count above 1 and runs its whole part: "1.5" runs one trial.
inline constexpr int kMinTrials = 1;
inline constexpr int kMaxTrials = 1'000'000;
inline constexpr int kMaxCentresPerSide = circle_search::kMaxCentresPerSide;
inline constexpr int kMaxRadiiPerCentre = circle_search::kMaxRadiiPerCentre;

}  // namespace vardolin::critical

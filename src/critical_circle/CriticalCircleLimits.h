// SPDX-License-Identifier: MIT
#pragma once

namespace vardolin::critical {

// The counts the analysis accepts. The core treats a count outside them as bad settings rather
// than running an absurd amount of work; the form checks them first and says which.
inline constexpr int kDefaultSlices = 50;
inline constexpr int kMinSlices = 1;
inline constexpr int kMaxSlices = 10'000;
// The form asks for a count above 1 and runs its whole part: "1.5" runs one trial.
inline constexpr int kMinTrials = 1;
inline constexpr int kMaxTrials = 1'000'000;
inline constexpr int kMaxCentresPerSide = 1'000;
inline constexpr int kMaxRadiiPerCentre = 1'000;

}  // namespace vardolin::critical

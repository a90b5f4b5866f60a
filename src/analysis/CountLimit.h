// SPDX-License-Identifier: MIT
#pragma once

namespace vardolin {

// The bound below which every count of a run must stay: trials, and slices of a circle. Tables
// of trials have room for exactly this many entries.
inline constexpr int kCountLimit = 10000;

}  // namespace vardolin

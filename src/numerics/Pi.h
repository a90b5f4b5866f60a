// SPDX-License-Identifier: MIT
#pragma once

namespace vardolin {

// The constant of every angle conversion of the program (degrees * kPi / 180 and back):
// the double nearest 3.14159265358979, a little below the double nearest pi. Results are
// compared to the last digit, so no conversion may use a better pi.
inline constexpr double kPi = 3.14159265358979;

}  // namespace vardolin

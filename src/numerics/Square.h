// SPDX-License-Identifier: MIT
#pragma once

namespace vardolin {

// The one square of the program: the correctly rounded product x * x. Never pow(x, 2): a
// compiler turns that call into the product only when it optimises, and the library's pow may
// round the other way, so the same input would give different figures in a Debug and a Release
// build. Every square of the analyses and the sampler goes through here.
constexpr double Square(double x) noexcept {
    return x * x;
}

}  // namespace vardolin

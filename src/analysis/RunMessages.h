// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace vardolin::messages {

// Texts the runs write into a form's message field, exactly as users know them.
inline constexpr std::string_view kCountNotAboveOne = "Please Inter Namber of calculation Upper 1";
inline constexpr std::string_view kCountNotBelowLimit =
    "Please Inter Namber of calculation Under 10000";
inline constexpr std::string_view kFixedData = "This Exprimentation Included Fix Data";
inline constexpr std::string_view kStable = "Block is Stable";
inline constexpr std::string_view kNotStable = "Block is not Stable";

inline constexpr std::string_view Verdict(double meanSafetyFactor) {
    return meanSafetyFactor >= 1.0 ? kStable : kNotStable;
}

}  // namespace vardolin::messages

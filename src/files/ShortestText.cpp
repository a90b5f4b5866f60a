// SPDX-License-Identifier: MIT
#include "files/ShortestText.h"

#include <array>
#include <charconv>

namespace vardolin {

std::string ShortestText(double value) {
    std::array<char, 32> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    return std::string(digits.data(), end);
}

}  // namespace vardolin

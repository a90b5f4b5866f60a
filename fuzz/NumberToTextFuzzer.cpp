// SPDX-License-Identifier: MIT
// Every finite double is written in at most 15 significant digits that read back to the
// double rounded to 15 digits, in fixed form from 1 up to 1E+15.
#include <cmath>
#include <cstring>

#include "FuzzFields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vardolin;
    if (size < sizeof(double)) {
        return 0;
    }
    double value;
    std::memcpy(&value, data, sizeof value);
    const std::string text = DoubleToText(value);
    if (!std::isfinite(value)) {
        return 0;
    }
    fuzz::Require(text.size() <= 24, "a number text is too long");
    if (text == "1.79769313486232E+308" || text == "-1.79769313486232E+308") {
        return 0;  // the largest doubles round to 15 digits beyond the double range
    }
    const double back = fuzz::RequireNumber(text);
    fuzz::Require(std::abs(back - value) <= std::abs(value) * 1e-14, "a number text is off");
    int digits = 0;
    for (char c : text) {
        if (c == 'E') {
            break;
        }
        digits += (c >= '1' && c <= '9') || (digits > 0 && c == '0') ? 1 : 0;
    }
    fuzz::Require(digits <= 15, "more than 15 significant digits");
    const bool exponentForm = text.find('E') != std::string::npos;
    if (std::abs(back) >= 1.0 && std::abs(back) < 1e15) {
        fuzz::Require(!exponentForm, "exponent form for a plain magnitude");
    }
    return 0;
}

// SPDX-License-Identifier: MIT
#include "fields/FieldDisplay.h"

#include <charconv>

#include "numerics/RunTimeError.h"

namespace vardolin {

std::string ShownText(std::string_view written, FieldDisplay display, const NumberLocale& locale) {
    const int decimals = ShownDecimals(display);
    if (decimals < 0) {
        return std::string(written);
    }
    double value = 0.0;
    try {
        value = TextToDouble(written, locale);
    } catch (const RunTimeError&) {
        return std::string(written);
    }
    // Whatever the C locale: the separator is the user's, put in below.
    char buffer[400];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
            .ptr;
    std::string shown(buffer, end);
    if (shown.find_first_not_of("-0.") == std::string::npos && shown.front() == '-') {
        shown.erase(0, 1);  // a tiny negative figure rounds to zero, not to "-0.000"
    }
    if (const auto point = shown.find('.'); point != std::string::npos) {
        shown.replace(point, 1, locale.decimalSeparator);
    }
    return shown;
}

}  // namespace vardolin

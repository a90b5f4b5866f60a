// SPDX-License-Identifier: MIT
#include "numerics/NumberText.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "numerics/RunTimeError.h"

namespace vardolin {

namespace {

constexpr int kSignificantDigits = 15;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Scans a plain decimal number and rewrites it in the form strtod reads in the C locale.
// Returns false if the text is not a number of the accepted grammar.
bool Normalise(std::string_view text, const NumberLocale& locale, std::string& out) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        out += text[i++];
    }
    int digits = 0;
    bool separatorSeen = false;
    const std::string_view separator = locale.decimalSeparator;
    while (i < text.size()) {
        if (IsDigit(text[i])) {
            out += text[i++];
            ++digits;
        } else if (!separatorSeen && !separator.empty() && text.substr(i).starts_with(separator)) {
            out += '.';
            i += separator.size();
            separatorSeen = true;
        } else if (!separatorSeen && text[i] == '.') {
            out += '.';
            ++i;
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        out += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            out += text[i++];
        }
        int exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            out += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return i == text.size();
}

// The C locale, so that parsing never depends on the process locale the window system set.
locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}

}  // namespace

double TextToDouble(std::string_view text, const NumberLocale& locale) {
    std::string normalised;
    normalised.reserve(text.size() + 1);
    if (!Normalise(text, locale, normalised)) {
        throw RunTimeError(ErrorCode::TypeMismatch);
    }
    const double value = strtod_l(normalised.c_str(), nullptr, CLocale());
    if (std::isinf(value)) {
        throw RunTimeError(ErrorCode::Overflow);
    }
    return value;
}

std::int16_t RoundToInt16(double value) {
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        whole += 1.0;
    }
    if (!(whole >= std::numeric_limits<std::int16_t>::min() &&
          whole <= std::numeric_limits<std::int16_t>::max())) {
        throw RunTimeError(ErrorCode::Overflow);
    }
    return static_cast<std::int16_t>(whole);
}

std::string DoubleToText(double value, const NumberLocale& locale) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Infinity" : "Infinity";
    }
    if (value == 0.0) {
        return "0";
    }
    // "-d.dddddddddddddde+ddd": the value correctly rounded to 15 significant digits.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, value);
    const std::string_view formatted(buffer);
    const bool negative = formatted.front() == '-';
    const std::size_t start = negative ? 1 : 0;
    std::string digits;
    digits += formatted[start];
    const std::size_t ePos = formatted.find('e');
    digits += formatted.substr(start + 2, ePos - start - 2);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    const int exponent = std::atoi(buffer + ePos + 1);
    const int count = static_cast<int>(digits.size());
    const std::string& separator = locale.decimalSeparator;

    std::string text = negative ? "-" : "";
    const int leadingZeros = -exponent - 1;
    const bool fixed =
        exponent < 0 ? leadingZeros + count <= kSignificantDigits : exponent < kSignificantDigits;
    if (fixed && exponent < 0) {
        text += "0" + separator + std::string(static_cast<std::size_t>(leadingZeros), '0') + digits;
    } else if (fixed) {
        const auto integerDigits = static_cast<std::size_t>(exponent + 1);
        if (digits.size() <= integerDigits) {
            text += digits + std::string(integerDigits - digits.size(), '0');
        } else {
            text += digits.substr(0, integerDigits) + separator + digits.substr(integerDigits);
        }
    } else {
        text += digits.substr(0, 1);
        if (count > 1) {
            text += separator + digits.substr(1);
        }
        const int magnitude = std::abs(exponent);
        text += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10) {
            text += '0';
        }
        text += std::to_string(magnitude);
    }
    return text;
}

}  // namespace vardolin

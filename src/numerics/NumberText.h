// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vardolin {

// The user's number conventions. Only the decimal separator matters: results are written
// with it, and field texts are read with it. The point is always accepted as well, since the
// forms' own default texts (".5") use it.
struct NumberLocale {
    std::string decimalSeparator = ".";
};

// Field text to double. Accepted: surrounding blanks, an optional sign, digits with at most
// one decimal separator (a leading one too: ".5"), an optional exponent ("1e-3", "2E+5").
// Anything else, an empty text, "inf" and "nan" included, raises TypeMismatch; a number beyond
// the double range raises Overflow. A value below the smallest double becomes zero.
double TextToDouble(std::string_view text, const NumberLocale& locale = {});

// Rounds to the nearest integer, a half going to the even neighbour (2.5 -> 2, 501.5 -> 502),
// and narrows to 16 bits, raising Overflow outside -32768..32767.
std::int16_t RoundToInt16(double value);

// The default number format of results: at most 15 significant digits, trailing zeros
// dropped, no grouping, "0" before a fraction ("0.5"), a minus only for negative values
// (negative zero is "0"). Exponent form from 1E+15 upwards ("1.2E+15", "1E+300") and for
// small magnitudes whose digits no longer fit in 15 places after the separator ("5.6789E-12").
std::string DoubleToText(double value, const NumberLocale& locale = {});

}  // namespace vardolin

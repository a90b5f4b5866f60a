// SPDX-License-Identifier: MIT
// Any text either converts to a finite double, whose text converts back to the same text, or
// raises TypeMismatch or Overflow; the 16-bit rounding stays in range or raises Overflow.
#include <cmath>

#include "FuzzFields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vardolin;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const NumberLocale& locale : {NumberLocale{"."}, NumberLocale{","}}) {
        try {
            const double value = TextToDouble(text, locale);
            fuzz::Require(std::isfinite(value), "a conversion gave no finite number");
            const std::string written = DoubleToText(value, locale);
            fuzz::Require(DoubleToText(TextToDouble(written, locale), locale) == written,
                          "a written number does not read back");
            try {
                const int rounded = RoundToInt16(value);
                fuzz::Require(std::abs(rounded - value) <= 0.5, "rounding moved too far");
            } catch (const RunTimeError& e) {
                fuzz::Require(e.code() == ErrorCode::Overflow, "rounding raised the wrong error");
            }
        } catch (const RunTimeError& e) {
            fuzz::Require(e.code() == ErrorCode::TypeMismatch || e.code() == ErrorCode::Overflow,
                          "a conversion raised the wrong error");
        }
    }
    return 0;
}

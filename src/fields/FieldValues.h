// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "fields/FieldTexts.h"
#include "numerics/NumberText.h"

namespace vardolin {

// A form's fields as numbers, for the length of one run. A field is converted at its first
// use, and so raises its conversion error at exactly the step that first needs it; later uses
// reuse the value, which is the same as reading the text again because nothing but the run's
// own writes changes a field during a run. A write goes straight to the form and forgets the
// field's value, so a field the run rewrites (the count) is read afresh.
class FieldValues {
public:
    static constexpr int kMaxField = 69;

    FieldValues(FieldTexts& texts, const NumberLocale& locale) : texts_(texts), locale_(locale) {}
    // The values keep a reference to the locale, so a temporary one would dangle.
    FieldValues(FieldTexts& texts, NumberLocale&& locale) = delete;

    // The field's text as a double (TypeMismatch, Overflow as TextToDouble). The error names
    // the field, so that the user is taken to the text to correct.
    double Number(int field);

    // The field's number rounded half to even to a 16-bit integer (Overflow outside, naming the
    // field as well: the number typed there is too large for it).
    std::int16_t RoundedInt16(int field);

    void Write(int field, std::string_view text);
    void WriteNumber(int field, double value) { Write(field, DoubleToText(value, locale_)); }
    const NumberLocale& locale() const noexcept { return locale_; }
    const FieldTexts& texts() const noexcept { return texts_; }

private:
    FieldTexts& texts_;
    const NumberLocale& locale_;
    std::array<std::optional<double>, kMaxField + 1> values_{};
};

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "fields/FieldValues.h"

#include <cassert>

#include "numerics/RunTimeError.h"

namespace vardolin {

double FieldValues::Number(int field) {
    assert(field >= 0 && field <= kMaxField);
    auto& slot = values_[static_cast<std::size_t>(field)];
    if (!slot) {
        try {
            slot = TextToDouble(texts_.text(field), locale_);
        } catch (const RunTimeError& error) {
            throw RunTimeError(error.code(), field);
        }
    }
    return *slot;
}

std::int16_t FieldValues::RoundedInt16(int field) {
    const double value = Number(field);
    try {
        return RoundToInt16(value);
    } catch (const RunTimeError& error) {
        throw RunTimeError(error.code(), field);
    }
}

void FieldValues::Write(int field, std::string_view text) {
    assert(field >= 0 && field <= kMaxField);
    values_[static_cast<std::size_t>(field)].reset();
    texts_.setText(field, text);
}

}  // namespace vardolin

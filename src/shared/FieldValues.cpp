// SPDX-License-Identifier: MIT
#include "shared/FieldValues.h"

#include <cassert>

namespace vardolin {

double FieldValues::Number(int field) {
    assert(field >= 0 && field <= kMaxField);
    auto& slot = values_[static_cast<std::size_t>(field)];
    if (!slot) {
        slot = TextToDouble(texts_.text(field), locale_);
    }
    return *slot;
}

void FieldValues::Write(int field, std::string_view text) {
    assert(field >= 0 && field <= kMaxField);
    values_[static_cast<std::size_t>(field)].reset();
    texts_.setText(field, text);
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "circle/SliceInputs.h"

#include "circle/SliceMethodDescription.h"
#include "numerics/RunTimeError.h"
#include "shared/FieldTextMap.h"

namespace vardolin {

SliceInputs SliceInputs::Defaults() {
    FieldTextMap texts = DefaultTexts(SliceMethod());
    const NumberLocale locale{};
    FieldValues fields(texts, locale);
    // The form's default texts are all numbers.
    return *SliceInputs(fields).Converted();
}

std::optional<SliceInputs> SliceInputs::Converted() {
    SliceInputs numbers;
    try {
        for (const int field : kFields) {
            numbers.Set(field, Number(field));
        }
    } catch (const RunTimeError&) {
        return std::nullopt;
    }
    return numbers;
}

}  // namespace vardolin

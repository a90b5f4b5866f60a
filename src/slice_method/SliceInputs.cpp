// SPDX-License-Identifier: MIT
#include "slice_method/SliceInputs.h"

#include "fields/FieldTextMap.h"
#include "numerics/RunTimeError.h"
#include "slice_method/SliceMethodDescription.h"

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

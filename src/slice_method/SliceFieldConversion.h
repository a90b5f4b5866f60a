// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "fields/FieldTexts.h"
#include "numerics/NumberText.h"
#include "slice_method/SliceInputs.h"

namespace vardolin {

// Every field a slice-method trial reads, converted up front; nothing if any of them does not
// convert. Only reads the texts, so a run that gets nothing here can still go the way that
// converts each field at its first use and fails at exactly that step.
std::optional<SliceInputValues> ConvertSliceInputs(const FieldTexts& fields,
                                                   const NumberLocale& locale);

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "fields/FieldFacts.h"
#include "numerics/NumberText.h"

namespace vardolin {

// The text a result field shows for the text its run wrote: the figure rounded to the
// display's decimals, with the user's decimal separator and no minus before a zero ("0.000" for
// 1.05E-15). A text that is no number (a message, an empty field) and AsWritten show as
// written.
std::string ShownText(std::string_view written, FieldDisplay display, const NumberLocale& locale);

}  // namespace vardolin

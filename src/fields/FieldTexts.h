// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace vardolin {

// The texts of a form's fields, as an analysis run sees them. A field is named by the number
// of its control (4 for Text4). A window implements this over its text boxes; tests and
// benchmarks use FieldTextMap. A run reads the inputs and writes the results through it.
class FieldTexts {
public:
    virtual ~FieldTexts() = default;

    virtual std::string text(int field) const = 0;
    virtual void setText(int field, std::string_view text) = 0;

protected:
    FieldTexts() = default;
    FieldTexts(const FieldTexts&) = default;
    FieldTexts& operator=(const FieldTexts&) = default;
};

}  // namespace vardolin

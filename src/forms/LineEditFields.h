// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "fields/FieldTexts.h"

namespace vardolin::forms {

// A form's text boxes as the field texts of an analysis run: field n is the text box "Textn"
// among the given controls. Texts pass as UTF-8. A field written shows the start of its text; a
// result field with a display (ResultFieldDisplay) passes its whole text, whatever it shows. Asking
// for a field the form does not have is a programming error and throws std::out_of_range.
class LineEditFields final : public FieldTexts {
public:
    // Collects every QLineEdit named "Text<n>" among the descendants of `form`.
    explicit LineEditFields(const QWidget& form);

    std::string text(int field) const override;
    void setText(int field, std::string_view text) override;

private:
    QLineEdit& field(int number) const;

    std::map<int, QPointer<QLineEdit>> fields_;
};

// The text box of field `number` ("Text<number>") under `form`, or nullptr.
QLineEdit* FieldControl(const QWidget& form, int number);

}  // namespace vardolin::forms

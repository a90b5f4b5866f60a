// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <span>
#include <string_view>

class QComboBox;
class QLineEdit;
class QWidget;

namespace vardolin::forms {

// Controls that choose among the texts a field accepts. The field's text box stays the value,
// as for a table's editor (TableFieldEditor.h): the control hides it, writes the text of what
// the user chooses into it, and follows it when it is set from outside (opening a model, Clear
// Data, Undo). Runs, model files and comparisons read the texts alone.

// One text a field accepts and how its control names it.
struct FieldChoice {
    std::string_view text;  // as the field holds it: "vertical"
    const char* caption;    // as the control shows it: "Vertical height"
};

// The choice whose text is `text`, blanks and case aside; -1 for none.
int ChoiceOf(std::span<const FieldChoice> choices, const QString& text);

// Puts `control` in the place of the text box `value`, which it hides: its geometry, font and
// tooltip (kept in step when the tooltip changes), its turn in the focus chain, and the focus
// whenever the form gives the text box the focus (a run's checks point at the field).
void StandIn(QLineEdit& value, QWidget& control);

// A combo box of `choices` in the place of the text box of `field` under `form`, named
// "Choice<field>". A text that is none of the choices shows no choice. `choices` must outlive
// the form (a constant table).
QComboBox* AttachChoiceField(QWidget& form, int field, std::span<const FieldChoice> choices);

}  // namespace vardolin::forms

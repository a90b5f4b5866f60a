// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <span>
#include <vector>

#include "forms/FormLayout.h"

namespace vardolin::forms {

// Every window is described by one table of controls (FormLayout.h). BuildControls() turns such
// a table into widgets; nothing else in a window places or styles a control. The elements of a
// control array share their objectName and carry their index in the dynamic property "index";
// FindControl() looks them up by name and index.
//
// Fonts: a family missing on the machine is mapped to a free equivalent with the same metrics
// (FontFor): Arial -> Liberation Sans, Arial Black -> DejaVu Sans Bold, MS Sans Serif ->
// Liberation Sans.

// Twips per pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

// The form's default font: MS Sans Serif 8.25 pt.
inline constexpr DesignFont kFormDefaultFont{"MS Sans Serif", 8.25, false};

// The font of a design, with its free substitute where the named family is missing. The size
// is fixed in pixels (points at 96 dpi), since every control has a fixed pixel size too.
QFont FontFor(const DesignFont& design);

// The widgets of one window, in table order.
struct BuiltControls {
    std::vector<QWidget*> widgets;
    // Focusable controls (text fields and buttons), in ascending tab index.
    std::vector<QWidget*> tabOrder;
};

// Creates the controls of `table` on `form`: each one a child of its container, at its place
// and size, with its text and font, in the stacking order of the table (later rows lie above
// earlier ones among siblings), and chains the focus in ascending tab index. A container must
// come before its contents in the table.
BuiltControls BuildControls(QWidget& form, std::span<const ControlRow> table);

// The control `name` (element `index` of a control array) under `root`, or nullptr.
QWidget* FindControl(const QWidget& root, const QString& name, int index = kNoIndex);

// Brings forward every tab page `control` lies in, so that it can be seen.
void ShowTabPageOf(const QWidget& control);
// Writes the caption of the tab page `control` lies in (if any) in the colour of a fault, or
// in its own colour again.
void MarkTabPageOf(const QWidget& control, bool fault);

template <typename Widget>
Widget* FindControlAs(const QWidget& root, const QString& name, int index = kNoIndex) {
    return qobject_cast<Widget*>(FindControl(root, name, index));
}

// A button of a form and the operation it runs: one operation per button.
template <typename Form>
struct ButtonSlot {
    const char* button;  // objectName, e.g. "Command4"
    void (Form::*slot)();
};

// Runs each slot of the form when its button is clicked.
template <typename Form>
void ConnectButtons(Form& form, std::span<const ButtonSlot<Form>> buttons) {
    for (const ButtonSlot<Form>& entry : buttons) {
        auto* button = FindControlAs<QPushButton>(form, QString::fromLatin1(entry.button));
        Q_ASSERT_X(button != nullptr, "ConnectButtons", entry.button);
        QObject::connect(button, &QPushButton::clicked, &form, entry.slot);
    }
}

constexpr int TwipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

}  // namespace vardolin::forms

// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <span>
#include <vector>

namespace vardolin::forms {

// Every window is described by one table of controls: what each control is, where it sits and
// what it shows, in the units the layout is drawn in (twips, points). BuildControls() turns
// such a table into widgets; nothing else in a window places or styles a control.
//
// Naming: a control's objectName is its control name ("Text4", "Frame7"). The elements of a
// control array share that name and carry their index in the dynamic property "index"
// (objectName "Label10", index 0..3); FindControl() looks them up by name and index.

enum class ControlKind { Frame, Label, TextField, Button, Picture };

// A font as the design names it. The family is mapped to a free equivalent when the named one
// is missing (FontFor): Arial -> Liberation Sans, Arial Black -> DejaVu Sans Bold,
// MS Sans Serif -> Liberation Sans.
struct DesignFont {
    const char* family = nullptr;  // nullptr: the form's default font
    double points = 0;
    bool bold = false;
};

inline constexpr int kNoIndex = -1;
inline constexpr int kNoTab = -1;
// Twips per pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

struct ControlRow {
    ControlKind kind;
    const char* name;
    int index;                     // element of a control array, or kNoIndex
    const char* container;         // nullptr: the form's client area
    int containerIndex;            // element of a container that is a control array, or kNoIndex
    int left, top, width, height;  // twips, relative to the container
    const char* text;              // caption, default text, or the resource of a picture
    DesignFont font;
    int tab;  // tab index; only text fields and buttons take the focus
};

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

template <typename Widget>
Widget* FindControlAs(const QWidget& root, const QString& name, int index = kNoIndex) {
    return qobject_cast<Widget*>(FindControl(root, name, index));
}

// Runs `slot` of the form when its button `name` is clicked: one operation per button.
template <typename Form>
void ConnectButton(Form& form, const char* name, void (Form::*slot)()) {
    QObject::connect(FindControlAs<QPushButton>(form, QString::fromLatin1(name)),
                     &QPushButton::clicked, &form, slot);
}

constexpr int TwipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

}  // namespace vardolin::forms

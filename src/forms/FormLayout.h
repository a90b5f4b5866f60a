// SPDX-License-Identifier: MIT
#pragma once

namespace vardolin {

// A window's layout as data: what each control is, where it sits and what it shows, in the units
// the layout is drawn in (twips, points). The windows turn such a table into widgets; the
// analyses describe their forms with one, so that a form is data and not code.
//
// Naming: a control's objectName is its control name ("Text4", "Frame7"). The elements of a
// control array share that name and carry their index ("Label10", index 0..3).

// A WrappedTextField is a read-only text field that wraps its text over the lines its box holds,
// for a long verdict or caution; to the run it is a text field like any other. A CheckBox is
// no field of its own: a window ties it to the texts of its fields (AnalysisWindow.h). Tabs
// stack the TabPages placed in it (in their order, each captioned with its text), of which one
// shows at a time; a page takes the tabs' room, so its own place and size are not read.
enum class ControlKind {
    Frame,
    Label,
    TextField,
    WrappedTextField,
    Button,
    Picture,
    CheckBox,
    Tabs,
    TabPage
};

// A font as the design names it; the windows map a missing family to a free equivalent.
struct DesignFont {
    const char* family = nullptr;  // nullptr: the form's default font
    double points = 0;
    bool bold = false;
};

inline constexpr int kNoIndex = -1;
inline constexpr int kNoTab = -1;

struct ControlRow {
    ControlKind kind;
    const char* name;
    int index;                     // element of a control array, or kNoIndex
    const char* container;         // nullptr: the form's client area
    int containerIndex;            // element of a container that is a control array, or kNoIndex
    int left, top, width, height;  // twips, relative to the container
    // Caption, or the resource of a picture. Text fields leave it empty: their default texts
    // come from the analysis's field facts.
    const char* text;
    DesignFont font;
    int tab;  // tab index; only text fields and buttons take the focus
};

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace vardolin {

// A labelled quantity of a form's diagram, for the tooltip shown over it: the box around its
// label (or the drawing it names) in the diagram's own pixels, and what it stands for. A label
// of a field's quantity names the field and shows the field's tooltip; a quantity the run works
// out itself says what it is in its own text.
struct DiagramLabel {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int field = 0;               // the field the label stands for, or 0
    std::string_view text = {};  // the quantity, for a label that stands for no field

    constexpr bool contains(double px, double py) const {
        return px >= x && px < x + width && py >= y && py < y + height;
    }
};

}  // namespace vardolin

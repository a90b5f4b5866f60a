// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace vardolin {
struct NumberLocale;
}

namespace vardolin::section {

// The section form's choices as controls over the texts of their fields (forms/ChoiceFields.h):
//   - a check box per method ("Check1", in the order of kSectionMethods) and the main method
//     ("Choice3", among the checked ones: the one a search minimises and the trials and the
//     verdict are judged by) write the methods field, the main one first and the others in
//     their order;
//   - the surface ("Choice25": grid, entry-exit or a given circle) writes the search field or
//     the given circle's fields: choosing the given circle fills them with the circle last
//     left, else the critical circle shown, else a circle through the face's toe; leaving it
//     empties them;
//   - the water ("Choice4"), the head ("Choice9") and each method's own circle ("Choice51").
// The fields a choice leaves unread are disabled with their labels: the search's counts and
// own circles for a given circle, the circle's fields for a search, the head but for a
// piezometric line, γw but for a piezometric line or a crack, the crack's fill without a crack.
void AttachSectionChoices(QWidget& form, const NumberLocale& locale);

}  // namespace vardolin::section

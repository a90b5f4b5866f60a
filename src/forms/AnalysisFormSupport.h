// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <initializer_list>
#include <span>

class QWidget;

namespace vardolin::forms {

class LineEditFields;

// What the two analysis forms do the same way.

// "Calculation": runs `run` on the form's text boxes with the busy pointer shown. A run-time
// error stops the run where it arises and leaves what it wrote; the form then reports it in its
// message field ("Run-time error '13': Type mismatch") and stays usable. Returns whether the
// run ended without an error.
bool Calculate(QWidget& form, int messageField, const std::function<void(LineEditFields&)>& run);

// "Clear Data": empties the given fields in the given order; nothing else changes.
void ClearFields(QWidget& form, std::span<const int> order);

// The message and explanation fields are pale yellow.
void MarkNoteFields(QWidget& form, std::initializer_list<int> fields);

}  // namespace vardolin::forms

// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisDescription.h"

class QWidget;

namespace vardolin::forms {

// Gives every text field of an analysis form the tooltip of its field facts (what it is and
// its unit), and its diagram tooltips over the labelled quantities.
void ApplyTooltips(QWidget& form, const AnalysisDescription& analysis);
// The fields' tooltips alone, naming the units of the system `units`.
void ApplyFieldTooltips(QWidget& form, const AnalysisDescription& analysis, UnitSystem units);

}  // namespace vardolin::forms

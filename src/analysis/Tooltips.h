// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "analysis/AnalysisDescription.h"
#include "fields/DiagramLabel.h"
#include "fields/FieldFacts.h"

namespace vardolin {

// What a field is, then on a line of its own the unit of its value ("Unit: m"), or that it is
// a count. Fields without a unit (the verdict, the explanation) get their meaning alone.
std::string FieldTooltip(const FieldFact& field);
// The same, with the unit of a model in the unit system `units`.
std::string FieldTooltip(const FieldFact& field, UnitSystem units);
// What a column of a table input holds, with its unit in the system `units` the same way.
std::string ColumnTooltip(const TableColumn& column, UnitSystem units);

// The first labelled quantity of the analysis's diagram at (x, y) in the diagram's pixels, or
// nullptr.
const DiagramLabel* DiagramLabelAt(const AnalysisDescription& analysis, double x, double y);

// What a label of the diagram says over it: its field's tooltip where it stands for a field of
// the form, its own text otherwise.
std::string DiagramTooltip(const AnalysisDescription& analysis, const DiagramLabel& label);

}  // namespace vardolin

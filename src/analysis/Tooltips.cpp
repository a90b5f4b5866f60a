// SPDX-License-Identifier: MIT
#include "analysis/Tooltips.h"

namespace vardolin {

namespace {

std::string TooltipWithUnit(std::string_view meaning, std::string_view unit) {
    std::string tip(meaning);
    if (unit == "count") {
        tip += "\nA count, without unit.";
    } else if (!unit.empty()) {
        tip += "\nUnit: ";
        tip += unit;
    }
    return tip;
}

}  // namespace

std::string FieldTooltip(const FieldFact& field) {
    return TooltipWithUnit(field.meaning, field.unit);
}

std::string FieldTooltip(const FieldFact& field, UnitSystem units) {
    return TooltipWithUnit(field.meaning, UnitIn(field, units));
}

std::string ColumnTooltip(const TableColumn& column, UnitSystem units) {
    return TooltipWithUnit(column.meaning, UnitIn(column, units));
}

const DiagramLabel* DiagramLabelAt(const AnalysisDescription& analysis, double x, double y) {
    for (const DiagramLabel& label : analysis.diagramLabels) {
        if (label.contains(x, y)) {
            return &label;
        }
    }
    return nullptr;
}

std::string DiagramTooltip(const AnalysisDescription& analysis, const DiagramLabel& label) {
    if (const FieldFact* field = analysis.findField(label.field)) {
        return FieldTooltip(*field);
    }
    return std::string(label.text);
}

}  // namespace vardolin

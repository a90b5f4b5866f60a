// SPDX-License-Identifier: MIT
#include "analysis/Tooltips.h"

namespace vardolin {

std::string FieldTooltip(const FieldFact& field) {
    std::string tip(field.meaning);
    if (field.unit == "count") {
        tip += "\nA count, without unit.";
    } else if (!field.unit.empty()) {
        tip += "\nUnit: ";
        tip += field.unit;
    }
    return tip;
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

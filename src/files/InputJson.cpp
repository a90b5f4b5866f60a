// SPDX-License-Identifier: MIT
#include "files/InputJson.h"

namespace vardolin {

nlohmann::ordered_json InputJson(const AnalysisDescription& analysis, const FieldFact& field,
                                 const std::string& text) {
    if (FindTableInput(analysis.tables, field.number) == nullptr) {
        return text;
    }
    // A table text that is no table (typed by hand through the runner) stays a text, which
    // the reader then refuses naming it, rather than vanishing from the file.
    const std::optional<TableRows> rows = ParseTableText(text);
    if (!rows) {
        return text;
    }
    nlohmann::ordered_json array = nlohmann::ordered_json::array();
    for (const auto& row : *rows) {
        array.push_back(row);
    }
    return array;
}

}  // namespace vardolin

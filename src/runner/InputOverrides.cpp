// SPDX-License-Identifier: MIT
#include "runner/InputOverrides.h"

#include <utility>

namespace vardolin::runner {

InputOverrides::InputOverrides(std::vector<Override> overrides, const AnalysisCatalogue& catalogue)
    : overrides_(std::move(overrides)), applied_(overrides_.size(), false) {
    for (const Override& given : overrides_) {
        const std::string name =
            given.analysis.empty() ? given.key : given.analysis + "." + given.key;
        if (!given.analysis.empty() && catalogue.FindById(given.analysis) == nullptr) {
            throw UsageError("--set " + name + ": \"" + given.analysis +
                             "\" is no analysis of this program");
        }
        // The same checks as a file's texts: of sensible length, without control characters.
        if (const std::optional<std::string> why = WhyNotAFieldText(given.text)) {
            throw UsageError("--set " + name + ": the text " + *why);
        }
    }
}

bool InputOverrides::Matches(const Override& given, const AnalysisDescription& analysis,
                             std::string_view key) const {
    if (given.key != key || (!given.analysis.empty() && given.analysis != analysis.id)) {
        return false;
    }
    const FieldFact* field = analysis.findKey(key);
    return field != nullptr && field->isInput();
}

std::optional<SuppliedText> InputOverrides::For(const AnalysisDescription& analysis,
                                                std::string_view key) const {
    for (auto given = overrides_.rbegin(); given != overrides_.rend(); ++given) {
        if (Matches(*given, analysis, key)) {
            return SuppliedText{given->text, "--set " + given->given()};
        }
    }
    return std::nullopt;
}

void InputOverrides::Apply(Model& model) {
    for (std::size_t i = 0; i < overrides_.size(); ++i) {
        const Override& given = overrides_[i];
        if (Matches(given, *model.analysis, given.key)) {
            model.inputs[given.key] = given.text;
            applied_[i] = true;
        }
    }
}

void InputOverrides::RequireEachApplied() const {
    for (std::size_t i = 0; i < overrides_.size(); ++i) {
        if (!applied_[i]) {
            const Override& given = overrides_[i];
            throw UsageError("--set " + given.given() + ": no model of the batch" +
                             (given.analysis.empty() ? "" : " of " + given.analysis) +
                             " has an input \"" + given.key + "\"");
        }
    }
}

}  // namespace vardolin::runner

// SPDX-License-Identifier: MIT
#include "runner/InputOverrides.h"

#include <algorithm>
#include <utility>

#include "sampling/SamplingKeys.h"

namespace vardolin::runner {

namespace {

bool IsSamplingKey(std::string_view key) {
    return key.starts_with(kSamplingKeyPrefix);
}

// Whether a model of the analysis has the sampling choice `key`: the seed every analysis has;
// the others only one that draws its parameters once per trial, and a parameter only if it is
// one of them.
bool TakesSamplingKey(const AnalysisDescription& analysis, std::string_view key) {
    if (key == "seed") {
        return true;
    }
    if (analysis.sampledParameters().empty()) {
        return false;
    }
    const std::string_view name = key.substr(0, key.find('.'));
    if (name == "method") {
        return true;
    }
    if (name == "correlation" || name == "correlated") {
        return !analysis.sampledPairs().empty();
    }
    const std::vector<std::string_view> names = SampledParameterNames(analysis);
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

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
    if (IsSamplingKey(key)) {
        return TakesSamplingKey(analysis, key.substr(kSamplingKeyPrefix.size()));
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
        if (!Matches(given, *model.analysis, given.key)) {
            continue;
        }
        if (IsSamplingKey(given.key)) {
            const std::vector<std::string_view> names = SampledParameterNames(*model.analysis);
            if (const auto why = SetSamplingChoice(
                    model.sampling, std::string_view(given.key).substr(kSamplingKeyPrefix.size()),
                    given.text, {names, model.analysis->sampledPairs()})) {
                throw UsageError("--set " + given.given() + ": " + *why);
            }
        } else {
            model.inputs[given.key] = given.text;
        }
        applied_[i] = true;
    }
    if (const auto why = WhyNotDrawable(model.sampling)) {
        throw UsageError("--set: sampling " + *why);
    }
}

void InputOverrides::RequireEachApplied() const {
    for (std::size_t i = 0; i < overrides_.size(); ++i) {
        if (!applied_[i]) {
            const Override& given = overrides_[i];
            if (IsSamplingKey(given.key)) {
                throw UsageError("--set " + given.given() + ": no model of the batch" +
                                 (given.analysis.empty() ? "" : " of " + given.analysis) +
                                 " takes it; only the seed can be chosen for an analysis that "
                                 "draws its parameters its own way");
            }
            throw UsageError("--set " + given.given() + ": no model of the batch" +
                             (given.analysis.empty() ? "" : " of " + given.analysis) +
                             " has an input \"" + given.key + "\"");
        }
    }
}

}  // namespace vardolin::runner

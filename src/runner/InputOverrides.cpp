// SPDX-License-Identifier: MIT
#include "runner/InputOverrides.h"

#include <algorithm>
#include <span>
#include <utility>

#include "analysis/SampledNames.h"
#include "files/TableCsv.h"
#include "numerics/RunTimeError.h"
#include "sampling/SamplingKeys.h"

namespace vardolin::runner {

namespace {

// The key that chooses a model's unit system.
constexpr std::string_view kUnitsKey = "units";

bool IsSamplingKey(std::string_view key) {
    return key.starts_with(kSamplingKeyPrefix);
}

// "report.project" and the other keys of the title block, which every model takes.
bool IsReportKey(std::string_view key) {
    ReportDetails details;
    return key.starts_with(kReportKeyPrefix) &&
           ReportDetail(details, key.substr(kReportKeyPrefix.size())) != nullptr;
}

std::string ReportKeys() {
    std::string keys;
    for (const std::string_view key : kReportDetailKeys) {
        keys += (keys.empty() ? "" : ", ") + std::string(kReportKeyPrefix) + std::string(key);
    }
    return keys;
}

// Whether a model of the analysis has the sampling choice `key`: the seed every analysis has;
// the others only one that draws its parameters once per trial, and a parameter only if it is
// one of them.
bool TakesSamplingKey(const AnalysisDescription& analysis, std::string_view key) {
    if (key == "seed") {
        return true;
    }
    if (analysis.tableSampledInputs != nullptr && analysis.samplesInputs) {
        // Its parameters are those of each model's tables, which the model then checks.
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
    const std::span<const UncertainInput> inputs = analysis.sampledParameters();
    return std::any_of(inputs.begin(), inputs.end(),
                       [&](const UncertainInput& input) { return input.key == name; });
}

// "plane-failure-defaults.vardolin (plane_failure)", for messages.
std::string ModelNamed(const std::string& file, const AnalysisDescription& analysis) {
    return file + " (" + std::string(analysis.id) + ")";
}

std::string InputKeys(const AnalysisDescription& analysis) {
    std::string keys;
    for (const FieldFact& field : analysis.fields) {
        if (field.isInput()) {
            keys += (keys.empty() ? "" : ", ") + std::string(field.key);
        }
    }
    return keys;
}

// Why `text` cannot be the number an input takes, or nothing. An empty text is left to the run,
// as an optional input takes it, and so is any text of an input whose default is a word (a
// method's name, "Auto"), which its run reads and checks.
std::optional<std::string> WhyNotANumber(const FieldFact& field, UnitSystem units,
                                         const std::string& text, const NumberLocale& locale) {
    if (text.empty()) {
        return std::nullopt;
    }
    try {
        if (!field.defaultText.empty()) {
            TextToDouble(field.defaultText, NumberLocale{});
        }
    } catch (const RunTimeError&) {
        return std::nullopt;
    }
    try {
        TextToDouble(text, locale);
        return std::nullopt;
    } catch (const RunTimeError& e) {
        const std::string_view named = UnitIn(field, units);
        const std::string unit =
            named.empty() || named == "count" ? "" : ", in " + std::string(named);
        const std::string expected = "the input " + std::string(field.key) + " (" +
                                     std::string(field.label) + unit + ") takes a number";
        return e.code() == ErrorCode::Overflow
                   ? expected + " within the range of doubles"
                   : expected + " such as 10 or 2.5, written without its unit";
    }
}

// The text an override gives the input `key`: for a table input, "@rows.csv" stands for the rows
// of that CSV file, read afresh for each model that takes it.
std::string OverrideText(const Override& given, const AnalysisDescription& analysis,
                         std::string_view key) {
    const FieldFact* field = analysis.findKey(key);
    const TableInput* table =
        field != nullptr ? FindTableInput(analysis.tables, field->number) : nullptr;
    if (table == nullptr || !given.text.starts_with('@')) {
        return given.text;
    }
    try {
        return TableText(ReadTableCsvFile(given.text.substr(1), *table));
    } catch (const TableCsvError& e) {
        throw UsageError("--set " + given.given() + ": " + e.what());
    }
}

}  // namespace

InputOverrides::InputOverrides(std::vector<Override> overrides, const AnalysisCatalogue& catalogue,
                               const NumberLocale& locale)
    : overrides_(std::move(overrides)), applied_(overrides_.size(), false), locale_(locale) {
    for (const Override& given : overrides_) {
        const std::string name =
            given.analysis.empty() ? given.key : given.analysis + "." + given.key;
        if (!given.analysis.empty() && catalogue.FindById(given.analysis) == nullptr) {
            std::string analyses;
            for (const AnalysisDescription* analysis : catalogue) {
                analyses += (analyses.empty() ? "" : ", ") + std::string(analysis->id);
            }
            throw UsageError("--set " + name + ": \"" + given.analysis +
                             "\" is no analysis of this program: " + analyses);
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
    if (IsReportKey(key)) {
        return true;
    }
    if (key == kUnitsKey) {
        return analysis.choosesUnits;
    }
    const FieldFact* field = analysis.findKey(key);
    return field != nullptr && field->isInput();
}

std::optional<SuppliedText> InputOverrides::For(const AnalysisDescription& analysis,
                                                std::string_view key) const {
    for (auto given = overrides_.rbegin(); given != overrides_.rend(); ++given) {
        if (Matches(*given, analysis, key)) {
            return SuppliedText{OverrideText(*given, analysis, key), "--set " + given->given()};
        }
    }
    return std::nullopt;
}

void InputOverrides::Apply(const std::string& file, Model& model) {
    const AnalysisDescription& analysis = *model.analysis;
    if (std::none_of(seen_.begin(), seen_.end(),
                     [&](const Seen& seen) { return seen.analysis == &analysis; })) {
        seen_.push_back({file, &analysis});
    }
    // The unit system first, converting the model's inputs: the inputs set beside it are typed
    // in its units.
    for (std::size_t i = 0; i < overrides_.size(); ++i) {
        const Override& given = overrides_[i];
        if (given.key != kUnitsKey || !Matches(given, analysis, given.key)) {
            continue;
        }
        const std::optional<UnitSystem> units = UnitSystemNamed(given.text);
        if (!units) {
            throw UsageError("--set " + given.given() + ": " + ModelNamed(file, analysis) +
                             ": the units are one of " + UnitSystemNames());
        }
        ConvertModelUnits(model, *units);
        applied_[i] = true;
    }
    for (std::size_t i = 0; i < overrides_.size(); ++i) {
        const Override& given = overrides_[i];
        if (given.key == kUnitsKey || !Matches(given, analysis, given.key)) {
            continue;
        }
        const std::string refused = "--set " + given.given() + ": " + ModelNamed(file, analysis);
        if (IsSamplingKey(given.key)) {
            const SampledNames names(analysis, FieldsOf(model));
            if (const auto why = SetSamplingChoice(
                    model.sampling, std::string_view(given.key).substr(kSamplingKeyPrefix.size()),
                    given.text, names.names())) {
                throw UsageError(refused + ": " + *why);
            }
        } else if (IsReportKey(given.key)) {
            *ReportDetail(model.report,
                          std::string_view(given.key).substr(kReportKeyPrefix.size())) = given.text;
        } else {
            const FieldFact& field = *analysis.findKey(given.key);
            if (FindTableInput(analysis.tables, field.number) == nullptr) {
                if (const auto why = WhyNotANumber(field, model.units, given.text, locale_)) {
                    throw UsageError(refused + ": " + *why);
                }
            }
            model.inputs[given.key] = OverrideText(given, *model.analysis, given.key);
        }
        applied_[i] = true;
    }
    if (const auto why = WhyNotDrawable(model.sampling)) {
        throw UsageError("--set: " + ModelNamed(file, analysis) + ": sampling " + *why);
    }
}

std::string InputOverrides::Accepted(const Override& given) const {
    std::string accepted;
    for (const Seen& seen : seen_) {
        if (!given.analysis.empty() && given.analysis != seen.analysis->id) {
            continue;
        }
        accepted += "; " + ModelNamed(seen.file, *seen.analysis);
        if (IsSamplingKey(given.key)) {
            const SampledNames names(*seen.analysis, DefaultTexts(*seen.analysis));
            accepted += " takes sampling." + AcceptedSamplingKeys(names.keys());
        } else {
            accepted += " has " + InputKeys(*seen.analysis) + ", " +
                        (seen.analysis->choosesUnits ? std::string(kUnitsKey) + ", " : "") +
                        "and " + ReportKeys();
        }
    }
    return accepted;
}

void InputOverrides::RequireEachApplied() const {
    for (std::size_t i = 0; i < overrides_.size(); ++i) {
        if (applied_[i]) {
            continue;
        }
        const Override& given = overrides_[i];
        const std::string ofAnalysis = given.analysis.empty() ? "" : " of " + given.analysis;
        if (given.key == kUnitsKey) {
            throw UsageError("--set " + given.given() + ": no model of the batch" + ofAnalysis +
                             " chooses its units; the others are in Pa and N/m³ only");
        }
        if (IsSamplingKey(given.key)) {
            throw UsageError("--set " + given.given() + ": no model of the batch" + ofAnalysis +
                             " takes it" + Accepted(given));
        }
        throw UsageError("--set " + given.given() + ": no model of the batch" + ofAnalysis +
                         " has an input \"" + given.key + "\"" + Accepted(given));
    }
}

}  // namespace vardolin::runner

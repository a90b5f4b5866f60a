// SPDX-License-Identifier: MIT
#include "files/Model.h"

#include <utility>

#include "analysis/SampledNames.h"

namespace vardolin {

std::optional<std::string> WhyNotAFieldText(std::string_view text) {
    if (text.size() > kMaxFieldTextBytes) {
        return "is longer than " + std::to_string(kMaxFieldTextBytes) + " characters";
    }
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            return "holds a control character";
        }
    }
    return std::nullopt;
}

std::string* ReportDetail(ReportDetails& details, std::string_view key) {
    return key == "project"    ? &details.project
           : key == "section"  ? &details.section
           : key == "engineer" ? &details.engineer
           : key == "checker"  ? &details.checker
           : key == "date"     ? &details.date
                               : nullptr;
}

const std::string* ReportDetail(const ReportDetails& details, std::string_view key) {
    return ReportDetail(const_cast<ReportDetails&>(details), key);
}

std::vector<SamplingChoiceText> SamplingRecordOf(const AnalysisDescription& analysis,
                                                 const FieldTexts& fields,
                                                 const SamplingChoices& choices) {
    const SampledNames names(analysis, fields);
    return SamplingRecord(choices, names.names());
}

std::string_view ProgramVersion() {
    return VARDOLIN_VERSION;
}

Model ModelFromFields(const AnalysisDescription& analysis, const FieldTexts& fields) {
    return ModelFromFields(analysis, fields, DefaultUnits(analysis));
}

void ConvertModelUnits(Model& model, UnitSystem to) {
    ConvertSamplingBounds(*model.analysis, FieldsOf(model), model.sampling, model.units, to);
    for (const FieldFact& field : model.analysis->fields) {
        if (const auto found = model.inputs.find(field.key); found != model.inputs.end()) {
            found->second = ConvertInput(*model.analysis, field, found->second, model.units, to);
        }
    }
    model.units = to;
}

Model ModelFromFields(const AnalysisDescription& analysis, const FieldTexts& fields,
                      UnitSystem units) {
    Model model;
    model.analysis = &analysis;
    model.units = units;
    model.programVersion = ProgramVersion();
    for (const FieldFact& field : analysis.fields) {
        if (field.isInput()) {
            model.inputs.emplace(field.key, fields.text(field.number));
        }
    }
    return model;
}

SavedRun SavedRunFromFields(const AnalysisDescription& analysis, const FieldTexts& fields,
                            std::uint32_t uniformStateAtStart, std::vector<double> trialFactors) {
    SavedRun run;
    run.uniformStateAtStart = uniformStateAtStart;
    run.trialFactors = std::move(trialFactors);
    for (const FieldFact& field : analysis.fields) {
        if (!field.isInput()) {
            run.results.emplace(field.key, fields.text(field.number));
        }
    }
    return run;
}

void ApplyInputs(const Model& model, FieldTexts& fields) {
    for (const FieldFact& field : model.analysis->fields) {
        if (const auto found = model.inputs.find(field.key); found != model.inputs.end()) {
            fields.setText(field.number, found->second);
        }
    }
}

FieldTextMap FieldsOf(const Model& model) {
    FieldTextMap fields;
    for (const FieldFact& field : model.analysis->fields) {
        fields.setText(field.number, "");
    }
    ApplyInputs(model, fields);
    return fields;
}

}  // namespace vardolin

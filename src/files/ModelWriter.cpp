// SPDX-License-Identifier: MIT
#include "files/ModelWriter.h"

#include <nlohmann/json.hpp>

#include "analysis/SampledNames.h"
#include "files/AtomicFile.h"
#include "files/InputJson.h"
#include "sampling/SamplingKeys.h"

namespace vardolin {

namespace {

using nlohmann::ordered_json;

// The choices that differ from the defaults, under the keys SetSamplingChoice takes.
ordered_json SamplingObject(const SamplingChoices& choices, const SampledNames& names) {
    ordered_json sampling = ordered_json::object();
    if (choices.method != SamplingMethod::MonteCarlo) {
        sampling["method"] = std::string(NameOf(choices.method));
    }
    if (choices.seed) {
        sampling["seed"] = *choices.seed;
    }
    if (choices.correlation != 0.0) {
        sampling["correlation"] = choices.correlation;
    }
    if (!choices.correlatedFirst.empty()) {
        sampling["correlated"] =
            CorrelatedPairText(choices.correlatedFirst, choices.correlatedSecond);
    }
    for (const std::string_view key : names.keys()) {
        const ParameterChoice& choice = choices.of(key);
        if (choice.isDefault()) {
            continue;
        }
        ordered_json parameter;
        parameter["distribution"] = std::string(NameOf(choice.distribution));
        if (choice.lower) {
            parameter["lower"] = *choice.lower;
        }
        if (choice.upper) {
            parameter["upper"] = *choice.upper;
        }
        sampling[std::string(key)] = std::move(parameter);
    }
    return sampling;
}

}  // namespace

std::string WriteModel(const Model& model) {
    // ordered_json keeps the keys in the order written, so a file reads like the form.
    ordered_json root;
    root["format_version"] = !model.analysis->tables.empty() ? kTableModelFormatVersion
                             : model.sampling.isDefault() && model.report.empty()
                                 ? kFirstModelFormatVersion
                                 : kSamplingModelFormatVersion;
    root["program_version"] = model.programVersion;
    root["analysis"] = std::string(model.analysis->id);
    if (model.analysis->choosesUnits) {
        root["units"] = std::string(NameOf(model.units));
    }
    ordered_json inputs = ordered_json::object();
    for (const FieldFact& field : model.analysis->fields) {
        if (const auto found = model.inputs.find(field.key); found != model.inputs.end()) {
            inputs[found->first] = InputJson(*model.analysis, field, found->second);
        }
    }
    root["inputs"] = std::move(inputs);
    if (!model.sampling.isDefault()) {
        const SampledNames names(*model.analysis, FieldsOf(model));
        root["sampling"] = SamplingObject(model.sampling, names);
    }
    if (!model.report.empty()) {
        ordered_json report = ordered_json::object();
        for (const std::string_view key : kReportDetailKeys) {
            if (const std::string& text = *ReportDetail(model.report, key); !text.empty()) {
                report[std::string(key)] = text;
            }
        }
        root["report"] = std::move(report);
    }
    if (model.lastRun) {
        ordered_json run;
        run["uniform_state_at_start"] = model.lastRun->uniformStateAtStart;
        ordered_json results = ordered_json::object();
        for (const FieldFact& field : model.analysis->fields) {
            const auto found = model.lastRun->results.find(field.key);
            if (found != model.lastRun->results.end()) {
                results[found->first] = found->second;
            }
        }
        run["results"] = std::move(results);
        // Written with enough digits to read back as the same doubles.
        run["trial_factors"] = model.lastRun->trialFactors;
        root["last_run"] = std::move(run);
    }
    return root.dump(2) + "\n";
}

void SaveModelFile(const std::filesystem::path& path, const Model& model) {
    WriteFileAtomically(path, WriteModel(model));
}

}  // namespace vardolin

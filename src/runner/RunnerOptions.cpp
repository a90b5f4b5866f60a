// SPDX-License-Identifier: MIT
#include "runner/RunnerOptions.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "files/Model.h"
#include "sampling/SamplingKeys.h"

namespace vardolin::runner {

namespace {

// Words after `lead`, wrapped at 79 columns, each further line indented by `indent`.
std::string Wrapped(std::string lead, const std::vector<std::string>& words, std::size_t indent) {
    std::string text;
    std::string line = std::move(lead);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string word = words[i] + (i + 1 < words.size() ? "," : "");
        if (line.size() + 1 + word.size() > 79 && line.find_first_not_of(' ') < line.size() &&
            line.size() > indent) {
            text += line + "\n";
            line = std::string(indent, ' ');
        }
        line += (line.back() == ' ' ? "" : " ") + word;
    }
    return text + line + "\n";
}

}  // namespace

std::string HelpText(const AnalysisCatalogue& catalogue) {
    std::string help(kUsage);
    help += "\nThe keys of each analysis (--set KEY=TEXT, --set sampling.KEY=TEXT):\n";
    for (const AnalysisDescription* analysis : catalogue) {
        help += "  " + std::string(analysis->id) + " (" + analysis->caption + ")\n";
        std::vector<std::string> inputs;
        for (const FieldFact& field : analysis->fields) {
            if (field.isInput()) {
                inputs.emplace_back(field.key);
            }
        }
        help += Wrapped("    inputs:", inputs, 6);
        if (analysis->choosesUnits) {
            help +=
                "    units: " + UnitSystemNames() + " (--set units=si-kpa converts the inputs)\n";
        }
        const std::vector<std::string_view> parameters = SampledParameterNames(*analysis);
        std::vector<std::string> sampling;
        for (const std::string& key : SamplingKeysFor(parameters)) {
            sampling.push_back(std::string(kSamplingKeyPrefix) + key);
        }
        help += Wrapped("    sampling:", sampling, 6);
    }
    std::vector<std::string> report;
    for (const std::string_view key : kReportDetailKeys) {
        report.push_back(std::string(kReportKeyPrefix) + std::string(key));
    }
    help += "The title block of a report, for every analysis (--set report.KEY=TEXT):\n";
    help += Wrapped("   ", report, 6);
    return help;
}

std::vector<Output> RunnerOptions::outputs() const {
    std::vector<Output> outputs;
    if (trialsCsv) {
        outputs.push_back({"--trials-csv", *trialsCsv});
    }
    if (report) {
        outputs.push_back({"--report", *report});
    }
    return outputs;
}

RunnerOptions ParseArguments(const std::vector<std::string>& arguments) {
    RunnerOptions options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size()) {
                throw UsageError(argument + " needs a value");
            }
            return arguments[++i];
        };
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
            options.models.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "--from-saved-state") {
            options.fromSavedState = true;
        } else if (argument == "--check") {
            options.check = true;
        } else if (argument == "--strict") {
            options.strict = true;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--sensitivity") {
            options.sensitivity = true;
        } else if (argument == "--report") {
            options.report = value();
        } else if (argument == "--trials-csv") {
            options.trialsCsv = value();
        } else if (argument == "--seed") {
            // The same as --set sampling.seed=N, so that both go through one check.
            options.overrides.push_back({"", "sampling.seed", value()});
        } else if (argument == "--set") {
            const std::string& assignment = value();
            const std::size_t equals = assignment.find('=');
            const std::size_t dot = assignment.substr(0, equals).find('.');
            if (equals == std::string::npos || equals == 0 || dot == 0 || dot + 1 == equals) {
                throw UsageError("--set needs [ANALYSIS.]KEY=TEXT, not \"" + assignment + "\"");
            }
            Override given;
            // A sampling choice or a title-block text is no input of an analysis:
            // "sampling.seed=7" and "report.project=Dam" name none.
            const bool sampling =
                assignment.starts_with("sampling.") || assignment.starts_with("report.");
            if (dot != std::string::npos && !sampling) {
                given.analysis = assignment.substr(0, dot);
            }
            const std::size_t key = dot == std::string::npos || sampling ? 0 : dot + 1;
            given.key = assignment.substr(key, equals - key);
            given.text = assignment.substr(equals + 1);
            options.overrides.push_back(std::move(given));
        } else {
            throw UsageError("unknown option " + argument);
        }
    }
    if (options.models.empty() && !options.help) {
        throw UsageError("no model file given");
    }
    if (options.sensitivity && !options.json) {
        throw UsageError("--sensitivity adds to the JSON: give --json as well");
    }
    if (options.report && options.models.size() != 1 && !options.help) {
        throw UsageError("--report writes the report of one model; " +
                         std::to_string(options.models.size()) + " given");
    }
    return options;
}

}  // namespace vardolin::runner

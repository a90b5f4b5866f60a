// SPDX-License-Identifier: MIT
#include "runner/RunnerOptions.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "analysis/SampledNames.h"
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

// "K/N", two whole numbers with 1 <= K <= N <= kMaxParts.
RunPart PartOf(const std::string& text) {
    constexpr int kMaxParts = 1'000'000;  // as many as the longest run has trials
    const std::size_t slash = text.find('/');
    const auto whole = [](const std::string& digits) -> std::optional<int> {
        if (digits.empty() || digits.size() > 7 ||
            digits.find_first_not_of("0123456789") != std::string::npos) {
            return std::nullopt;
        }
        return std::stoi(digits);
    };
    const std::optional<int> k =
        slash == std::string::npos ? std::nullopt : whole(text.substr(0, slash));
    const std::optional<int> n =
        slash == std::string::npos ? std::nullopt : whole(text.substr(slash + 1));
    if (!k || !n || *k < 1 || *k > *n || *n > kMaxParts) {
        throw UsageError("--part needs K/N, whole numbers with 1 <= K <= N <= " +
                         std::to_string(kMaxParts) + ", not \"" + text + "\"");
    }
    return {*k, *n};
}

// A part writes its part file and nothing else; a merge takes its model, inputs and starting
// state from the parts.
void CheckSplitOptions(const RunnerOptions& options) {
    if (options.help) {
        return;
    }
    if (options.partFile && !options.part) {
        throw UsageError("--part-file names the file of --part: give --part K/N as well");
    }
    if (options.part && options.merge) {
        throw UsageError("--part runs a part and --merge puts the parts together: give one");
    }
    if (options.part) {
        if (options.models.size() != 1) {
            throw UsageError("--part runs a part of one model; " +
                             std::to_string(options.models.size()) + " given");
        }
        if (options.json || options.trialsCsv || options.report || options.check) {
            throw UsageError(
                "--part writes its part file only: give --json, --trials-csv and --report to "
                "--merge, and --check to a whole run");
        }
    }
    if (options.merge &&
        (options.check || options.fromSavedState || options.strict || !options.overrides.empty())) {
        throw UsageError(
            "--merge takes the model, its inputs and its starting state from the parts: give "
            "--set, --seed, --strict and --from-saved-state to each --part, and --check to a "
            "whole run");
    }
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
        // Of the form's default inputs: a section's names its soils ("Clay.cohesion").
        const SampledNames names(*analysis, DefaultTexts(*analysis));
        std::vector<std::string> sampling;
        for (const std::string& key : SamplingKeysFor(names.keys())) {
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

std::string RunnerOptions::partFilePath() const {
    if (partFile) {
        return *partFile;
    }
    const std::string name =
        models.empty() ? "model" : std::filesystem::path(models.front()).stem().string();
    return name + ".part-" + std::to_string(part->index) + "-of-" + std::to_string(part->parts) +
           ".json";
}

std::vector<Output> RunnerOptions::outputs() const {
    std::vector<Output> outputs;
    if (part) {
        outputs.push_back({"--part", partFilePath()});
    }
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
        } else if (argument == "--part") {
            options.part = PartOf(value());
        } else if (argument == "--part-file") {
            options.partFile = value();
        } else if (argument == "--merge") {
            options.merge = true;
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
    if (options.report && options.models.size() != 1 && !options.help && !options.merge) {
        throw UsageError("--report writes the report of one model; " +
                         std::to_string(options.models.size()) + " given");
    }
    CheckSplitOptions(options);
    return options;
}

}  // namespace vardolin::runner

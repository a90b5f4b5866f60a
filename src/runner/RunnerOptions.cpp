// SPDX-License-Identifier: MIT
#include "runner/RunnerOptions.h"

#include <stdexcept>
#include <string>

namespace vardolin::runner {

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
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--sensitivity") {
            options.sensitivity = true;
        } else if (argument == "--report") {
            options.report = value();
        } else if (argument == "--trials-csv") {
            options.trialsCsv = value();
        } else if (argument == "--set") {
            const std::string& assignment = value();
            const std::size_t equals = assignment.find('=');
            if (equals == std::string::npos || equals == 0) {
                throw UsageError("--set needs KEY=TEXT, not \"" + assignment + "\"");
            }
            options.overrides.emplace_back(assignment.substr(0, equals),
                                           assignment.substr(equals + 1));
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

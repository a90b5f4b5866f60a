// SPDX-License-Identifier: MIT
#include "runner/RunnerOptions.h"

#include <stdexcept>

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
        } else if (argument == "--trials-csv") {
            options.trialsCsv = value();
        } else if (argument == "--seed") {
            // The same as --set sampling.seed=N, so that both go through one check.
            options.overrides.emplace_back("sampling.seed", value());
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
    return options;
}

}  // namespace vardolin::runner

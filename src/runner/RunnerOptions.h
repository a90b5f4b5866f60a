// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace vardolin::runner {

// What the command line asks for.
struct RunnerOptions {
    std::vector<std::string> models;  // in the order given, which is the order of the runs
    bool json = false;
    std::optional<std::string> trialsCsv;
    bool fromSavedState = false;
    std::vector<std::pair<std::string, std::string>> overrides;  // --set key=text, in order
    bool help = false;
};

// A command line that asks for nothing sensible; what() says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the arguments after the program name. "--" ends the options, so a model may be named
// "-x.vardolin". Throws UsageError for an unknown option, an option without its value, a --set
// without "=" or with an empty key, and no model at all (unless --help).
RunnerOptions ParseArguments(const std::vector<std::string>& arguments);

inline constexpr const char* kUsage =
    "Usage: vardolin-run [OPTION]... MODEL.vardolin [MODEL.vardolin]...\n"
    "Runs each model in order on one uniform sequence, as typing them into the windows of a\n"
    "freshly started program would, and prints for each: the file, the failure probability (%),\n"
    "the mean factor of safety and the message, separated by tabs.\n"
    "\n"
    "  --json               print the results as JSON, with the trial statistics\n"
    "  --trials-csv FILE    write every trial's factor of safety to FILE\n"
    "  --from-saved-state   start each run from the sequence state saved with its last run\n"
    "  --set KEY=TEXT       take TEXT for the input KEY of every model (repeatable); the\n"
    "                       sampling keys: sampling.method=monte_carlo|latin_hypercube,\n"
    "                       sampling.correlation=RHO (cohesion and friction angle),\n"
    "                       sampling.seed=N, sampling.PARAMETER.distribution=normal|\n"
    "                       lognormal|uniform|triangular, sampling.PARAMETER.lower=X and\n"
    "                       .upper=X (empty: none); PARAMETER: cohesion, friction_angle,\n"
    "                       rock_unit_weight, water_height\n"
    "  --seed N             start every run from state N (0 to 16777215) of the sequence\n"
    "  --help               show this and stop\n"
    "\n"
    "VARDOLIN_THREADS sets the threads of a run; the results are the same for any count.\n"
    "Exit status: 0 every run gave results, 1 a run stopped with a message, 2 a bad file or\n"
    "argument (nothing is run).\n";

}  // namespace vardolin::runner

// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "analysis/AnalysisCatalogue.h"
#include "analysis/SplitRun.h"

namespace vardolin::runner {

// One --set: TEXT for the input KEY of the models whose analysis has it, or of one analysis's
// models only ("slice_method.grid_x1=3").
struct Override {
    std::string analysis;  // an analysis id, or empty for every analysis with the input
    std::string key;
    std::string text;

    // As given on the command line, for messages: "slice_method.grid_x1=3".
    std::string given() const {
        return (analysis.empty() ? "" : analysis + ".") + key + "=" + text;
    }
    bool operator==(const Override&) const = default;
};

// A file the batch writes, as the command line names it: "--report", "r.pdf".
struct Output {
    std::string option;
    std::string path;
};

// What the command line asks for.
struct RunnerOptions {
    std::vector<std::string> models;  // in the order given, which is the order of the runs
    bool json = false;
    std::optional<std::string> trialsCsv;
    bool fromSavedState = false;
    bool check = false;
    bool strict = false;
    std::vector<Override> overrides;  // in order: a later one wins
    bool help = false;
    bool sensitivity = false;             // --sensitivity: the curves in the JSON
    std::optional<std::string> report;    // --report FILE.pdf, for one model
    std::optional<RunPart> part;          // --part K/N, of one model
    std::optional<std::string> partFile;  // --part-file FILE
    bool merge = false;                   // --merge: `models` are the files of the parts

    // The file --part writes: --part-file, or MODEL-NAME.part-K-of-N.json in the current folder.
    std::string partFilePath() const;

    // Every file the batch writes, each of which CheckOutputs checks before anything runs.
    std::vector<Output> outputs() const;
};

// A command line that asks for nothing sensible; what() says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the arguments after the program name. "--" ends the options, so a model may be named
// "-x.vardolin". Throws UsageError for an unknown option, an option without its value, a --set
// without "=" or with an empty key or analysis, no model at all (unless --help), --sensitivity
// without --json, --report with other than one model, and --part or --merge with what they
// cannot take (see kUsage).
RunnerOptions ParseArguments(const std::vector<std::string>& arguments);

inline constexpr const char* kUsage =
    "Usage: vardolin-run [OPTION]... MODEL.vardolin [MODEL.vardolin]...\n"
    "       vardolin-run --part K/N [--part-file FILE] [--set ...] MODEL.vardolin\n"
    "       vardolin-run --merge [--json] [--trials-csv FILE] [--report FILE.pdf] PART...\n"
    "Runs each model in order on one uniform sequence, as typing them into the windows of a\n"
    "freshly started program would, and prints for each: the file, the failure probability (%),\n"
    "the mean factor of safety and the message, separated by tabs.\n"
    "\n"
    "  --json               print the results as JSON, with the inputs used and the trial\n"
    "                       statistics\n"
    "  --trials-csv FILE    write every trial's factor of safety to FILE (never a model)\n"
    "  --from-saved-state   start each run from the sequence state saved with its last run\n"
    "  --check              run each model with a saved run from its saved state and print\n"
    "                       FILE: OK, or FILE: DIFFERS and each result text or trial factor\n"
    "                       that differs from the saved one; a model without one is SKIPPED\n"
    "  --set KEY=TEXT       take TEXT for the input KEY of every model that has it (the\n"
    "                       keys of each analysis are listed below); a sampling choice:\n"
    "                       sampling.method=monte_carlo|latin_hypercube,\n"
    "                       sampling.correlation=RHO (-1 < RHO < 1, of the first pair the\n"
    "                       analysis offers, or of sampling.correlated=FIRST,SECOND),\n"
    "                       sampling.seed=N, sampling.PARAMETER.distribution=\n"
    "                       normal|lognormal|uniform|triangular, sampling.PARAMETER.lower=X\n"
    "                       and .upper=X (empty: none)\n"
    "  --set ANALYSIS.KEY=TEXT  the same for the models of one analysis (repeatable; the\n"
    "                       last one given for an input wins)\n"
    "  --strict             refuse a model that lacks an input rather than take the default\n"
    "  --sensitivity        with --json: the factor as each parameter moves over its mean\n"
    "                       +-3 standard deviations, the others at their means\n"
    "  --report FILE.pdf    write the printable report of the one model given to FILE.pdf\n"
    "  --seed N             start every run from state N (0 to 16777215) of the sequence\n"
    "  --part K/N           run only the K-th (1 to N) of N equal ranges of the model's\n"
    "                       trials (part K: trials floor((K-1)T/N)+1 to floor(KT/N) of T)\n"
    "                       and write them to a part file; prints where, and no results\n"
    "  --part-file FILE     the part file of --part (default: MODEL.part-K-of-N.json in\n"
    "                       the current folder)\n"
    "  --merge              the files given are the N parts of one run: print and write\n"
    "                       its results exactly as one run of the whole model gives them\n"
    "  --help               show this and stop\n"
    "\n"
    "VARDOLIN_THREADS sets the threads of a run; the results are the same for any count.\n"
    "Exit status: 0 every run gave results (and every check agreed), 1 a run stopped with a\n"
    "message or a check found a difference, 2 a bad file or argument (nothing is run).\n";

// The usage and, from the catalogue, the input keys and the sampling keys of each analysis.
std::string HelpText(const AnalysisCatalogue& catalogue);

}  // namespace vardolin::runner

// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "analysis/AnalysisCatalogue.h"
#include "files/RunReport.h"
#include "numerics/NumberText.h"
#include "runner/RunnerOptions.h"

namespace vardolin::runner {

// How a batch ended, as the exit status says it.
enum ExitStatus : int {
    kResults = 0,           // every run gave results
    kStoppedRun = 1,        // at least one run stopped with a message (a run-time error too)
    kBadFileOrArgument = 2  // a model or an argument was refused; nothing ran
};

// Runs the models of the options, each of an analysis of the catalogue, in order on one fresh
// uniform sequence and one set of kept tables, prints
// the results to `out` and every refusal or note to `err`. Reads the models and the overrides
// before the first run, so a bad one stops the batch before anything ran. Writes nothing but
// `out`, `err`, the trials file and the report asked for.
//
// --report hands the first run to `writeReport`, which writes the PDF and returns why it could
// not (or an empty text); a program built without the report writer (no Qt) passes none, and
// --report is then refused before anything runs.
using ReportWriter = std::function<std::string(const RunReport& report, const std::string& path)>;
int RunBatch(const RunnerOptions& options, const AnalysisCatalogue& catalogue, std::ostream& out,
             std::ostream& err, int threads, const NumberLocale& locale,
             const ReportWriter& writeReport = {});

}  // namespace vardolin::runner

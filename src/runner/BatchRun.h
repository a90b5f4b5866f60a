// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>

#include "analysis/AnalysisCatalogue.h"
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
// `out`, `err` and the trials file asked for.
int RunBatch(const RunnerOptions& options, const AnalysisCatalogue& catalogue, std::ostream& out,
             std::ostream& err, int threads, const NumberLocale& locale);

}  // namespace vardolin::runner

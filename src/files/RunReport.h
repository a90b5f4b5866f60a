// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "analysis/AnalysisDescription.h"
#include "analysis/KeptTables.h"
#include "fields/FieldTextMap.h"
#include "files/Model.h"
#include "numerics/NumberText.h"
#include "sampling/SamplingRecord.h"
#include "statistics/RunDistribution.h"

namespace vardolin {

// What a printed report of one run shows: the analysis, the model file, every input with its
// unit and the results as the form shows them, and the Monte Carlo run behind the results for
// its histogram, convergence and scatter, with the model's title block and the run's tables. The
// windows and vardolin-run fill it alike; the report writer (src/report) lays it out on pages.
struct RunReport {
    const AnalysisDescription* analysis = nullptr;
    std::string modelFile;  // the model's file name; empty for inputs never saved
    std::string programVersion;
    NumberLocale locale;  // the results' decimal separator, for the figures the report adds
    FieldTextMap texts;   // every field of the form
    // The units the inputs are typed in; none: the field facts' own.
    std::optional<UnitSystem> units;
    // Every sampling choice of the run, the defaults included (SamplingRecord).
    std::vector<SamplingChoiceText> sampling;
    // The title block (project, section, engineer, checker, date) the model keeps.
    ReportDetails details;
    // The tables of the last run that its exported results add (a slice table).
    ExportTables tables;
    // The Monte Carlo run the results come from; none when they come from fixed data (or no
    // run gave results).
    std::optional<RunDistribution> distribution;
    // The tables the run kept, for an analysis that draws its diagram from them; the windows
    // draw from the form's own and leave these empty.
    KeptTables kept;
};

}  // namespace vardolin

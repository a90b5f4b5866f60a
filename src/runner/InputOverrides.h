// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/AnalysisCatalogue.h"
#include "files/Model.h"
#include "files/ModelReader.h"
#include "numerics/NumberText.h"
#include "runner/RunnerOptions.h"

namespace vardolin::runner {

// The --set texts of a batch. Each applies to the models whose analysis has its input (of the
// one analysis it names, if it names one); the last one given for an input wins. One that no
// model of the batch takes is an error, since it would change nothing. Every refusal names the
// --set, the model and what it would take.
//
// An input's text is checked as it is set: one that is not a number (nor empty, which an
// optional input takes) is refused before anything runs, naming the input, rather than left to
// stop the run with the window's bare message; a script's typing errors are caught before a
// batch computes, and exit status 2 keeps meaning that nothing ran.
class InputOverrides {
public:
    // Throws UsageError for an analysis the catalogue lacks or a text no field can hold.
    InputOverrides(std::vector<Override> overrides, const AnalysisCatalogue& catalogue,
                   const NumberLocale& locale = {});

    // The text the overrides give the input `key` of a model of `analysis`, and which one gave it.
    std::optional<SuppliedText> For(const AnalysisDescription& analysis,
                                    std::string_view key) const;

    // Sets every input of the model of `file` an override gives.
    void Apply(const std::string& file, Model& model);

    // Throws UsageError naming the first override that no model applied.
    void RequireEachApplied() const;

private:
    bool Matches(const Override& given, const AnalysisDescription& analysis,
                 std::string_view key) const;

    // What a refused override would have been taken by: each analysis of the batch, by its
    // first model, and the keys it takes.
    std::string Accepted(const Override& given) const;

    std::vector<Override> overrides_;
    std::vector<bool> applied_;
    NumberLocale locale_;
    struct Seen {
        std::string file;
        const AnalysisDescription* analysis;
    };
    std::vector<Seen> seen_;  // one model per analysis of the batch
};

}  // namespace vardolin::runner

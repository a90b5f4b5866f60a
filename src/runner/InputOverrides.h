// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "analysis/AnalysisCatalogue.h"
#include "files/Model.h"
#include "files/ModelReader.h"
#include "runner/RunnerOptions.h"

namespace vardolin::runner {

// The --set texts of a batch. Each applies to the models whose analysis has its input (of the
// one analysis it names, if it names one); the last one given for an input wins. One that no
// model of the batch takes is an error, since it would change nothing.
class InputOverrides {
public:
    // Throws UsageError for an analysis the catalogue lacks or a text no field can hold.
    InputOverrides(std::vector<Override> overrides, const AnalysisCatalogue& catalogue);

    // The text the overrides give the input `key` of a model of `analysis`, and which one gave it.
    std::optional<SuppliedText> For(const AnalysisDescription& analysis,
                                    std::string_view key) const;

    // Sets every input of the model an override gives.
    void Apply(Model& model);

    // Throws UsageError naming the first override that no model applied.
    void RequireEachApplied() const;

private:
    bool Matches(const Override& given, const AnalysisDescription& analysis,
                 std::string_view key) const;

    std::vector<Override> overrides_;
    std::vector<bool> applied_;
};

}  // namespace vardolin::runner

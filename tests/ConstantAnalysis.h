// SPDX-License-Identifier: MIT
// A minimal analysis of the tests' own, which no production file names: one input, the number
// of trials, and a factor of safety of 1.5 in every trial. A catalogue that holds it beside the
// program's analyses shows that the model files, the runner and the windows work for any
// analysis they are handed.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "analysis/AnalysisCatalogue.h"
#include "analysis/CountChecks.h"
#include "analysis/MeanReport.h"
#include "analysis/RunMessages.h"
#include "catalogue/ProgramCatalogue.h"
#include "fields/ReportFields.h"

namespace vardolin::testing_support {

inline constexpr int kConstantCount = 1;
inline constexpr double kConstantFactor = 1.5;

inline constexpr std::array<FieldFact, 1> kConstantInputs{{
    {kConstantCount, FieldRole::Count, "trial_count", "Number of Trials", "3", "count",
     "How many trials the run makes."},
}};
inline constexpr auto kConstantFields =
    JoinFieldFacts(kConstantInputs, kVerdictFields, kFailurePercentageField);
inline constexpr std::array<std::string_view, 4> kConstantMessages{
    messages::kCountNotAboveOne, messages::kCountNotBelowLimit, messages::kStable,
    messages::kNotStable};

inline RunOutcome RunConstantAnalysis(FieldTexts& fields, AnalysisContext& context) {
    FieldValues f(fields, context.locale);
    const CountFields count{kConstantCount, kVerdictFields[0].number,
                            kFailurePercentageField[0].number, kVerdictFields[1].number};
    if (RejectCountNotAboveOne(f, count) || RejectCountNotBelowLimit(f, count)) {
        return RunOutcome::Stopped();
    }
    RunOutcome outcome;
    outcome.end = RunOutcome::End::Completed;
    outcome.trials = f.RoundedInt16(kConstantCount);
    outcome.trialFactors.assign(static_cast<std::size_t>(outcome.trials), kConstantFactor);
    f.WriteNumber(count.failureProbability, 0.0);
    WriteMeanAndVerdict(f, outcome.trialFactors, count.meanSafetyFactor, count.message);
    return outcome;
}

inline constexpr AnalysisDescription kConstantAnalysis{
    .id = "constant_factor",
    .formName = "ConstantFactor",
    .caption = "Constant Factor",
    .fields = kConstantFields,
    .run = RunConstantAnalysis,
    .messages = kConstantMessages,
};

// The program's analyses, then the constant one.
inline AnalysisCatalogue CatalogueWithConstantAnalysis() {
    static const std::vector<const AnalysisDescription*> analyses = [] {
        std::vector<const AnalysisDescription*> all(ProgramCatalogue().begin(),
                                                    ProgramCatalogue().end());
        all.push_back(&kConstantAnalysis);
        return all;
    }();
    return AnalysisCatalogue(analyses);
}

}  // namespace vardolin::testing_support

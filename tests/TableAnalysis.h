// SPDX-License-Identifier: MIT
// An analysis of the tests' own with an input that holds a table, which no production file names:
// the points of a polyline, and a factor of safety of the polyline's length over its horizontal
// span in every trial. A catalogue that holds it shows that the form, the model files, the runner
// and the report carry a table input from end to end.
#pragma once

#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "analysis/AnalysisCatalogue.h"
#include "analysis/CountChecks.h"
#include "analysis/MeanReport.h"
#include "analysis/RunMessages.h"
#include "analysis/TableInput.h"
#include "catalogue/ProgramCatalogue.h"
#include "fields/ReportFields.h"

namespace vardolin::testing_support {

inline constexpr int kPolylineCount = 1;
inline constexpr int kPolylinePoints = 2;

inline constexpr std::array<FieldFact, 2> kPolylineInputs{{
    {kPolylineCount, FieldRole::Count, "trial_count", "Number of Trials", "3", "count",
     "How many trials the run makes."},
    {kPolylinePoints, FieldRole::Input, "points", "Points", R"([["0","0"],["3","4"]])", "m",
     "The points of the polyline, left to right."},
}};
inline constexpr auto kPolylineFields =
    JoinFieldFacts(kPolylineInputs, kVerdictFields, kFailurePercentageField);

inline constexpr std::array<TableColumn, 2> kPointColumns{{
    {"x", "x", "m", "Distance from the first point.", NumberRange::From(0.0)},
    {"y", "y", "m", "Height of the point.", NumberRange{}},
}};
inline constexpr std::array<TableInput, 1> kPolylineTables{{
    {kPolylinePoints, kPointColumns, 2, 50},
}};

inline constexpr std::string_view kPolylineWithoutSpan = "Points: the first and last x are equal";
inline constexpr std::array<std::string_view, 5> kPolylineMessages{
    messages::kCountNotAboveOne, messages::kCountNotBelowLimit, messages::kStable,
    messages::kNotStable, kPolylineWithoutSpan};

// The polyline's length over its span, from checked rows.
inline double PolylineFactor(const TableRows& rows, const NumberLocale& locale) {
    double length = 0.0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const double dx = TextToDouble(rows[i][0], locale) - TextToDouble(rows[i - 1][0], locale);
        const double dy = TextToDouble(rows[i][1], locale) - TextToDouble(rows[i - 1][1], locale);
        length += std::sqrt(dx * dx + dy * dy);
    }
    const double span =
        std::abs(TextToDouble(rows.back()[0], locale) - TextToDouble(rows.front()[0], locale));
    return span == 0.0 ? 0.0 : length / span;
}

inline RunOutcome RunPolylineAnalysis(FieldTexts& fields, AnalysisContext& context) {
    FieldValues f(fields, context.locale);
    const CountFields count{kPolylineCount, kVerdictFields[0].number,
                            kFailurePercentageField[0].number, kVerdictFields[1].number};
    if (RejectCountNotAboveOne(f, count) || RejectCountNotBelowLimit(f, count)) {
        return RunOutcome::Stopped();
    }
    const std::optional<TableRows> rows = ReadTableInput(
        fields, kPolylineTables[0], kPolylineInputs[1].label, count.message, context.locale);
    if (!rows) {
        return RunOutcome::Stopped();
    }
    const double factor = PolylineFactor(*rows, context.locale);
    if (factor == 0.0) {
        f.Write(count.message, kPolylineWithoutSpan);
        return RunOutcome::Stopped();
    }
    RunOutcome outcome;
    outcome.end = RunOutcome::End::Completed;
    outcome.trials = f.RoundedInt16(kPolylineCount);
    outcome.trialFactors.assign(static_cast<std::size_t>(outcome.trials), factor);
    f.WriteNumber(count.failureProbability, factor < 1.0 ? 100.0 : 0.0);
    WriteMeanAndVerdict(f, outcome.trialFactors, count.meanSafetyFactor, count.message);
    return outcome;
}

inline constexpr AnalysisDescription kPolylineAnalysis{
    .id = "polyline_table",
    .formName = "PolylineTable",
    .caption = "Polyline Table",
    .fields = kPolylineFields,
    .run = RunPolylineAnalysis,
    .messages = kPolylineMessages,
    .tables = kPolylineTables,
};

// The program's analyses, then the polyline.
inline AnalysisCatalogue CatalogueWithPolylineAnalysis() {
    static const std::vector<const AnalysisDescription*> analyses = [] {
        std::vector<const AnalysisDescription*> all(ProgramCatalogue().begin(),
                                                    ProgramCatalogue().end());
        all.push_back(&kPolylineAnalysis);
        return all;
    }();
    return AnalysisCatalogue(analyses);
}

}  // namespace vardolin::testing_support

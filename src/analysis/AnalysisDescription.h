// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "analysis/AnalysisContext.h"
#include "analysis/ExportTable.h"
#include "analysis/RunOutcome.h"
#include "analysis/UncertainInput.h"
#include "fields/DiagramLabel.h"
#include "fields/FieldFacts.h"
#include "fields/FieldTexts.h"

namespace vardolin {

// What the program needs to offer one analysis, windows aside: its form's name, its fields, its
// run and the labels of its diagram. The model files, the command-line runner, the tooltips,
// the tests and the fuzzers work from this; the windows add the form's layout (forms/).
struct AnalysisDescription {
    std::string_view id;   // the analysis in model files: "plane_failure"
    const char* formName;  // the form's objectName: "Vardolin"
    const char* caption;   // "Limiting Equilibrium"
    // Every text field of the form, in the order "Clear Data" empties them.
    std::span<const FieldFact> fields;
    RunOutcome (*run)(FieldTexts& fields, AnalysisContext& context);
    // Every text the run may leave in the message field, run-time errors aside: the messages
    // of its checks and its verdicts.
    std::span<const std::string_view> messages;
    // The labelled quantities of the form's diagram, first match first, for its tooltips.
    std::span<const DiagramLabel> diagramLabels = {};
    // The factor of safety with every parameter at its average, on a copy of the form's texts,
    // drawing nothing; the same figure as the run's fixed-data evaluation. It raises the
    // RunTimeError of a bad value. nullptr where a trial is not one evaluation at drawn values
    // (the slice method draws a circle per trial): no sensitivity then.
    double (*factorAtMeans)(FieldTexts& fields, const NumberLocale& locale) = nullptr;
    // The file name of its form's diagram among the program's diagrams ("PlaneDiagram.svg"),
    // for a report; empty if it has none.
    std::string_view diagram = {};
    // The parameters its run draws once per trial, which the sampling choices (distribution,
    // bounds, Latin hypercube, correlation) address by name. Empty for a run that draws its own
    // way: the seed is then its only sampling choice.
    std::span<const UncertainInput> sampledParameters = {};
    // The tables of its last run that its exported results add (a slice table), from the tables
    // it keeps; nullptr for none.
    ExportTables (*exportTables)(KeptTables& kept) = nullptr;
    // How the run works its results out of these inputs, in a few sentences, for a report: the
    // method, its tolerances and settings and the trials. nullptr: the report states none.
    std::string (*methodStatement)(const FieldTexts& fields) = nullptr;
    // Whether its form draws its diagram from the inputs and the last run (rather than showing
    // a picture): a report written without that drawing says that it leaves the diagram out.
    bool drawsDiagram = false;
    // Whether its form shows its figures rounded (factors to 3 decimals, lengths to the
    // millimetre, percentages to 0.1 %); a report writes them as the form shows them.
    bool roundsShownFigures = false;

    // The one field of a role that occurs once (the count, the message, the results).
    const FieldFact& fieldWith(FieldRole role) const;
    // The field Text<number>, or nullptr.
    const FieldFact* findField(int number) const;
    // The field of a model-file key, or nullptr.
    const FieldFact* findKey(std::string_view key) const;
};

// The form's default texts, as a run without a window starts from them.
class FieldTextMap;
FieldTextMap DefaultTexts(const AnalysisDescription& analysis);

}  // namespace vardolin

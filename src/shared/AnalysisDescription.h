// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

#include "shared/AnalysisContext.h"
#include "shared/DiagramLabel.h"
#include "shared/FieldFacts.h"
#include "shared/FieldTexts.h"
#include "shared/FormLayout.h"
#include "shared/RunOutcome.h"

namespace vardolin {

// A button of an analysis form that shows another form, by the target's form name.
struct NavigationButton {
    const char* button;  // "Command2"
    const char* form;    // "Form1", "vard2"
};

// Everything the program needs to offer one analysis: its form, its fields, its run. The windows,
// the model files, the command-line runner, the tests and the fuzzers all work from this, so
// adding an analysis is a folder with its description and one line in the catalogue.
struct AnalysisDescription {
    std::string_view id;   // the analysis in model files: "plane_failure"
    const char* formName;  // the form's objectName: "Vardolin"
    const char* caption;   // "Limiting Equilibrium"
    // Every text field of the form, in the order "Clear Data" empties them.
    std::span<const FieldFact> fields;
    RunOutcome (*run)(FieldTexts& fields, AnalysisContext& context);
    std::span<const ControlRow> controls;
    int clientWidthTwips;
    int clientHeightTwips;
    std::span<const NavigationButton> navigation;
    // The labelled quantities of the form's diagram, first match first, for its tooltips.
    std::span<const DiagramLabel> diagramLabels = {};

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

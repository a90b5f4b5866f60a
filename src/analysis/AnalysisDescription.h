// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "analysis/AnalysisContext.h"
#include "analysis/ExportTable.h"
#include "analysis/RunOutcome.h"
#include "analysis/TableInput.h"
#include "analysis/TableSampledInputs.h"
#include "analysis/UncertainInput.h"
#include "fields/DiagramLabel.h"
#include "fields/FieldFacts.h"
#include "fields/FieldTexts.h"
#include "fields/UnitSystem.h"
#include "sampling/SampledParameter.h"

namespace vardolin {

// An input whose default is a customary value of each unit system rather than one value
// converted: the unit weight of water is taken as 9.81 kN/m³, 9810 N/m³ or 62.4 pcf.
struct SystemDefault {
    int field;
    std::string_view siPascal;
    std::string_view siKilopascal;
    std::string_view usCustomary;

    std::string_view in(UnitSystem system) const {
        return system == UnitSystem::SiPascal       ? siPascal
               : system == UnitSystem::SiKilopascal ? siKilopascal
                                                    : usCustomary;
    }
};

// Raised by an analysis's factorAtMeans where its inputs at their averages give no factor for a
// reason of the analysis's own (no usable circle), with the message its run would write there.
class NoFactorAtMeans : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

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
    // in the run's context (its locale and threads), drawing nothing and keeping nothing; the
    // same figure as the run's fixed-data evaluation. It raises the RunTimeError of a bad value,
    // or NoFactorAtMeans with the message its run would write where the inputs give no factor.
    // nullptr where a trial is not one evaluation at drawn values (the slice method draws a
    // circle per trial): no sensitivity then.
    double (*factorAtMeans)(FieldTexts& fields, const AnalysisContext& context) = nullptr;
    // The file name of its form's diagram among the program's diagrams ("PlaneDiagram.svg"),
    // for a report; empty if it has none.
    std::string_view diagram = {};
    // The inputs its run draws, in the order it draws them: counted out of range, their
    // averages checked, one sensitivity curve and one scatter panel each.
    std::span<const UncertainInput> uncertainInputs = {};
    // The pairs of them whose correlation the sampling choices may set; the first is the one a
    // model without a "correlated" choice means.
    std::span<const ParameterPair> correlatedPairs = {};
    // Whether the sampling choices (distribution, bounds, Latin hypercube, correlation) apply
    // to the uncertain inputs; not for a run that draws them its own way (the slice method
    // draws them per slice in the order of its circles), whose only choice is the seed.
    bool samplesInputs = true;
    // The tables of its last run that its exported results add (a slice table), from the tables
    // it keeps; nullptr for none.
    ExportTables (*exportTables)(KeptTables& kept) = nullptr;
    // Its inputs that hold a table, each also one of `fields` (of role Input), whose text is
    // the table's rows (TableText).
    std::span<const TableInput> tables = {};
    // How the run works its results out of these inputs, in a few sentences, for a report: the
    // method, its tolerances and settings and the trials. nullptr: the report states none.
    // Lengths are in the units of the system `units`.
    std::string (*methodStatement)(const FieldTexts& fields, UnitSystem units) = nullptr;
    // Whether its diagram is drawn from the inputs and the last run (the drawing part of its
    // folder) rather than a picture: a report written without that drawing says that it leaves
    // the diagram out.
    bool drawsDiagram = false;

    // The inputs the sampling choices address by name: the uncertain inputs, or none.
    std::span<const UncertainInput> sampledParameters() const {
        return samplesInputs ? uncertainInputs : std::span<const UncertainInput>();
    }
    // The offered pairs where the sampling choices apply.
    std::span<const ParameterPair> sampledPairs() const {
        return samplesInputs ? correlatedPairs : std::span<const ParameterPair>();
    }
    // Whether its models choose their unit system. Its fields' and table columns' units and
    // default texts are then those of SI in kPa and kN/m³, the system of its new models; a
    // model file that names no system is in `unnamedFileUnits`. Otherwise its fields are in Pa
    // and N/m³ only.
    bool choosesUnits = false;
    // The unit system its model files that name none are in; nothing is converted on reading
    // them, so their figures stay as they were saved. Pa and N/m³ by default, the units of the
    // files written before models chose their system.
    UnitSystem unnamedFileUnits = UnitSystem::SiPascal;
    // Its inputs whose defaults differ from system to system (SystemDefault): a model in one of
    // them takes its text there, and a change of system that finds the old system's default
    // writes the new one's.
    std::span<const SystemDefault> systemDefaults = {};
    // Whether its runs can be split into parts (AnalysisContext::part, SplitRun.h): each trial
    // takes a fixed count of values of the sequence, so a part can start at its first trial, and
    // its run honours `part` and `given`. Where they cannot, why, for the refusal.
    bool splittable = false;
    std::string_view whyNotSplittable = {};
    // For an analysis whose uncertain inputs come from its tables rather than
    // `uncertainInputs`: those its inputs' texts give, which its sampling choices may name (each
    // with any distribution and bounds, and the Latin hypercube). The sampling dialog, the model
    // files and the runner read them; the other common parts (the checks of the averages, the
    // sensitivity curves, the scatter) do not apply. nullptr: the fixed lists above.
    TableSampledInputs (*tableSampledInputs)(const FieldTexts& fields) = nullptr;

    // Whether the run may leave `text` in its message field, run-time errors aside: one of
    // `messages`, or a fault of an input that names it first ("Soils, row 2, c mean: …",
    // "Number of Slices: …"), as a run that reads tables writes.
    bool IsMessage(std::string_view text) const;
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

// The unit system of the analysis's new models, which its field facts are written in.
UnitSystem DefaultUnits(const AnalysisDescription& analysis);

// The field's unit in the system ("kPa", "ft", "degrees"; empty for none).
std::string_view UnitIn(const FieldFact& field, UnitSystem system);
// The field's default text in the system.
std::string DefaultTextIn(const AnalysisDescription& analysis, const FieldFact& field,
                          UnitSystem system);
// The uncertain input's unit in the system.
std::string_view UnitIn(const UncertainInput& input, UnitSystem system);
// The text of the input `field`, converted from one system to the other: a number with a unit
// converted, a table's cells column by column (TableInput), the default of one system
// (SystemDefault) made the other's; any other text as it is.
std::string ConvertInput(const AnalysisDescription& analysis, const FieldFact& field,
                         std::string_view text, UnitSystem from, UnitSystem to,
                         const NumberLocale& locale = {});
// Every input of `fields`, converted from one system to the other (ConvertInput).
void ConvertInputs(const AnalysisDescription& analysis, FieldTexts& fields, UnitSystem from,
                   UnitSystem to, const NumberLocale& locale = {});
// The bounds of the sampling choices of the inputs `fields` let them name (SampledNames) that
// have a unit, converted from one system to the other as their averages are.
struct SamplingChoices;
void ConvertSamplingBounds(const AnalysisDescription& analysis, const FieldTexts& fields,
                           SamplingChoices& choices, UnitSystem from, UnitSystem to);

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/AnalysisDescription.h"
#include "fields/FieldTextMap.h"
#include "fields/FieldTexts.h"
#include "sampling/SamplingChoices.h"
#include "sampling/SamplingRecord.h"

namespace vardolin {

// The latest format a model file is written in (2 adds "sampling" and "report", 3 tables as
// arrays). A reader refuses a file of a later format rather than guess at what it would lose. A
// model whose sampling choices are all the defaults and whose report has no title block is written
// in format 1, which older programs and tools read, and one without a table input in format 2 at
// most.
inline constexpr int kModelFormatVersion = 3;
inline constexpr int kFirstModelFormatVersion = 1;
// The format of a model with the sampling choices but no table input.
inline constexpr int kSamplingModelFormatVersion = 2;
// The format a model of an analysis with a table input is written in: its tables are arrays.
inline constexpr int kTableModelFormatVersion = 3;
// The most trial factors a saved run holds: as many as the longest run any analysis makes.
inline constexpr std::size_t kMaxSavedTrialFactors = 1'000'000;
// A model with the longest saved run (a factor takes at most 25 bytes of JSON) stays below
// this; a larger file is refused before it is parsed.
inline constexpr std::size_t kMaxModelFileBytes = 32 * 1024 * 1024;
// The extension of model files, which no other file the program writes takes.
inline constexpr std::string_view kModelExtension = ".vardolin";
// Longer than anyone types into a field; a longer text in a file is refused.
inline constexpr std::size_t kMaxFieldTextBytes = 1000;

// Why a text cannot be a field's text ("is longer than 1000 characters", "holds a control
// character"), or nothing when it can.
std::optional<std::string> WhyNotAFieldText(std::string_view text);

// A run kept with its model: the state of the uniform sequence when it started, the texts it
// left in the result fields and its trial factors. Starting a run on the model's inputs from
// that state gives the same texts again.
struct SavedRun {
    std::uint32_t uniformStateAtStart = 0;
    std::map<std::string, std::string, std::less<>> results;  // result field key -> text
    std::vector<double> trialFactors;                         // trial 1 first; empty if none
};

// The title block of a model's report: who made it and for what. Every text may be empty; an
// empty date is the day the report is written.
struct ReportDetails {
    std::string project;
    std::string section;
    std::string engineer;
    std::string checker;
    std::string date;

    bool empty() const {
        return project.empty() && section.empty() && engineer.empty() && checker.empty() &&
               date.empty();
    }
    friend bool operator==(const ReportDetails&, const ReportDetails&) = default;
};

// The keys of the title block in a model file's "report" object and in vardolin-run's --set
// (as "report.project"), in the order a report lists them.
inline constexpr std::string_view kReportDetailKeys[] = {"project", "section", "engineer",
                                                         "checker", "date"};
inline constexpr std::string_view kReportKeyPrefix = "report.";

// The text of one title-block key, or nullptr for no such key.
std::string* ReportDetail(ReportDetails& details, std::string_view key);
const std::string* ReportDetail(const ReportDetails& details, std::string_view key);

// One analysis as a file keeps it: which analysis, and every input field as the text typed
// (a text that is not yet a valid number included), by its key ("slope_height").
// Invariant: `inputs` holds exactly the input keys of `analysis`.
struct Model {
    const AnalysisDescription* analysis = nullptr;
    std::map<std::string, std::string, std::less<>> inputs;
    std::optional<SavedRun> lastRun;
    std::string programVersion;  // of the program that wrote it
    // The defaults for a file of format 1.
    SamplingChoices sampling;
    // Empty for a file of format 1.
    ReportDetails report;
    // The units its inputs are typed in; always Pa and N/m³ for an analysis whose models do not
    // choose (AnalysisDescription::choosesUnits).
    UnitSystem units = UnitSystem::SiPascal;
};

// The record in full of the sampling choices of one of the analysis's runs on inputs `fields`.
std::vector<SamplingChoiceText> SamplingRecordOf(const AnalysisDescription& analysis,
                                                 const FieldTexts& fields,
                                                 const SamplingChoices& choices);

// A file that cannot be read as a model. what() names the file and the key or position, e.g.
// "slope.vardolin: \"slope_height\" must be a text in quotes".
class ModelFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// This program's version, as it writes it into the files it saves.
std::string_view ProgramVersion();

// The inputs of the fields (a window's text boxes, a map), without a run, in the analysis's
// default units unless told.
Model ModelFromFields(const AnalysisDescription& analysis, const FieldTexts& fields);
Model ModelFromFields(const AnalysisDescription& analysis, const FieldTexts& fields,
                      UnitSystem units);

// Converts the model's inputs and its sampling bounds to the unit system `to`, which it then
// records. The factor of
// safety stays the same: a run works in any consistent set of units.
void ConvertModelUnits(Model& model, UnitSystem to);

// The model's results, read from the fields a run has just written.
SavedRun SavedRunFromFields(const AnalysisDescription& analysis, const FieldTexts& fields,
                            std::uint32_t uniformStateAtStart, std::vector<double> trialFactors);

// Writes every input of the model into the fields; the other fields stay as they are.
void ApplyInputs(const Model& model, FieldTexts& fields);

// The fields a form would show right after opening the model: its inputs, the results empty.
FieldTextMap FieldsOf(const Model& model);

}  // namespace vardolin

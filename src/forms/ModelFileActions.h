// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "analysis/AnalysisCatalogue.h"
#include "files/Model.h"

namespace vardolin::forms {

class AnalysisForm;
class FileDialogs;

// The File menu of an analysis form: Open…, Save, Save As… and Export Results…, and the
// question on closing a form whose inputs or sampling choices changed since it was opened or
// saved.
//
// A model goes into the form whole or not at all: the file is read and checked completely
// before the first field changes. Opening fills the inputs and empties the results; it takes no
// uniform value and leaves the sequence as it is. A form that never touched a file closes
// without a question.
//
// The last run that gave results is kept with the inputs and the sequence state it started
// from; Save writes it into the file as long as the inputs shown are still those of that run.
// Export Results writes the inputs the results were computed from, and says so when the form
// shows others. After Clear Data the question on closing defaults to Cancel.
class ModelFileActions final : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kModelFilter = "Vardolin models (*.vardolin)";
    static constexpr const char* kCsvFilter = "Comma-separated values (*.csv)";

    ModelFileActions(AnalysisForm& form, FileDialogs& dialogs, const AnalysisCatalogue& catalogue);

    // Each returns whether it did what it was asked (false: refused, failed or cancelled).
    bool Open();
    bool Save();
    bool SaveAs();
    bool ExportResults();
    bool OpenFile(const QString& path);
    bool SaveTo(const QString& path);
    bool ExportResultsTo(const QString& path);

    // Whether the form may close: yes if it never touched a file or its inputs are as last
    // opened or saved; otherwise as the user answers (Save saves first).
    bool MayClose();

    // The file the form was last opened from or saved to; empty if none.
    const QString& filePath() const { return path_; }
    bool hasUnsavedChanges() const;

    // The title block of the model's report (File > Report Details…), kept in its file; a
    // change to it is a change to the model.
    const ReportDetails& reportDetails() const { return details_; }
    void SetReportDetails(ReportDetails details) { details_ = std::move(details); }

    // Called by the form as a run starts, before it takes its first uniform value.
    void RunStarting(std::uint32_t uniformState);

private:
    void RunFinished();
    std::map<std::string, std::string, std::less<>> CurrentInputs() const;
    QString Caption() const;

    AnalysisForm& form_;
    FileDialogs& dialogs_;
    const AnalysisCatalogue& catalogue_;
    QString path_;
    std::optional<std::map<std::string, std::string, std::less<>>> savedInputs_;
    SamplingChoices savedSampling_;  // a model's choices are as much its own as its inputs
    ReportDetails details_;
    ReportDetails savedDetails_;
    UnitSystem savedUnits_ = UnitSystem::SiPascal;
    // The state the run being made started from.
    std::optional<std::uint32_t> startingState_;
    struct KeptRun {
        std::map<std::string, std::string, std::less<>> inputs;
        SavedRun run;
    };
    std::optional<KeptRun> lastRun_;
};

}  // namespace vardolin::forms

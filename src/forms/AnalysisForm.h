// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <optional>

#include "analysis/AnalysisContext.h"
#include "analysis/AnalysisDescription.h"
#include "fields/FieldTextMap.h"
#include "forms/AnalysisRun.h"
#include "forms/AnalysisWindow.h"
#include "forms/FormHistogram.h"

class QProgressDialog;
class QTimer;

namespace vardolin::forms {

class BackgroundSensitivity;
class EditActions;
class ImportActions;
class ModelFileActions;
class Navigator;
class SamplingActions;
class UnitActions;

// The window of one analysis, built from its description and its window part: the controls of
// its table, the
// default texts of its fields, its diagram and its buttons. Its whole state is the texts of its
// text boxes: "Calculation" runs the analysis on them, "Clear Data" empties them in the order of
// the field list, "Histogram" shows the distribution of the form's runs, and the navigation
// buttons show the forms they name.
//
// A run goes on a worker thread (AnalysisRun) from a copy of the texts, so the window stays
// alive: a run expected to take more than about half a second shows its progress with a Cancel
// button. When it is over, the texts it wrote reach the fields in the order it wrote them. While
// it runs, "Calculation" is disabled on every analysis form, since all share one sequence.
//
// The controls lie on the client area, the central widget at the form's design size; the menu
// bar above it holds the file commands (ModelFileActions).
class AnalysisForm final : public QMainWindow {
    Q_OBJECT

public:
    AnalysisForm(const AnalysisDescription& analysis, const AnalysisWindow& window,
                 Navigator& navigator, AnalysisContext& context, QWidget* parent = nullptr);
    ~AnalysisForm() override;

    const AnalysisDescription& analysis() const { return analysis_; }
    const AnalysisWindow& window() const { return window_; }
    // The user's number conventions, as its runs write their results.
    const NumberLocale& locale() const { return context_.locale; }

    // The distribution of this form's runs, and its window once "Histogram" opened it.
    const FormHistogram& histogram() const { return histogram_; }

    // The client area the controls of the description lie on.
    QWidget& clientArea() const { return *centralWidget(); }
    // Open, Save, Save As, Export Results.
    ModelFileActions& files() const { return *files_; }
    // Undo of Clear Data (Edit > Undo).
    EditActions& edit() const { return *edit_; }
    // Import Table… and a drawing's import (File menu), on a form with table inputs.
    ImportActions& imports() const { return *imports_; }
    // The last Monte Carlo run's sensitivity curves, worked out after its figures are shown.
    BackgroundSensitivity& sensitivity() const { return *sensitivity_; }
    // Its sampling choices (Options > Sampling…), handed to every run it starts.
    SamplingActions& sampling() const { return *sampling_; }

    // The unit system of a form whose models choose one (Options > Units), or nullptr.
    UnitActions* unitActions() const { return units_; }
    // The units its inputs are typed in.
    UnitSystem units() const;
    // Whether a run of this form is in flight.
    bool isRunning() const { return run_ != nullptr; }
    // Whether the result fields belong to other inputs than the texts shown beside them: the
    // last run stopped, or an input was changed since the run that wrote them. Such results
    // are muted, and come back when the inputs return to those of their run.
    bool resultsAreStale() const { return resultsStale_; }
    // Every field's text as the last run with results left it (its inputs, the count it may
    // have rewritten, and its results); nullptr when the last run gave none.
    const FieldTextMap* resultsTexts() const { return resultsTexts_ ? &*resultsTexts_ : nullptr; }
    // The units of those texts: the form's when their run started.
    UnitSystem resultsUnits() const { return resultsUnits_; }
    // The tables the analysis kept after the form's last run that was not cancelled, for its
    // diagram and its exported results.
    KeptTables& shownTables() { return shownTables_; }
    // What the diagram draws the last run's results from: the shown tables while the results
    // are current, none while they are stale, so that no circle hangs over another slope.
    KeptTables& diagramTables();
    // Opening a model empties the results and the tables: they belong to no inputs any more,
    // and what Clear Data emptied can no longer be put back.
    void ForgetResults();

    // The message a cancelled run leaves.
    static constexpr const char* kCancelledMessage = "Calculation cancelled";

signals:
    // A run of this form is over and its texts are in the fields.
    void runFinished();

public slots:
    // "Calculation": starts the analysis on the form's texts. A run-time error stops the run
    // where it arises and leaves what it wrote; the form reports it in its message field
    // ("Run-time error '13': Type mismatch"), puts the focus in the field whose text caused it,
    // and stays usable. An input the run's checks refuse is shown the same way.
    void Calculate();
    void ClearData();      // "Clear Data"
    void ShowHistogram();  // "Histogram"

protected:
    // Closing the form mid-run cancels the run first; a form opened from or saved to a file
    // asks first whether to save inputs that changed.
    void closeEvent(QCloseEvent* event) override;

private:
    void FinishRun();
    void ShowRunProgress();
    void MarkResultsStale(bool stale);
    // After an edit: stale unless the inputs are those of the shown results.
    void CompareInputsWithResults();
    FieldTextMap InputTexts() const;

    const AnalysisDescription& analysis_;
    const AnalysisWindow& window_;
    Navigator& navigator_;
    AnalysisContext& context_;
    FormHistogram histogram_;
    QPointer<AnalysisRun> run_;
    QProgressDialog* progressDialog_;  // shown by a run that takes longer than half a second
    QTimer* progressTimer_;            // reads the run's progress while it runs
    QPointer<QWidget> focusBeforeRun_;
    QPointer<QWidget> focusDuringRun_;
    bool resultsStale_ = false;
    FieldTextMap runTexts_;  // the texts the run in flight started from
    std::optional<FieldTextMap> resultsTexts_;
    UnitSystem runUnits_ = UnitSystem::SiPascal;  // of runTexts_
    UnitSystem resultsUnits_ = UnitSystem::SiPascal;
    ModelFileActions* files_;
    SamplingActions* sampling_;
    UnitActions* units_ = nullptr;
    EditActions* edit_ = nullptr;
    ImportActions* imports_ = nullptr;
    BackgroundSensitivity* sensitivity_ = nullptr;  // the curves after a run
    KeptTables shownTables_;
    KeptTables noTables_;
    QWidget* diagramCanvas_ = nullptr;  // draws the diagram of a window with drawDiagram
};

}  // namespace vardolin::forms

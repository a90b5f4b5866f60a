// SPDX-License-Identifier: MIT
#include "forms/ModelFileActions.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

#include "files/AtomicFile.h"
#include "files/ModelReader.h"
#include "files/ModelWriter.h"
#include "files/TrialsCsv.h"
#include "forms/AnalysisForm.h"
#include "forms/FileDialogs.h"
#include "forms/LineEditFields.h"
#include "forms/SamplingActions.h"
#include "forms/UnitActions.h"

namespace vardolin::forms {

namespace {

std::filesystem::path LocalPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// A name the user typed without the suffix gets it, as the filter promises.
QString WithSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".") + suffix : path;
}

}  // namespace

ModelFileActions::ModelFileActions(AnalysisForm& form, FileDialogs& dialogs,
                                   const AnalysisCatalogue& catalogue)
    : QObject(&form), form_(form), dialogs_(dialogs), catalogue_(catalogue) {
    QMenu* file = form.menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    const auto add = [&](const QString& text, const char* name, QKeySequence keys,
                         bool (ModelFileActions::*slot)()) {
        QAction* action = file->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [this, slot] { (this->*slot)(); });
    };
    add(tr("&Open…"), "OpenAction", QKeySequence::Open, &ModelFileActions::Open);
    add(tr("&Save"), "SaveAction", QKeySequence::Save, &ModelFileActions::Save);
    add(tr("Save &As…"), "SaveAsAction", QKeySequence(tr("Ctrl+Shift+S")),
        &ModelFileActions::SaveAs);
    file->addSeparator();
    add(tr("&Export Results…"), "ExportAction", QKeySequence(), &ModelFileActions::ExportResults);
    connect(&form, &AnalysisForm::runFinished, this, &ModelFileActions::RunFinished);
}

QString ModelFileActions::Caption() const {
    return QString::fromUtf8(form_.analysis().caption);
}

std::map<std::string, std::string, std::less<>> ModelFileActions::CurrentInputs() const {
    return ModelFromFields(form_.analysis(), LineEditFields(form_)).inputs;
}

bool ModelFileActions::hasUnsavedChanges() const {
    return savedInputs_.has_value() &&
           (*savedInputs_ != CurrentInputs() || savedSampling_ != form_.sampling().choices() ||
            savedDetails_ != details_ || savedUnits_ != form_.units());
}

bool ModelFileActions::Open() {
    if (!MayClose()) {
        return false;
    }
    const QString path =
        dialogs_.OpenFileName(&form_, tr("Open"), QString::fromLatin1(kModelFilter));
    return !path.isEmpty() && OpenFile(path);
}

bool ModelFileActions::OpenFile(const QString& path) {
    if (form_.isRunning()) {
        dialogs_.ShowError(&form_, Caption(),
                           tr("A calculation is running; open the file when it is over."));
        return false;
    }
    ModelRead read;
    try {
        read = ReadModelFile(LocalPath(path), catalogue_);
    } catch (const ModelFileError& e) {
        dialogs_.ShowError(&form_, Caption(), QString::fromUtf8(e.what()));
        return false;
    }
    if (read.model.analysis != &form_.analysis()) {
        dialogs_.ShowError(&form_, Caption(),
                           tr("%1: a model of \"%2\", which this form does not calculate")
                               .arg(path, QString::fromUtf8(read.model.analysis->caption)));
        return false;
    }
    // Checked whole above; from here on every field takes its text.
    LineEditFields fields(form_);
    const FieldTextMap shown = FieldsOf(read.model);
    form_.ForgetResults();
    for (const auto& [number, text] : shown.texts()) {
        fields.setText(number, text);
    }
    form_.sampling().SetChoices(read.model.sampling);
    if (UnitActions* units = form_.unitActions()) {
        units->SetWithoutConverting(read.model.units);
    }
    savedUnits_ = read.model.units;
    path_ = path;
    savedInputs_ = read.model.inputs;
    savedSampling_ = read.model.sampling;
    details_ = read.model.report;
    savedDetails_ = read.model.report;
    lastRun_.reset();
    if (read.model.lastRun) {
        lastRun_ = KeptRun{read.model.inputs, *read.model.lastRun};
    }
    if (!read.notes.empty()) {
        QStringList notes;
        for (const std::string& note : read.notes) {
            notes.append(QString::fromUtf8(note));
        }
        dialogs_.ShowNote(&form_, Caption(), notes.join(QLatin1Char('\n')));
    }
    return true;
}

bool ModelFileActions::Save() {
    return path_.isEmpty() ? SaveAs() : SaveTo(path_);
}

bool ModelFileActions::SaveAs() {
    const QString suggested =
        path_.isEmpty()
            ? QStringLiteral("%1.vardolin")
                  .arg(QString::fromUtf8(form_.analysis().id.data(), form_.analysis().id.size()))
            : path_;
    const QString path =
        dialogs_.SaveFileName(&form_, tr("Save As"), suggested, QString::fromLatin1(kModelFilter));
    return !path.isEmpty() && SaveTo(WithSuffix(path, QStringLiteral("vardolin")));
}

bool ModelFileActions::SaveTo(const QString& path) {
    Model model = ModelFromFields(form_.analysis(), LineEditFields(form_), form_.units());
    model.sampling = form_.sampling().choices();
    model.report = details_;
    if (lastRun_ && lastRun_->inputs == model.inputs) {
        model.lastRun = lastRun_->run;
    }
    try {
        SaveModelFile(LocalPath(path), model);
    } catch (const FileWriteError& e) {
        dialogs_.ShowError(&form_, Caption(), QString::fromUtf8(e.what()));
        return false;
    }
    path_ = path;
    savedInputs_ = std::move(model.inputs);
    savedSampling_ = model.sampling;
    savedDetails_ = model.report;
    savedUnits_ = model.units;
    return true;
}

bool ModelFileActions::ExportResults() {
    const QString suggested = path_.isEmpty() ? QStringLiteral("results.csv")
                                              : QFileInfo(path_).path() + QStringLiteral("/") +
                                                    QFileInfo(path_).completeBaseName() +
                                                    QStringLiteral(".csv");
    const QString path = dialogs_.SaveFileName(&form_, tr("Export Results"), suggested,
                                               QString::fromLatin1(kCsvFilter));
    return !path.isEmpty() && ExportResultsTo(WithSuffix(path, QStringLiteral("csv")));
}

bool ModelFileActions::ExportResultsTo(const QString& path) {
    const RunDistribution* current = form_.histogram().record().current();
    const FieldTextMap* results = form_.resultsTexts();
    if (current == nullptr || results == nullptr) {
        dialogs_.ShowError(&form_, Caption(),
                           tr("There are no trials to export: the results shown come from no "
                              "Monte Carlo run. Press Calculation first."));
        return false;
    }
    // The inputs written are those the results were computed from, whatever the form shows now.
    try {
        const ExportTables tables = form_.analysis().exportTables != nullptr
                                        ? form_.analysis().exportTables(form_.shownTables())
                                        : ExportTables{};
        WriteFileAtomically(
            LocalPath(path),
            ResultsCsv(form_.analysis(), *results, current->factors, current->outOfRange, tables,
                       SamplingRecordOf(form_.analysis(), *results, form_.sampling().ofResults()),
                       form_.analysis().choosesUnits ? std::optional(form_.resultsUnits())
                                                     : std::nullopt));
    } catch (const FileWriteError& e) {
        dialogs_.ShowError(&form_, Caption(), QString::fromUtf8(e.what()));
        return false;
    }
    if (ModelFromFields(form_.analysis(), *results).inputs != CurrentInputs()) {
        dialogs_.ShowNote(&form_, Caption(),
                          tr("The form now shows other inputs than those the results were "
                             "computed from; %1 holds the inputs of the results.")
                              .arg(QFileInfo(path).fileName()));
    }
    return true;
}

bool ModelFileActions::MayClose() {
    if (!hasUnsavedChanges()) {
        return true;
    }
    // Inputs with an empty one (after Clear Data) make no model: Enter must not write them over
    // the file, nor throw away what was typed. Cancel loses nothing.
    // Only inputs a run needs count: a given circle's fields are meant to stay empty.
    const auto inputs = CurrentInputs();
    const bool someEmpty = std::any_of(inputs.begin(), inputs.end(), [this](const auto& input) {
        const FieldFact* field = form_.analysis().findKey(input.first);
        return input.second.empty() && (field == nullptr || !field->mayStayEmpty());
    });
    QString question =
        tr("The inputs differ from those in %1. Save them?").arg(QFileInfo(path_).fileName());
    if (someEmpty) {
        question += QStringLiteral(" ") + tr("Some of them are empty.");
    }
    switch (dialogs_.AskToSave(
        &form_, Caption(), question,
        someEmpty ? FileDialogs::UnsavedAnswer::Cancel : FileDialogs::UnsavedAnswer::Save)) {
        case FileDialogs::UnsavedAnswer::Save:
            return Save();
        case FileDialogs::UnsavedAnswer::Discard:
            return true;
        case FileDialogs::UnsavedAnswer::Cancel:
            break;
    }
    return false;
}

void ModelFileActions::RunStarting(std::uint32_t uniformState) {
    startingState_ = uniformState;
}

void ModelFileActions::RunFinished() {
    if (!startingState_) {
        return;
    }
    const std::uint32_t state = *startingState_;
    startingState_.reset();
    // Stopped, failed or cancelled: the last run with results stays the kept one.
    const FieldTextMap* results = form_.resultsTexts();
    if (results == nullptr) {
        return;
    }
    std::vector<double> factors;
    if (const RunDistribution* current = form_.histogram().record().current()) {
        factors = current->factors;
    }
    lastRun_ = KeptRun{ModelFromFields(form_.analysis(), *results).inputs,
                       SavedRunFromFields(form_.analysis(), *results, state, std::move(factors))};
}

}  // namespace vardolin::forms

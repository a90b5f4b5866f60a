// SPDX-License-Identifier: MIT
#include "forms/AnalysisForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColor>
#include <QLineEdit>
#include <QMenuBar>
#include <QPalette>
#include <QProgressDialog>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <array>

#include "forms/AnalysisRun.h"
#include "forms/BackgroundSensitivity.h"
#include "forms/ControlTable.h"
#include "forms/DiagramCanvas.h"
#include "forms/EditActions.h"
#include "forms/FieldTooltips.h"
#include "forms/ImportActions.h"
#include "forms/LineEditFields.h"
#include "forms/ModelFileActions.h"
#include "forms/Navigator.h"
#include "forms/ReportActions.h"
#include "forms/ResultFieldDisplay.h"
#include "forms/SamplingActions.h"
#include "forms/TableFieldEditor.h"
#include "forms/UnitActions.h"
#include "numerics/RunTimeError.h"

namespace vardolin::forms {

namespace {

void PaintPaleYellow(QWidget& field) {
    QPalette palette = field.palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 192));
    field.setPalette(palette);
}

constexpr std::array<ButtonSlot<AnalysisForm>, 3> kButtons{{
    {"Command1", &AnalysisForm::Calculate},
    {"Command4", &AnalysisForm::ClearData},
    {"Command5", &AnalysisForm::ShowHistogram},
}};

}  // namespace

AnalysisForm::AnalysisForm(const AnalysisDescription& analysis, const AnalysisWindow& window,
                           Navigator& navigator, AnalysisContext& context, QWidget* parent)
    : QMainWindow(parent),
      analysis_(analysis),
      window_(window),
      navigator_(navigator),
      context_(context),
      histogram_(QString::fromUtf8(analysis.caption), context_.locale),
      progressDialog_(new QProgressDialog(this)),
      progressTimer_(new QTimer(this)),
      files_(new ModelFileActions(*this, navigator.fileDialogs(), navigator.catalogue())),
      sampling_(new SamplingActions(*this)) {
    setObjectName(QString::fromUtf8(analysis.formName));
    setWindowTitle(QString::fromUtf8(analysis.caption));
    auto* client = new QWidget(this);
    BuildControls(*client, window.controls);
    client->setFixedSize(TwipsToPixels(window.clientWidthTwips),
                         TwipsToPixels(window.clientHeightTwips));
    setCentralWidget(client);
    // The menu bar writes in the form's font, as every control without its own does.
    setFont(client->font());
    resize(client->width(), client->height() + menuBar()->sizeHint().height());
    for (const FieldFact& field : analysis.fields) {
        QLineEdit* control = FieldControl(*this, field.number);
        Q_ASSERT_X(control != nullptr, "AnalysisForm", field.key.data());
        control->setText(QString::fromUtf8(field.defaultText.data(),
                                           static_cast<qsizetype>(field.defaultText.size())));
        if (field.role == FieldRole::Message || field.role == FieldRole::Explanation) {
            PaintPaleYellow(*control);
        }
        if (!field.isInput() && field.display != FieldDisplay::AsWritten) {
            new ResultFieldDisplay(*control, field.display, context_.locale);
        }
        if (field.isInput()) {
            connect(control, &QLineEdit::textChanged, this,
                    &AnalysisForm::CompareInputsWithResults);
        }
    }
    AttachTableEditors(*this, analysis, context_.locale);
    if (window.drawDiagram != nullptr) {
        if (QWidget* picture = FindControl(*this, QStringLiteral("Image1"))) {
            diagramCanvas_ = new DiagramCanvas(*picture, *this);
        }
    }
    if (diagramCanvas_ != nullptr) {
        for (const FieldFact& field : analysis.fields) {
            if (field.isInput()) {
                connect(FieldControl(*this, field.number), &QLineEdit::textChanged, diagramCanvas_,
                        qOverload<>(&QWidget::update));
            }
        }
    }
    ApplyTooltips(*this, analysis);
    if (window.attachControls != nullptr) {
        window.attachControls(*this, context_.locale);
    }
    if (analysis.choosesUnits) {
        units_ = new UnitActions(*this);
    }
    edit_ = new EditActions(*this);
    imports_ = new ImportActions(*this, navigator.fileDialogs());
    sensitivity_ = new BackgroundSensitivity(analysis, context_, histogram_, this);
    histogram_.SetSensitivityActions([this] { sensitivity_->Skip(); },
                                     [this] { sensitivity_->WorkOut(); });
    histogram_.SetFileDialogs(navigator.fileDialogs());
    histogram_.SetAnalysis(analysis);
    new ReportActions(*this, navigator.fileDialogs());
    ConnectButtons<AnalysisForm>(*this, kButtons);
    ConnectNavigation(*this, window.navigation, navigator);
    if (navigator.runInFlight()) {
        FindControl(*this, QStringLiteral("Command1"))->setEnabled(false);
    }

    progressDialog_->setWindowTitle(QString::fromUtf8(analysis.caption));
    progressDialog_->setCancelButtonText(tr("Cancel"));
    progressDialog_->setMinimumDuration(500);
    progressDialog_->setAutoClose(false);
    progressDialog_->setAutoReset(false);
    progressDialog_->reset();
    connect(progressDialog_, &QProgressDialog::canceled, this, [this] {
        if (run_ != nullptr) {
            run_->Cancel();
        }
    });
    progressTimer_->setInterval(100);
    connect(progressTimer_, &QTimer::timeout, this, &AnalysisForm::ShowRunProgress);
}

UnitSystem AnalysisForm::units() const {
    return units_ != nullptr ? units_->units() : DefaultUnits(analysis_);
}

AnalysisForm::~AnalysisForm() {
    if (run_ != nullptr) {
        // The form goes without a close (the program ends): undo the run before it does.
        disconnect(run_, nullptr, this, nullptr);
        run_->CancelAndWait();
        navigator_.SetRunInFlight(false);
    }
}

void AnalysisForm::Calculate() {
    if (run_ != nullptr || navigator_.runInFlight()) {
        return;  // one run at a time in the process: they share one sequence
    }
    const LineEditFields fields(*this);
    FieldTextMap texts;
    for (const FieldFact& field : analysis_.fields) {
        texts.setText(field.number, fields.text(field.number));
    }
    runTexts_ = texts;
    runUnits_ = units();
    edit_->Forget();
    // The last run's curves would only slow this one down; they can be worked out again.
    sensitivity_->Skip();
    context_.sampling = sampling_->RunStarting();
    context_.units = units();
    run_ = new AnalysisRun(analysis_, std::move(texts), context_, this);
    connect(run_, &AnalysisRun::finished, this, &AnalysisForm::FinishRun);
    // Disabling "Calculation" moves the focus on; it comes back when the run is over, unless
    // the user has put it elsewhere meanwhile.
    focusBeforeRun_ = QApplication::focusWidget();
    navigator_.SetRunInFlight(true);
    focusDuringRun_ = QApplication::focusWidget();
    files_->RunStarting(context_.uniforms.state());
    progressDialog_->setValue(0);
    progressTimer_->start();
    run_->Start();
}

void AnalysisForm::ShowRunProgress() {
    if (run_ == nullptr) {
        return;
    }
    const RunProgress& progress = run_->progress();
    const int total = progress.stepsTotal.load();
    if (total <= 0) {
        return;
    }
    const int done = std::min(progress.stepsDone.load(), total);
    // The dialog shows itself once the run looks like taking more than its minimum duration.
    progressDialog_->setMaximum(total);
    QString label;
    switch (progress.unit.load()) {
        case ProgressUnit::Trial:
            label = tr("Trial %1 of %2");
            break;
        case ProgressUnit::SearchCentre:
            label = tr("Searching: centre %1 of %2");
            break;
        case ProgressUnit::SensitivityPoint:
            label = tr("Sensitivity: evaluation %1 of %2");
            break;
    }
    progressDialog_->setLabelText(label.arg(done).arg(total));
    progressDialog_->setValue(std::min(done, total - 1));
}

void AnalysisForm::FinishRun() {
    progressTimer_->stop();
    progressDialog_->reset();
    progressDialog_->hide();
    navigator_.SetRunInFlight(false);
    const AnalysisRun::Result result = run_->result();
    run_->deleteLater();
    run_ = nullptr;

    if (focusBeforeRun_ != nullptr && QApplication::focusWidget() == focusDuringRun_) {
        focusBeforeRun_->setFocus(Qt::OtherFocusReason);
    }

    LineEditFields fields(*this);
    const int message = analysis_.fieldWith(FieldRole::Message).number;
    // The results written now belong to the texts the run started from, with its own writes.
    resultsTexts_.reset();
    if (result.cancelled) {
        fields.setText(message, kCancelledMessage);
        MarkResultsStale(true);
        emit runFinished();
        return;
    }
    for (const auto& [field, text] : result.writes) {
        runTexts_.setText(field, text);
    }
    shownTables_ = context_.kept;
    if (diagramCanvas_ != nullptr) {
        diagramCanvas_->update();
    }
    for (const auto& [field, text] : result.writes) {
        fields.setText(field, text);
    }
    // A text that is not a number, a number beyond the range, or an input the checks refuse:
    // ready to be typed over at once. An error of the arithmetic belongs to no one field, and
    // the focus stays where it is.
    std::optional<int> culprit;
    if (result.error) {
        fields.setText(message, result.error->message());
        culprit = result.error->field();
    } else if (!result.failure.empty()) {
        fields.setText(message, result.failure);
    } else if (result.outcome->completed()) {
        const int failures = analysis_.fieldWith(FieldRole::FailurePercentage).number;
        RunDistribution distribution{result.outcome->trialFactors, fields.text(failures),
                                     result.outcome->outOfRange, result.outcome->draws,
                                     std::nullopt};
        distribution.sensitivityPending = analysis_.factorAtMeans != nullptr;
        histogram_.RecordMonteCarlo(std::move(distribution));
        resultsTexts_ = runTexts_;
        resultsUnits_ = runUnits_;
        sensitivity_->Start(runTexts_);
    } else if (result.outcome->end == RunOutcome::End::FixedData) {
        histogram_.RecordFixedData();
        resultsTexts_ = runTexts_;
        resultsUnits_ = runUnits_;
    } else {
        culprit = result.outcome->stoppedAtField;
    }
    if (culprit) {
        // A table's text box is hidden behind its editor, which takes the user to the cell.
        if (auto* table = findChild<TableFieldEditor*>(QStringLiteral("Table%1").arg(*culprit))) {
            table->FocusFirstProblem();
        } else if (QLineEdit* control = FieldControl(*this, *culprit)) {
            control->setFocus(Qt::OtherFocusReason);
            control->selectAll();
        }
    }
    MarkResultsStale(true);
    CompareInputsWithResults();
    emit runFinished();
}

FieldTextMap AnalysisForm::InputTexts() const {
    const LineEditFields fields(*this);
    FieldTextMap texts;
    for (const FieldFact& field : analysis_.fields) {
        if (field.isInput()) {
            texts.setText(field.number, fields.text(field.number));
        }
    }
    return texts;
}

void AnalysisForm::CompareInputsWithResults() {
    if (!resultsTexts_) {
        return;  // a stopped run's fields stay muted; no run's empty fields stay as they are
    }
    bool same = true;
    const FieldTextMap shown = InputTexts();
    for (const auto& [number, text] : shown.texts()) {
        same = same && resultsTexts_->text(number) == text;
    }
    MarkResultsStale(!same);
}

void AnalysisForm::ForgetResults() {
    edit_->Forget();
    resultsTexts_.reset();
    shownTables_ = KeptTables();
    MarkResultsStale(false);
}

KeptTables& AnalysisForm::diagramTables() {
    return resultsStale_ ? noTables_ : shownTables_;
}

void AnalysisForm::MarkResultsStale(bool stale) {
    const bool changes = resultsStale_ != stale;
    resultsStale_ = stale;
    if (changes && diagramCanvas_ != nullptr) {
        diagramCanvas_->update();
    }
    static const char* const kOwnToolTip = "ownToolTip";
    const QString why =
        resultsTexts_
            ? tr("From other inputs: an input changed since the run that wrote this "
                 "result; it counts again when the inputs are back as they were.")
            : tr("From an earlier run: the last run stopped before it wrote this result.");
    for (const FieldFact& field : analysis_.fields) {
        if (field.isInput()) {
            continue;
        }
        // A stopped run's message and explanation speak of the inputs shown.
        const bool muted = stale && (resultsTexts_ || (field.role != FieldRole::Message &&
                                                       field.role != FieldRole::Explanation));
        QLineEdit* control = FieldControl(*this, field.number);
        if (!control->property(kOwnToolTip).isValid()) {
            control->setProperty(kOwnToolTip, control->toolTip());
        }
        const QString own = control->property(kOwnToolTip).toString();
        // Why it is muted, which changes with what made it stale.
        control->setToolTip(muted ? Qt::convertFromPlainText(why, Qt::WhiteSpaceNormal) + own
                                  : own);
        if (control->font().italic() == muted) {
            continue;
        }
        // Muted by colour and by slant, so that it does not rest on colour alone.
        QPalette palette = control->palette();
        QFont font = control->font();
        const QColor text = QWidget::palette().color(QPalette::Text);
        if (muted) {
            const QColor base = palette.color(QPalette::Base);
            palette.setColor(QPalette::Text, QColor((text.red() + base.red()) / 2,
                                                    (text.green() + base.green()) / 2,
                                                    (text.blue() + base.blue()) / 2));
        } else {
            palette.setColor(QPalette::Text, text);
        }
        font.setItalic(muted);
        control->setFont(font);
        control->setPalette(palette);
    }
}

void AnalysisForm::closeEvent(QCloseEvent* event) {
    if (!files_->MayClose()) {
        event->ignore();
        return;
    }
    if (run_ != nullptr) {
        // Undone before the form goes: the sequence and the tables are as before the run.
        run_->CancelAndWait();
    }
    QMainWindow::closeEvent(event);
}

void AnalysisForm::ClearData() {
    LineEditFields fields(*this);
    FieldTextMap before;
    for (const FieldFact& field : analysis_.fields) {
        before.setText(field.number, fields.text(field.number));
    }
    edit_->Remember(std::move(before));
    for (const FieldFact& field : analysis_.fields) {
        fields.setText(field.number, "");
    }
}

void AnalysisForm::ShowHistogram() {
    histogram_.Show(*this);
}

}  // namespace vardolin::forms

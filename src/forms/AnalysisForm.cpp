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
#include "forms/ControlTable.h"
#include "forms/FieldTooltips.h"
#include "forms/LineEditFields.h"
#include "forms/ModelFileActions.h"
#include "forms/Navigator.h"
#include "forms/SamplingActions.h"
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
    }
    ApplyTooltips(*this, analysis);
    histogram_.SetFileDialogs(navigator.fileDialogs());
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
    context_.sampling = sampling_->choices();
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
    const int total = progress.trialsTotal.load();
    if (total <= 0) {
        return;
    }
    const int done = std::min(progress.trialsDone.load(), total);
    // The dialog shows itself once the run looks like taking more than its minimum duration.
    progressDialog_->setMaximum(total);
    progressDialog_->setLabelText(tr("Trial %1 of %2").arg(done).arg(total));
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
    if (result.cancelled) {
        fields.setText(message, kCancelledMessage);
        MarkResultsStale(true);
        emit runFinished();
        return;
    }
    for (const auto& [field, text] : result.writes) {
        fields.setText(field, text);
    }
    if (result.error) {
        fields.setText(message, result.error->message());
        MarkResultsStale(true);
        // A text that is not a number, or is beyond the range: ready to be typed over at once.
        // An error of the arithmetic belongs to no one field, and the focus stays where it is.
        if (const std::optional<int> culprit = result.error->field()) {
            if (QLineEdit* control = FieldControl(*this, *culprit)) {
                control->setFocus(Qt::OtherFocusReason);
                control->selectAll();
            }
        }
    } else if (!result.failure.empty()) {
        fields.setText(message, result.failure);
        MarkResultsStale(true);
    } else if (result.outcome->completed()) {
        const int failures = analysis_.fieldWith(FieldRole::FailurePercentage).number;
        histogram_.RecordMonteCarlo({result.outcome->trialFactors, fields.text(failures)});
        MarkResultsStale(false);
    } else if (result.outcome->end == RunOutcome::End::FixedData) {
        histogram_.RecordFixedData();
        MarkResultsStale(false);
    } else {
        MarkResultsStale(true);
    }
    emit runFinished();
}

void AnalysisForm::MarkResultsStale(bool stale) {
    if (resultsStale_ == stale) {
        return;
    }
    resultsStale_ = stale;
    static const char* const kOwnToolTip = "ownToolTip";
    for (const FieldRole role : {FieldRole::FailurePercentage, FieldRole::MeanSafetyFactor}) {
        QLineEdit* control = FieldControl(*this, analysis_.fieldWith(role).number);
        // Muted by colour and by slant, so that it does not rest on colour alone.
        QPalette palette = control->palette();
        QFont font = control->font();
        if (stale) {
            const QColor text = palette.color(QPalette::Text);
            const QColor base = palette.color(QPalette::Base);
            palette.setColor(QPalette::Text, QColor((text.red() + base.red()) / 2,
                                                    (text.green() + base.green()) / 2,
                                                    (text.blue() + base.blue()) / 2));
            control->setProperty(kOwnToolTip, control->toolTip());
            control->setToolTip(
                Qt::convertFromPlainText(
                    tr("From an earlier run: the last run stopped before it wrote this result."),
                    Qt::WhiteSpaceNormal) +
                control->toolTip());
        } else {
            palette.setColor(QPalette::Text, QWidget::palette().color(QPalette::Text));
            control->setToolTip(control->property(kOwnToolTip).toString());
        }
        font.setItalic(stale);
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
    for (const FieldFact& field : analysis_.fields) {
        fields.setText(field.number, "");
    }
}

void AnalysisForm::ShowHistogram() {
    histogram_.Show(*this);
}

}  // namespace vardolin::forms

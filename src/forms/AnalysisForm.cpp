// SPDX-License-Identifier: MIT
#include "forms/AnalysisForm.h"

#include <QColor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPalette>
#include <array>

#include "forms/ControlTable.h"
#include "forms/FieldTooltips.h"
#include "forms/LineEditFields.h"
#include "forms/Navigator.h"
#include "numerics/RunTimeError.h"

namespace vardolin::forms {

namespace {

// Shows the busy pointer for as long as it lives, however the run ends.
class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

void PaintPaleYellow(QWidget& field) {
    QPalette palette = field.palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 192));
    field.setPalette(palette);
}

QLineEdit* FieldControl(const QWidget& form, int number) {
    return FindControlAs<QLineEdit>(form, QStringLiteral("Text%1").arg(number));
}

constexpr std::array<ButtonSlot<AnalysisForm>, 3> kButtons{{
    {"Command1", &AnalysisForm::Calculate},
    {"Command4", &AnalysisForm::ClearData},
    {"Command5", &AnalysisForm::ShowHistogram},
}};

}  // namespace

AnalysisForm::AnalysisForm(const AnalysisDescription& analysis, Navigator& navigator,
                           AnalysisContext& context, QWidget* parent)
    : QWidget(parent),
      analysis_(analysis),
      context_(context),
      histogram_(QString::fromUtf8(analysis.caption), context_.locale) {
    setObjectName(QString::fromUtf8(analysis.formName));
    setWindowTitle(QString::fromUtf8(analysis.caption));
    BuildControls(*this, analysis.controls);
    resize(TwipsToPixels(analysis.clientWidthTwips), TwipsToPixels(analysis.clientHeightTwips));
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
    ConnectButtons<AnalysisForm>(*this, kButtons);
    ConnectNavigation(*this, analysis.navigation, navigator);
}

void AnalysisForm::Calculate() {
    LineEditFields fields(*this);
    const BusyPointer busy;
    try {
        RunOutcome outcome = analysis_.run(fields, context_);
        if (outcome.completed()) {
            const int failures = analysis_.fieldWith(FieldRole::FailurePercentage).number;
            histogram_.RecordMonteCarlo({std::move(outcome.trialFactors), fields.text(failures)});
        } else if (outcome.end == RunOutcome::End::FixedData) {
            histogram_.RecordFixedData();
        }
    } catch (const RunTimeError& error) {
        fields.setText(analysis_.fieldWith(FieldRole::Message).number, error.message());
    }
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

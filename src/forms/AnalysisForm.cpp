// SPDX-License-Identifier: MIT
#include "forms/AnalysisForm.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

#include "forms/LineEditFields.h"
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

}  // namespace

AnalysisForm::AnalysisForm(const Design& design, Navigator& navigator, AnalysisContext& context,
                           QWidget* parent)
    : QWidget(parent),
      design_(design),
      navigator_(navigator),
      context_(context),
      histogram_(QString::fromLatin1(design.caption)) {
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(QString::fromLatin1(design.caption));
    BuildControls(*this, design.controls);
    resize(TwipsToPixels(design.clientWidthTwips), TwipsToPixels(design.clientHeightTwips));
    for (const int field : {design.messageField, design.explanationField}) {
        PaintPaleYellow(*FindControl(*this, QStringLiteral("Text%1").arg(field)));
    }
    ConnectButton(*this, "Command4", &AnalysisForm::Command4_Click);
    ConnectButton(*this, "Command5", &AnalysisForm::Command5_Click);
}

void AnalysisForm::Calculate(const std::function<void(LineEditFields&)>& run) {
    LineEditFields fields(*this);
    const BusyPointer busy;
    try {
        run(fields);
    } catch (const RunTimeError& error) {
        fields.setText(design_.messageField, error.message());
    }
}

void AnalysisForm::Command4_Click() {
    LineEditFields fields(*this);
    for (const int field : design_.clearOrder) {
        fields.setText(field, "");
    }
}

void AnalysisForm::Command5_Click() {
    histogram_.Show(*this);
}

}  // namespace vardolin::forms

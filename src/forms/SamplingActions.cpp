// SPDX-License-Identifier: MIT
#include "forms/SamplingActions.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

#include "files/Model.h"
#include "forms/AnalysisForm.h"
#include "forms/LineEditFields.h"
#include "forms/SamplingDialog.h"
#include "sampling/SamplingRecord.h"

namespace vardolin::forms {

SamplingActions::SamplingActions(AnalysisForm& form)
    : QObject(&form), form_(form), line_(new QPushButton(&form)) {
    QMenu* options = form.menuBar()->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("OptionsMenu"));
    QAction* action = options->addAction(tr("&Sampling…"));
    action->setObjectName(QStringLiteral("SamplingAction"));
    connect(action, &QAction::triggered, this, [this] { ShowDialog(); });

    line_->setObjectName(QStringLiteral("SamplingLine"));
    line_->setFlat(true);
    line_->setCursor(Qt::PointingHandCursor);
    line_->setToolTip(tr("The run draws otherwise than by default; click to see or change how"));
    line_->setStyleSheet(QStringLiteral("text-align: left; padding: 0 4px;"));
    form.statusBar()->addWidget(line_, 1);
    form.statusBar()->setSizeGripEnabled(false);
    connect(line_, &QPushButton::clicked, this, [this] { ShowDialog(); });
    connect(&form, &AnalysisForm::runFinished, this, [this] {
        if (form_.resultsTexts() != nullptr) {
            ofResults_ = running_;
        }
    });
    ShowLine();
}

void SamplingActions::SetChoices(const SamplingChoices& choices) {
    choices_ = choices;
    ShowLine();
}

const SamplingChoices& SamplingActions::RunStarting() {
    running_ = choices_;
    return running_;
}

void SamplingActions::ShowLine() {
    // Default choices name nothing, and the form's fields need not be built yet.
    const std::string named = choices_.isDefault()
                                  ? std::string()
                                  : NonDefaultSampling(SamplingRecordOf(
                                        form_.analysis(), LineEditFields(form_), choices_));
    line_->setText(tr("Sampling: %1").arg(QString::fromStdString(named)));
    // Shown, the line makes the window taller; hidden again, it gives the height back.
    QStatusBar& bar = *form_.statusBar();
    if (bar.isVisibleTo(&form_) == named.empty()) {
        const int height = bar.height();
        bar.setVisible(!named.empty());
        if (named.empty()) {
            form_.layout()->activate();  // its minimum height without the line
            form_.resize(form_.width(), form_.height() - height);
        }
    }
}

SamplingDialog* SamplingActions::ShowDialog() {
    auto* dialog = new SamplingDialog(form_.analysis(), LineEditFields(form_), choices_,
                                      form_.units(), &form_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { SetChoices(dialog->choices()); });
    dialog->open();
    return dialog;
}

}  // namespace vardolin::forms

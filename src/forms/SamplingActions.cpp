// SPDX-License-Identifier: MIT
#include "forms/SamplingActions.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "forms/AnalysisForm.h"
#include "forms/SamplingDialog.h"

namespace vardolin::forms {

SamplingActions::SamplingActions(AnalysisForm& form) : QObject(&form), form_(form) {
    QMenu* options = form.menuBar()->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("OptionsMenu"));
    QAction* action = options->addAction(tr("&Sampling…"));
    action->setObjectName(QStringLiteral("SamplingAction"));
    connect(action, &QAction::triggered, this, [this] { ShowDialog(); });
}

SamplingDialog* SamplingActions::ShowDialog() {
    auto* dialog = new SamplingDialog(form_.analysis(), choices_, &form_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { choices_ = dialog->choices(); });
    dialog->open();
    return dialog;
}

}  // namespace vardolin::forms

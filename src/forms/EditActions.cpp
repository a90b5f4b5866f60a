// SPDX-License-Identifier: MIT
#include "forms/EditActions.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "analysis/AnalysisDescription.h"
#include "forms/AnalysisForm.h"
#include "forms/LineEditFields.h"

namespace vardolin::forms {

EditActions::EditActions(AnalysisForm& form) : QObject(&form), form_(form) {
    auto* edit = new QMenu(tr("&Edit"), &form);
    edit->setObjectName(QStringLiteral("EditMenu"));
    // After the File menu.
    const QList<QAction*> menus = form.menuBar()->actions();
    form.menuBar()->insertMenu(menus.size() > 1 ? menus[1] : nullptr, edit);
    undo_ = edit->addAction(tr("&Undo Clear Data"));
    undo_->setObjectName(QStringLiteral("UndoAction"));
    undo_->setShortcut(QKeySequence::Undo);
    undo_->setEnabled(false);
    connect(undo_, &QAction::triggered, this, [this] { Undo(); });
    for (const FieldFact& field : form.analysis().fields) {
        if (QLineEdit* control = FieldControl(form, field.number)) {
            control->installEventFilter(this);
        }
    }
}

void EditActions::Remember(FieldTextMap texts, const QString& what) {
    cleared_ = std::move(texts);
    undo_->setText(what.isEmpty() ? tr("&Undo Clear Data") : tr("&Undo %1").arg(what));
    undo_->setEnabled(true);
}

void EditActions::Forget() {
    cleared_.reset();
    undo_->setEnabled(false);
}

void EditActions::ConvertUnits(UnitSystem from, UnitSystem to) {
    if (cleared_) {
        ConvertInputs(form_.analysis(), *cleared_, from, to, form_.locale());
    }
}

bool EditActions::Undo() {
    if (!cleared_) {
        return false;
    }
    const FieldTextMap texts = std::move(*cleared_);
    Forget();
    LineEditFields fields(form_);
    for (const auto& [number, text] : texts.texts()) {
        fields.setText(number, text);
    }
    return true;
}

bool EditActions::eventFilter(QObject* watched, QEvent* event) {
    // A text box claims Ctrl+Z even with nothing of its own to undo; then it is the menu's.
    if (event->type() == QEvent::ShortcutOverride && cleared_) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* control = qobject_cast<QLineEdit*>(watched);
        if (key->matches(QKeySequence::Undo) && control != nullptr && !control->isUndoAvailable()) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vardolin::forms

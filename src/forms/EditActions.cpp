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
#include "forms/TableFieldEditor.h"

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
            // A change after the drag would be taken back with it, or the drag without it.
            if (field.isInput()) {
                connect(control, &QLineEdit::textChanged, this, [this] {
                    if (!undoing_) {
                        ForgetDrag();
                    }
                });
            }
        }
    }
}

void EditActions::Remember(FieldTextMap texts, const QString& what) {
    cleared_ = std::move(texts);
    clearedWhat_ = what;
    ShowWhatUndoes();
}

void EditActions::RememberDrag(TableFieldEditor& table) {
    dragged_ = &table;
    ShowWhatUndoes();
}

void EditActions::Forget() {
    cleared_.reset();
    ForgetDrag();
}

void EditActions::ForgetDrag() {
    dragged_ = nullptr;
    ShowWhatUndoes();
}

bool EditActions::canUndo() const {
    return cleared_.has_value() || dragged_ != nullptr;
}

void EditActions::ShowWhatUndoes() {
    undo_->setText(dragged_ != nullptr      ? tr("&Undo Drag Point")
                   : clearedWhat_.isEmpty() ? tr("&Undo Clear Data")
                                            : tr("&Undo %1").arg(clearedWhat_));
    undo_->setEnabled(canUndo());
}

void EditActions::ConvertUnits(UnitSystem from, UnitSystem to) {
    if (cleared_) {
        ConvertInputs(form_.analysis(), *cleared_, from, to, form_.locale());
    }
}

bool EditActions::Undo() {
    if (dragged_ != nullptr) {
        undoing_ = true;
        dragged_->undoStack().undo();
        undoing_ = false;
        ForgetDrag();
        return true;
    }
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
    if (event->type() == QEvent::ShortcutOverride && canUndo()) {
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

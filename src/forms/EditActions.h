// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>

#include "fields/FieldTextMap.h"
#include "fields/UnitSystem.h"

class QAction;

namespace vardolin::forms {

class AnalysisForm;
class TableFieldEditor;

// The Edit menu of an analysis form: Undo (Ctrl+Z) gives back the texts "Clear Data" emptied,
// or those an import of several tables replaced, or takes back a drag in the diagram that no
// other change of an input followed, the drag first. In a text box that has its own typing to
// undo, Ctrl+Z undoes that first. Opening a model or starting a run forgets both: they belong to
// no model or run any more.
class EditActions final : public QObject {
    Q_OBJECT

public:
    explicit EditActions(AnalysisForm& form);

    // Keeps every field's text, just before Clear Data empties them (or the texts of the fields
    // a change `what` replaces, which the menu then names: "Undo Import Section").
    void Remember(FieldTextMap texts, const QString& what = {});
    // Keeps the drag that `table` just recorded as the last step of its history, for Undo to
    // take back until another change of an input.
    void RememberDrag(TableFieldEditor& table);
    void Forget();
    // Converts the texts kept as the form's inputs are converted when its unit system changes,
    // so that Undo gives them back in the units the form then shows.
    void ConvertUnits(UnitSystem from, UnitSystem to);
    bool canUndo() const;
    // Takes back the drag, or else puts back the texts Clear Data emptied; false if there is
    // neither.
    bool Undo();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ForgetDrag();
    void ShowWhatUndoes();

    AnalysisForm& form_;
    QAction* undo_;
    std::optional<FieldTextMap> cleared_;
    QString clearedWhat_;                 // what replaced them, for the menu; empty: Clear Data
    QPointer<TableFieldEditor> dragged_;  // the table whose last step is the drag
    bool undoing_ = false;
};

}  // namespace vardolin::forms

// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "fields/FieldTextMap.h"
#include "fields/UnitSystem.h"

class QAction;

namespace vardolin::forms {

class AnalysisForm;

// The Edit menu of an analysis form: Undo (Ctrl+Z) gives back the texts "Clear Data" emptied,
// or those an import of several tables replaced.
// In a text box that has its own typing to undo, Ctrl+Z undoes that first. Opening a model or
// starting a run forgets what Clear Data emptied: it belongs to no model or run any more.
class EditActions final : public QObject {
    Q_OBJECT

public:
    explicit EditActions(AnalysisForm& form);

    // Keeps every field's text, just before Clear Data empties them (or the texts of the fields
    // a change `what` replaces, which the menu then names: "Undo Import Section").
    void Remember(FieldTextMap texts, const QString& what = {});
    void Forget();
    // Converts the texts kept as the form's inputs are converted when its unit system changes,
    // so that Undo gives them back in the units the form then shows.
    void ConvertUnits(UnitSystem from, UnitSystem to);
    bool canUndo() const { return cleared_.has_value(); }
    // Puts back the texts Clear Data emptied; false if there are none.
    bool Undo();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AnalysisForm& form_;
    QAction* undo_;
    std::optional<FieldTextMap> cleared_;
};

}  // namespace vardolin::forms

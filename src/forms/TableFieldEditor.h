// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QTableWidget>
#include <QUndoStack>
#include <QWidget>
#include <string>

#include "analysis/AnalysisDescription.h"
#include "analysis/TableInput.h"
#include "numerics/NumberText.h"

namespace vardolin::forms {

// The editor of a table input: a grid of its rows under its columns' headings, with Add Row and
// Remove Row, a paste of tab-separated rows from a spreadsheet (Ctrl+V), a copy of the selected
// cells (Ctrl+C), undo and redo of every change (Ctrl+Z, Ctrl+Shift+Z or Ctrl+Y), and every row
// in error marked with its problem in a tooltip and the first problem below the grid.
//
// The table's value is the text of its field's text box ("Text<n>", TableText), which the editor
// hides and keeps in step: the form's runs, files, comparisons and Clear Data work on that text
// as on any field's. A text set from outside (opening a model, Clear Data) is shown and forgets
// the undo history, which belongs to rows no longer there.
class TableFieldEditor final : public QWidget {
    Q_OBJECT

public:
    TableFieldEditor(const TableInput& table, const QString& label, const NumberLocale& locale,
                     QLineEdit& value, QWidget* parent);

    QTableWidget& grid() const { return *grid_; }
    QUndoStack& undoStack() { return undo_; }
    // The first problem of the table, empty when there is none.
    QString problem() const { return problem_->text(); }
    // Whether a problem names the row (counted from 0).
    bool rowInError(int row) const;
    // Takes the keyboard focus to the grid at the table's first problem: its cell, the first
    // cell of its row, or the current cell for a problem of the whole table.
    void FocusFirstProblem();

    // Pastes tab-separated rows (one a line) at the current cell, adding rows as it needs them;
    // a first line that names the columns is a header and left out, cells beyond the last
    // column are dropped. One step to undo. False, changing nothing, for a paste that would
    // give the table more rows than any table takes.
    bool Paste(const QString& text);
    // Replaces every row, as one step to undo named `what`.
    void Replace(const TableRows& rows, const QString& what) { Change(what, rows); }
    // Adds an empty row below the current one (at the end without one).
    void AddRow();
    // Removes the rows of the selected cells, or the current row.
    void RemoveRows();
    // The selected cells as tab-separated rows.
    QString SelectionText() const;
    // Names each column's unit of the system in its heading ("x (ft)") and its tooltip.
    void ShowUnits(UnitSystem units);

    // Sets the table's value from the editor's side, through the undo history; for its commands.
    void Apply(const std::string& text);
    // Keeps the change from `before` to the table's value as one step to undo, named `what`:
    // for a change that Apply made in several steps, as a drag in the diagram does. False,
    // keeping nothing, where the value is `before` still.
    bool RecordChange(const QString& what, const std::string& before);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TableRows Rows() const;
    void Change(const QString& what, const TableRows& after);
    void Show(const TableRows& rows);
    void ValueChanged(const QString& text);
    void Mark();

    const TableInput& table_;
    QString label_;
    NumberLocale locale_;
    QPointer<QLineEdit> value_;
    QTableWidget* grid_;
    QLabel* problem_;
    QUndoStack undo_;
    std::string written_;  // the value as the editor last wrote or showed it
    bool showing_ = false;
};

// Puts a table editor in place of the text box of every table input of the analysis on `form`.
void AttachTableEditors(QWidget& form, const AnalysisDescription& analysis,
                        const NumberLocale& locale);

}  // namespace vardolin::forms

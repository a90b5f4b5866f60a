// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include "fields/FieldTextMap.h"

namespace vardolin::forms {

class AnalysisForm;
class FileDialogs;

// The import commands of the File menu of a form with table inputs: Import Table… reads a CSV
// file into one table, and a window that reads drawings (AnalysisWindow::importDrawing) adds
// its own command, which sets several tables at once through SetInOneStep.
//
// An import that is refused changes nothing. A table imported from CSV is one step of that
// table's undo history, as a paste is; the rows are checked and marked as a paste's are.
class ImportActions final : public QObject {
    Q_OBJECT

public:
    ImportActions(AnalysisForm& form, FileDialogs& dialogs);

    AnalysisForm& form() const { return form_; }
    FileDialogs& dialogs() const { return dialogs_; }

    // Asks for the table (where there are several) and the file, and imports it.
    bool ImportTable();
    // Replaces the rows of the table input `field` by those of the CSV file at `path`; a file
    // the CSV reader refuses is reported, changing nothing.
    bool ImportTableFile(int field, const QString& path);

    // Sets the fields' texts as one step that Edit ▸ Undo takes back whole ("Undo `what`"). The
    // tables' own histories are forgotten, as for any text set from outside them.
    void SetInOneStep(const FieldTextMap& texts, const QString& what);

private:
    AnalysisForm& form_;
    FileDialogs& dialogs_;
};

}  // namespace vardolin::forms

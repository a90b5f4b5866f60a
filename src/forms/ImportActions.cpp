// SPDX-License-Identifier: MIT
#include "forms/ImportActions.h"

#include <QAction>
#include <QFile>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>

#include "files/TableCsv.h"
#include "forms/AnalysisForm.h"
#include "forms/EditActions.h"
#include "forms/FileDialogs.h"
#include "forms/LineEditFields.h"
#include "forms/ModelFileActions.h"
#include "forms/TableFieldEditor.h"

namespace vardolin::forms {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ImportActions::ImportActions(AnalysisForm& form, FileDialogs& dialogs)
    : QObject(&form), form_(form), dialogs_(dialogs) {
    auto* file = form.menuBar()->findChild<QMenu*>(QStringLiteral("FileMenu"));
    if (file == nullptr || form.analysis().tables.empty()) {
        return;
    }
    file->addSeparator();
    if (form.window().importDrawing != nullptr) {
        QAction* drawing = file->addAction(QString::fromUtf8(form.window().importDrawingCommand));
        drawing->setObjectName(QStringLiteral("ImportDrawingAction"));
        connect(drawing, &QAction::triggered, this,
                [this] { form_.window().importDrawing(*this); });
    }
    QAction* table = file->addAction(tr("Import &Table…"));
    table->setObjectName(QStringLiteral("ImportTableAction"));
    connect(table, &QAction::triggered, this, [this] { ImportTable(); });
}

bool ImportActions::ImportTable() {
    const AnalysisDescription& analysis = form_.analysis();
    QStringList labels;
    for (const TableInput& table : analysis.tables) {
        labels.append(Q(analysis.findField(table.field)->label));
    }
    int chosen = 0;
    if (labels.size() > 1) {
        bool ok = false;
        const QString label = QInputDialog::getItem(
            &form_, tr("Import Table"), tr("The table to import into:"), labels, 0, false, &ok);
        if (!ok) {
            return false;
        }
        chosen = static_cast<int>(labels.indexOf(label));
    }
    const QString path = dialogs_.OpenFileName(&form_, tr("Import Table"),
                                               QString::fromLatin1(ModelFileActions::kCsvFilter));
    return !path.isEmpty() &&
           ImportTableFile(analysis.tables[static_cast<std::size_t>(chosen)].field, path);
}

bool ImportActions::ImportTableFile(int field, const QString& path) {
    const TableInput* table = FindTableInput(form_.analysis().tables, field);
    auto* editor = form_.findChild<TableFieldEditor*>(QStringLiteral("Table%1").arg(field));
    if (table == nullptr || editor == nullptr) {
        return false;
    }
    TableRows rows;
    try {
        rows =
            ReadTableCsvFile(std::filesystem::path(QFile::encodeName(path).toStdString()), *table);
    } catch (const TableCsvError& e) {
        dialogs_.ShowError(&form_, Q(form_.analysis().caption), QString::fromUtf8(e.what()));
        return false;
    }
    editor->Replace(rows, tr("Import Table"));
    return true;
}

void ImportActions::SetInOneStep(const FieldTextMap& texts, const QString& what) {
    LineEditFields fields(form_);
    FieldTextMap before;
    for (const auto& [number, text] : texts.texts()) {
        before.setText(number, fields.text(number));
    }
    form_.edit().Remember(std::move(before), what);
    for (const auto& [number, text] : texts.texts()) {
        fields.setText(number, text);
    }
}

}  // namespace vardolin::forms

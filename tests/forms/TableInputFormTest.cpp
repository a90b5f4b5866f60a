// SPDX-License-Identifier: MIT
// A table input in the windows: its editor (paste, add and remove rows, undo, rows in error), and
// the tests' polyline analysis carried through the form, its file, the runner and the report.
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <ostream>
#include <sstream>

#include "TableAnalysis.h"
#include "TestFolder.h"
#include "catalogue/ProgramWindows.h"
#include "forms/AnalysisForm.h"
#include "forms/ControlTable.h"
#include "forms/FormTestSupport.h"
#include "forms/ImportActions.h"
#include "forms/ModelFileActions.h"
#include "forms/ReportActions.h"
#include "forms/TableFieldEditor.h"
#include "runner/BatchRun.h"

namespace vardolin::forms {
namespace {

using testing_support::WindowTest;
using vardolin::testing_support::CatalogueWithPolylineAnalysis;
using vardolin::testing_support::kPolylineAnalysis;
using vardolin::testing_support::kPolylineCount;
using vardolin::testing_support::kPolylinePoints;
using vardolin::testing_support::kPolylineTables;
using vardolin::testing_support::TestFolder;
using enum ControlKind;

struct EditorStep {
    const char* name;
    std::string start;  // the table's text before
    std::function<void(TableFieldEditor&)> act;
    std::string after;             // its text after
    std::vector<int> rowsInError;  // marked after, from 0
    friend void PrintTo(const EditorStep& row, std::ostream* os) { *os << row.name; }
};

class TableEditor : public testing::TestWithParam<EditorStep> {};

// Each change is one step of the undo history: undoing it gives the table back as it was, and
// redoing it gives the change again.
TEST_P(TableEditor, ChangesTheTableInOneStepToUndo) {
    QWidget form;
    auto* value = new QLineEdit(QString::fromStdString(GetParam().start), &form);
    TableFieldEditor editor(kPolylineTables[0], QStringLiteral("Points"), {","}, *value, &form);
    GetParam().act(editor);
    EXPECT_EQ(value->text().toStdString(), GetParam().after);
    std::vector<int> marked;
    for (int r = 0; r < editor.grid().rowCount(); ++r) {
        if (editor.rowInError(r)) {
            marked.push_back(r);
        }
    }
    EXPECT_EQ(marked, GetParam().rowsInError);
    EXPECT_EQ(editor.grid().rowCount(), static_cast<int>(ParseTableText(GetParam().after)->size()));
    if (GetParam().after != GetParam().start) {
        EXPECT_EQ(editor.undoStack().count(), 1);
        editor.undoStack().undo();
        EXPECT_EQ(value->text().toStdString(), GetParam().start);
        EXPECT_EQ(editor.grid().rowCount(),
                  static_cast<int>(ParseTableText(GetParam().start)->size()));
        editor.undoStack().redo();
        EXPECT_EQ(value->text().toStdString(), GetParam().after);
    }
}

void SelectRow(TableFieldEditor& editor, int row) {
    editor.grid().setCurrentCell(row, 0);
}

const std::string kTwo = R"([["0","0"],["3","4"]])";

INSTANTIATE_TEST_SUITE_P(
    Steps, TableEditor,
    testing::Values(EditorStep{"PasteWithAHeaderIntoAnEmptyTable",
                               "",
                               [](TableFieldEditor& e) { e.Paste("x\ty\r\n0\t0\r\n1,5\t2\r\n"); },
                               R"([["0","0"],["1,5","2"]])",
                               {}},
                    EditorStep{"PasteAtTheCurrentCellAddsRowsAndDropsCellsBeyondTheLastColumn",
                               kTwo,
                               [](TableFieldEditor& e) {
                                   e.grid().setCurrentCell(1, 1);
                                   e.Paste("7\t8\t9\n5\n");
                               },
                               R"([["0","0"],["3","7"],["","5"]])",
                               {2}},
                    EditorStep{"PasteOfAWrongCellMarksItsRow",
                               kTwo,
                               [](TableFieldEditor& e) {
                                   SelectRow(e, 0);
                                   e.Paste("-1\tq\n");
                               },
                               R"([["-1","q"],["3","4"]])",
                               {0}},
                    EditorStep{"PasteOfMoreRowsThanAnyTableTakesChangesNothing",
                               kTwo,
                               [](TableFieldEditor& e) {
                                   EXPECT_FALSE(e.Paste(QStringLiteral("1\t1\n").repeated(10'001)));
                               },
                               kTwo,
                               {}},
                    EditorStep{"AddRowBelowTheCurrent",
                               kTwo,
                               [](TableFieldEditor& e) {
                                   SelectRow(e, 0);
                                   e.AddRow();
                               },
                               R"([["0","0"],["",""],["3","4"]])",
                               {1}},
                    EditorStep{"AddRowAtTheEnd",
                               kTwo,
                               [](TableFieldEditor& e) { e.AddRow(); },
                               R"([["0","0"],["3","4"],["",""]])",
                               {2}},
                    EditorStep{"RemoveTheSelectedRows",
                               R"([["0","0"],["1","1"],["2","2"],["3","4"]])",
                               [](TableFieldEditor& e) {
                                   e.grid().setRangeSelected(QTableWidgetSelectionRange(1, 0, 2, 1),
                                                             true);
                                   e.RemoveRows();
                               },
                               kTwo,
                               {}},
                    EditorStep{"RemoveTheCurrentRowBelowTheLeastRows",
                               kTwo,
                               [](TableFieldEditor& e) {
                                   SelectRow(e, 1);
                                   e.RemoveRows();
                               },
                               R"([["0","0"]])",
                               {}},
                    EditorStep{"EditACell",
                               kTwo,
                               [](TableFieldEditor& e) { e.grid().item(1, 0)->setText("x"); },
                               R"([["0","0"],["x","4"]])",
                               {1}}),
    [](const auto& row) { return std::string(row.param.name); });

// The keys a spreadsheet user presses: Ctrl+V pastes the clipboard, Ctrl+C copies the
// selection, Ctrl+Z undoes; a text set from outside (opening a model) forgets the history.
TEST(TableEditorKeys, PasteCopyUndoAndATextFromOutside) {
    QWidget form;
    auto* value = new QLineEdit(QString::fromStdString(kTwo), &form);
    TableFieldEditor editor(kPolylineTables[0], QStringLiteral("Points"), {"."}, *value, &form);
    QApplication::clipboard()->setText(QStringLiteral("5\t6\n"));
    editor.grid().setCurrentCell(1, 0);
    QTest::keyClick(&editor.grid(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(value->text().toStdString(), R"([["0","0"],["5","6"]])");
    editor.grid().setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 1), true);
    QTest::keyClick(&editor.grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("0\t0\n5\t6\n"));
    QTest::keyClick(&editor.grid(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(value->text().toStdString(), kTwo);

    value->setText(QStringLiteral(R"([["1","1"]])"));
    EXPECT_EQ(editor.grid().rowCount(), 1);
    EXPECT_EQ(editor.undoStack().count(), 0);
    EXPECT_EQ(editor.problem(), QStringLiteral("Points: needs at least 2 rows"));
    value->setText(QString());
    EXPECT_EQ(editor.grid().rowCount(), 0);
}

// clang-format off
constexpr DesignFont kDefault{};
constexpr std::array kPolylineControls{
    ControlRow{TextField, "Text1",    kNoIndex, nullptr, kNoIndex, 120,  120, 1200,  285, "",            kDefault, 0},
    ControlRow{TextField, "Text2",    kNoIndex, nullptr, kNoIndex, 120,  480, 4800, 2400, "",            kDefault, 1},
    ControlRow{TextField, "Text17",   kNoIndex, nullptr, kNoIndex, 120, 3000, 1200,  285, "",            kDefault, 2},
    ControlRow{TextField, "Text6",    kNoIndex, nullptr, kNoIndex, 120, 3360, 1200,  285, "",            kDefault, 3},
    ControlRow{TextField, "Text5",    kNoIndex, nullptr, kNoIndex, 120, 3720, 4800,  285, "",            kDefault, 4},
    ControlRow{TextField, "Text7",    kNoIndex, nullptr, kNoIndex, 120, 4080, 4800,  285, "",            kDefault, 5},
    ControlRow{Button,    "Command1", kNoIndex, nullptr, kNoIndex, 120, 4440, 1500,  495, "Calculation", kDefault, 6},
    ControlRow{Button,    "Command4", kNoIndex, nullptr, kNoIndex, 1800, 4440, 1500, 495, "Clear Data",  kDefault, 7},
    ControlRow{Button,    "Command5", kNoIndex, nullptr, kNoIndex, 3480, 4440, 1500, 495, "Histogram",   kDefault, 8},
};
// clang-format on

constexpr AnalysisWindow kPolylineWindow{
    .id = kPolylineAnalysis.id,
    .menuCaption = "Polyline Table",
    .controls = kPolylineControls,
    .clientWidthTwips = 5100,
    .clientHeightTwips = 5100,
    .navigation = {},
};

class TableInputForm : public WindowTest {
protected:
    TableInputForm() {
        navigator_.reset();
        navigator_ = std::make_unique<Navigator>(context_, catalogue_, windows_, dialogs_);
    }

    bool Shell(const std::string& command) const {
        return std::system(("cd '" + folder_.path().string() + "' && " + command).c_str()) == 0;
    }

    const AnalysisCatalogue catalogue_ = CatalogueWithPolylineAnalysis();
    const std::vector<const AnalysisWindow*> allWindows_ = [] {
        std::vector<const AnalysisWindow*> windows;
        const WindowCatalogue program = ProgramWindows();
        for (const AnalysisDescription* analysis : ProgramCatalogue()) {
            windows.push_back(&program.Of(analysis->id));
        }
        windows.push_back(&kPolylineWindow);
        return windows;
    }();
    const WindowCatalogue windows_{allWindows_};
    TestFolder folder_;
};

// Rows pasted into the form's table run, save into a model that the runner runs to the same
// figures and that opens again with the same rows, and the report lists them.
TEST_F(TableInputForm, GoesThroughTheFormTheFileTheRunnerAndTheReport) {
    AnalysisForm& form = navigator().ShowAnalysis(kPolylineAnalysis);
    auto* editor =
        form.findChild<TableFieldEditor*>(QStringLiteral("Table%1").arg(kPolylinePoints));
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(Field(form, kPolylinePoints)->isVisible());
    EXPECT_EQ(editor->grid().rowCount(), 2);

    editor->grid().setCurrentCell(0, 0);
    editor->Paste(QStringLiteral("x\ty\n0\t0\n6\t8\n12\t0\n"));
    Type(form, kPolylineCount, "4");
    Click(form, "Command1");
    EXPECT_EQ(Text(form, kVerdictFields[1].number), QStringLiteral("1.66666666666667"));
    EXPECT_EQ(Text(form, kVerdictFields[0].number), QStringLiteral("Block is Stable"));

    // A row in error stops the run with its message, and is marked.
    editor->grid().item(1, 0)->setText(QStringLiteral("-6"));
    EXPECT_TRUE(editor->rowInError(1));
    Click(form, "Command1");
    EXPECT_EQ(Text(form, kVerdictFields[0].number),
              QStringLiteral("Points, row 2, x: must be at least 0"));
    editor->undoStack().undo();
    EXPECT_FALSE(editor->rowInError(1));
    Click(form, "Command1");

    const QString path = QString::fromStdString((folder_.path() / "polyline").string());
    dialogs_.fileNames = {path};
    ASSERT_TRUE(form.files().SaveAs());
    const std::string file = (folder_.path() / "polyline.vardolin").string();
    std::ifstream in(file);
    std::stringstream bytes;
    bytes << in.rdbuf();
    EXPECT_NE(bytes.str().find("\"format_version\": 3"), std::string::npos);
    EXPECT_NE(bytes.str().find("\"12\""), std::string::npos) << bytes.str();

    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runner::RunBatch(runner::ParseArguments({file}), catalogue_, out, err, 1, {}),
              runner::kResults);
    EXPECT_EQ(out.str(), file + "\t0\t1.66666666666667\tBlock is Stable\n");

    Click(form, "Command4");
    ASSERT_TRUE(form.files().OpenFile(QString::fromStdString(file)));
    EXPECT_EQ(editor->grid().rowCount(), 3);
    EXPECT_EQ(editor->grid().item(2, 0)->text(), QStringLiteral("12"));

    Click(form, "Command1");
    auto* actions = form.findChild<ReportActions*>();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(
        actions->ExportReportTo(QString::fromStdString((folder_.path() / "report.pdf").string())));
    ASSERT_TRUE(Shell("pdftotext -layout report.pdf report.txt"));
    std::ifstream report(folder_.path() / "report.txt");
    std::stringstream text;
    text << report.rdbuf();
    EXPECT_NE(text.str().find("Points"), std::string::npos);
    EXPECT_NE(text.str().find("x (m)"), std::string::npos) << text.str();
    EXPECT_NE(text.str().find("12"), std::string::npos);
    EXPECT_EQ(text.str().find("[[\""), std::string::npos) << "the table's text, not its rows";
}

// File ▸ Import Table… replaces the table by a CSV file's rows as one step to undo, its rows
// checked and marked as a paste's; a file the CSV reader refuses is reported and changes nothing.
TEST_F(TableInputForm, ImportTableReadsACsvFileOrRefusesIt) {
    struct Row {
        const char* name;
        const char* csv;  // nullptr: no file
        std::string after;
        std::vector<int> rowsInError;
        const char* refusal;
    };
    const std::string start = R"([["0","0"],["3","4"]])";
    const std::vector<Row> rows{
        {"HeaderGivesTheOrder", "y,x\r\n8,6\r\n0,12\r\n", R"([["6","8"],["12","0"]])", {}, ""},
        {"RowsInErrorAreMarked", "-1,0\n5,5\n", R"([["-1","0"],["5","5"]])", {0}, ""},
        {"QuoteNeverClosed", "1,\"2\n", start, {}, "table.csv: line 1"},
        {"NoFile", nullptr, start, {}, "table.csv: cannot be opened"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        AnalysisForm& form = navigator().ShowAnalysis(kPolylineAnalysis);
        auto* editor =
            form.findChild<TableFieldEditor*>(QStringLiteral("Table%1").arg(kPolylinePoints));
        ASSERT_NE(editor, nullptr);
        Field(form, kPolylinePoints)->setText(QString::fromStdString(start));
        const auto path = folder_.path() / "table.csv";
        std::filesystem::remove(path);
        if (row.csv != nullptr) {
            std::ofstream(path) << row.csv;
        }
        dialogs_.errors.clear();
        EXPECT_EQ(
            form.imports().ImportTableFile(kPolylinePoints, QString::fromStdString(path.string())),
            *row.refusal == '\0');
        EXPECT_EQ(Text(form, kPolylinePoints).toStdString(), row.after);
        std::vector<int> marked;
        for (int r = 0; r < editor->grid().rowCount(); ++r) {
            if (editor->rowInError(r)) {
                marked.push_back(r);
            }
        }
        EXPECT_EQ(marked, row.rowsInError);
        if (*row.refusal == '\0') {
            EXPECT_TRUE(dialogs_.errors.isEmpty());
            editor->undoStack().undo();
            EXPECT_EQ(Text(form, kPolylinePoints).toStdString(), start);
        } else {
            ASSERT_EQ(dialogs_.errors.size(), 1);
            EXPECT_TRUE(dialogs_.errors.front().contains(QString::fromUtf8(row.refusal)))
                << dialogs_.errors.front().toStdString();
            EXPECT_FALSE(editor->undoStack().canUndo());
        }
    }
    // The command is on the forms with tables only; the drawing's on the forms that read one.
    AnalysisForm& tables = navigator().ShowAnalysis(kPolylineAnalysis);
    EXPECT_NE(tables.findChild<QAction*>(QStringLiteral("ImportTableAction")), nullptr);
    EXPECT_EQ(tables.findChild<QAction*>(QStringLiteral("ImportDrawingAction")), nullptr);
    AnalysisForm& plain = navigator().ShowAnalysis(*catalogue_.FindById("critical_circle"));
    EXPECT_EQ(plain.findChild<QAction*>(QStringLiteral("ImportTableAction")), nullptr);
}

}  // namespace
}  // namespace vardolin::forms

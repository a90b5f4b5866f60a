// SPDX-License-Identifier: MIT
// The tests' wedge through the windows, reached from the main menu of the test catalogue: its
// table, Sampling…, the result tabs, Save and Open, the runner's report and the form's report.
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "TestFolder.h"
#include "analysis/FieldRun.h"
#include "fields/FieldTextMap.h"
#include "forms/BackgroundSensitivity.h"
#include "forms/FormTestSupport.h"
#include "forms/HistogramWindow.h"
#include "forms/LineEditFields.h"
#include "forms/ModelFileActions.h"
#include "forms/PlotTab.h"
#include "forms/ReportActions.h"
#include "forms/SamplingActions.h"
#include "forms/SamplingDialog.h"
#include "forms/TableFieldEditor.h"
#include "report/ReportPdf.h"
#include "runner/BatchRun.h"
#include "wedge_analysis/WedgeAnalysis.h"

namespace vardolin::forms {
namespace {

using namespace vardolin::testing_support::wedge;
using testing_support::WindowTest;
using vardolin::testing_support::TestFolder;

class WedgeForm : public WindowTest {
protected:
    // The form, opened from its row on the main menu.
    AnalysisForm& Open() {
        MainMenu& menu = navigator().ShowMainMenu();
        for (QPushButton* row : menu.findChildren<QPushButton*>()) {
            if (row->text() == QStringLiteral("Test Wedge")) {
                row->click();
            }
        }
        auto* form = qobject_cast<AnalysisForm*>(navigator().Find(kWedgeAnalysis.formName));
        EXPECT_NE(form, nullptr);
        return *form;
    }

    static TableFieldEditor& Table(const AnalysisForm& form) {
        auto* table = form.findChild<TableFieldEditor*>(QStringLiteral("Table%1").arg(Ground));
        EXPECT_NE(table, nullptr);
        return *table;
    }

    // The form's texts, run through the core from a fresh sequence with `choices`.
    static FieldTextMap Replayed(const AnalysisForm& form, const SamplingChoices& choices) {
        LineEditFields shown(form);
        FieldTextMap texts;
        for (const FieldFact& field : kWedgeAnalysis.fields) {
            texts.setText(field.number, field.isInput() ? shown.text(field.number) : "");
        }
        UniformSequence uniforms;
        KeptTables kept;
        AnalysisContext context{uniforms, kept, {"."}};
        context.sampling = choices;
        RunOnFields(kWedgeAnalysis, texts, context);
        return texts;
    }

    std::string PdfText(const std::string& pdf) const {
        const std::string command =
            "cd '" + folder_.path().string() + "' && pdftotext -layout " + pdf + " out.txt";
        EXPECT_EQ(std::system(command.c_str()), 0);
        std::stringstream text;
        text << std::ifstream(folder_.path() / "out.txt").rdbuf();
        return text.str();
    }

    TestFolder folder_;
};

TEST_F(WedgeForm, RunsRowsPastedIntoItsTableAsTheCoreDoes) {
    AnalysisForm& form = Open();
    TableFieldEditor& table = Table(form);
    EXPECT_EQ(table.grid().rowCount(), 3);
    table.grid().setCurrentCell(0, 0);
    ASSERT_TRUE(table.Paste(QStringLiteral("x\ty\n0\t0\n4\t9\n12\t14\n25\t16\n")));
    Click(form, "Command1");
    const FieldTextMap core = Replayed(form, {});
    for (const FieldFact& field : kWedgeAnalysis.fields) {
        EXPECT_EQ(Text(form, field.number).toStdString(), core.text(field.number)) << field.key;
    }
    EXPECT_TRUE(Text(form, Message).startsWith(QStringLiteral("Block is")));
}

// Sampling… lists the six inputs and both pairs; what it takes is what the run draws with.
TEST_F(WedgeForm, SamplingChoicesOfEachInputAndTheSecondPairReachTheRun) {
    AnalysisForm& form = Open();
    form.findChild<QAction*>(QStringLiteral("SamplingAction"))->trigger();
    auto* dialog = form.findChild<SamplingDialog*>(QStringLiteral("SamplingDialog"));
    ASSERT_NE(dialog, nullptr);
    for (const UncertainInput& input : kWedgeInputs) {
        const QString key = QString::fromUtf8(input.key.data(), qsizetype(input.key.size()));
        EXPECT_NE(dialog->findChild<QComboBox*>(key + "DistributionBox"), nullptr) << input.key;
    }
    auto* pair = dialog->findChild<QComboBox*>(QStringLiteral("CorrelatedPairBox"));
    ASSERT_NE(pair, nullptr);
    ASSERT_EQ(pair->count(), 2);
    pair->setCurrentIndex(1);
    dialog->findChild<QComboBox*>(QStringLiteral("SamplingMethodBox"))->setCurrentIndex(1);
    dialog->findChild<QComboBox*>(QStringLiteral("seismicDistributionBox"))
        ->setCurrentText(QStringLiteral("lognormal"));
    dialog->findChild<QLineEdit*>(QStringLiteral("surchargeLowerEdit"))->setText("0");
    dialog->findChild<QLineEdit*>(QStringLiteral("CorrelationEdit"))->setText("0.6");
    dialog->accept();

    SamplingChoices expected;
    expected.method = SamplingMethod::LatinHypercube;
    expected.correlation = 0.6;
    expected.correlatedFirst = "unit_weight";
    expected.correlatedSecond = "water_ratio";
    expected.Set("seismic", {DistributionKind::Lognormal, std::nullopt, std::nullopt});
    expected.Set("surcharge", {DistributionKind::Normal, 0.0, std::nullopt});
    ASSERT_EQ(form.sampling().choices(), expected);
    Click(form, "Command1");
    EXPECT_EQ(Text(form, MeanFactor).toStdString(), Replayed(form, expected).text(MeanFactor));
}

// One sensitivity curve and one scatter panel per input, each under its input's name.
TEST_F(WedgeForm, ResultTabsShowACurveAndAPanelForEachOfTheSixInputs) {
    AnalysisForm& form = Open();
    Click(form, "Command1");
    QTRY_VERIFY_WITH_TIMEOUT(!form.sensitivity().isRunning(), 20000);
    Click(form, "Command5");
    HistogramWindow* window = form.histogram().window();
    ASSERT_NE(window, nullptr);
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("ResultTabs"));
    ASSERT_NE(tabs, nullptr);
    const RunDistribution* run = form.histogram().record().current();
    ASSERT_NE(run, nullptr);
    ASSERT_TRUE(run->sensitivity.has_value());
    EXPECT_EQ(run->sensitivity->curves.size(), kWedgeInputs.size());
    EXPECT_EQ(run->draws.meanFields().size(), kWedgeInputs.size());
    EXPECT_EQ(run->outOfRange.size(), kWedgeInputs.size());
    QStringList curves;
    for (const QLabel* label :
         window->findChild<PlotTab*>("Sensitivity")->findChildren<QLabel*>()) {
        if (label->text().endsWith(QStringLiteral("+3 SD :"))) {
            curves << label->text();
        }
    }
    ASSERT_EQ(curves.size(), qsizetype(kWedgeInputs.size())) << curves.join('|').toStdString();
    for (qsizetype k = 0; k < curves.size(); ++k) {
        const std::string_view label = kWedgeInputs[static_cast<std::size_t>(k)].label;
        EXPECT_TRUE(curves[k].startsWith(QString::fromUtf8(label.data(), qsizetype(label.size()))))
            << curves[k].toStdString();
    }
    for (const char* tab : {"Sensitivity", "Scatter"}) {
        auto* plot = window->findChild<PlotTab*>(tab);
        ASSERT_NE(plot, nullptr);
        EXPECT_TRUE(tabs->isTabVisible(tabs->indexOf(plot))) << tab;
        tabs->setCurrentWidget(plot);
        const QString png = QString::fromStdString((folder_.path() / "plot.png").string());
        EXPECT_TRUE(plot->SaveImageTo(png)) << tab;
    }
}

// The table, the six inputs and the sampling choices go into the file and come back from it.
TEST_F(WedgeForm, SavesAndOpensItsTableInputsAndChoices) {
    AnalysisForm& form = Open();
    Table(form).grid().setCurrentCell(0, 0);
    Table(form).Paste(QStringLiteral("0\t0\n4\t9\n12\t14\n25\t16\n"));
    Type(form, 30, "0.15");
    SamplingChoices choices;
    choices.correlatedFirst = "unit_weight";
    choices.correlatedSecond = "water_ratio";
    choices.correlation = -0.3;
    form.sampling().SetChoices(choices);
    const FieldTextMap typed = Replayed(form, choices);
    const QString path = QString::fromStdString((folder_.path() / "w.vardolin").string());
    ASSERT_TRUE(form.files().SaveTo(path));

    Click(form, "Command4");
    form.sampling().SetChoices({});
    ASSERT_TRUE(form.files().OpenFile(path));
    EXPECT_EQ(Table(form).grid().rowCount(), 4);
    EXPECT_EQ(Table(form).grid().item(3, 1)->text(), QStringLiteral("16"));
    for (const FieldFact& field : kWedgeAnalysis.fields) {
        if (field.isInput()) {
            EXPECT_EQ(Text(form, field.number).toStdString(), typed.text(field.number))
                << field.key;
        }
    }
    EXPECT_EQ(form.sampling().choices(), choices);
}

// The report the form writes and the one vardolin-run writes of its saved model both list the
// table's rows and name each input.
TEST_F(WedgeForm, TheFormAndTheRunnerReportTheTableAndEachInput) {
    AnalysisForm& form = Open();
    Table(form).grid().setCurrentCell(0, 0);
    Table(form).Paste(QStringLiteral("0\t0\n4\t9\n12\t14\n25\t16\n"));
    Click(form, "Command1");
    ASSERT_TRUE(form.findChild<ReportActions*>()->ExportReportTo(
        QString::fromStdString((folder_.path() / "form.pdf").string())));
    const std::string model = (folder_.path() / "w.vardolin").string();
    ASSERT_TRUE(form.files().SaveTo(QString::fromStdString(model)));
    std::ostringstream out;
    std::ostringstream err;
    const runner::ReportWriter writer = [](const RunReport& run, const std::string& path) {
        return report::WriteReportPdf(run, path);
    };
    const std::string runnerPdf = (folder_.path() / "runner.pdf").string();
    ASSERT_EQ(runner::RunBatch(runner::ParseArguments({"--report", runnerPdf, model}), catalogue_,
                               out, err, 1, {}, writer),
              runner::kResults)
        << err.str();

    for (const char* pdf : {"form.pdf", "runner.pdf"}) {
        const std::string text = PdfText(pdf);
        for (const char* expected : {"Test Wedge", "Ground points", "x (m)", "25", "16"}) {
            EXPECT_NE(text.find(expected), std::string::npos) << pdf << ": " << expected;
        }
        for (const UncertainInput& input : kWedgeInputs) {
            EXPECT_NE(text.find(std::string(input.label) + ": Average"), std::string::npos)
                << pdf << ": " << input.label;
        }
    }
}

// A saved run is its own record: vardolin-run --check repeats it to the bit, and the exported
// results count each input's draws outside its range.
TEST_F(WedgeForm, ItsSavedRunChecksAndItsExportCountsEachInput) {
    AnalysisForm& form = Open();
    Type(form, 26, "0.9");  // a water ratio that some trials draw above 1
    Click(form, "Command1");
    const std::string model = (folder_.path() / "w.vardolin").string();
    ASSERT_TRUE(form.files().SaveTo(QString::fromStdString(model)));
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(
        runner::RunBatch(runner::ParseArguments({"--check", model}), catalogue_, out, err, 2, {}),
        runner::kResults)
        << out.str() << err.str();

    EXPECT_EQ(out.str(), model + ": OK\n");
    const std::string csv = (folder_.path() / "r.csv").string();
    ASSERT_TRUE(form.files().ExportResultsTo(QString::fromStdString(csv)));
    std::stringstream text;
    text << std::ifstream(csv).rdbuf();
    for (const OutOfRangeCount& count : form.histogram().record().current()->outOfRange) {
        EXPECT_NE(text.str().find("trials_out_of_range_" + std::string(count.parameter) + "," +
                                  std::to_string(count.trials) + "\r\n"),
                  std::string::npos)
            << count.parameter;
    }
    EXPECT_GT(form.histogram().record().current()->outOfRange[3].trials, 0);
}

// A run that a check of the table stops takes the user to the cell at fault, or to the grid
// for a problem of the whole table, as a field's check takes the user to its text.
TEST_F(WedgeForm, ARunStoppedByItsTableTakesTheUserToTheCellAtFault) {
    AnalysisForm& form = Open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    TableFieldEditor& table = Table(form);
    table.grid().item(2, 1)->setText(QStringLiteral("y"));
    Click(form, "Command1");
    EXPECT_EQ(Text(form, Message), QStringLiteral("Ground points, row 3, y: must be a number"));
    EXPECT_EQ(QApplication::focusWidget(), &table.grid());
    EXPECT_EQ(table.grid().currentRow(), 2);
    EXPECT_EQ(table.grid().currentColumn(), 1);

    table.grid().item(2, 1)->setText(QStringLiteral("15"));
    table.grid().item(1, 1)->setText(QStringLiteral("0"));  // the ground below the plane
    Field(form, Count)->setFocus();
    Click(form, "Command1");
    EXPECT_EQ(Text(form, Message).toStdString(), kNoWedge);
    EXPECT_EQ(QApplication::focusWidget(), &table.grid());
}

}  // namespace
}  // namespace vardolin::forms

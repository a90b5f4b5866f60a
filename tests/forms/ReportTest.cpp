// SPDX-License-Identifier: MIT
// The printable report of a form's last run, read back from the PDF as a reader would: its text
// layer (pdftotext) and its pages as pictures (pdftoppm).
#include <QFile>
#include <QLineEdit>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "TestFolder.h"
#include "TestSupport.h"
#include "analysis/TableInput.h"
#include "catalogue/ProgramCatalogue.h"
#include "catalogue/ProgramDrawings.h"
#include "critical_circle/CriticalCircleDescription.h"
#include "critical_circle/CriticalCircleFields.h"
#include "fields/FieldDisplay.h"
#include "forms/FormTestSupport.h"
#include "forms/LineEditFields.h"
#include "forms/ModelFileActions.h"
#include "forms/ReportActions.h"
#include "forms/ReportDetailsDialog.h"
#include "numerics/NumberText.h"
#include "report/ReportPainter.h"
#include "slice_method/SliceMethodDescription.h"
#include "statistics/Convergence.h"

namespace vardolin::forms {
namespace {

using report::ReportPageSize;
using testing_support::WindowTest;

using testing_support::AnalysisRowName;
using testing_support::TestAnalyses;

// The pages of each program analysis's report of its default run: the title block and the method
// put the diagram on the second page; the slice method has no plots page of sensitivity and
// scatter; the critical circle's slice table takes a page of its own. 0: not pinned (the tests'
// own analysis).
int PinnedPages(std::string_view id) {
    if (id == "plane_failure") {
        return 4;
    }
    if (id == "slice_method") {
        return 3;
    }
    if (id == "critical_circle") {
        return 5;
    }
    return 0;
}

class Report : public WindowTest, public testing::WithParamInterface<const AnalysisDescription*> {
protected:
    // Runs `command` in the test's folder; whether it succeeded.
    bool Shell(const std::string& command) const {
        return std::system(("cd '" + folder_.path().string() + "' && " + command).c_str()) == 0;
    }

    std::string Read(const std::string& name) const {
        std::ifstream in(folder_.path() / name);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    vardolin::testing_support::TestFolder folder_;
};

// A result as the form shows it (FieldDisplay).
std::string Shown(const FieldFact& field, const std::string& text) {
    return ShownText(text, field.display, NumberLocale{});
}

// The title block, the method, the inputs, the results and the diagram; the histogram and
// convergence; the sensitivity and scatter where the analysis has either. Every page's footer
// counts them all.
TEST_P(Report, HoldsEveryInputWithItsUnitTheResultsAndThePlotsPages) {
    const AnalysisDescription& analysis = *GetParam();
    const bool drawn = windows_.Of(analysis.id).drawDiagram != nullptr;
    AnalysisForm& form = navigator().ShowAnalysis(analysis);
    Click(form, "Command1");
    ReportDetails details;
    details.project = "North Dam";
    details.section = "Chainage 1+250";
    details.engineer = "E. Ngineer";
    details.checker = "C. Hecker";
    details.date = "7 December 2026";
    form.files().SetReportDetails(details);
    auto* actions = form.findChild<ReportActions*>();
    ASSERT_NE(actions, nullptr);
    const QString pdf = QString::fromStdString((folder_.path() / "report.pdf").string());
    ASSERT_TRUE(actions->ExportReportTo(pdf));

    ASSERT_TRUE(Shell("pdftotext -layout report.pdf report.txt"));
    // Rows of the table are laid out on one line each: label, value, unit.
    const std::string text = Read("report.txt");
    for (const FieldFact& field : analysis.fields) {
        if (!field.isInput()) {
            continue;
        }
        if (FindTableInput(analysis.tables, field.number) != nullptr) {
            // A table is listed below the other inputs, under its label, which may open a page.
            const std::string label(field.label);
            EXPECT_TRUE(text.find("\n" + label) != std::string::npos ||
                        text.find("\f" + label) != std::string::npos)
                << label;
            continue;
        }
        const std::string value = Text(form, field.number).toStdString();
        if (value.empty() && field.unit.empty()) {
            // A row of its label alone.
            EXPECT_NE(text.find("\n" + std::string(field.label) + "\n"), std::string::npos)
                << field.label;
            continue;
        }
        const std::size_t row = text.find("\n" + std::string(field.label) + "  ") + 1;
        ASSERT_NE(row, 0u) << field.label;
        const std::string line = text.substr(row, text.find('\n', row) - row);
        EXPECT_NE(line.find(" " + value), std::string::npos) << line;
        EXPECT_NE(line.find(std::string(field.unit)), std::string::npos) << line;
    }
    for (const FieldRole role :
         {FieldRole::FailurePercentage, FieldRole::MeanSafetyFactor, FieldRole::Message}) {
        // A long message wraps: its start is on one line.
        const FieldFact& field = analysis.fieldWith(role);
        const std::string result =
            Shown(field, Text(form, field.number).toStdString()).substr(0, 30);
        EXPECT_NE(text.find(result), std::string::npos) << result;
    }
    const ConvergenceSummary s = SummariseConvergence(form.histogram().record().last->factors);
    const std::string low = QString::number(s.band.low * 100.0, 'f', 1).toStdString();
    EXPECT_NE(text.find(low + " to"), std::string::npos) << low;
    for (const std::string& title :
         {details.project, details.section, details.engineer, details.checker, details.date}) {
        EXPECT_NE(text.find(title), std::string::npos) << title;
    }
    if (analysis.methodStatement != nullptr) {
        // The method statement's first words, as the description states it.
        const std::string method = analysis.methodStatement(LineEditFields(form), form.units());
        EXPECT_NE(text.find(method.substr(0, method.find(' ', 20))), std::string::npos) << method;
    }
    // The text layer may close up the blanks of a short value ("3/0").
    const std::regex counts(std::to_string(s.trials) + " ?/ ?" + std::to_string(s.failures));
    EXPECT_NE(text.find("Trials / failed"), std::string::npos);
    EXPECT_TRUE(std::regex_search(text, counts)) << s.trials << " / " << s.failures;
    EXPECT_NE(text.find(analysis.caption), std::string::npos);
    EXPECT_NE(text.find("Vardolin 1.00"), std::string::npos);
    EXPECT_NE(text.find("Running failure probability with its 95 % band"), std::string::npos);
    EXPECT_EQ(text.find("Diagram") != std::string::npos, drawn || !analysis.diagram.empty());
    EXPECT_NE(text.find("Sampling"), std::string::npos);
    EXPECT_NE(text.find("seed none"), std::string::npos);

    ASSERT_TRUE(Shell("pdftoppm -r 30 -png report.pdf page"));
    int pages = 0;
    while (
        std::filesystem::exists(folder_.path() / ("page-" + std::to_string(pages + 1) + ".png"))) {
        ++pages;
    }
    if (const int pinned = PinnedPages(analysis.id); pinned != 0) {
        EXPECT_EQ(pages, pinned);
    }
    EXPECT_NE(text.find("Page 1 of " + std::to_string(pages)), std::string::npos);
    EXPECT_NE(text.find("Page " + std::to_string(pages) + " of " + std::to_string(pages)),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, Report, testing::ValuesIn(TestAnalyses()), AnalysisRowName{});

// The form draws its diagram from its last run: the report draws the same, critical circle and
// its factor included, with its axes and the colour scale's title; then the slice table, each
// slice a row. Without the drawing the report says that it leaves the diagram out.
TEST_F(Report, DrawsTheDiagramOfAFormThatDrawsOneAndPrintsItsSliceTable) {
    AnalysisForm& form = navigator().ShowAnalysis(CriticalCircle());
    Click(form, "Command1");
    const QString pdf = QString::fromStdString((folder_.path() / "report.pdf").string());
    ASSERT_TRUE(form.findChild<ReportActions*>()->ExportReportTo(pdf));
    ASSERT_TRUE(Shell("pdftotext -layout report.pdf report.txt"));
    const std::string text = Read("report.txt");
    const double bishop = Text(form, critical::BishopFactor).toDouble();
    const std::string factor = QStringLiteral("F = %1").arg(bishop, 0, 'f', 3).toStdString();
    EXPECT_NE(text.find(factor), std::string::npos) << factor;
    EXPECT_NE(text.find("Lowest F"), std::string::npos);
    EXPECT_NE(text.find("x (m)"), std::string::npos);
    EXPECT_EQ(text.find("left out"), std::string::npos);
    EXPECT_NE(text.find("Slices of the critical circle at the averages"), std::string::npos);
    const int slices = Text(form, critical::SliceCount).toInt();
    for (const int slice : {1, slices}) {
        // The slice's number, then its middle x to the millimetre.
        const std::regex row("\\n\\s*" + std::to_string(slice) + "\\s+-?[0-9]+\\.[0-9]{3}\\s");
        EXPECT_TRUE(std::regex_search(text, row)) << slice;
    }

    const QByteArray bytes = report::ReportPdfBytes(form.findChild<ReportActions*>()->Report(),
                                                    QDateTime::currentDateTime());
    QFile file(QString::fromStdString((folder_.path() / "bare.pdf").string()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    ASSERT_TRUE(Shell("pdftotext bare.pdf bare.txt"));
    EXPECT_NE(Read("bare.txt").find("The diagram is left out"), std::string::npos);
}

// A report names the unit system of its model in the title block, gives each input and result
// the unit of that system and draws the diagram's axes in its unit of length.
TEST_F(Report, NamesTheUnitsOfItsModelsSystem) {
    RunReport report;
    report.analysis = &CriticalCircle();
    report.programVersion = "1.00";
    report.units = UnitSystem::UsCustomary;
    FieldTextMap texts = DefaultTexts(CriticalCircle());
    ConvertInputs(CriticalCircle(), texts, UnitSystem::SiKilopascal, UnitSystem::UsCustomary);
    texts.setText(critical::CriticalRadius, "48.052");
    report.texts = texts;
    QFile file(QString::fromStdString((folder_.path() / "us.pdf").string()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const report::DrawingCatalogue drawings = ProgramDrawings();
    file.write(
        report::ReportPdfBytes(report, QDateTime::currentDateTime(),
                               report::DiagramOf(drawings.Find(report.analysis->id), report)));
    file.close();
    ASSERT_TRUE(Shell("pdftotext -layout us.pdf us.txt"));
    const std::string text = Read("us.txt");
    const auto line = [&text](const std::string& label) {
        const std::size_t at = text.find("\n" + label + "  ");
        return at == std::string::npos ? std::string()
                                       : text.substr(at + 1, text.find('\n', at + 1) - at - 1);
    };
    EXPECT_NE(line("Units").find("US Customary (ft, psf, pcf)"), std::string::npos);
    EXPECT_NE(line("Cohesion: Average").find("208.85434233"), std::string::npos);
    EXPECT_NE(line("Cohesion: Average").find("psf"), std::string::npos);
    EXPECT_NE(line("Unit Weight of Soil: Average").find("pcf"), std::string::npos);
    EXPECT_NE(line("Slope Height").find("ft"), std::string::npos);
    EXPECT_NE(line("Critical Circle: Radius").find("ft"), std::string::npos);
    EXPECT_NE(text.find("x (ft)"), std::string::npos);
    EXPECT_EQ(text.find("kPa"), std::string::npos);
}

// The title block is edited in its dialog and kept by the model: a change marks the model as
// changed, and Save and Open carry it.
TEST_F(Report, DetailsAreKeptWithTheModel) {
    AnalysisForm& form = navigator().ShowAnalysis(CriticalCircle());
    ReportDetails details;
    details.project = "North Dam";
    ReportDetailsDialog dialog(details);
    auto* checker = dialog.findChild<QLineEdit*>(QStringLiteral("ReportCheckerEdit"));
    ASSERT_NE(checker, nullptr);
    checker->setText(QStringLiteral("  C. Hecker "));
    details.checker = "C. Hecker";
    EXPECT_EQ(dialog.details(), details);

    const QString path = QString::fromStdString((folder_.path() / "m.vardolin").string());
    ASSERT_TRUE(form.files().SaveTo(path));
    form.files().SetReportDetails(details);
    EXPECT_TRUE(form.files().hasUnsavedChanges());
    ASSERT_TRUE(form.files().SaveTo(path));
    EXPECT_FALSE(form.files().hasUnsavedChanges());
    form.files().SetReportDetails({});
    ASSERT_TRUE(form.files().OpenFile(path));
    EXPECT_EQ(form.files().reportDetails(), details);
    EXPECT_EQ(form.findChild<ReportActions*>()->Report().details, details);
}

// A description that says its diagram is drawn has a drawing in the program's catalogue of them,
// and only such a one: no report of the program's leaves a diagram out.
TEST(ReportDiagram, IsDrawnWhereTheDescriptionSaysSo) {
    const report::DrawingCatalogue drawings = ProgramDrawings();
    for (const AnalysisDescription* analysis : ProgramCatalogue()) {
        EXPECT_EQ(analysis->drawsDiagram, drawings.Find(analysis->id) != nullptr) << analysis->id;
        EXPECT_NE(analysis->drawsDiagram, !analysis->diagram.empty()) << analysis->id;
    }
}

TEST_F(Report, IsRefusedWhenTheResultsAreFromAnEarlierRun) {
    AnalysisForm& form = navigator().ShowAnalysis(PlaneFailure());
    Click(form, "Command1");
    Type(form, plane::SlopeHeight, "x");
    Click(form, "Command1");
    const QString pdf = QString::fromStdString((folder_.path() / "report.pdf").string());
    EXPECT_FALSE(form.findChild<ReportActions*>()->ExportReportTo(pdf));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(dialogs_.errors.size(), 1);
}

TEST(ReportPaper, IsLetterWhereThatIsTheCommonPaperAndA4Elsewhere) {
    EXPECT_EQ(ReportPageSize(QLocale::UnitedStates), QPageSize::Letter);
    EXPECT_EQ(ReportPageSize(QLocale::Canada), QPageSize::Letter);
    EXPECT_EQ(ReportPageSize(QLocale::Germany), QPageSize::A4);
    EXPECT_EQ(ReportPageSize(QLocale::AnyTerritory), QPageSize::A4);
}

}  // namespace
}  // namespace vardolin::forms

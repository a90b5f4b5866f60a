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
#include "critical_circle/CriticalCircleDescription.h"
#include "critical_circle/CriticalCircleFields.h"
#include "forms/FormTestSupport.h"
#include "forms/LineEditFields.h"
#include "forms/ModelFileActions.h"
#include "forms/ReportActions.h"
#include "forms/ReportDetailsDialog.h"
#include "forms/report/ReportPainter.h"
#include "numerics/NumberText.h"
#include "slice_method/SliceMethodDescription.h"
#include "statistics/Convergence.h"

namespace vardolin::forms {
namespace {

using testing_support::WindowTest;

struct ReportRow {
    const char* name;
    const AnalysisDescription& (*analysis)();
    // The slice method has no sensitivity and keeps no draws: no plots page; the critical
    // circle's many fields leave its diagram a page of its own.
    int pages;  // with the title block and the method, the diagram begins the second
    friend void PrintTo(const ReportRow& row, std::ostream* os) { *os << row.name; }
};

class Report : public WindowTest, public testing::WithParamInterface<ReportRow> {
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

// A result as the form shows it: a form that rounds its figures gives percentages to 0.1 % and
// the others to 3 decimals.
std::string Shown(const AnalysisDescription& analysis, FieldRole role, const std::string& text) {
    if (!analysis.roundsShownFigures || role == FieldRole::Message) {
        return text;
    }
    const int decimals = role == FieldRole::FailurePercentage ? 1 : 3;
    return QString::number(std::stod(text), 'f', decimals).toStdString();
}

TEST_P(Report, HoldsEveryInputWithItsUnitTheResultsAndThePlotsPages) {
    const AnalysisDescription& analysis = GetParam().analysis();
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
        const std::string value = Text(form, field.number).toStdString();
        const std::size_t row = text.find("\n" + std::string(field.label) + "  ") + 1;
        ASSERT_NE(row, 0u) << field.label;
        const std::string line = text.substr(row, text.find('\n', row) - row);
        EXPECT_NE(line.find(" " + value), std::string::npos) << line;
        EXPECT_NE(line.find(std::string(field.unit)), std::string::npos) << line;
    }
    for (const FieldRole role :
         {FieldRole::FailurePercentage, FieldRole::MeanSafetyFactor, FieldRole::Message}) {
        const std::string result =
            Shown(analysis, role, Text(form, analysis.fieldWith(role).number).toStdString());
        EXPECT_NE(text.find(result), std::string::npos) << result;
    }
    const ConvergenceSummary s = SummariseConvergence(form.histogram().record().last->factors);
    const std::string low = QString::number(s.band.low * 100.0, 'f', 1).toStdString();
    EXPECT_NE(text.find(low + " to"), std::string::npos) << low;
    for (const std::string& title :
         {details.project, details.section, details.engineer, details.checker, details.date}) {
        EXPECT_NE(text.find(title), std::string::npos) << title;
    }
    EXPECT_NE(text.find("Page 1 of " + std::to_string(GetParam().pages)), std::string::npos);
    EXPECT_NE(text.find("Page " + std::to_string(GetParam().pages) + " of"), std::string::npos);
    // The method statement's first words, as the description states it.
    const std::string method = analysis.methodStatement(LineEditFields(form));
    EXPECT_NE(text.find(method.substr(0, method.find(' ', 20))), std::string::npos) << method;
    const std::string counts = std::to_string(s.trials) + " / " + std::to_string(s.failures);
    EXPECT_NE(text.find("Trials / failed"), std::string::npos);
    EXPECT_NE(text.find(counts), std::string::npos) << counts;
    EXPECT_NE(text.find(analysis.caption), std::string::npos);
    EXPECT_NE(text.find("Vardolin 1.00"), std::string::npos);
    EXPECT_NE(text.find("Running failure probability with its 95 % band"), std::string::npos);
    EXPECT_NE(text.find("Diagram"), std::string::npos);
    EXPECT_NE(text.find("Sampling"), std::string::npos);
    EXPECT_NE(text.find("seed none"), std::string::npos);

    ASSERT_TRUE(Shell("pdftoppm -r 30 -png report.pdf page"));
    for (int page = 1; page <= 4; ++page) {
        const bool exists =
            std::filesystem::exists(folder_.path() / ("page-" + std::to_string(page) + ".png"));
        EXPECT_EQ(exists, page <= GetParam().pages) << "page " << page;
    }
}

INSTANTIATE_TEST_SUITE_P(Analyses, Report,
                         testing::Values(ReportRow{"PlaneFailure", PlaneFailure, 4},
                                         ReportRow{"SliceMethod", SliceMethod, 3},
                                         ReportRow{"CriticalCircle", CriticalCircle, 5}),
                         vardolin::testing_support::RowName{});

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

    const QByteArray bytes =
        ReportPdfBytes(form.findChild<ReportActions*>()->Report(), QDateTime::currentDateTime());
    QFile file(QString::fromStdString((folder_.path() / "bare.pdf").string()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    ASSERT_TRUE(Shell("pdftotext bare.pdf bare.txt"));
    EXPECT_NE(Read("bare.txt").find("The diagram is left out"), std::string::npos);
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

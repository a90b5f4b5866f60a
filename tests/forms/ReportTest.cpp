// SPDX-License-Identifier: MIT
// The printable report of a form's last run, read back from the PDF as a reader would: its text
// layer (pdftotext) and its pages as pictures (pdftoppm).
#include <QFile>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "TestFolder.h"
#include "TestSupport.h"
#include "critical_circle/CriticalCircleDescription.h"
#include "critical_circle/CriticalCircleFields.h"
#include "forms/FormTestSupport.h"
#include "forms/ReportActions.h"
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

// Page 1 with the inputs, the results and a picture; a drawn diagram (three fifths of a page)
// on a page of its own; the histogram and convergence; the sensitivity and scatter where the
// analysis has either.
TEST_P(Report, HoldsEveryInputWithItsUnitTheResultsAndThePlotsPages) {
    const AnalysisDescription& analysis = *GetParam();
    const bool drawn = windows_.Of(analysis.id).drawDiagram != nullptr;
    const bool plots = analysis.factorAtMeans != nullptr || !analysis.sampledParameters().empty();
    const int pages = 2 + (drawn ? 1 : 0) + (plots ? 1 : 0);
    AnalysisForm& form = navigator().ShowAnalysis(analysis);
    Click(form, "Command1");
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
        // A long message wraps: its start is on one line.
        const std::string result =
            Text(form, analysis.fieldWith(role).number).toStdString().substr(0, 30);
        EXPECT_NE(text.find(result), std::string::npos) << result;
    }
    const ConvergenceSummary s = SummariseConvergence(form.histogram().record().last->factors);
    EXPECT_NE(text.find(DoubleToText(s.band.low * 100.0) + " to"), std::string::npos);
    // pdftotext may close the gaps of a short figure ("3/0"): the row is read without blanks.
    const std::size_t countsRow = text.find("Trials / failed");
    ASSERT_NE(countsRow, std::string::npos);
    std::string countsLine = text.substr(countsRow, text.find('\n', countsRow) - countsRow);
    std::erase(countsLine, ' ');
    const std::string counts = std::to_string(s.trials) + "/" + std::to_string(s.failures);
    EXPECT_NE(countsLine.find("Trials/failed" + counts), std::string::npos) << countsLine;
    EXPECT_NE(text.find(analysis.caption), std::string::npos);
    EXPECT_NE(text.find("Vardolin 1.00"), std::string::npos);
    EXPECT_NE(text.find("Running failure probability with its 95 % band"), std::string::npos);
    EXPECT_EQ(text.find("Diagram") != std::string::npos, drawn || !analysis.diagram.empty());
    EXPECT_NE(text.find("Sampling"), std::string::npos);
    EXPECT_NE(text.find("seed none"), std::string::npos);

    ASSERT_TRUE(Shell("pdftoppm -r 30 -png report.pdf page"));
    for (int page = 1; page <= 4; ++page) {
        const bool exists =
            std::filesystem::exists(folder_.path() / ("page-" + std::to_string(page) + ".png"));
        EXPECT_EQ(exists, page <= pages) << "page " << page;
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, Report, testing::ValuesIn(TestAnalyses()), AnalysisRowName{});

// The form draws its diagram from its last run: the report draws the same, critical circle and
// its factor included.
TEST_F(Report, DrawsTheDiagramOfAFormThatDrawsOne) {
    AnalysisForm& form = navigator().ShowAnalysis(CriticalCircle());
    Click(form, "Command1");
    const QString pdf = QString::fromStdString((folder_.path() / "report.pdf").string());
    ASSERT_TRUE(form.findChild<ReportActions*>()->ExportReportTo(pdf));
    ASSERT_TRUE(Shell("pdftotext -f 1 -l 2 report.pdf report.txt"));
    const double bishop = Text(form, critical::BishopFactor).toDouble();
    const std::string factor = QStringLiteral("F = %1").arg(bishop, 0, 'f', 3).toStdString();
    EXPECT_NE(Read("report.txt").find(factor), std::string::npos) << factor;
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

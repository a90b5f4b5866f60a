// SPDX-License-Identifier: MIT
// The Slope Section form's units: beside its fields and in its tables' headings, converted with
// every table and sampling bound by Options > Units, named by its exported results and kept by
// its model file.
#include <QAction>
#include <QLabel>
#include <QTableWidget>
#include <fstream>
#include <sstream>

#include "TestFolder.h"
#include "fields/TableText.h"
#include "forms/FormTestSupport.h"
#include "forms/LineEditFields.h"
#include "forms/ModelFileActions.h"
#include "forms/SamplingActions.h"
#include "forms/SamplingDialog.h"
#include "forms/TableFieldEditor.h"
#include "numerics/NumberText.h"
#include "slope_section/SectionInputs.h"
#include "slope_section/SlopeSectionDescription.h"

namespace vardolin::forms {
namespace {

using testing_support::WindowTest;
using namespace section;

class SectionUnitsForm : public WindowTest {
protected:
    SectionUnitsForm() : form_(navigator().ShowAnalysis(SlopeSection())) {
        // A short run: a coarse search and a few trials.
        Type(form_, TrialCount, QStringLiteral("20"));
        Type(form_, CentresPerSide, QStringLiteral("4"));
        Type(form_, RadiiPerCentre, QStringLiteral("3"));
    }

    QString UnitOf(int field) const {
        auto* label = FindControlAs<QLabel>(form_, QStringLiteral("Unit%1").arg(field));
        return label != nullptr ? label->text() : QStringLiteral("(none)");
    }

    QTableWidgetItem* Heading(int table, int column) const {
        auto* editor = FindControlAs<TableFieldEditor>(form_, QStringLiteral("Table%1").arg(table));
        return editor != nullptr ? editor->grid().horizontalHeaderItem(column) : nullptr;
    }

    QString Cell(int table, std::size_t row, std::size_t column) const {
        const std::optional<TableRows> rows = ParseTableText(Text(form_, table).toStdString());
        return rows && row < rows->size() && column < (*rows)[row].size()
                   ? QString::fromStdString((*rows)[row][column])
                   : QStringLiteral("(none)");
    }

    AnalysisForm& form_;
};

TEST_F(SectionUnitsForm, StandBesideTheFieldsAndInTheHeadingsAndConvertWithTheSystem) {
    EXPECT_EQ(UnitOf(WaterUnitWeight), "kN/m³");
    EXPECT_EQ(UnitOf(CrackDepth), "m");
    EXPECT_EQ(UnitOf(CriticalRadius), "m");
    EXPECT_EQ(UnitOf(HorizontalSeismic), "(none)");
    ASSERT_NE(Heading(SoilsTable, 2), nullptr);
    EXPECT_EQ(Heading(SoilsTable, 2)->text(), "c\nmean\n(kPa)");
    EXPECT_EQ(Heading(LineLoadsTable, 1)->text(), "Force\n(kN/m)");
    EXPECT_EQ(Heading(GroundTable, 0)->text(), "x\n(m)");
    EXPECT_EQ(Heading(SoilsTable, 4)->text(), "φ\nmean\n(°)");
    EXPECT_TRUE(Heading(SoilsTable, 4)->toolTip().endsWith("Unit: degrees"));
    Click(form_, "Command1");
    const QString bishop = Text(form_, BishopFactor);
    ASSERT_FALSE(bishop.isEmpty()) << Text(form_, MessageField).toStdString();

    SamplingChoices bounded;
    bounded.Set("Clay.cohesion", {DistributionKind::Normal, 5.0, std::nullopt});
    form_.sampling().SetChoices(bounded);
    form_.findChild<QAction*>(QStringLiteral("Units_us"))->trigger();
    EXPECT_EQ(form_.units(), UnitSystem::UsCustomary);
    EXPECT_TRUE(form_.resultsAreStale());
    EXPECT_EQ(UnitOf(WaterUnitWeight), "pcf");
    EXPECT_EQ(UnitOf(GivenRadius), "ft");
    EXPECT_EQ(Heading(SoilsTable, 2)->text(), "c\nmean\n(psf)");
    EXPECT_TRUE(Heading(SoilsTable, 6)->toolTip().contains("Unit: pcf"));
    EXPECT_EQ(Heading(GroundTable, 1)->text(), "y\n(ft)");
    EXPECT_TRUE(FieldControl(form_, CrackDepth)->toolTip().contains("Unit: ft"));
    // γw takes the system's customary value; the tables' cells convert, φ and counts stay.
    EXPECT_EQ(Text(form_, WaterUnitWeight), "62.4");
    EXPECT_EQ(Cell(GroundTable, 0, 1), "65.6167979");
    EXPECT_EQ(Cell(SoilsTable, 0, 2), "208.85434233");
    EXPECT_EQ(Cell(SoilsTable, 0, 4), "30");
    EXPECT_EQ(form_.sampling().choices().of("Clay.cohesion").lower, 104.42717117);
    SamplingDialog* dialog = form_.sampling().ShowDialog();
    QStringList captions;
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        captions << label->text();
    }
    dialog->reject();
    EXPECT_TRUE(captions.contains(QStringLiteral("Clay: c (psf)")))
        << captions.join(',').toStdString();
    EXPECT_TRUE(captions.contains(QStringLiteral("Clay: γ (pcf)")));

    Click(form_, "Command1");
    EXPECT_NEAR(Text(form_, BishopFactor).toDouble(), bishop.toDouble(), 1e-9);
    vardolin::testing_support::TestFolder folder;
    const std::string csvPath = (folder.path() / "section.csv").string();
    ASSERT_TRUE(form_.files().ExportResultsTo(QString::fromStdString(csvPath)));
    std::stringstream csv;
    csv << std::ifstream(csvPath).rdbuf();
    EXPECT_EQ(csv.str().rfind("analysis,slope_section\r\nunits,us\r\n", 0), 0u);

    const QString path = QString::fromStdString((folder.path() / "us.vardolin").string());
    ASSERT_TRUE(form_.files().SaveTo(path));
    form_.findChild<QAction*>(QStringLiteral("Units_si-pa"))->trigger();
    EXPECT_EQ(Text(form_, WaterUnitWeight), "9810");
    EXPECT_EQ(Cell(GroundTable, 0, 1), "20");
    EXPECT_EQ(Cell(SoilsTable, 0, 2), "10000");
    ASSERT_TRUE(form_.files().OpenFile(path));
    EXPECT_EQ(form_.units(), UnitSystem::UsCustomary);
    EXPECT_EQ(Heading(PressuresTable, 2)->text(), "Pressure\n(psf)");
    EXPECT_EQ(Cell(SoilsTable, 0, 2), "208.85434233");
}

}  // namespace
}  // namespace vardolin::forms

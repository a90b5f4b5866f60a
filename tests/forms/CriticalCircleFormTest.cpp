// SPDX-License-Identifier: MIT
// The third analysis reached as a user reaches it: its row of the main menu, its form, a run,
// the diagram drawn from the run and the slice table in the exported results.
#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QToolTip>
#include <QWidget>
#include <fstream>
#include <sstream>

#include "TestFolder.h"
#include "analysis/KeptTables.h"
#include "critical_circle/CircleSearch.h"
#include "critical_circle/CriticalCircleDescription.h"
#include "critical_circle/CriticalCircleFields.h"
#include "critical_circle/CriticalCircleKeptTables.h"
#include "critical_circle/drawing/CriticalCircleDiagram.h"
#include "forms/EditActions.h"
#include "forms/FormHistogram.h"
#include "forms/FormTestSupport.h"
#include "forms/LineEditFields.h"
#include "forms/ModelFileActions.h"
#include "forms/SamplingActions.h"
#include "forms/SamplingDialog.h"
#include "forms/UnitActions.h"
#include "forms/WrappingTextField.h"

namespace vardolin::forms {
namespace {

using testing_support::WindowTest;
using namespace critical;

class CriticalCircleForm : public WindowTest {};

TEST_F(CriticalCircleForm, RunsFromTheThirdMenuRowAndDrawsAndExportsItsCircle) {
    MainMenu& menu = navigator().ShowMainMenu();
    auto* row = FindControlAs<QPushButton>(menu, MainMenu::RowButtonName(2));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(), QStringLiteral("Critical Circle"));
    row->click();
    auto* form = qobject_cast<AnalysisForm*>(navigator().Find("vard3"));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Critical Circle"));

    QWidget* picture = FindControl(*form, QStringLiteral("Image1"));
    ASSERT_NE(picture, nullptr);
    const QImage before = picture->grab().toImage();
    Click(*form, "Command1");
    EXPECT_TRUE(Text(*form, MessageField).startsWith(QStringLiteral("Not Acceptable")));
    EXPECT_FALSE(Text(*form, BishopFactor).isEmpty());
    EXPECT_FALSE(Text(*form, MeanSafetyFactor).isEmpty());
    EXPECT_TRUE(form->histogram().record().current() != nullptr);
    // The circle and the coloured centres join the slope drawn from the inputs.
    EXPECT_NE(picture->grab().toImage(), before);

    vardolin::testing_support::TestFolder folder;
    const std::string path = (folder.path() / "circle.csv").string();
    ASSERT_TRUE(form->files().ExportResultsTo(QString::fromStdString(path)));
    std::stringstream csv;
    csv << std::ifstream(path).rdbuf();
    EXPECT_NE(csv.str().find("\r\ncritical_circle_slices\r\nslice,x,width,"), std::string::npos);
    EXPECT_NE(csv.str().find("bishop_factor,"), std::string::npos);

    Click(*form, "Command2");
    EXPECT_TRUE(menu.isVisible());
}

// Each field with a unit shows it beside it, in kPa for a new model. Options > Units converts
// the averages and the standard deviations, mutes the results, renames the units and their
// tooltips, and the model file keeps the system: the model opens in it again.
TEST_F(CriticalCircleForm, UnitsStandBesideTheFieldsAndConvertWithTheSystem) {
    AnalysisForm& form = navigator().ShowAnalysis(CriticalCircle());
    const auto unitOf = [&form](int field) {
        auto* label = FindControlAs<QLabel>(form, QStringLiteral("Unit%1").arg(field));
        return label != nullptr ? label->text() : QStringLiteral("(none)");
    };
    EXPECT_EQ(unitOf(SlopeHeight), "m");
    EXPECT_EQ(unitOf(FaceAngle), "°");
    EXPECT_EQ(unitOf(SoilCohesionMean), "kPa");
    EXPECT_EQ(unitOf(UnitWeightStdDev), "kN/m³");
    EXPECT_EQ(unitOf(CriticalRadius), "m");
    EXPECT_EQ(unitOf(SliceCount), "(none)");
    EXPECT_EQ(Text(form, SoilCohesionMean), "10");
    Click(form, "Command1");
    const QString bishop = Text(form, BishopFactor);
    ASSERT_FALSE(form.resultsAreStale());

    SamplingChoices bounded;
    bounded.Set("cohesion", {DistributionKind::Normal, 5.0, std::nullopt});
    form.sampling().SetChoices(bounded);
    auto* us = form.findChild<QAction*>(QStringLiteral("Units_us"));
    ASSERT_NE(us, nullptr);
    us->trigger();
    // The bound converts with the average, and the dialog names the system's units.
    EXPECT_EQ(form.sampling().choices().of("cohesion").lower, 104.42717117);
    SamplingDialog* dialog = form.sampling().ShowDialog();
    QStringList captions;
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        captions << label->text();
    }
    dialog->reject();
    EXPECT_TRUE(captions.contains(QStringLiteral("Cohesion (psf)")))
        << captions.join(',').toStdString();
    EXPECT_TRUE(captions.contains(QStringLiteral("Unit weight of soil (pcf)")));
    form.sampling().SetChoices({});
    EXPECT_EQ(form.units(), UnitSystem::UsCustomary);
    EXPECT_TRUE(form.resultsAreStale());
    EXPECT_EQ(unitOf(SoilCohesionMean), "psf");
    EXPECT_EQ(unitOf(UnitWeightMean), "pcf");
    EXPECT_EQ(unitOf(GridXFrom), "ft");
    EXPECT_EQ(Text(form, SoilCohesionMean), "208.85434233");
    EXPECT_EQ(Text(form, SlopeHeight), "32.80839895");
    EXPECT_EQ(Text(form, FrictionMean), "30");
    EXPECT_TRUE(FieldControl(form, SoilCohesionStdDev)->toolTip().contains("Unit: psf"));
    Click(form, "Command1");
    EXPECT_EQ(Text(form, BishopFactor), bishop);

    vardolin::testing_support::TestFolder folder;
    const QString path = QString::fromStdString((folder.path() / "us.vardolin").string());
    ASSERT_TRUE(form.files().SaveTo(path));
    EXPECT_FALSE(form.files().hasUnsavedChanges());
    form.findChild<QAction*>(QStringLiteral("Units_si-pa"))->trigger();
    EXPECT_EQ(Text(form, SoilCohesionMean), "10000");
    EXPECT_EQ(Text(form, SlopeHeight), "10");
    EXPECT_TRUE(form.files().hasUnsavedChanges());
    ASSERT_TRUE(form.files().OpenFile(path));
    EXPECT_EQ(form.units(), UnitSystem::UsCustomary);
    EXPECT_EQ(unitOf(SoilCohesionMean), "psf");
    EXPECT_EQ(Text(form, SoilCohesionMean), "208.85434233");
    EXPECT_TRUE(form.findChild<QAction*>(QStringLiteral("Units_us"))->isChecked());
}

// Texts Clear Data emptied come back by Undo in the units the form shows then, not in those
// they were typed in.
TEST_F(CriticalCircleForm, UndoOfClearDataGivesTheTextsBackInTheUnitsShown) {
    AnalysisForm& form = navigator().ShowAnalysis(CriticalCircle());
    Click(form, "Command4");
    EXPECT_EQ(Text(form, SoilCohesionMean), "");
    form.findChild<QAction*>(QStringLiteral("Units_si-pa"))->trigger();
    ASSERT_TRUE(form.edit().Undo());
    EXPECT_EQ(Text(form, SoilCohesionMean), "10000");
    EXPECT_EQ(Text(form, UnitWeightStdDev), "500");
    EXPECT_EQ(Text(form, FrictionMean), "30");
}

// Over the diagram the pointer reads the critical circle at its centre and each centre's lowest
// factor, where the drawing puts them; elsewhere the picture's own tooltip.
TEST_F(CriticalCircleForm, DiagramTooltipsNameWhatLiesUnderThePointer) {
    AnalysisForm& form = navigator().ShowAnalysis(CriticalCircle());
    Click(form, "Command1");
    QWidget* picture = FindControl(form, QStringLiteral("Image1"));
    auto* canvas = picture->findChild<QWidget*>();
    ASSERT_NE(canvas, nullptr);
    const QRectF area(canvas->rect());
    const LineEditFields fields(form);
    KeptTables& kept = form.shownTables();
    const auto& tables = kept.Of<CriticalCircleKeptTables>();
    const auto tipAt = [&](double x, double y) {
        const QPointF at = CriticalCircleDiagramPoint(area, fields, form.locale(), kept, x, y);
        QHelpEvent help(QEvent::ToolTip, at.toPoint(), canvas->mapToGlobal(at.toPoint()));
        QApplication::sendEvent(canvas, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };

    const Circle& critical = tables.critical.circle;
    const QString atCritical = tipAt(critical.centreX, critical.centreY);
    EXPECT_TRUE(atCritical.startsWith("Critical circle")) << atCritical.toStdString();
    EXPECT_TRUE(atCritical.contains(QString::number(tables.critical.factors.bishop, 'g', 6)));
    const CentreMinimum& corner = tables.centres.front();  // x from, y from: far from the circle
    const QString atCorner = tipAt(corner.centreX, corner.centreY);
    EXPECT_TRUE(atCorner.contains(QString::number(corner.factor, 'g', 6)))
        << atCorner.toStdString();
    EXPECT_EQ(DescribeCriticalCircleDiagramPoint(area, QPointF(1, 1), fields, form.locale(),
                                                 form.units(), kept),
              QString());
}

// The diagram reads the texts as the run does, in the user's own decimal separator.
TEST_F(CriticalCircleForm, DiagramReadsTheUsersDecimalSeparator) {
    context_.locale = NumberLocale{","};
    AnalysisForm& form = navigator().ShowAnalysis(CriticalCircle());
    Type(form, FaceAngle, "26,565051177078");
    Type(form, PoreRatioMean, "0,25");
    Click(form, "Command1");
    ASSERT_TRUE(Text(form, MessageField).contains(QStringLiteral("Acceptable")))
        << Text(form, MessageField).toStdString();
    auto* canvas = FindControl(form, QStringLiteral("Image1"))->findChild<QWidget*>();
    const QRectF area(canvas->rect());
    const LineEditFields fields(form);
    KeptTables& kept = form.shownTables();
    const Circle& critical = kept.Of<CriticalCircleKeptTables>().critical.circle;
    const QPointF centre = CriticalCircleDiagramPoint(area, fields, form.locale(), kept,
                                                      critical.centreX, critical.centreY);
    EXPECT_TRUE(
        DescribeCriticalCircleDiagramPoint(area, centre, fields, form.locale(), form.units(), kept)
            .startsWith("Critical circle"));
}

// The diagram takes in what is searched before any run: the placed grid of a new model, or the
// entry and exit ranges of the entry-exit search.
TEST_F(CriticalCircleForm, DiagramShowsThePlacedGridOrTheRanges) {
    AnalysisForm& form = navigator().ShowAnalysis(CriticalCircle());
    auto* canvas = FindControl(form, QStringLiteral("Image1"))->findChild<QWidget*>();
    const QRectF area(canvas->rect());
    const LineEditFields fields(form);
    KeptTables& kept = form.shownTables();
    const auto inside = [&](double x, double y) {
        return area.contains(CriticalCircleDiagramPoint(area, fields, form.locale(), kept, x, y));
    };
    const SearchGrid placed = AutoGrid(*SimpleSlope::Make(10, 45), 20, 20);
    EXPECT_TRUE(inside(placed.xFrom, placed.yTo));
    EXPECT_TRUE(inside(placed.xTo, -placed.depthBelowToe));
    Type(form, SearchMethod, "Entry-Exit");
    Type(form, EntryXTo, "40");
    EXPECT_TRUE(inside(40, 10));
    // After a run the refinement's path is drawn from its start to the critical centre.
    Click(form, "Command1");
    const auto& tables = kept.Of<CriticalCircleKeptTables>();
    ASSERT_GE(tables.refinedPath.size(), 2u);
    const Circle& end = tables.refinedPath.back();
    EXPECT_EQ(end.centreX, tables.critical.circle.centreX);
    EXPECT_EQ(end.centreY, tables.critical.circle.centreY);
}

// The diagram draws inside the area it is given, whatever lies at its edges: a critical centre
// at the top of the picture keeps its "F = ..." label below the area's top, the axes' figures and
// the colour scale's title stay in. Drawn inside a larger white image: no pixel outside the area
// changes.
TEST_F(CriticalCircleForm, DiagramDrawsEveryLabelInsideItsArea) {
    AnalysisForm& form = navigator().ShowAnalysis(CriticalCircle());
    Type(form, GridYFrom, "8");
    Type(form, GridYTo, "12");
    Click(form, "Command1");
    const LineEditFields fields(form);
    KeptTables& kept = form.shownTables();
    const auto& tables = kept.Of<CriticalCircleKeptTables>();
    ASSERT_TRUE(tables.hasCircle);
    const QRectF area(40, 40, 420, 320);
    // The centre lies at the top of the picture, where a label above it would leave the area.
    const QPointF centre =
        CriticalCircleDiagramPoint(area, fields, form.locale(), kept,
                                   tables.critical.circle.centreX, tables.critical.circle.centreY);
    ASSERT_LT(centre.y(), area.top() + 12);
    QImage image(500, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        DrawCriticalCircleDiagram(painter, area, fields, form.locale(), form.units(), kept);
    }
    int outside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!area.adjusted(-1, -1, 1, 1).contains(QPointF(x + 0.5, y + 0.5)) &&
                image.pixel(x, y) != qRgb(255, 255, 255)) {
                ++outside;
            }
        }
    }
    EXPECT_EQ(outside, 0);
}

// A long text the form shows in a wrapped field, and the field it goes to.
struct WrappedTextRow {
    std::string name;
    int field;
    std::string text;
};

void PrintTo(const WrappedTextRow& row, std::ostream* os) {
    *os << row.name;
}

// Every message the run writes, the explanation, and the longest cautions: a single one and the
// combinations a run can give together (units and an edge, two edges at a corner, the depth
// level with the tangent circles, a widened grid with trials left out, both ends of the ranges).
std::vector<WrappedTextRow> WrappedTextRows() {
    std::vector<WrappedTextRow> rows;
    int index = 0;
    for (const std::string_view message : CriticalCircle().messages) {
        rows.push_back({"Message" + std::to_string(index++), MessageField, std::string(message)});
    }
    rows.push_back(
        {"Explanation", ExplanationField, "This Software Used in The Critical Circle (Bishop)"});
    const std::pair<const char*, const char*> cautions[] = {
        {"CautionTangent",
         "Circles Tangent to the Ground in Front of the Toe Bound the Search Here."},
        {"CautionUnitsAndEdge",
         "c/(γH) = 0.000026: is the cohesion in kPa and the unit weight in N/m³? The Critical "
         "Centre Lies beyond the Grid's Bottom Edge: Lower 'Centre y from' below -1230 ft."},
        {"CautionCorner",
         "The Critical Centre Lies beyond the Grid's Bottom Edge: Lower 'Centre y from' below "
         "-12.3 m. The Critical Centre Lies beyond the Grid's Left Edge: Lower 'Centre x from' "
         "below -12.3 m."},
        {"CautionDepthAndTangent",
         "The Critical Circle Reaches the Depth Limit: Set 'Depth below Toe' Deeper than 12.5 m. "
         "Circles Tangent to the Ground in Front of the Toe Bound the Search Here."},
        {"CautionWidenedAndLeftOut",
         "The Search Widened the Auto Grid 3 Times to Take In the Lowest Circle. 1234 of 10000 "
         "Trials Had No Usable Factor and Were Left Out."},
        {"CautionRangeEnds",
         "The Lowest Circle Is at an End of the Entry Range: Raise 'Entry x to' above 12.3 m. The "
         "Lowest Circle Is at an End of the Exit Range: Lower 'Exit x from' below 1.23 m."},
    };
    for (const auto& [name, text] : cautions) {
        rows.push_back({name, SearchWarning, text});
    }
    return rows;
}

class WrappedTexts : public testing::TestWithParam<WrappedTextRow> {};

// Every line of the text lies inside its box at the form's font, upright and muted (slanted).
TEST_P(WrappedTexts, FitTheirBoxWhole) {
    QWidget form;
    BuildControls(form, CriticalCircleAnalysis::Window().controls);
    auto* field =
        FindControlAs<WrappingTextField>(form, QStringLiteral("Text%1").arg(GetParam().field));
    ASSERT_NE(field, nullptr) << "a single-line field shows only the start of a long text";
    field->setText(QString::fromStdString(GetParam().text));
    EXPECT_LE(field->wrappedTextHeight(), field->textArea().height());
    QFont slanted = field->font();
    slanted.setItalic(true);
    field->setFont(slanted);
    EXPECT_LE(field->wrappedTextHeight(), field->textArea().height());
}

INSTANTIATE_TEST_SUITE_P(CriticalCircle, WrappedTexts, testing::ValuesIn(WrappedTextRows()),
                         [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace vardolin::forms

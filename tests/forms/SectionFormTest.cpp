// SPDX-License-Identifier: MIT
// The Slope Section form as a user works it: its choices over the texts of their fields, and
// the whole path from a pasted table to the report.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>

#include "TestFolder.h"
#include "fields/TableText.h"
#include "forms/DiagramCanvas.h"
#include "forms/EditActions.h"
#include "forms/FormTestSupport.h"
#include "forms/LineEditFields.h"
#include "forms/ModelFileActions.h"
#include "forms/ReportActions.h"
#include "forms/TableFieldEditor.h"
#include "slope_section/SectionInputs.h"
#include "slope_section/SlopeSectionDescription.h"
#include "slope_section/drawing/SectionDiagram.h"

namespace vardolin::forms {
namespace {

using testing_support::WindowTest;
using namespace section;

class SectionForm : public WindowTest {
protected:
    SectionForm() : form_(navigator().ShowAnalysis(SlopeSection())) {}

    QCheckBox& Method(SectionMethod method) {
        return *FindControlAs<QCheckBox>(form_, QStringLiteral("Check1"), static_cast<int>(method));
    }
    QComboBox& Choice(int field) {
        return *form_.findChild<QComboBox*>(QStringLiteral("Choice%1").arg(field));
    }
    bool Enabled(int field) {
        QLineEdit* text = Field(form_, field);
        return (text->focusProxy() != nullptr ? text->focusProxy() : text)->isEnabled();
    }

    // Picks the item `caption` of a combo box, as a user does from its list.
    static void Pick(QComboBox& combo, const QString& caption) {
        const int index = combo.findText(caption);
        ASSERT_GE(index, 0) << caption.toStdString();
        combo.setCurrentIndex(index);
        emit combo.activated(index);
    }

    QStringList Items(const QComboBox& combo) {
        QStringList items;
        for (int i = 0; i < combo.count(); ++i) {
            items << combo.itemText(i);
        }
        return items;
    }

    AnalysisForm& form_;
};

// Each step of a user on the methods' check boxes and the combo of the main method, and the
// methods text it leaves: the main one first, the others in their order.
TEST_F(SectionForm, TheMethodsCheckBoxesAndTheMainMethodWriteTheMethodsText) {
    ASSERT_EQ(Text(form_, Methods), "bishop, spencer");
    EXPECT_TRUE(Method(SectionMethod::Bishop).isChecked());
    EXPECT_TRUE(Method(SectionMethod::Spencer).isChecked());
    EXPECT_FALSE(Method(SectionMethod::Ordinary).isChecked());
    EXPECT_EQ(Choice(Methods).currentText(), "Bishop");

    struct Step {
        const char* what;
        std::function<void()> act;
        const char* methods;
        const char* main;
    };
    const Step steps[] = {
        {"a method checked goes in its order",
         [&] { QTest::mouseClick(&Method(SectionMethod::Ordinary), Qt::LeftButton); },
         "bishop, ordinary, spencer", "Bishop"},
        {"the main method goes first", [&] { Pick(Choice(Methods), QStringLiteral("Spencer")); },
         "spencer, ordinary, bishop", "Spencer"},
        {"the main method unchecked leaves the first listed of the others",
         [&] { QTest::mouseClick(&Method(SectionMethod::Spencer), Qt::LeftButton); },
         "ordinary, bishop", "Ordinary"},
        {"a text from outside shows in the controls",
         [&] { Field(form_, Methods)->setText("Janbu_F0 , morgenstern_price_half_sine"); },
         "Janbu_F0 , morgenstern_price_half_sine", "Janbu f0"},
        {"an unknown method is left out when a box is clicked",
         [&] {
             Field(form_, Methods)->setText("spencer, fellenius");
             QTest::mouseClick(&Method(SectionMethod::Bishop), Qt::LeftButton);
         },
         "spencer, bishop", "Spencer"},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(Text(form_, Methods), step.methods) << step.what;
        EXPECT_EQ(Choice(Methods).currentText(), step.main) << step.what;
    }
    EXPECT_EQ(Items(Choice(Methods)), (QStringList{"Bishop", "Spencer"}));
}

// With every method unchecked, a run stops at the methods and the focus goes to their combo.
TEST_F(SectionForm, ARunWithNoMethodPointsAtTheMainMethod) {
    QTest::mouseClick(&Method(SectionMethod::Bishop), Qt::LeftButton);
    QTest::mouseClick(&Method(SectionMethod::Spencer), Qt::LeftButton);
    EXPECT_EQ(Text(form_, Methods), "");
    EXPECT_EQ(Choice(Methods).count(), 0);
    form_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
    Click(form_, "Command1");
    EXPECT_TRUE(Text(form_, MessageField).contains("List at least one method"))
        << Text(form_, MessageField).toStdString();
    EXPECT_EQ(QApplication::focusWidget(), &Choice(Methods));
}

// The surface writes the search's text or the given circle's; the fields it leaves unread are
// disabled. The circle given first is one through the face's toe (40, 10) of the default
// ground, centred above the middle of the face at half its height over the crest.
TEST_F(SectionForm, TheSurfaceWritesTheSearchOrTheGivenCircleAndDisablesWhatItLeavesUnread) {
    QComboBox& surface = Choice(SearchKindField);
    ASSERT_EQ(surface.currentText(), "Grid of centres");
    EXPECT_TRUE(Enabled(CentresPerSide));
    EXPECT_FALSE(Enabled(GivenRadius));

    Pick(surface, QStringLiteral("Entry and exit ranges"));
    EXPECT_EQ(Text(form_, SearchKindField), "entry-exit");

    Pick(surface, QStringLiteral("Given circle"));
    EXPECT_EQ(Text(form_, GivenCentreX), "30");
    EXPECT_EQ(Text(form_, GivenCentreY), "25");
    EXPECT_EQ(Text(form_, GivenRadius), "18.03");
    EXPECT_EQ(Text(form_, SearchKindField), "entry-exit");
    for (const int field : {CentresPerSide, RadiiPerCentre, OwnCircles}) {
        EXPECT_FALSE(Enabled(field)) << field;
    }
    EXPECT_FALSE(FindControl(form_, QStringLiteral("Label13"))->isEnabled());
    EXPECT_TRUE(Enabled(GivenCentreX));
    Type(form_, GivenRadius, "19");

    Pick(surface, QStringLiteral("Grid of centres"));
    EXPECT_EQ(Text(form_, SearchKindField), "grid");
    EXPECT_EQ(Text(form_, GivenRadius), "");
    EXPECT_TRUE(Enabled(CentresPerSide));
    // The circle left comes back.
    Pick(surface, QStringLiteral("Given circle"));
    EXPECT_EQ(Text(form_, GivenRadius), "19");
    // Opening a model or Clear Data sets the texts: the surface follows them.
    Field(form_, GivenCentreX)->clear();
    Field(form_, GivenCentreY)->clear();
    Field(form_, GivenRadius)->clear();
    EXPECT_EQ(surface.currentText(), "Grid of centres");
    Field(form_, SearchKindField)->setText("spiral");
    EXPECT_EQ(surface.currentIndex(), -1);
}

// The given polyline: its table and moment point enabled and nothing of the search or the circle;
// it starts along the circle a given circle would start from, and a run on it fills every
// result but the circle's.
TEST_F(SectionForm, TheGivenPolylineShowsItsTableAndRunsWithoutASearch) {
    QComboBox& surface = Choice(SearchKindField);
    auto& table =
        *form_.findChild<TableFieldEditor*>(QStringLiteral("Table%1").arg(GivenSurfaceTable));
    EXPECT_FALSE(table.isEnabled());
    EXPECT_FALSE(Enabled(MomentPointX));

    Pick(surface, QStringLiteral("Given polyline"));
    const QString given = Text(form_, GivenSurfaceTable);
    const std::optional<TableRows> rows = ParseTableText(given.toStdString());
    ASSERT_TRUE(rows.has_value()) << given.toStdString();
    EXPECT_EQ(rows->size(), 7u);
    EXPECT_EQ(rows->back(), (std::vector<std::string>{"40", "10"}));
    EXPECT_TRUE(table.isEnabled());
    EXPECT_TRUE(Enabled(MomentPointX));
    EXPECT_TRUE(Enabled(MomentPointY));
    for (const int field : {CentresPerSide, RadiiPerCentre, OwnCircles, OverallSlope,
                            SurfacesPerTrial, GivenRadius}) {
        EXPECT_FALSE(Enabled(field)) << field;
    }
    Type(form_, TrialCount, "20");
    Click(form_, "Command1");
    ASSERT_FALSE(Text(form_, MeanSafetyFactor).isEmpty())
        << Text(form_, MessageField).toStdString();
    EXPECT_FALSE(Text(form_, BishopFactor).isEmpty());
    EXPECT_FALSE(Text(form_, SpencerFactor).isEmpty());
    EXPECT_EQ(Text(form_, EntryX).toDouble(), std::stod(rows->front().front()));
    EXPECT_TRUE(Text(form_, CriticalRadius).isEmpty());

    // Another choice leaves the polyline unread, and brings it back when chosen again.
    Pick(surface, QStringLiteral("Grid of centres"));
    EXPECT_EQ(ParseTableText(Text(form_, GivenSurfaceTable).toStdString()), TableRows{});
    EXPECT_TRUE(Enabled(CentresPerSide));
    EXPECT_FALSE(table.isEnabled());
    Pick(surface, QStringLiteral("Given polyline"));
    EXPECT_EQ(Text(form_, GivenSurfaceTable), given);
    // Opening a model or Clear Data sets the texts: the surface follows them.
    Field(form_, GivenSurfaceTable)->clear();
    EXPECT_EQ(surface.currentText(), "Grid of centres");
}

// The water, the head and each method's own circle are combo boxes over their texts; the head
// is read for a piezometric line only, γw for it or a crack, the crack's fill with a crack.
TEST_F(SectionForm, TheWaterChoicesWriteTheirTextsAndEnableWhatTheyRead) {
    EXPECT_EQ(Choice(WaterModelField).currentText(), "None");
    EXPECT_FALSE(Enabled(HeadModeField));
    EXPECT_FALSE(Enabled(WaterUnitWeight));
    EXPECT_FALSE(Enabled(CrackWaterFill));
    Pick(Choice(WaterModelField), QStringLiteral("Piezometric line"));
    EXPECT_EQ(Text(form_, WaterModelField), "piezometric");
    EXPECT_TRUE(Enabled(HeadModeField));
    EXPECT_TRUE(Enabled(WaterUnitWeight));
    Pick(Choice(HeadModeField), QStringLiteral("Height × cos² of the line"));
    EXPECT_EQ(Text(form_, HeadModeField), "inclined");
    Pick(Choice(WaterModelField), QStringLiteral("Pore-pressure ratio ru"));
    EXPECT_EQ(Text(form_, WaterModelField), "ru");
    EXPECT_FALSE(Enabled(HeadModeField));
    Type(form_, CrackDepth, "2");
    EXPECT_TRUE(Enabled(WaterUnitWeight));
    EXPECT_TRUE(Enabled(CrackWaterFill));
    // A text from outside shows, case aside; one that is no choice shows none.
    Field(form_, WaterModelField)->setText(" PIEZOMETRIC");
    EXPECT_EQ(Choice(WaterModelField).currentText(), "Piezometric line");
    Field(form_, WaterModelField)->setText("flood");
    EXPECT_EQ(Choice(WaterModelField).currentIndex(), -1);
    EXPECT_FALSE(Enabled(HeadModeField));
    Pick(Choice(OwnCircles), QStringLiteral("Yes"));
    EXPECT_EQ(Text(form_, OwnCircles), "yes");
    // The combo box shows its field's tooltip,
    EXPECT_EQ(Choice(HeadModeField).toolTip(), Field(form_, HeadModeField)->toolTip());
    EXPECT_FALSE(Choice(HeadModeField).toolTip().isEmpty());
    // and follows it when the form rewrites it (its units changed).
    Field(form_, HeadModeField)->setToolTip(QStringLiteral("The head, in feet"));
    EXPECT_EQ(Choice(HeadModeField).toolTip(), "The head, in feet");
}

// The form with its menu bar leaves room for a window's frame and title on a 1280 x 800 screen.
TEST_F(SectionForm, FitsAScreenOf1280By800) {
    EXPECT_LE(form_.width(), 1280 - 8);
    EXPECT_LE(form_.height(), 800 - 60);
    EXPECT_GE(form_.clientArea().height(), 700);
}

std::string Contents(const std::filesystem::path& path) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// The whole path: paste a table, type, choose, drag a point and undo it, run, read the results,
// save, open, export and report.
TEST_F(SectionForm, APastedSectionRunsSavesOpensExportsAndReports) {
    const vardolin::testing_support::TestFolder folder;
    auto& ground = *form_.findChild<TableFieldEditor*>(QStringLiteral("Table%1").arg(GroundTable));
    ground.grid().setCurrentCell(0, 0);
    ASSERT_TRUE(ground.Paste("x\ty\n0\t20\n20\t20\n40\t10\n70\t10\n"));
    EXPECT_EQ(Text(form_, GroundTable).toStdString(),
              R"([["0","20"],["20","20"],["40","10"],["70","10"]])");
    Type(form_, TrialCount, "20");
    Type(form_, CentresPerSide, "4");
    Type(form_, RadiiPerCentre, "3");
    QTest::mouseClick(&Method(SectionMethod::JanbuUncorrected), Qt::LeftButton);
    Pick(Choice(Methods), QStringLiteral("Spencer"));
    ASSERT_EQ(Text(form_, Methods), "spencer, bishop, janbu");

    // The toe dragged down and back with Undo.
    auto& canvas = *form_.findChild<DiagramCanvas*>();
    const QString pasted = Text(form_, GroundTable);
    const LineEditFields fields(form_);
    const QPoint toe = SectionDiagramPoint(QRectF(canvas.rect()), fields, form_.locale(),
                                           form_.diagramTables(), 40, 10)
                           .toPoint();
    QTest::mousePress(&canvas, Qt::LeftButton, {}, toe);
    QTest::mouseMove(&canvas, toe + QPoint(0, 12));
    QTest::mouseRelease(&canvas, Qt::LeftButton, {}, toe + QPoint(0, 12));
    EXPECT_NE(Text(form_, GroundTable), pasted);
    ASSERT_TRUE(form_.edit().Undo());
    EXPECT_EQ(Text(form_, GroundTable), pasted);

    Click(form_, "Command1");
    ASSERT_FALSE(Text(form_, MeanSafetyFactor).isEmpty())
        << Text(form_, MessageField).toStdString();
    for (const int factor : {SpencerFactor, BishopFactor, JanbuFactor, SpencerLambda}) {
        EXPECT_FALSE(Text(form_, factor).isEmpty()) << factor;
    }
    for (const int factor : {OrdinaryFactor, JanbuF0Factor, MorgensternPriceFactor}) {
        EXPECT_TRUE(Text(form_, factor).isEmpty()) << factor;
    }
    EXPECT_FALSE(Text(form_, FailureProbability).isEmpty());

    const QString model = QString::fromStdString((folder.path() / "pasted.vardolin").string());
    ASSERT_TRUE(form_.files().SaveTo(model));
    EXPECT_NE(Contents(folder.path() / "pasted.vardolin").find(R"("spencer, bishop, janbu")"),
              std::string::npos);
    // Changed and opened again: the controls show the file's choices, the results are gone.
    QTest::mouseClick(&Method(SectionMethod::JanbuUncorrected), Qt::LeftButton);
    Pick(Choice(SearchKindField), QStringLiteral("Given circle"));
    dialogs_.unsavedAnswers = {FileDialogs::UnsavedAnswer::Discard};
    ASSERT_TRUE(form_.files().OpenFile(model));
    EXPECT_TRUE(Method(SectionMethod::JanbuUncorrected).isChecked());
    EXPECT_EQ(Choice(Methods).currentText(), "Spencer");
    EXPECT_EQ(Choice(SearchKindField).currentText(), "Grid of centres");
    EXPECT_TRUE(Enabled(CentresPerSide));
    EXPECT_EQ(Text(form_, GroundTable), pasted);
    EXPECT_TRUE(Text(form_, MeanSafetyFactor).isEmpty());

    Click(form_, "Command1");
    ASSERT_FALSE(Text(form_, MeanSafetyFactor).isEmpty());
    const QString csv = QString::fromStdString((folder.path() / "pasted.csv").string());
    ASSERT_TRUE(form_.files().ExportResultsTo(csv));
    const std::string exported = Contents(folder.path() / "pasted.csv");
    EXPECT_NE(exported.find("method,factor,lambda,correction,smallest_m_alpha,flags\r\nspencer,"),
              std::string::npos);
    for (const char* table :
         {"section_slices_spencer", "section_slices_bishop", "section_slices_janbu"}) {
        EXPECT_NE(exported.find(table), std::string::npos) << table;
    }

    const std::filesystem::path pdf = folder.path() / "pasted.pdf";
    ASSERT_TRUE(form_.findChild<ReportActions*>()->ExportReportTo(QString::fromStdString(pdf)));
    const std::string text = folder.path() / "pasted.txt";
    ASSERT_EQ(std::system(("pdftotext -layout '" + pdf.string() + "' '" + text + "'").c_str()), 0);
    const std::string report = Contents(text);
    EXPECT_NE(report.find("Slices of the critical circle by Spencer"), std::string::npos);
    EXPECT_NE(report.find("spencer, bishop, janbu"), std::string::npos);
}

}  // namespace
}  // namespace vardolin::forms

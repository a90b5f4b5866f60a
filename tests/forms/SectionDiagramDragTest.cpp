// SPDX-License-Identifier: MIT
// The Slope Section form's diagram under the pointer: a point of the ground dragged with the
// mouse, its table row following, Undo taking the drag back, and the tooltip following the
// pointer.
#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <QToolTip>
#include <optional>
#include <string>

#include "fields/TableText.h"
#include "forms/DiagramCanvas.h"
#include "forms/EditActions.h"
#include "forms/FormTestSupport.h"
#include "forms/LineEditFields.h"
#include "forms/TableFieldEditor.h"
#include "numerics/NumberText.h"
#include "slope_section/SectionInputs.h"
#include "slope_section/SlopeSectionDescription.h"
#include "slope_section/drawing/SectionDiagram.h"

namespace vardolin::forms {
namespace {

using testing_support::WindowTest;
using namespace section;

class SectionDiagramDrag : public WindowTest {
protected:
    SectionDiagramDrag()
        : form_(navigator().ShowAnalysis(SlopeSection())),
          canvas_(*form_.findChild<DiagramCanvas*>()) {}

    // Where the diagram draws the section's point (x, y) now, to the nearest pixel.
    QPoint Drawn(double x, double y) {
        const LineEditFields fields(form_);
        return SectionDiagramPoint(QRectF(canvas_.rect()), fields, form_.locale(),
                                   form_.diagramTables(), x, y)
            .toPoint();
    }

    // The section's length of one pixel of the diagram as it lies now.
    double PixelLength() {
        const LineEditFields fields(form_);
        const std::optional<SectionVertex> vertex = SectionVertexAt(
            QRectF(canvas_.rect()), Drawn(0, 20), fields, form_.locale(), form_.diagramTables(), 6);
        return vertex ? vertex->toSection.m11() : 0.0;
    }

    // Presses at `from` (unless a drag is on), moves through `through` and releases at the last
    // of them.
    void Drag(QPoint from, std::initializer_list<QPoint> through) {
        if (!canvas_.dragging()) {
            QTest::mousePress(&canvas_, Qt::LeftButton, {}, from);
        }
        EXPECT_TRUE(canvas_.dragging());
        for (const QPoint& at : through) {
            QTest::mouseMove(&canvas_, at);
        }
        QTest::mouseRelease(&canvas_, Qt::LeftButton, {}, *std::rbegin(through));
        EXPECT_FALSE(canvas_.dragging());
    }

    // A cell of the ground table as a number.
    double Ground(std::size_t row, std::size_t column) {
        const std::optional<TableRows> rows =
            ParseTableText(Text(form_, GroundTable).toStdString());
        return rows && row < rows->size() ? TextToDouble((*rows)[row][column]) : -1.0;
    }

    AnalysisForm& form_;
    DiagramCanvas& canvas_;
};

// The default ground: (0, 20), (20, 20), (40, 10), (60, 10). A quick run's results go stale
// while the toe is dragged and come back with Undo, which takes the whole drag back at once.
TEST_F(SectionDiagramDrag, TheGroundsRowFollowsTheDragAndUndoTakesItBack) {
    Type(form_, TrialCount, "20");
    Type(form_, CentresPerSide, "4");
    Type(form_, RadiiPerCentre, "3");
    Click(form_, "Command1");
    ASSERT_FALSE(Text(form_, MeanSafetyFactor).isEmpty())
        << Text(form_, MessageField).toStdString();
    ASSERT_FALSE(form_.resultsAreStale());
    const QString before = Text(form_, GroundTable);
    auto& table = *form_.findChild<TableFieldEditor*>(QStringLiteral("Table%1").arg(GroundTable));
    const int steps = table.undoStack().count();
    auto* undo = form_.findChild<QAction*>(QStringLiteral("UndoAction"));
    const QImage drawn = canvas_.grab().toImage();
    const double pixel = PixelLength();
    ASSERT_GT(pixel, 0.0);

    // The row follows at every move; the table keeps the drag as one step at the release.
    const QPoint toe = Drawn(40, 10);
    QTest::mousePress(&canvas_, Qt::LeftButton, {}, toe);
    EXPECT_EQ(table.grid().currentRow(), 2);
    QTest::mouseMove(&canvas_, toe + QPoint(10, -10));
    EXPECT_NEAR(Ground(2, 0), 40 + 10 * pixel, 0.05 + 1e-9);
    EXPECT_EQ(table.undoStack().count(), steps);
    Drag(toe, {toe + QPoint(20, -15)});
    EXPECT_NEAR(Ground(2, 0), 40 + 20 * pixel, 0.05 + 1e-9);
    EXPECT_NEAR(Ground(2, 1), 10 + 15 * pixel, 0.05 + 1e-9);
    EXPECT_EQ(Ground(1, 0), 20);
    EXPECT_EQ(Ground(3, 0), 60);
    EXPECT_EQ(table.grid().item(2, 0)->text().toDouble(), Ground(2, 0));
    EXPECT_EQ(table.undoStack().count(), steps + 1);
    EXPECT_NE(canvas_.grab().toImage(), drawn);
    EXPECT_TRUE(form_.resultsAreStale());
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Drag Point"));

    ASSERT_TRUE(form_.edit().Undo());
    EXPECT_EQ(Text(form_, GroundTable), before);
    EXPECT_FALSE(form_.resultsAreStale());
    EXPECT_FALSE(undo->isEnabled());
}

// Dragged past the next point, a point stops just short of it, and Ctrl+Z takes it back;
// dragged where it does not move, nothing is kept to undo.
TEST_F(SectionDiagramDrag, APointDraggedPastItsNeighbourStopsShortOfIt) {
    const QString before = Text(form_, GroundTable);
    const QPoint crest = Drawn(20, 20);
    Drag(crest, {crest + QPoint(150, 0)});
    EXPECT_EQ(Text(form_, GroundTable).toStdString(),
              R"([["0","20"],["39.9","20"],["40","10"],["60","10"]])");
    // Ctrl+Z in a text box with no typing of its own to undo.
    QLineEdit* field = Field(form_, TrialCount);
    form_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
    field->setFocus();
    QTest::keySequence(field, QKeySequence::Undo);
    EXPECT_EQ(Text(form_, GroundTable), before);

    const QPoint toe = Drawn(40, 10);
    Drag(toe, {toe});
    EXPECT_FALSE(form_.edit().canUndo());
}

// A change after the drag is not taken back with it: Undo then has nothing of the drag's.
TEST_F(SectionDiagramDrag, AnEditAfterTheDragLeavesItToTheTable) {
    const QPoint toe = Drawn(40, 10);
    Drag(toe, {toe + QPoint(0, -20)});
    ASSERT_TRUE(form_.edit().canUndo());
    Type(form_, TrialCount, "50");
    EXPECT_FALSE(form_.edit().canUndo());
}

// Once shown, the tooltip follows the pointer and reads what lies under it.
TEST_F(SectionDiagramDrag, TheTooltipFollowsThePointer) {
    const auto tip = [this](QPoint at) {
        const LineEditFields fields(form_);
        return DescribeSectionDiagramPoint(QRectF(canvas_.rect()), at, fields, form_.locale(),
                                           form_.units(), form_.diagramTables());
    };
    const QPoint inClay = Drawn(10, 15);
    QHelpEvent help(QEvent::ToolTip, inClay, canvas_.mapToGlobal(inClay));
    QApplication::sendEvent(&canvas_, &help);
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), tip(inClay));
    // With no button held, QTest moves the cursor, which no offscreen window follows.
    const QPoint inAir = Drawn(50, 20);
    QMouseEvent move(QEvent::MouseMove, inAir, canvas_.mapToGlobal(inAir), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&canvas_, &move);
    EXPECT_EQ(QToolTip::text(), tip(inAir));
    EXPECT_NE(QToolTip::text(), tip(inClay));
}

}  // namespace
}  // namespace vardolin::forms

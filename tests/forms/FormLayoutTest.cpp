// SPDX-License-Identifier: MIT
// Where the controls are, what they look like and how the focus moves.
#include <QGroupBox>
#include <QLabel>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTabBar>
#include <iterator>
#include <utility>

#include "critical_circle/CriticalCircleDescription.h"
#include "critical_circle/CriticalCircleFields.h"
#include "forms/FormTestSupport.h"
#include "slope_section/SlopeSectionDescription.h"

namespace vardolin::forms {
namespace {

using testing_support::AnalysisFormCase;
using testing_support::kPlaneFailureForm;
using testing_support::kSliceMethodForm;
using testing_support::WindowTest;

// The rows of the main menu: the catalogue's analyses.
int MenuRows(const AnalysisCatalogue& catalogue) {
    return static_cast<int>(std::distance(catalogue.begin(), catalogue.end()));
}

class FormLayout : public WindowTest {};

// Every named control lies within the widget that contains it. Qt's own parts of a control
// ("qt_scrollarea_hcontainer" of a table's grid, a tab bar's scroll buttons) are placed by Qt,
// outside its view when hidden.
void ExpectEveryControlInsideItsContainer(const QWidget& form) {
    int checked = 0;
    for (const QWidget* control : form.findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || control->objectName().startsWith("qt_") ||
            control->parentWidget() == nullptr ||
            qobject_cast<const QTabBar*>(control->parentWidget()) != nullptr) {
            continue;
        }
        // A tab page takes its tabs' room when it shows, and only then: a page out of sight
        // keeps Qt's first size, so its controls must lie within the room it will take.
        const QWidget* parent = control->parentWidget();
        const auto isStack = [](const QWidget* widget) {
            return widget != nullptr && widget->objectName() == "qt_tabwidget_stackedwidget";
        };
        if (isStack(parent)) {
            continue;
        }
        const QRect inside(QPoint(0, 0), isStack(parent->parentWidget())
                                             ? parent->parentWidget()->size()
                                             : parent->size());
        EXPECT_TRUE(inside.contains(control->geometry()))
            << control->objectName().toStdString() << " " << control->property("index").toInt()
            << " leaves " << control->parentWidget()->objectName().toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

TEST_F(FormLayout, EveryControlLiesInsideItsContainer) {
    ExpectEveryControlInsideItsContainer(navigator().ShowMainMenu());
    for (const AnalysisDescription* analysis : catalogue_) {
        ExpectEveryControlInsideItsContainer(navigator().ShowAnalysis(*analysis).clientArea());
    }
}

TEST_F(FormLayout, ClientAreasHaveTheirDesignSize) {
    // Two rows drawn, and a row of 1800 twips for each analysis below them.
    EXPECT_EQ(navigator().ShowMainMenu().size(),
              QSize(569, 340 + 120 * (MenuRows(catalogue_) - 2)));
    for (const AnalysisDescription* analysis : catalogue_) {
        const AnalysisWindow& window = windows_.Of(analysis->id);
        EXPECT_EQ(
            navigator().ShowAnalysis(*analysis).clientArea().size(),
            QSize(TwipsToPixels(window.clientWidthTwips), TwipsToPixels(window.clientHeightTwips)))
            << analysis->id;
    }
    // The program's own forms at their designed sizes.
    EXPECT_EQ(navigator().ShowAnalysis(CriticalCircle()).clientArea().size(), QSize(1160, 704));
    EXPECT_EQ(navigator().ShowAnalysis(PlaneFailure()).clientArea().size(), QSize(805, 696));
    EXPECT_EQ(navigator().ShowAnalysis(SliceMethod()).clientArea().size(), QSize(807, 704));
}

// Every caption is shown whole: a label's text fits its box, wrapped at most where the box has
// room for a second line; a button's and a frame's caption fit on one line. A label of one line
// need only hold its ink: a caption without descenders, such as a banner in capitals, may lose
// the font's descent below it.
void ExpectEveryCaptionToFit(const QWidget& form) {
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        const QFontMetrics metrics = label->fontMetrics();
        const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 1000),
                                                  Qt::TextWordWrap, label->text());
        const int lines = needed.height() / metrics.lineSpacing();
        if (lines == 1) {
            const int inkBottom =
                metrics.ascent() + metrics.tightBoundingRect(label->text()).bottom();
            EXPECT_LE(inkBottom, label->height()) << label->text().toStdString();
        } else {
            EXPECT_LE(needed.height(), label->height()) << label->text().toStdString();
        }
        if (label->height() < 2 * metrics.lineSpacing()) {
            EXPECT_EQ(lines, 1) << label->text().toStdString();
        }
    }
    for (const QPushButton* button : form.findChildren<QPushButton*>()) {
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, button->width())
            << button->text().toStdString();
    }
    for (const QGroupBox* frame : form.findChildren<QGroupBox*>()) {
        EXPECT_LE(frame->fontMetrics().horizontalAdvance(frame->title()) + 12, frame->width())
            << frame->title().toStdString();
    }
}

TEST_F(FormLayout, EveryCaptionFitsItsControl) {
    ExpectEveryCaptionToFit(navigator().ShowMainMenu());
    for (const AnalysisDescription* analysis : catalogue_) {
        ExpectEveryCaptionToFit(navigator().ShowAnalysis(*analysis));
    }
}

// A unit beside its field fits its label in every system and covers no other control; a pair
// of fields in one row ("Entry x from, to") shows its unit once, after the second.
int ExpectUnitLabelsToFit(AnalysisForm& form) {
    int labels = 0;
    for (const QLabel* unit : form.findChildren<QLabel*>()) {
        if (!unit->objectName().startsWith(QStringLiteral("Unit"))) {
            continue;
        }
        ++labels;
        for (const QString& widest : {QStringLiteral("kN/m³"), QStringLiteral("N/m³")}) {
            EXPECT_LE(unit->fontMetrics().horizontalAdvance(widest), unit->width());
        }
        for (const QWidget* other :
             unit->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (other != unit && other->isVisibleTo(&form)) {
                EXPECT_FALSE(other->geometry().intersects(unit->geometry()))
                    << unit->objectName().toStdString() << " covers "
                    << other->objectName().toStdString();
            }
        }
    }
    return labels;
}

TEST_F(FormLayout, UnitLabelsFitAndCoverNoOtherControl) {
    EXPECT_GT(ExpectUnitLabelsToFit(navigator().ShowAnalysis(SlopeSection())), 10);
    AnalysisForm& form = navigator().ShowAnalysis(CriticalCircle());
    EXPECT_GT(ExpectUnitLabelsToFit(form), 20);
    EXPECT_EQ(FindControl(form, QStringLiteral("Unit%1").arg(critical::EntryXFrom)), nullptr);
    EXPECT_NE(FindControl(form, QStringLiteral("Unit%1").arg(critical::EntryXTo)), nullptr);
}

TEST_F(FormLayout, MenuButtonsLieOverTheFrameAndTakeTheClicks) {
    const MainMenu& menu = navigator().ShowMainMenu();
    const QRect frame = FindControl(menu, "Frame1")->geometry();
    QStringList names{"Command3"};
    for (int row = 0; row < MenuRows(catalogue_); ++row) {
        names << MainMenu::RowButtonName(row);
    }
    for (const QString& name : names) {
        const QWidget* button = FindControl(menu, name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        EXPECT_TRUE(frame.contains(button->geometry())) << name.toStdString();
        EXPECT_EQ(menu.childAt(button->geometry().center()), button) << name.toStdString();
    }
    EXPECT_EQ(FindControl(menu, "Command1")->geometry(), QRect(16, 40, 529, 73));
    EXPECT_EQ(FindControl(menu, "Command4")->geometry(), QRect(16, 280, 529, 73));
    // Exit below the last row.
    EXPECT_EQ(FindControl(menu, "Command3")->geometry(),
              QRect(408, 280 + 120 * (MenuRows(catalogue_) - 2), 129, 41));
}

TEST_F(FormLayout, OverlappingControlsStackAsDesigned) {
    const AnalysisForm& form = navigator().ShowAnalysis(PlaneFailure());
    const auto topmostAt = [&form](const char* name) {
        const QWidget* control = FindControl(form, QString::fromLatin1(name));
        return form.childAt(control->mapTo(&form, control->rect().center()));
    };
    // The message field lies above the frame drawn around it.
    EXPECT_EQ(topmostAt("Text5"), FindControl(form, "Text5"));
    // The statistics frame lies above the required-data frame, which lies above Frame9.
    EXPECT_EQ(topmostAt("Text9"), FindControl(form, "Text9"));
    EXPECT_EQ(topmostAt("Text1"), FindControl(form, "Text1"));
    // The navigation buttons lie above Frame9.
    EXPECT_EQ(topmostAt("Command3"), FindControl(form, "Command3"));
}

// The four "Average :" and "Standard deviation :" labels of the statistics frames.
void ExpectStatisticsLabelArrays(const QWidget& form) {
    const char* const frames[] = {"Frame3", "Frame4", "Frame5", "Frame6"};
    for (int i = 0; i < 4; ++i) {
        const auto* average = FindControlAs<QLabel>(form, "Label10", i);
        const auto* deviation = FindControlAs<QLabel>(form, "Label11", i);
        ASSERT_NE(average, nullptr) << i;
        ASSERT_NE(deviation, nullptr) << i;
        EXPECT_EQ(average->text(), "Average :");
        EXPECT_EQ(deviation->text(), "Standard deviation :");
        EXPECT_EQ(average->parentWidget()->objectName(), frames[i]);
        EXPECT_EQ(deviation->parentWidget(), average->parentWidget());
    }
    EXPECT_EQ(form.findChildren<QLabel*>("Label10").size(), 4);
    EXPECT_EQ(FindControl(form, "Label10"), nullptr) << "an array element needs its index";
}

TEST_F(FormLayout, ControlArraysAreOneNameWithAnIndex) {
    ExpectStatisticsLabelArrays(navigator().ShowAnalysis(PlaneFailure()));
    const AnalysisForm& slice = navigator().ShowAnalysis(SliceMethod());
    ExpectStatisticsLabelArrays(slice);

    // The slice-method form's data frames: "Statistical Data" lies within "Required Data".
    const auto* required = FindControlAs<QGroupBox>(slice, "Frame2", 0);
    const auto* statistical = FindControlAs<QGroupBox>(slice, "Frame2", 1);
    ASSERT_NE(required, nullptr);
    ASSERT_NE(statistical, nullptr);
    EXPECT_EQ(required->title(), "Required Data");
    EXPECT_EQ(statistical->title(), "Statistical Data");
    EXPECT_EQ(statistical->parentWidget(), required);
    EXPECT_EQ(FindControl(slice, "Frame3")->parentWidget(), statistical);
    EXPECT_EQ(FindControl(slice, "Frame7")->parentWidget(), required);
    EXPECT_EQ(FindControl(slice, "Frame2"), nullptr) << "an array element needs its index";
}

TEST_F(FormLayout, FramesAndBannerCarryTheirFontsAndNothingElseInheritsThem) {
    const AnalysisForm& form = navigator().ShowAnalysis(PlaneFailure());
    const auto font = [&form](const char* name) { return FindControl(form, name)->font(); };
    EXPECT_EQ(font("Label1").pixelSize(), 29);
    EXPECT_EQ(font("Frame9").pixelSize(), 13);
    EXPECT_TRUE(font("Frame9").bold());
    EXPECT_EQ(font("Frame1").pixelSize(), 15);
    EXPECT_TRUE(font("Frame2").bold());
    // Controls inside a bold frame use the form's font.
    for (const char* name : {"Label2", "Text1", "Frame7", "Command1", "Frame3", "Text9"}) {
        EXPECT_EQ(font(name), form.font()) << name;
    }
    EXPECT_EQ(form.font().pixelSize(), 11);
    const QString family = QFontInfo(font("Frame1")).family();
    EXPECT_TRUE(family == "Arial" || family == "Liberation Sans") << family.toStdString();
}

// Nothing lies over a text field or a button: a click at its centre reaches it. A hidden one
// (the sampling line of a form with the default choices) takes no click.
void ExpectEveryFieldAndButtonOnTop(const QWidget& form) {
    for (QWidget* control : form.findChildren<QWidget*>()) {
        if (control->window() != &form || !control->isVisibleTo(&form) ||
            (qobject_cast<QLineEdit*>(control) == nullptr &&
             qobject_cast<QPushButton*>(control) == nullptr)) {
            continue;
        }
        EXPECT_EQ(form.childAt(control->mapTo(&form, control->rect().center())), control)
            << control->objectName().toStdString();
    }
}

TEST_F(FormLayout, EveryFieldAndButtonTakesAClickAtItsCentre) {
    ExpectEveryFieldAndButtonOnTop(navigator().ShowMainMenu());
    for (const AnalysisDescription* analysis : catalogue_) {
        ExpectEveryFieldAndButtonOnTop(navigator().ShowAnalysis(*analysis));
    }
}

TEST_F(FormLayout, MessageAndExplanationFieldsArePaleYellow) {
    const QColor paleYellow(255, 255, 192);
    for (const AnalysisFormCase* row : {&kPlaneFailureForm, &kSliceMethodForm}) {
        const QWidget& form = row->show(navigator());
        EXPECT_EQ(Field(form, 5)->palette().color(QPalette::Base), paleYellow) << row->name;
        EXPECT_EQ(Field(form, 7)->palette().color(QPalette::Base), paleYellow) << row->name;
        EXPECT_NE(Field(form, 6)->palette().color(QPalette::Base), paleYellow) << row->name;
    }
}

TEST_F(FormLayout, DiagramIsTheSlopePictureAtItsNaturalSize) {
    const std::pair<const AnalysisFormCase*, QSize> diagrams[] = {
        {&kPlaneFailureForm, QSize(375, 359)},
        {&kSliceMethodForm, QSize(374, 358)},
    };
    for (const auto& [row, size] : diagrams) {
        const auto* image = FindControlAs<QSvgWidget>(row->show(navigator()), "Image1");
        ASSERT_NE(image, nullptr) << row->name;
        ASSERT_TRUE(image->renderer()->isValid()) << row->name;
        EXPECT_EQ(image->renderer()->defaultSize(), size) << row->name;
        EXPECT_EQ(image->size(), size) << row->name;
    }
}

TEST_F(FormLayout, MenuFocusStartsOnPlanMethodAndTabWalksTheButtons) {
    MainMenu& menu = navigator().ShowMainMenu();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
    // The analyses' rows in menu order, then Exit (Command3), and round again.
    QStringList expected;
    for (int row = 0; row < MenuRows(catalogue_); ++row) {
        expected << MainMenu::RowButtonName(row);
    }
    expected << "Command3"
             << "Command1";
    QStringList visited;
    for (qsizetype step = 0; step < expected.size(); ++step) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
}

}  // namespace
}  // namespace vardolin::forms

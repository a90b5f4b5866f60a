// SPDX-License-Identifier: MIT
// Where the controls are, what they look like and how the focus moves.
#include <QGroupBox>
#include <QLabel>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <utility>

#include "forms/FormTestSupport.h"

namespace vardolin::forms {
namespace {

using testing_support::AnalysisForm;
using testing_support::kPlaneFailureForm;
using testing_support::kSliceMethodForm;
using testing_support::WindowTest;

class FormLayout : public WindowTest {};

// Every named control lies within the widget that contains it.
void ExpectEveryControlInsideItsContainer(const QWidget& form) {
    int checked = 0;
    for (const QWidget* control : form.findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || control->parentWidget() == nullptr) {
            continue;
        }
        const QRect inside(QPoint(0, 0), control->parentWidget()->size());
        EXPECT_TRUE(inside.contains(control->geometry()))
            << control->objectName().toStdString() << " " << control->property("index").toInt()
            << " leaves " << control->parentWidget()->objectName().toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

TEST_F(FormLayout, EveryControlLiesInsideItsContainer) {
    ExpectEveryControlInsideItsContainer(navigator().ShowForm1());
    ExpectEveryControlInsideItsContainer(navigator().ShowVardolin());
    ExpectEveryControlInsideItsContainer(navigator().ShowVard2());
}

TEST_F(FormLayout, ClientAreasHaveTheirDesignSize) {
    EXPECT_EQ(navigator().ShowForm1().size(), QSize(569, 340));
    EXPECT_EQ(navigator().ShowVardolin().size(), QSize(805, 696));
    EXPECT_EQ(navigator().ShowVard2().size(), QSize(807, 704));
}

struct PlaceRow {
    const AnalysisForm* form;
    const char* name;
    int index;
    const char* container;
    int containerIndex;
    QRect pixels;  // in the container
};

void PrintTo(const PlaceRow& row, std::ostream* os) {
    *os << row.name;
}

// Rows are named after the control, with the index of an array element: "Label11_3".
struct PlaceRowName {
    std::string operator()(const testing::TestParamInfo<PlaceRow>& row) const {
        const std::string name = row.param.name;
        return row.param.index == kNoIndex ? name : name + "_" + std::to_string(row.param.index);
    }
};

class ControlPlace : public FormLayout, public testing::WithParamInterface<PlaceRow> {};

TEST_P(ControlPlace, ControlSitsInItsContainerAtItsPixelRect) {
    const PlaceRow& row = GetParam();
    const QWidget* control =
        FindControl(row.form->show(navigator()), QString::fromLatin1(row.name), row.index);
    ASSERT_NE(control, nullptr);
    const QWidget* container = control->parentWidget();
    EXPECT_EQ(container->objectName(), QString::fromLatin1(row.container));
    const QVariant containerIndex = container->property("index");
    EXPECT_EQ(containerIndex.isValid() ? containerIndex.toInt() : kNoIndex, row.containerIndex);
    EXPECT_EQ(control->geometry(), row.pixels);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(PlaneFailure, ControlPlace, testing::Values(
    PlaceRow{&kPlaneFailureForm, "Label1", kNoIndex, "Vardolin", kNoIndex, QRect(312, 0, 169, 41)},
    PlaceRow{&kPlaneFailureForm, "Frame9", kNoIndex, "Vardolin", kNoIndex, QRect(16, 40, 777, 641)},
    PlaceRow{&kPlaneFailureForm, "Frame1", kNoIndex, "Vardolin", kNoIndex, QRect(24, 56, 361, 609)},
    PlaceRow{&kPlaneFailureForm, "Frame2", kNoIndex, "Vardolin", kNoIndex, QRect(32, 232, 345, 241)},
    PlaceRow{&kPlaneFailureForm, "Text1", kNoIndex, "Frame1", kNoIndex, QRect(272, 24, 81, 19)},
    PlaceRow{&kPlaneFailureForm, "Text11", kNoIndex, "Frame4", kNoIndex, QRect(64, 14, 65, 19)},
    PlaceRow{&kPlaneFailureForm, "Label11", 3, "Frame6", kNoIndex, QRect(136, 16, 97, 25)},
    PlaceRow{&kPlaneFailureForm, "Command1", kNoIndex, "Frame7", kNoIndex, QRect(200, 80, 121, 73)},
    PlaceRow{&kPlaneFailureForm, "Image1", kNoIndex, "Frame9", kNoIndex, QRect(392, 24, 375, 359)},
    PlaceRow{&kPlaneFailureForm, "Text5", kNoIndex, "Frame9", kNoIndex, QRect(408, 408, 345, 49)},
    PlaceRow{&kPlaneFailureForm, "Command3", kNoIndex, "Vardolin", kNoIndex, QRect(408, 632, 241, 33)}),
    PlaceRowName());

// The slice-method form's frame array Frame2, the second element inside the first and a frame
// inside that; and the message field, which lies inside its frame here.
INSTANTIATE_TEST_SUITE_P(SliceMethod, ControlPlace, testing::Values(
    PlaceRow{&kSliceMethodForm, "Frame2", 0, "Frame1", kNoIndex, QRect(8, 16, 361, 633)},
    PlaceRow{&kSliceMethodForm, "Frame2", 1, "Frame2", 0, QRect(8, 224, 345, 241)},
    PlaceRow{&kSliceMethodForm, "Frame6", kNoIndex, "Frame2", 1, QRect(16, 184, 313, 49)},
    PlaceRow{&kSliceMethodForm, "Text5", kNoIndex, "Frame10", kNoIndex, QRect(16, 16, 345, 49)}),
    PlaceRowName());
// clang-format on

QPoint TopLeftInWindow(const QWidget& form, const char* name, int index = kNoIndex) {
    const QWidget* control = FindControl(form, QString::fromLatin1(name), index);
    return control != nullptr ? control->mapTo(&form, QPoint(0, 0)) : QPoint(-1, -1);
}

// The right column, read in window coordinates: diagram, message, explanation, buttons.
TEST_F(FormLayout, VardolinRightColumnLinesUpInWindowCoordinates) {
    const Vardolin& form = navigator().ShowVardolin();
    const auto topLeft = [&form](const char* name) { return TopLeftInWindow(form, name); };
    EXPECT_EQ(topLeft("Image1"), QPoint(408, 64));
    EXPECT_EQ(topLeft("Frame10"), QPoint(408, 432));
    EXPECT_EQ(topLeft("Text5"), QPoint(424, 448));
    EXPECT_EQ(topLeft("Frame8"), QPoint(408, 512));
    EXPECT_EQ(topLeft("Command3").y(), 632);
}

// Nested three and four frames deep, the slice-method form's columns land where the window's
// design reads them: inputs, statistics and results on the left; diagram, message,
// explanation and buttons on the right.
TEST_F(FormLayout, Vard2ColumnsLineUpInWindowCoordinates) {
    const vard2& form = navigator().ShowVard2();
    EXPECT_EQ(TopLeftInWindow(form, "Frame2", 0), QPoint(16, 56));
    EXPECT_EQ(TopLeftInWindow(form, "Frame2", 1), QPoint(24, 280));
    EXPECT_EQ(TopLeftInWindow(form, "Frame7"), QPoint(24, 520));
    EXPECT_EQ(TopLeftInWindow(form, "Text16"), QPoint(280, 480));
    EXPECT_EQ(TopLeftInWindow(form, "Image1"), QPoint(392, 64));
    EXPECT_EQ(TopLeftInWindow(form, "Frame10"), QPoint(392, 440));
    EXPECT_EQ(TopLeftInWindow(form, "Text5"), QPoint(408, 456));
    EXPECT_EQ(TopLeftInWindow(form, "Frame8"), QPoint(392, 520));
    EXPECT_EQ(TopLeftInWindow(form, "Command2"), QPoint(392, 648));
    EXPECT_EQ(TopLeftInWindow(form, "Command3"), QPoint(656, 648));
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
    ExpectEveryCaptionToFit(navigator().ShowForm1());
    ExpectEveryCaptionToFit(navigator().ShowVardolin());
    ExpectEveryCaptionToFit(navigator().ShowVard2());
}

TEST_F(FormLayout, MenuButtonsLieOverTheFrameAndTakeTheClicks) {
    const Form1& menu = navigator().ShowForm1();
    const QRect frame = FindControl(menu, "Frame1")->geometry();
    for (const char* name : {"Command1", "Command2", "Command3"}) {
        const QWidget* button = FindControl(menu, QString::fromLatin1(name));
        EXPECT_TRUE(frame.contains(button->geometry())) << name;
        EXPECT_EQ(menu.childAt(button->geometry().center()), button) << name;
    }
    EXPECT_EQ(FindControl(menu, "Command1")->geometry(), QRect(16, 40, 529, 73));
    EXPECT_EQ(FindControl(menu, "Command3")->geometry(), QRect(408, 280, 129, 41));
}

TEST_F(FormLayout, OverlappingControlsStackAsDesigned) {
    const Vardolin& form = navigator().ShowVardolin();
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
    ExpectStatisticsLabelArrays(navigator().ShowVardolin());
    const vard2& slice = navigator().ShowVard2();
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
    const Vardolin& form = navigator().ShowVardolin();
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

// Nothing lies over a text field or a button: a click at its centre reaches it.
void ExpectEveryFieldAndButtonOnTop(const QWidget& form) {
    for (QWidget* control : form.findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(control) == nullptr &&
            qobject_cast<QPushButton*>(control) == nullptr) {
            continue;
        }
        EXPECT_EQ(form.childAt(control->mapTo(&form, control->rect().center())), control)
            << control->objectName().toStdString();
    }
}

TEST_F(FormLayout, EveryFieldAndButtonTakesAClickAtItsCentre) {
    ExpectEveryFieldAndButtonOnTop(navigator().ShowForm1());
    ExpectEveryFieldAndButtonOnTop(navigator().ShowVardolin());
    ExpectEveryFieldAndButtonOnTop(navigator().ShowVard2());
}

TEST_F(FormLayout, MessageAndExplanationFieldsArePaleYellow) {
    const QColor paleYellow(255, 255, 192);
    for (const AnalysisForm* row : {&kPlaneFailureForm, &kSliceMethodForm}) {
        const QWidget& form = row->show(navigator());
        EXPECT_EQ(Field(form, 5)->palette().color(QPalette::Base), paleYellow) << row->name;
        EXPECT_EQ(Field(form, 7)->palette().color(QPalette::Base), paleYellow) << row->name;
        EXPECT_NE(Field(form, 6)->palette().color(QPalette::Base), paleYellow) << row->name;
    }
}

TEST_F(FormLayout, DiagramIsTheSlopePictureAtItsNaturalSize) {
    const std::pair<const AnalysisForm*, QSize> diagrams[] = {
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
    Form1& menu = navigator().ShowForm1();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
    QStringList visited;
    for (int step = 0; step < 4; ++step) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, QStringList({"Command1", "Command2", "Command3", "Command1"}));
}

}  // namespace
}  // namespace vardolin::forms

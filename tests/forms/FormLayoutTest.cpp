// SPDX-License-Identifier: MIT
// Where the controls are, what they look like and how the focus moves.
#include <QGroupBox>
#include <QLabel>
#include <QSvgRenderer>
#include <QSvgWidget>

#include "forms/FormTestSupport.h"

namespace vardolin::forms {
namespace {

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
}

TEST_F(FormLayout, ClientAreasHaveTheirDesignSize) {
    EXPECT_EQ(navigator().ShowForm1().size(), QSize(569, 340));
    EXPECT_EQ(navigator().ShowVardolin().size(), QSize(805, 696));
}

struct PlaceRow {
    const char* name;
    int index;
    const char* container;
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

class VardolinPlace : public FormLayout, public testing::WithParamInterface<PlaceRow> {};

TEST_P(VardolinPlace, ControlSitsInItsContainerAtItsPixelRect) {
    const PlaceRow& row = GetParam();
    const QWidget* control =
        FindControl(navigator().ShowVardolin(), QString::fromLatin1(row.name), row.index);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parentWidget()->objectName(), QString::fromLatin1(row.container));
    EXPECT_EQ(control->geometry(), row.pixels);
}

INSTANTIATE_TEST_SUITE_P(
    MainControls, VardolinPlace,
    testing::Values(PlaceRow{"Label1", kNoIndex, "Vardolin", QRect(312, 0, 169, 41)},
                    PlaceRow{"Frame9", kNoIndex, "Vardolin", QRect(16, 40, 777, 641)},
                    PlaceRow{"Frame1", kNoIndex, "Vardolin", QRect(24, 56, 361, 609)},
                    PlaceRow{"Frame2", kNoIndex, "Vardolin", QRect(32, 232, 345, 241)},
                    PlaceRow{"Text1", kNoIndex, "Frame1", QRect(272, 24, 81, 19)},
                    PlaceRow{"Text11", kNoIndex, "Frame4", QRect(64, 14, 65, 19)},
                    PlaceRow{"Label11", 3, "Frame6", QRect(136, 16, 97, 25)},
                    PlaceRow{"Command1", kNoIndex, "Frame7", QRect(200, 80, 121, 73)},
                    PlaceRow{"Image1", kNoIndex, "Frame9", QRect(392, 24, 375, 359)},
                    PlaceRow{"Text5", kNoIndex, "Frame9", QRect(408, 408, 345, 49)},
                    PlaceRow{"Command3", kNoIndex, "Vardolin", QRect(408, 632, 241, 33)}),
    PlaceRowName());

// The right column, read in window coordinates: diagram, message, explanation, buttons.
TEST_F(FormLayout, VardolinRightColumnLinesUpInWindowCoordinates) {
    const Vardolin& form = navigator().ShowVardolin();
    const auto topLeft = [&form](const char* name) {
        const QWidget* control = FindControl(form, QString::fromLatin1(name));
        return control->mapTo(&form, QPoint(0, 0));
    };
    EXPECT_EQ(topLeft("Image1"), QPoint(408, 64));
    EXPECT_EQ(topLeft("Frame10"), QPoint(408, 432));
    EXPECT_EQ(topLeft("Text5"), QPoint(424, 448));
    EXPECT_EQ(topLeft("Frame8"), QPoint(408, 512));
    EXPECT_EQ(topLeft("Command3").y(), 632);
}

// Every caption is shown whole: a label's text fits its box, wrapped at most where the box has
// room for a second line; a button's and a frame's caption fit on one line.
void ExpectEveryCaptionToFit(const QWidget& form) {
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 1000),
                                                               Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.height(), label->height()) << label->text().toStdString();
        const int lines = needed.height() / label->fontMetrics().lineSpacing();
        if (label->height() < 2 * label->fontMetrics().lineSpacing()) {
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

TEST_F(FormLayout, ControlArraysAreOneNameWithAnIndex) {
    const Vardolin& form = navigator().ShowVardolin();
    const char* const frames[] = {"Frame3", "Frame4", "Frame5", "Frame6"};
    for (int i = 0; i < 4; ++i) {
        const auto* average = FindControlAs<QLabel>(form, "Label10", i);
        const auto* deviation = FindControlAs<QLabel>(form, "Label11", i);
        ASSERT_NE(average, nullptr) << i;
        ASSERT_NE(deviation, nullptr) << i;
        EXPECT_EQ(average->text(), "Average :");
        EXPECT_EQ(deviation->text(), "Standard deviation :");
        EXPECT_EQ(average->parentWidget()->objectName(), frames[i]);
    }
    EXPECT_EQ(form.findChildren<QLabel*>("Label10").size(), 4);
    EXPECT_EQ(FindControl(form, "Label10"), nullptr) << "an array element needs its index";
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

TEST_F(FormLayout, MessageAndExplanationFieldsArePaleYellow) {
    const Vardolin& form = navigator().ShowVardolin();
    const QColor paleYellow(255, 255, 192);
    EXPECT_EQ(Field(form, 5)->palette().color(QPalette::Base), paleYellow);
    EXPECT_EQ(Field(form, 7)->palette().color(QPalette::Base), paleYellow);
    EXPECT_NE(Field(form, 6)->palette().color(QPalette::Base), paleYellow);
}

TEST_F(FormLayout, DiagramIsTheSlopePictureAtItsNaturalSize) {
    const auto* image = FindControlAs<QSvgWidget>(navigator().ShowVardolin(), "Image1");
    ASSERT_NE(image, nullptr);
    ASSERT_TRUE(image->renderer()->isValid());
    EXPECT_EQ(image->renderer()->defaultSize(), QSize(375, 359));
    EXPECT_EQ(image->size(), QSize(375, 359));
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

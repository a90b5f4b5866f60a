// SPDX-License-Identifier: MIT
// The wrapped text field on its own: it draws every line of its text and maps the pointer onto
// the line under it, so that a drag or a double click picks what the user sees.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

#include "forms/ControlTable.h"
#include "forms/WrappingTextField.h"

namespace vardolin::forms {
namespace {

const QString kText = QStringLiteral("alpha beta gamma delta epsilon zeta eta theta iota kappa");

class WrappingTextFieldTest : public testing::Test {
protected:
    WrappingTextFieldTest() : field_(&parent_) {
        field_.setFont(FontFor(kFormDefaultFont));
        field_.setGeometry(0, 0, 120, 60);
        field_.setText(kText);
        parent_.resize(120, 60);
    }

    // A point a pixel into the text area, in the middle of line `line` (from 0).
    QPoint LineStart(int line) const {
        const QRect area = field_.textArea();
        const int height = field_.fontMetrics().height();
        return {area.left() + 1, area.top() + height * line + height / 2};
    }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), field_.mapToGlobal(QPointF(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(&field_, &event);
    }

    QWidget parent_;
    WrappingTextField field_;
};

TEST_F(WrappingTextFieldTest, IsReadOnlyAndDrawsLinesBelowTheFirst) {
    EXPECT_TRUE(field_.isReadOnly());
    ASSERT_GT(field_.wrappedTextHeight(), field_.fontMetrics().height());
    const QImage image = field_.grab().toImage();
    const QColor base = field_.palette().color(QPalette::Base);
    const int y = LineStart(1).y();
    int inked = 0;
    for (int x = field_.textArea().left(); x < field_.textArea().right(); ++x) {
        for (int dy = -3; dy <= 3; ++dy) {
            inked += image.pixelColor(x, y + dy) != base ? 1 : 0;
        }
    }
    EXPECT_GT(inked, 0) << "the second line is drawn";
}

TEST_F(WrappingTextFieldTest, DragAndDoubleClickPickTheTextOfTheLineUnderThePointer) {
    // From the start of the first line to the start of the second: the whole first line, which
    // a single line edit would read as an empty selection.
    Send(QEvent::MouseButtonPress, LineStart(0), Qt::LeftButton);
    Send(QEvent::MouseMove, LineStart(1), Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, LineStart(1), Qt::NoButton);
    const QString firstLine = field_.selectedText();
    ASSERT_FALSE(firstLine.isEmpty());
    EXPECT_EQ(field_.selectionStart(), 0);
    EXPECT_TRUE(kText.startsWith(firstLine));
    EXPECT_TRUE(firstLine.endsWith(QLatin1Char(' '))) << "a line breaks after a word";
    EXPECT_LT(firstLine.size(), kText.size());

    // The first word of the second line.
    Send(QEvent::MouseButtonDblClick, LineStart(1), Qt::LeftButton);
    const QString second = kText.mid(firstLine.size());
    EXPECT_EQ(field_.selectedText(), second.left(second.indexOf(QLatin1Char(' '))));
}

}  // namespace
}  // namespace vardolin::forms

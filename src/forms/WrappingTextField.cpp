// SPDX-License-Identifier: MIT
#include "forms/WrappingTextField.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>

namespace vardolin::forms {

namespace {

// The gaps a line edit keeps between its contents and its text.
constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;

// Lays `text` out in lines of `width` pixels, breaking at words (within a word too long for a
// line); returns the height of the lines.
qreal LayOut(QTextLayout& layout, const QString& text, const QFont& font, int width) {
    layout.setText(text);
    layout.setFont(font);
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}

}  // namespace

WrappingTextField::WrappingTextField(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
}

QRect WrappingTextField::textArea() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    return contents.marginsRemoved(textMargins())
        .adjusted(kHorizontalMargin, kVerticalMargin, -kHorizontalMargin, -kVerticalMargin);
}

int WrappingTextField::wrappedTextHeight() const {
    QTextLayout layout;
    return static_cast<int>(std::ceil(LayOut(layout, text(), font(), textArea().width())));
}

void WrappingTextField::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);

    const QRect area = textArea();
    QTextLayout layout;
    LayOut(layout, text(), font(), area.width());
    QList<QTextLayout::FormatRange> selection;
    if (hasSelectedText()) {
        QTextLayout::FormatRange range;
        range.start = selectionStart();
        range.length = selectionLength();
        range.format.setBackground(palette().brush(QPalette::Highlight));
        range.format.setForeground(palette().brush(QPalette::HighlightedText));
        selection.append(range);
    }
    painter.setClipRect(area);
    painter.setPen(palette().color(QPalette::Text));
    layout.draw(&painter, area.topLeft(), selection);
}

int WrappingTextField::positionAt(QPoint point) const {
    const QRect area = textArea();
    QTextLayout layout;
    LayOut(layout, text(), font(), area.width());
    const QPointF local = point - area.topLeft();
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (local.y() < line.y() + line.height() || i == layout.lineCount() - 1) {
            return line.xToCursor(local.x());
        }
    }
    return 0;
}

void WrappingTextField::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    anchor_ = positionAt(event->position().toPoint());
    setCursorPosition(anchor_);
    update();
}

void WrappingTextField::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) == 0) {
        QLineEdit::mouseMoveEvent(event);
        return;
    }
    const int position = positionAt(event->position().toPoint());
    setSelection(anchor_, position - anchor_);
    update();
}

void WrappingTextField::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLineEdit::mouseDoubleClickEvent(event);
        return;
    }
    // The word under the pointer, found in the wrapped layout rather than the single line.
    const QString whole = text();
    int start =
        std::clamp(positionAt(event->position().toPoint()), 0, static_cast<int>(whole.size()));
    int end = start;
    while (start > 0 && !whole[start - 1].isSpace()) {
        --start;
    }
    while (end < whole.size() && !whole[end].isSpace()) {
        ++end;
    }
    anchor_ = start;
    setSelection(start, end - start);
    update();
}

}  // namespace vardolin::forms

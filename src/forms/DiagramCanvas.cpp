// SPDX-License-Identifier: MIT
#include "forms/DiagramCanvas.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "forms/AnalysisForm.h"
#include "forms/EditActions.h"
#include "forms/LineEditFields.h"
#include "forms/TableFieldEditor.h"

namespace vardolin::forms {

DiagramCanvas::DiagramCanvas(QWidget& picture, AnalysisForm& form)
    : QWidget(&picture), form_(form) {
    setGeometry(picture.rect());
    // The tooltip and the hand over a point follow the pointer without a button held.
    setMouseTracking(form.window().describeDiagramPoint != nullptr ||
                     form.window().pointAt != nullptr);
}

QString DiagramCanvas::TipAt(const QPointF& at) const {
    QString text;
    if (const auto describe = form_.window().describeDiagramPoint) {
        const LineEditFields fields(form_);
        text = describe(QRectF(rect()), at, fields, form_.locale(), form_.units(),
                        form_.diagramTables());
    }
    return text.isEmpty() ? parentWidget()->toolTip() : text;
}

bool DiagramCanvas::ShowTip(const QPoint& at, const QPoint& global) {
    const QString text = TipAt(at);
    if (text.isEmpty()) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(global, text, this);
    return true;
}

bool DiagramCanvas::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QWidget::event(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    if (!ShowTip(help->pos(), help->globalPos())) {
        event->ignore();
    }
    return true;
}

void DiagramCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const LineEditFields fields(form_);
    form_.window().drawDiagram(painter, QRectF(rect()), fields, form_.locale(), form_.units(),
                               form_.diagramTables());
}

TableFieldEditor* DiagramCanvas::Table(int field) const {
    return form_.findChild<TableFieldEditor*>(QStringLiteral("Table%1").arg(field));
}

std::optional<DraggablePoint> DiagramCanvas::PointAt(const QPointF& at) const {
    const AnalysisWindow& window = form_.window();
    if (window.pointAt == nullptr || window.movePoint == nullptr) {
        return std::nullopt;
    }
    const LineEditFields fields(form_);
    return window.pointAt(QRectF(rect()), at, fields, form_.locale(), form_.diagramTables());
}

void DiagramCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || drag_) {
        QWidget::mousePressEvent(event);
        return;
    }
    drag_ = PointAt(event->position());
    if (!drag_) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressedAt_ = event->position();
    before_ = LineEditFields(form_).text(drag_->field);
    // The row in sight, to watch it follow.
    if (auto* table = Table(drag_->field)) {
        table->grid().setCurrentCell(drag_->row, 0);
    }
    setCursor(Qt::ClosedHandCursor);
    event->accept();
}

void DiagramCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (drag_) {
        MoveTo(event->position());
    } else if (PointAt(event->position())) {
        setCursor(Qt::OpenHandCursor);
    } else {
        unsetCursor();
    }
    if (drag_ || QToolTip::isVisible()) {
        ShowTip(event->position().toPoint(), event->globalPosition().toPoint());
    }
    event->accept();
}

void DiagramCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (!drag_ || event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    MoveTo(event->position());
    FinishDrag();
    event->accept();
}

void DiagramCanvas::MoveTo(const QPointF& at) {
    const QTransform& toModel = drag_->toModel;
    const QPointF to = drag_->position + (toModel.map(at) - toModel.map(pressedAt_));
    LineEditFields fields(form_);
    const std::optional<std::string> text =
        form_.window().movePoint(*drag_, to, fields, form_.locale());
    if (!text || *text == fields.text(drag_->field)) {
        return;
    }
    // Through the table's editor, which keeps its history for the one step the drag makes.
    // Either way the field's text changes as typing changes it: the diagram redraws and the
    // results of another section are muted.
    if (auto* table = Table(drag_->field)) {
        table->Apply(*text);
    } else {
        fields.setText(drag_->field, *text);
    }
}

void DiagramCanvas::FinishDrag() {
    const int field = drag_->field;
    drag_.reset();
    setCursor(Qt::OpenHandCursor);
    auto* table = Table(field);
    if (table != nullptr && table->RecordChange(tr("Drag Point"), before_)) {
        form_.edit().RememberDrag(*table);
    }
}

}  // namespace vardolin::forms

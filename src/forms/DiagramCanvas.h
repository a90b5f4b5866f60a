// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>

#include "forms/AnalysisWindow.h"

namespace vardolin::forms {

class AnalysisForm;
class TableFieldEditor;

// The diagram of a form whose window draws one, over the picture it replaces and at its size.
//
// The pointer reads it: the tooltip says what lies under the pointer, where the analysis says
// (the picture's own tooltip elsewhere), and once shown follows the pointer. Where the analysis
// offers points to drag (AnalysisWindow::pointAt), the pointer over one shows an open hand;
// pressed, it takes the point along, and the point's table row follows at every move. The
// drag goes into the table's history as one step, which Edit > Undo takes back.
class DiagramCanvas final : public QWidget {
    Q_OBJECT

public:
    DiagramCanvas(QWidget& picture, AnalysisForm& form);

    // Whether a drag holds a point.
    bool dragging() const { return drag_.has_value(); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString TipAt(const QPointF& at) const;
    bool ShowTip(const QPoint& at, const QPoint& global);
    std::optional<DraggablePoint> PointAt(const QPointF& at) const;
    // The editor of a table field, or nullptr.
    TableFieldEditor* Table(int field) const;
    void MoveTo(const QPointF& at);
    void FinishDrag();

    AnalysisForm& form_;
    std::optional<DraggablePoint> drag_;
    QPointF pressedAt_;
    std::string before_;  // the dragged point's table as the press found it
};

}  // namespace vardolin::forms

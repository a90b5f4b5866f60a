// SPDX-License-Identifier: MIT
#include "forms/FieldTooltips.h"

#include <QHelpEvent>
#include <QLineEdit>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTextDocument>
#include <QToolTip>

#include "analysis/Tooltips.h"
#include "forms/ControlTable.h"
#include "forms/LineEditFields.h"

namespace vardolin::forms {

namespace {

// Rich text, so that a long meaning wraps instead of running across the screen.
QString TooltipText(const std::string& plain) {
    return Qt::convertFromPlainText(QString::fromStdString(plain), Qt::WhiteSpaceNormal);
}

// Shows the tooltip of the labelled quantity under the pointer, for as long as the pointer
// stays on its label. The diagram may be drawn larger or smaller than the picture it comes
// from, so positions are taken back to the picture's own pixels.
class DiagramTooltips final : public QObject {
public:
    DiagramTooltips(const AnalysisDescription& analysis, QSvgWidget& diagram)
        : QObject(&diagram), analysis_(analysis), diagram_(diagram) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &diagram_ || event->type() != QEvent::ToolTip) {
            return false;
        }
        const auto* help = static_cast<QHelpEvent*>(event);
        const QRectF box = diagram_.renderer()->viewBoxF();
        if (box.isEmpty() || diagram_.width() <= 0 || diagram_.height() <= 0) {
            return false;
        }
        const double scaleX = diagram_.width() / box.width();
        const double scaleY = diagram_.height() / box.height();
        const DiagramLabel* label = DiagramLabelAt(analysis_, box.x() + help->pos().x() / scaleX,
                                                   box.y() + help->pos().y() / scaleY);
        if (label == nullptr) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        const QRectF labelBox((label->x - box.x()) * scaleX, (label->y - box.y()) * scaleY,
                              label->width * scaleX, label->height * scaleY);
        QToolTip::showText(help->globalPos(), TooltipText(DiagramTooltip(analysis_, *label)),
                           &diagram_, labelBox.toAlignedRect());
        return true;
    }

private:
    const AnalysisDescription& analysis_;
    QSvgWidget& diagram_;
};

}  // namespace

void ApplyFieldTooltips(QWidget& form, const AnalysisDescription& analysis, UnitSystem units) {
    for (const FieldFact& field : analysis.fields) {
        if (QLineEdit* control = FieldControl(form, field.number)) {
            control->setToolTip(TooltipText(FieldTooltip(field, units)));
        }
    }
}

void ApplyTooltips(QWidget& form, const AnalysisDescription& analysis) {
    ApplyFieldTooltips(form, analysis, DefaultUnits(analysis));
    if (auto* diagram = FindControlAs<QSvgWidget>(form, QStringLiteral("Image1"))) {
        diagram->installEventFilter(new DiagramTooltips(analysis, *diagram));
    }
}

}  // namespace vardolin::forms

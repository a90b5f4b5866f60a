// SPDX-License-Identifier: MIT
#include "forms/ChoiceFields.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>

#include "forms/LineEditFields.h"

namespace vardolin::forms {

namespace {

// Keeps the stand-in's tooltip that of the text box, which the form rewrites when its units
// change.
class TooltipFollower final : public QObject {
public:
    TooltipFollower(QLineEdit& value, QWidget& control) : QObject(&control), control_(&control) {
        value.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTipChange && control_ != nullptr) {
            control_->setToolTip(static_cast<QWidget*>(watched)->toolTip());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> control_;
};

}  // namespace

int ChoiceOf(std::span<const FieldChoice> choices, const QString& text) {
    const QString trimmed = text.trimmed();
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const QString choice = QString::fromUtf8(choices[i].text.data(),
                                                 static_cast<qsizetype>(choices[i].text.size()));
        if (trimmed.compare(choice, Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void StandIn(QLineEdit& value, QWidget& control) {
    control.setParent(value.parentWidget());
    control.setGeometry(value.geometry());
    control.setFont(value.font());
    control.setToolTip(value.toolTip());
    new TooltipFollower(value, control);
    control.show();
    value.hide();
    // The control takes the text box's turn before the box hands its focus on, or the chain
    // would run from the control to itself.
    QWidget::setTabOrder(&value, &control);
    value.setFocusPolicy(Qt::NoFocus);
    value.setFocusProxy(&control);
}

QComboBox* AttachChoiceField(QWidget& form, int field, std::span<const FieldChoice> choices) {
    QLineEdit* value = FieldControl(form, field);
    Q_ASSERT_X(value != nullptr, "AttachChoiceField", "a field's text box");
    auto* combo = new QComboBox(value->parentWidget());
    combo->setObjectName(QStringLiteral("Choice%1").arg(field));
    for (const FieldChoice& choice : choices) {
        combo->addItem(QString::fromUtf8(choice.caption));
    }
    StandIn(*value, *combo);
    const auto show = [combo, choices](const QString& text) {
        combo->setCurrentIndex(ChoiceOf(choices, text));
    };
    show(value->text());
    QObject::connect(value, &QLineEdit::textChanged, combo, show);
    QObject::connect(combo, &QComboBox::activated, value, [value, choices](int index) {
        const std::string_view text = choices[static_cast<std::size_t>(index)].text;
        value->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    });
    return combo;
}

}  // namespace vardolin::forms

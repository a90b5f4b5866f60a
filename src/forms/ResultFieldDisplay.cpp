// SPDX-License-Identifier: MIT
#include "forms/ResultFieldDisplay.h"

#include <QHelpEvent>
#include <QLineEdit>
#include <QTextDocument>
#include <QToolTip>

#include "fields/FieldDisplay.h"

namespace vardolin::forms {

ResultFieldDisplay::ResultFieldDisplay(QLineEdit& field, FieldDisplay display,
                                       const NumberLocale& locale)
    : QObject(&field), field_(field), display_(display), locale_(locale), written_(field.text()) {
    field.installEventFilter(this);
    // What the user types into the field is its whole text.
    connect(&field, &QLineEdit::textEdited, this, [this](const QString& text) { written_ = text; });
    Show();
}

ResultFieldDisplay* ResultFieldDisplay::Of(const QLineEdit& field) {
    return field.findChild<ResultFieldDisplay*>(QString(), Qt::FindDirectChildrenOnly);
}

void ResultFieldDisplay::SetWrittenText(const QString& text) {
    written_ = text;
    Show();
}

void ResultFieldDisplay::Show() {
    const QString shown =
        field_.hasFocus()
            ? written_
            : QString::fromStdString(ShownText(written_.toStdString(), display_, locale_));
    if (field_.text() != shown) {
        field_.setText(shown);
    }
    field_.setCursorPosition(0);
}

bool ResultFieldDisplay::eventFilter(QObject* watched, QEvent* event) {
    // A field being destroyed is no line edit any more, and may still lose the focus.
    if (qobject_cast<QLineEdit*>(watched) == nullptr) {
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            // The application's focus has moved already; the field handles the event after this.
            Show();
            break;
        case QEvent::ToolTip:
            if (!written_.isEmpty() && written_ != field_.text()) {
                const auto* help = static_cast<QHelpEvent*>(event);
                const QString own = field_.toolTip();
                QString tip = QStringLiteral("<p>%1</p>").arg(written_.toHtmlEscaped());
                if (!own.isEmpty()) {
                    tip += Qt::mightBeRichText(own)
                               ? own
                               : Qt::convertFromPlainText(own, Qt::WhiteSpaceNormal);
                }
                QToolTip::showText(help->globalPos(), tip, &field_);
                return true;
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vardolin::forms

// SPDX-License-Identifier: MIT
#include "forms/LineEditFields.h"

#include <QRegularExpression>
#include <stdexcept>

#include "forms/ControlTable.h"
#include "forms/ResultFieldDisplay.h"

namespace vardolin::forms {

LineEditFields::LineEditFields(const QWidget& form) {
    static const QRegularExpression kFieldName(QStringLiteral("^Text([0-9]+)$"));
    for (QLineEdit* edit : form.findChildren<QLineEdit*>()) {
        const QRegularExpressionMatch match = kFieldName.match(edit->objectName());
        if (match.hasMatch()) {
            fields_[match.captured(1).toInt()] = edit;
        }
    }
}

std::string LineEditFields::text(int number) const {
    const QLineEdit& edit = field(number);
    if (const ResultFieldDisplay* display = ResultFieldDisplay::Of(edit)) {
        return display->writtenText().toStdString();
    }
    return edit.text().toStdString();
}

void LineEditFields::setText(int number, std::string_view text) {
    QLineEdit& edit = field(number);
    const QString whole = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (ResultFieldDisplay* display = ResultFieldDisplay::Of(edit)) {
        display->SetWrittenText(whole);
        return;
    }
    edit.setText(whole);
    // Its start, as a sign or the first words of a long message are what matter.
    edit.setCursorPosition(0);
}

QLineEdit& LineEditFields::field(int number) const {
    const auto found = fields_.find(number);
    if (found == fields_.end() || found->second.isNull()) {
        throw std::out_of_range("no text field Text" + std::to_string(number));
    }
    return *found->second;
}

QLineEdit* FieldControl(const QWidget& form, int number) {
    return FindControlAs<QLineEdit>(form, QStringLiteral("Text%1").arg(number));
}

}  // namespace vardolin::forms

// SPDX-License-Identifier: MIT
#include "forms/LineEditFields.h"

#include <QRegularExpression>
#include <stdexcept>

#include "forms/ControlTable.h"

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
    return field(number).text().toStdString();
}

void LineEditFields::setText(int number, std::string_view text) {
    field(number).setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
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

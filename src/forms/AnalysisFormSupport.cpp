// SPDX-License-Identifier: MIT
#include "forms/AnalysisFormSupport.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

#include "forms/ControlTable.h"
#include "forms/LineEditFields.h"
#include "numerics/RunTimeError.h"

namespace vardolin::forms {

namespace {

// Shows the busy pointer for as long as it lives, however the run ends.
class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace

bool Calculate(QWidget& form, int messageField, const std::function<void(LineEditFields&)>& run) {
    LineEditFields fields(form);
    const BusyPointer busy;
    try {
        run(fields);
        return true;
    } catch (const RunTimeError& error) {
        fields.setText(messageField, error.message());
        return false;
    }
}

void ClearFields(QWidget& form, std::span<const int> order) {
    LineEditFields fields(form);
    for (const int field : order) {
        fields.setText(field, "");
    }
}

void MarkNoteFields(QWidget& form, std::initializer_list<int> fields) {
    const QColor paleYellow(255, 255, 192);
    for (const int number : fields) {
        QWidget* field = FindControl(form, QStringLiteral("Text%1").arg(number));
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, paleYellow);
        field->setPalette(palette);
    }
}

}  // namespace vardolin::forms

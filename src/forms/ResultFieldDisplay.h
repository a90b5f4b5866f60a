// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include "fields/FieldFacts.h"
#include "numerics/NumberText.h"

class QLineEdit;

namespace vardolin::forms {

// A result field that shows its figure rounded (FieldDisplay) while it keeps the text its run
// wrote. With the focus in it, the field shows that text whole, so that Copy copies every digit;
// its tooltip begins with it. LineEditFields reads and writes the whole text through it.
class ResultFieldDisplay final : public QObject {
    Q_OBJECT

public:
    // A child of `field`; `locale` outlives it.
    ResultFieldDisplay(QLineEdit& field, FieldDisplay display, const NumberLocale& locale);

    // The display of a field, or nullptr for a field that shows its text as written.
    static ResultFieldDisplay* Of(const QLineEdit& field);

    const QString& writtenText() const { return written_; }
    void SetWrittenText(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Show();

    QLineEdit& field_;
    FieldDisplay display_;
    const NumberLocale& locale_;
    QString written_;
};

}  // namespace vardolin::forms

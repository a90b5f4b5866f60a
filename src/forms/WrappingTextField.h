// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>
#include <QRect>

namespace vardolin::forms {

// A read-only text field that shows its whole text, wrapped at word boundaries over as many lines
// as its box holds, for a long verdict or caution. It stays a line edit for everything else:
// LineEditFields reads and writes it, the form mutes it, Copy copies its selection, and it takes
// the focus and its tooltip like any other text field. Only its drawing and the mapping of the
// mouse onto its text differ.
class WrappingTextField final : public QLineEdit {
    Q_OBJECT

public:
    explicit WrappingTextField(QWidget* parent);

    // The box the text is drawn in, inside the frame and margins.
    QRect textArea() const;
    // The height the text takes, wrapped to the width of textArea() at the field's font.
    int wrappedTextHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The text position under `point`, in widget coordinates.
    int positionAt(QPoint point) const;

    int anchor_ = 0;
};

}  // namespace vardolin::forms

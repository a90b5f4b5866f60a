// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "report/Plots.h"

namespace vardolin::forms {

// A plot of the results window: it paints its plot over the whole of itself, on white, with the
// same painter function the report prints it with (report/Plots.h).
class PlotCanvas final : public QWidget {
public:
    explicit PlotCanvas(QWidget* parent);

    // The plot to paint; none leaves the canvas white.
    void SetPaint(report::PlotPaint paint);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    report::PlotPaint paint_;
};

}  // namespace vardolin::forms

// SPDX-License-Identifier: MIT
#include "forms/PlotCanvas.h"

#include <QPainter>

namespace vardolin::forms {

PlotCanvas::PlotCanvas(QWidget* parent) : QWidget(parent) {
    setMinimumSize(620, 420);
}

void PlotCanvas::SetPaint(report::PlotPaint paint) {
    paint_ = std::move(paint);
    update();
}

void PlotCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    report::PaintOnWhite(painter, rect(), paint_);
}

}  // namespace vardolin::forms

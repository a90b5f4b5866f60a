// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QPainter;
class QRectF;

namespace vardolin::report {

// Draws a form's diagram from its inputs and its last run into an area of a page, for an
// analysis whose window draws its diagram instead of showing a picture. Empty: none to draw.
using DiagramPainter = std::function<void(QPainter& painter, const QRectF& area)>;

}  // namespace vardolin::report

// SPDX-License-Identifier: MIT
#pragma once

class QPainter;
class QRectF;

namespace vardolin {
class FieldTexts;
class KeptTables;
}  // namespace vardolin

namespace vardolin::critical {

// The form's diagram, drawn from its inputs and its last run: the slope, the grid of centres
// (each coloured by its lowest factor, with the colour scale), the critical circle with its
// slices and its centre. Inputs that do not convert leave out what needs them.
void DrawCriticalCircleDiagram(QPainter& painter, const QRectF& area, const FieldTexts& fields,
                               KeptTables& kept);

}  // namespace vardolin::critical

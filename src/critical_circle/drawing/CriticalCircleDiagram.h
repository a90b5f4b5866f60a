// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>
#include <QString>

#include "fields/UnitSystem.h"

class QPainter;
class QRectF;

namespace vardolin {
class FieldTexts;
class KeptTables;
struct NumberLocale;
}  // namespace vardolin

namespace vardolin::critical {

// The form's diagram, drawn from its inputs and its last run: the slope, the grid of centres
// (each coloured by its lowest factor, with the colour scale), the critical circle with its
// slices and its centre, with axes in the length unit of the system `units`. Inputs that do not
// convert leave out what needs them.
void DrawCriticalCircleDiagram(QPainter& painter, const QRectF& area, const FieldTexts& fields,
                               const NumberLocale& locale, UnitSystem units, KeptTables& kept);

// What the diagram shows at the point `at` of `area`, for its tooltip: the critical circle at
// its centre, a centre of the grid with its lowest factor; empty elsewhere.
QString DescribeCriticalCircleDiagramPoint(const QRectF& area, const QPointF& at,
                                           const FieldTexts& fields, const NumberLocale& locale,
                                           UnitSystem units, KeptTables& kept);

// Where the diagram draws the point (x, y) of the slope's frame.
QPointF CriticalCircleDiagramPoint(const QRectF& area, const FieldTexts& fields,
                                   const NumberLocale& locale, KeptTables& kept, double x,
                                   double y);

}  // namespace vardolin::critical

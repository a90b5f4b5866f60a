// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <QTransform>
#include <cstddef>
#include <optional>
#include <string>

#include "fields/UnitSystem.h"

class QPainter;
class QRectF;

namespace vardolin {
class FieldTexts;
class KeptTables;
struct NumberLocale;
}  // namespace vardolin

namespace vardolin::report {
struct AnalysisDrawing;
}  // namespace vardolin::report

namespace vardolin::section {

// The section's diagram, drawn to scale from its inputs (ReadSectionInputs) and its last run
// (SectionKeptTables), with axes in the length unit of the system `units`:
//   - each layer filled in its soil's colour down to a level below the section's lowest point,
//     an impenetrable soil hatched, and a legend of the soils;
//   - the piezometric line, with the water ponded above the ground;
//   - the pressures as rows of arrows, the line loads as arrows at their angle, kh as an arrow
//     toward the sliding with its value;
//   - before a run, the circle given to check;
//   - after a run, the search's grid of centres (or its entry and exit ranges), its lowest
//     circles shaded by their factor, the overall slope's failed trials' surfaces thin and
//     translucent, and the critical surface over them with its slices and the factor of each
//     chosen method.
// Inputs that cannot be read draw nothing but the reason, centred.
void DrawSectionDiagram(QPainter& painter, const QRectF& area, const FieldTexts& fields,
                        const NumberLocale& locale, UnitSystem units, KeptTables& kept);

// What the diagram shows at the point `at` of `area`, for its tooltip: the point's coordinates,
// the soil (or the ponded water) there and, within the critical surface's sliding mass, the
// figures of its slice by the first chosen method, each with its unit in the system `units`.
// Empty off the section's picture, or where the inputs cannot be read.
QString DescribeSectionDiagramPoint(const QRectF& area, const QPointF& at, const FieldTexts& fields,
                                    const NumberLocale& locale, UnitSystem units, KeptTables& kept);

// Where the diagram draws the point (x, y) of the section; the area's centre where the inputs
// cannot be read.
QPointF SectionDiagramPoint(const QRectF& area, const FieldTexts& fields,
                            const NumberLocale& locale, KeptTables& kept, double x, double y);

// A point of the section's lines as the diagram takes it under the pointer: row `row` (from 0) of
// the table `field` (the ground, the boundaries, the piezometric line or the given surface), at
// (x, y).
struct SectionVertex {
    int field = 0;
    int row = 0;
    double x = 0.0;
    double y = 0.0;
    // From the picture's pixels to the section's coordinates, as the diagram lay when the point
    // was taken: a drag measures the pointer's travel by it, however the picture rescales.
    QTransform toSection;
    int decimals = 0;  // as many as a pixel of the diagram tells
};

// The point of the ground, a boundary, the piezometric line or the given surface (one the diagram
// draws) nearest
// to `at`, within `reach` pixels of it; the ground's first where two lie equally near. Nothing
// where none lies so near, or where the inputs cannot be read.
std::optional<SectionVertex> SectionVertexAt(const QRectF& area, const QPointF& at,
                                             const FieldTexts& fields, const NumberLocale& locale,
                                             KeptTables& kept, double reach);

// The text of the table of `vertex` with its point moved to (x, y), each coordinate rounded to
// the vertex's decimals in the user's number format, or left as typed where it moves by less.
// x stays strictly between the x of the points beside it on its line. Where the moved point
// would leave a section the inputs refuse (a boundary above the one over it, the piezometric
// line beyond the ground's ends), only the coordinate that keeps it readable moves. Nothing
// where neither can, or where the inputs cannot be read.
std::optional<std::string> MoveSectionVertex(const SectionVertex& vertex, double x, double y,
                                             const FieldTexts& fields, const NumberLocale& locale);

// The colour the diagram fills a soil with, by its row of the soils table.
QColor SectionSoilColour(std::size_t soil);
// The colour of the water ponded above the ground.
QColor PondedWaterColour();

}  // namespace vardolin::section

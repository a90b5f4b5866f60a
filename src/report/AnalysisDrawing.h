// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <span>
#include <string_view>

#include "fields/UnitSystem.h"
#include "report/DiagramPainter.h"

class QPainter;
class QPointF;
class QRectF;

namespace vardolin {
class FieldTexts;
class KeptTables;
struct NumberLocale;
struct RunReport;
}  // namespace vardolin

namespace vardolin::report {

// An analysis's diagram drawn with a painter from its form's texts and the tables of its last
// run, in place of a picture: what its window shows and its report prints. Kept in the drawing
// part of its folder (Qt GUI, no widgets), which the windows and the runner link.
struct AnalysisDrawing {
    std::string_view id;  // the analysis it draws: "critical_circle"
    // Draws the diagram in `area`, its lengths in the units of the system `units`.
    void (*draw)(QPainter& painter, const QRectF& area, const FieldTexts& fields,
                 const NumberLocale& locale, UnitSystem units, KeptTables& kept) = nullptr;
    // What the diagram shows at the point `at` of `area`, for its tooltip, in the units of the
    // system `units`; empty: nothing there.
    QString (*describePoint)(const QRectF& area, const QPointF& at, const FieldTexts& fields,
                             const NumberLocale& locale, UnitSystem units,
                             KeptTables& kept) = nullptr;
};

// The drawings of the analyses a program offers, found by their analysis's id.
class DrawingCatalogue {
public:
    // `drawings` must outlive the catalogue.
    explicit DrawingCatalogue(std::span<const AnalysisDrawing* const> drawings)
        : drawings_(drawings) {}

    // The drawing of an analysis; none for one whose form shows a picture.
    const AnalysisDrawing* Find(std::string_view id) const;

private:
    std::span<const AnalysisDrawing* const> drawings_;
};

// The report's diagram as `drawing` draws it from the report's texts and tables; none without a
// drawing. The painter keeps its own copy of what it draws from.
DiagramPainter DiagramOf(const AnalysisDrawing* drawing, const RunReport& run);

}  // namespace vardolin::report

// SPDX-License-Identifier: MIT
#include "report/AnalysisDrawing.h"

#include <memory>

#include "files/RunReport.h"

namespace vardolin::report {

const AnalysisDrawing* DrawingCatalogue::Find(std::string_view id) const {
    for (const AnalysisDrawing* drawing : drawings_) {
        if (drawing->id == id) {
            return drawing;
        }
    }
    return nullptr;
}

DiagramPainter DiagramOf(const AnalysisDrawing* drawing, const RunReport& run) {
    if (drawing == nullptr || drawing->draw == nullptr) {
        return {};
    }
    // The drawing may fill in tables it finds missing: it gets a copy of its own.
    const auto copy = std::make_shared<RunReport>(run);
    return [draw = drawing->draw, copy](QPainter& painter, const QRectF& area) {
        draw(painter, area, copy->texts, copy->locale,
             copy->units.value_or(DefaultUnits(*copy->analysis)), copy->kept);
    };
}

}  // namespace vardolin::report

// SPDX-License-Identifier: MIT
#include "slope_section/drawing/SectionDiagram.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <limits>
#include <numbers>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "analysis/KeptTables.h"
#include "fields/FieldTexts.h"
#include "fields/TableText.h"
#include "numerics/NumberText.h"
#include "slope_section/PreparedSection.h"
#include "slope_section/SectionInputReader.h"
#include "slope_section/SectionInputs.h"
#include "slope_section/SectionKeptTables.h"

namespace vardolin::section {

namespace {

// Pixels beside the plot: the axes' figures and titles on the left and below, the legend on the
// right, a little room above.
constexpr double kAxisRoom = 36.0;
constexpr double kLegendRoom = 140.0;
constexpr double kTopRoom = 8.0;

// The most grid centres per side drawn as dots; a finer grid shows its outline alone.
constexpr int kMostDottedCentres = 60;

const QColor kLineColour(70, 50, 30);
const QColor kWaterLineColour(0, 90, 220);
const QColor kLoadColour(110, 30, 150);
const QColor kCriticalColour(150, 0, 0);
const QColor kFailedSurfaceColour(200, 90, 0, 70);  // translucent
const QColor kSliceColour(60, 60, 60);
const QColor kGridColour(110, 110, 110);

// From the section's frame (y up) to the picture's pixels, one scale for both axes.
struct View {
    double left = 0.0;
    double bottom = 0.0;
    double scale = 1.0;  // pixels per unit of length
    QRectF plot;

    // Far outside the plot a point is kept within reach, so that no figure, however large,
    // hands the painter a coordinate it cannot take; what lies there is clipped anyway.
    QPointF At(double x, double y) const {
        return {Near(plot.left() + (x - left) * scale, plot.left(), plot.right()),
                Near(plot.bottom() - (y - bottom) * scale, plot.top(), plot.bottom())};
    }
    static double Near(double pixel, double low, double high) {
        constexpr double kReach = 1e5;
        return std::isnan(pixel) ? low - kReach : std::clamp(pixel, low - kReach, high + kReach);
    }
    double XOf(double px) const { return left + (px - plot.left()) / scale; }
    double YOf(double py) const { return bottom + (plot.bottom() - py) / scale; }
    double right() const { return left + plot.width() / scale; }
    double top() const { return bottom + plot.height() / scale; }
    // As many decimals as a pixel tells.
    int decimals() const {
        return std::clamp(static_cast<int>(std::ceil(std::log10(scale))), 0, 6);
    }
};

// The section read from the form and placed in the picture. No prepared section: `fault` says
// why there is nothing to draw.
struct Layout {
    QString fault;
    SectionInputs inputs;
    std::optional<PreparedSection> prepared;
    View view;

    const FramedSection& frame() const { return prepared->frame(false); }
    bool piezometric() const {
        return inputs.section.water.model == WaterModel::PiezometricLine &&
               !frame().piezometricLine.empty();
    }
};

// The smallest box around the finite points it is given.
struct Extent {
    double xMin = std::numeric_limits<double>::infinity();
    double xMax = -std::numeric_limits<double>::infinity();
    double yMin = std::numeric_limits<double>::infinity();
    double yMax = -std::numeric_limits<double>::infinity();

    void TakeX(double x) {
        if (std::isfinite(x)) {
            xMin = std::min(xMin, x);
            xMax = std::max(xMax, x);
        }
    }
    void TakeY(double y) {
        if (std::isfinite(y)) {
            yMin = std::min(yMin, y);
            yMax = std::max(yMax, y);
        }
    }
    void Take(double x, double y) {
        TakeX(x);
        TakeY(y);
    }
};

Layout LayOut(const QRectF& area, const FieldTexts& fields, const NumberLocale& locale,
              const SectionKeptTables& kept) {
    Layout layout;
    SectionRead read = ReadSectionInputs(fields, locale);
    if (const auto* fault = std::get_if<SectionInputFault>(&read)) {
        layout.fault = QString::fromStdString(fault->Text());
        return layout;
    }
    layout.inputs = std::get<SectionInputs>(std::move(read));
    try {
        layout.prepared.emplace(layout.inputs.section);
    } catch (const std::invalid_argument& refused) {
        layout.fault = QString::fromUtf8(refused.what());
        return layout;
    }
    // The section's lines, then what the last run placed.
    Extent lines;
    for (const Layer& layer : layout.inputs.section.layers) {
        for (const SectionPoint& point : layer.points) {
            lines.Take(point.x, point.y);
        }
    }
    if (layout.piezometric()) {
        for (const SectionPoint& point : layout.inputs.section.water.piezometricLine) {
            lines.Take(point.x, point.y);
        }
    }
    Extent all = lines;
    if (kept.hasSurface) {
        const CircleSurface& critical = kept.critical;
        all.Take(kept.located.entryX, kept.located.entryY);
        all.Take(kept.located.exitX, kept.located.exitY);
        if (kept.polyline.empty()) {
            all.TakeY(critical.centreY - critical.radius);
        }
        for (const SectionPoint& point : kept.polyline) {
            all.TakeY(point.y);
        }
        if (kept.searched && kept.entryExit.use) {
            all.TakeX(kept.entryExit.entryFrom);
            all.TakeX(kept.entryExit.entryTo);
            all.TakeX(kept.entryExit.exitFrom);
            all.TakeX(kept.entryExit.exitTo);
        } else if (kept.searched) {
            all.Take(kept.grid.xFrom, kept.grid.yFrom);
            all.Take(kept.grid.xTo, kept.grid.yTo);
        }
        for (const JudgedCircle& judged : kept.lowest) {
            all.TakeY(judged.circle.centreY - judged.circle.radius);
        }
    }
    // Room around the section: below its lowest point for the deepest layer, above it for the
    // loads' arrows.
    const double size = std::max(all.xMax - all.xMin, all.yMax - all.yMin);
    const double depth = std::max(0.1 * size, 0.5 * (lines.yMax - lines.yMin));
    const double xMin = all.xMin - 0.03 * size;
    const double xMax = all.xMax + 0.03 * size;
    const double yMin = all.yMin - depth;
    const double yMax = all.yMax + 0.12 * size;
    const QRectF plot = area.adjusted(kAxisRoom, kTopRoom, -kLegendRoom, -kAxisRoom);
    const double scale = std::min(plot.width() / (xMax - xMin), plot.height() / (yMax - yMin));
    if (plot.width() <= 0.0 || plot.height() <= 0.0) {
        layout.prepared.reset();
        layout.fault = QStringLiteral("Too little room to draw the section.");
        return layout;
    }
    if (!(std::isfinite(size) && size > 0.0 && std::isfinite(xMax - xMin) &&
          std::isfinite(yMax - yMin) && std::isfinite(scale) && scale > 0.0)) {
        layout.prepared.reset();
        layout.fault = QStringLiteral("The section is too large to draw.");
        return layout;
    }
    // What the scale leaves over on one axis goes half to either side.
    layout.view = View{xMin - (plot.width() / scale - (xMax - xMin)) / 2,
                       yMin - (plot.height() / scale - (yMax - yMin)) / 2, scale, plot};
    return layout;
}

QString Figure(double value, const NumberLocale& locale, int digits = 6) {
    QString text = QString::number(value, 'g', digits);
    if (locale.decimalSeparator != ".") {
        text.replace(QLatin1Char('.'), QString::fromStdString(locale.decimalSeparator));
    }
    return text;
}

QString Fixed(double value, const NumberLocale& locale, int decimals) {
    if (!(std::fabs(value) < 1e7)) {
        return Figure(value, locale);
    }
    QString text = QString::number(value, 'f', decimals);
    if (locale.decimalSeparator != ".") {
        text.replace(QLatin1Char('.'), QString::fromStdString(locale.decimalSeparator));
    }
    return text;
}

// A line of the section across the whole plot, level beyond its ends as the engine takes it.
QPolygonF LinePoints(const Polyline& line, const View& view) {
    const double left = view.left;
    const double right = view.right();
    QPolygonF points;
    points << view.At(left, line.Level(left));
    for (std::size_t i = 0; i < line.pointCount(); ++i) {
        const double x = line.pointX(i);
        if (x > left && x < right) {
            points << view.At(x, line.pointY(i));
        }
    }
    points << view.At(right, line.Level(right));
    return points;
}

// What lies under a line, down to the plot's bottom; above it, up to the plot's top.
QPainterPath Under(const Polyline& line, const View& view) {
    QPolygonF points = LinePoints(line, view);
    points << view.At(view.right(), view.bottom) << view.At(view.left, view.bottom);
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}
QPainterPath Above(const Polyline& line, const View& view) {
    QPolygonF points = LinePoints(line, view);
    points << view.At(view.right(), view.top()) << view.At(view.left, view.top());
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

// The layer under boundary `k`: down to the next boundary, the last one to the plot's bottom.
QPainterPath LayerRegion(const FramedSection& frame, std::size_t k, const View& view) {
    QPolygonF points = LinePoints(frame.boundaries[k], view);
    if (k + 1 < frame.boundaries.size()) {
        const QPolygonF below = LinePoints(frame.boundaries[k + 1], view);
        for (auto point = below.crbegin(); point != below.crend(); ++point) {
            points << *point;
        }
    } else {
        points << view.At(view.right(), view.bottom) << view.At(view.left, view.bottom);
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

// An arrow from `tail` to `tip`, its head `head` pixels long.
void DrawArrow(QPainter& painter, const QPointF& tail, const QPointF& tip, double head = 6.0) {
    painter.drawLine(tail, tip);
    const double dx = tip.x() - tail.x();
    const double dy = tip.y() - tail.y();
    const double length = std::hypot(dx, dy);
    if (length <= 0.0) {
        return;
    }
    const QPointF along(dx / length * head, dy / length * head);
    const QPointF across(-along.y() * 0.45, along.x() * 0.45);
    painter.save();
    painter.setBrush(painter.pen().color());
    painter.drawPolygon(QPolygonF{tip, tip - along + across, tip - along - across});
    painter.restore();
}

// The critical surface's height at x: its circle's lower arc, along the top of an impenetrable
// soil where a composite surface would enter it.
double SurfaceLevel(const CircleSurface& circle, const Layout& layout, double x) {
    const double dx = x - circle.centreX;
    const double y =
        circle.centreY - std::sqrt(std::max(0.0, circle.radius * circle.radius - dx * dx));
    if (!circle.composite) {
        return y;
    }
    const FramedSection& frame = layout.frame();
    const std::vector<SoilStrength>& soils = layout.prepared->soils();
    for (std::size_t k = 0; k < frame.boundaries.size(); ++k) {
        const int soil = frame.layerSoils[k];
        if (soil >= 0 && soils[static_cast<std::size_t>(soil)].impenetrable) {
            const double top = frame.boundaries[k].Level(x);
            if (y < top) {
                return top;
            }
        }
    }
    return y;
}

// The height of the run's surface at x: its given polyline, or its circle.
class KeptSurface {
public:
    KeptSurface(const SectionKeptTables& kept, const Layout& layout)
        : kept_(kept), layout_(layout) {
        if (kept.polyline.size() >= 2) {
            polyline_.emplace(kept.polyline);
        }
    }
    bool valid() const { return polyline_ || kept_.critical.radius > 0.0; }
    double Level(double x) const {
        return polyline_ ? polyline_->Level(x) : SurfaceLevel(kept_.critical, layout_, x);
    }
    // The surface's own points strictly between two x.
    std::vector<double> PointsBetween(double from, double to) const {
        std::vector<double> points;
        for (const SectionPoint& point : kept_.polyline) {
            if (point.x > from && point.x < to) {
                points.push_back(point.x);
            }
        }
        return points;
    }

private:
    const SectionKeptTables& kept_;
    const Layout& layout_;
    std::optional<Polyline> polyline_;
};

// What a circle may pass through: the ground but its impenetrable soils.
QPainterPath Penetrable(const Layout& layout) {
    const FramedSection& frame = layout.frame();
    QPainterPath penetrable = Under(frame.ground(), layout.view);
    const std::vector<SoilStrength>& soils = layout.prepared->soils();
    for (std::size_t k = 0; k < frame.boundaries.size(); ++k) {
        const int soil = frame.layerSoils[k];
        if (soil >= 0 && soils[static_cast<std::size_t>(soil)].impenetrable) {
            penetrable = penetrable.subtracted(LayerRegion(frame, k, layout.view));
        }
    }
    return penetrable;
}

// A circle's lower arc across the plot alone (one of a stale run may be far larger); empty
// where it misses the plot.
QPolygonF LowerArc(const CircleSurface& circle, const View& view) {
    const double from = std::max(circle.centreX - circle.radius, view.left);
    const double to = std::min(circle.centreX + circle.radius, view.right());
    QPolygonF arc;
    if (!(from < to)) {
        return arc;
    }
    constexpr int kSteps = 160;
    for (int i = 0; i <= kSteps; ++i) {
        const double x = from + (to - from) * i / kSteps;
        const double dx = x - circle.centreX;
        arc << view.At(
            x, circle.centreY - std::sqrt(std::max(0.0, circle.radius * circle.radius - dx * dx)));
    }
    return arc;
}

// A round step (1, 2 or 5 times a power of ten) that crosses `span` in at most about six.
double AxisStep(double span) {
    const double power = std::pow(10.0, std::floor(std::log10(span / 6.0)));
    for (const double m : {1.0, 2.0, 5.0}) {
        if (span / (m * power) <= 6.0) {
            return m * power;
        }
    }
    return 10.0 * power;
}

// The axes along the plot's left and lower edges, in the form's length unit.
void DrawAxes(QPainter& painter, const View& view, const QString& unit,
              const NumberLocale& locale) {
    const double right = view.right();
    const double top = view.top();
    const QFontMetricsF fm(painter.font(), painter.device());
    const double step = AxisStep(std::max(right - view.left, top - view.bottom));
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 0.8));
    const QPointF origin = view.At(view.left, view.bottom);
    painter.drawLine(origin, view.At(right, view.bottom));
    painter.drawLine(origin, view.At(view.left, top));
    // Counted, not stepped, so that no figures too large for a step can loop without end.
    constexpr int kMostTicks = 40;
    const double firstX = std::ceil(view.left / step - 1e-9);
    for (int i = 0; i < kMostTicks; ++i) {
        const double value = (firstX + i) * step;
        if (value > right + step * 1e-9) {
            break;
        }
        const QPointF at = view.At(value, view.bottom);
        painter.drawLine(at, at + QPointF(0, 4));
        painter.drawText(QRectF(at.x() - 30, at.y() + 4, 60, fm.height()), Qt::AlignHCenter,
                         Figure(value, locale));
    }
    const double firstY = std::ceil(view.bottom / step - 1e-9);
    for (int i = 0; i < kMostTicks; ++i) {
        const double value = (firstY + i) * step;
        if (value > top + step * 1e-9) {
            break;
        }
        const QPointF at = view.At(view.left, value);
        painter.drawLine(at, at - QPointF(4, 0));
        painter.drawText(QRectF(view.plot.left() - kAxisRoom, at.y() - fm.height() / 2,
                                kAxisRoom - 6, fm.height()),
                         Qt::AlignRight | Qt::AlignVCenter, Figure(value, locale));
    }
    painter.drawText(
        QRectF(view.plot.left(), origin.y() + 4 + fm.height(), view.plot.width(), fm.height()),
        Qt::AlignHCenter, QStringLiteral("x (%1)").arg(unit));
    painter.translate(view.plot.left() - kAxisRoom, view.plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-view.plot.height() / 2, 0, view.plot.height(), fm.height()),
                     Qt::AlignHCenter, QStringLiteral("y (%1)").arg(unit));
    painter.restore();
}

// The soils filled layer by layer, the ponded water, then the lines over them.
void DrawSection(QPainter& painter, const Layout& layout) {
    const View& view = layout.view;
    const FramedSection& frame = layout.frame();
    const std::vector<SoilStrength>& soils = layout.prepared->soils();
    painter.setPen(Qt::NoPen);
    for (std::size_t k = 0; k < frame.boundaries.size(); ++k) {
        const auto soil = static_cast<std::size_t>(std::max(0, frame.layerSoils[k]));
        const QPainterPath region = LayerRegion(frame, k, view);
        painter.fillPath(region, SectionSoilColour(soil));
        if (soil < soils.size() && soils[soil].impenetrable) {
            painter.fillPath(region, QBrush(QColor(70, 70, 70), Qt::BDiagPattern));
        }
    }
    if (layout.piezometric()) {
        painter.save();
        painter.setClipPath(Above(frame.ground(), view), Qt::IntersectClip);
        painter.fillPath(Under(frame.piezometricLine, view), PondedWaterColour());
        painter.restore();
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kLineColour, 1.0));
    for (std::size_t k = 1; k < frame.boundaries.size(); ++k) {
        painter.drawPolyline(LinePoints(frame.boundaries[k], view));
    }
    painter.setPen(QPen(kLineColour, 1.8));
    painter.drawPolyline(LinePoints(frame.ground(), view));
    if (layout.piezometric()) {
        const Polyline& water = frame.piezometricLine;
        painter.setPen(QPen(kWaterLineColour, 1.6));
        painter.drawPolyline(LinePoints(water, view));
        // The water table's sign, a small triangle standing on the line, a fifth of the way in.
        const double x = view.left + 0.2 * (view.right() - view.left);
        const QPointF on = view.At(x, water.Level(x));
        painter.setBrush(kWaterLineColour);
        painter.drawPolygon(
            QPolygonF{on + QPointF(0, -2), on + QPointF(-5, -10), on + QPointF(5, -10)});
        painter.setBrush(Qt::NoBrush);
    }
}

// The pressures as rows of arrows on the ground, the line loads as arrows at their angles.
void DrawLoads(QPainter& painter, const Layout& layout, const NumberLocale& locale) {
    const View& view = layout.view;
    const Polyline& ground = layout.frame().ground();
    const Section& section = layout.inputs.section;
    const QFontMetricsF fm(painter.font(), painter.device());
    painter.setPen(QPen(kLoadColour, 1.0));
    constexpr double kArrow = 20.0;  // pixels
    for (const SurfacePressure& pressure : section.pressures) {
        const double from = std::max(std::min(pressure.fromX, pressure.toX), view.left);
        const double to = std::min(std::max(pressure.fromX, pressure.toX), view.right());
        if (!(from < to)) {
            continue;
        }
        const double pixels = (to - from) * view.scale;
        const int count = std::clamp(static_cast<int>(pixels / 12.0) + 1, 2, 400);
        QPolygonF tails;
        for (int i = 0; i < count; ++i) {
            const double x = from + (to - from) * i / (count - 1);
            const QPointF on = view.At(x, ground.Level(x));
            const QPointF off = on - QPointF(0, kArrow);
            tails << off;
            if (pressure.pressure >= 0.0) {
                DrawArrow(painter, off, on, 5.0);
            } else {
                DrawArrow(painter, on, off, 5.0);
            }
        }
        painter.drawPolyline(tails);
        const QPointF middle = tails[static_cast<qsizetype>(tails.size() / 2)];
        painter.drawText(QRectF(middle.x() - 50, middle.y() - fm.height() - 1, 100, fm.height()),
                         Qt::AlignHCenter | Qt::AlignBottom, Figure(pressure.pressure, locale, 4));
    }
    constexpr double kLineArrow = 36.0;
    for (const LineLoad& load : section.lineLoads) {
        if (load.x < view.left || load.x > view.right()) {
            continue;
        }
        const double radians = load.angle * std::numbers::pi / 180.0;
        const double sign = load.force < 0.0 ? -1.0 : 1.0;
        // Below the horizontal as drawn is down the picture.
        const QPointF along(sign * std::cos(radians), sign * std::sin(radians));
        const QPointF on = view.At(load.x, ground.Level(load.x));
        const QPointF tail = on - along * kLineArrow;
        painter.setPen(QPen(kLoadColour, 1.6));
        DrawArrow(painter, tail, on, 8.0);
        const QString label = Figure(load.force, locale, 4);
        const double width = fm.horizontalAdvance(label) + 4;
        const double beside = along.x() > 0.0 ? -width : 2.0;
        painter.drawText(QRectF(tail.x() + beside, tail.y() - fm.height(), width, fm.height()),
                         Qt::AlignCenter, label);
    }
}

// What the last run found: the grid or the ranges it searched, its lowest circles shaded from
// red (the lowest) to pale, the critical surface with its slices, and its factors.
void DrawRun(QPainter& painter, const Layout& layout, const SectionKeptTables& kept,
             const NumberLocale& locale) {
    const View& view = layout.view;
    const FramedSection& frame = layout.frame();
    const Polyline& ground = frame.ground();
    if (kept.searched && kept.entryExit.use) {
        const auto drawRange = [&](double start, double end, const QColor& colour) {
            const double from = std::max(std::min(start, end), view.left);
            const double to = std::min(std::max(start, end), view.right());
            if (!(from <= to)) {
                return;
            }
            QPolygonF points;
            points << view.At(from, ground.Level(from));
            for (std::size_t i = 0; i < ground.pointCount(); ++i) {
                if (ground.pointX(i) > from && ground.pointX(i) < to) {
                    points << view.At(ground.pointX(i), ground.pointY(i));
                }
            }
            points << view.At(to, ground.Level(to));
            painter.setPen(QPen(colour, 5.0, Qt::SolidLine, Qt::FlatCap));
            painter.drawPolyline(points);
        };
        drawRange(kept.entryExit.entryFrom, kept.entryExit.entryTo, QColor(0, 114, 178));
        drawRange(kept.entryExit.exitFrom, kept.entryExit.exitTo, QColor(0, 158, 115));
    } else if (kept.searched) {
        const circle_search::SearchGrid& grid = kept.grid;
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kGridColour, 1, Qt::DashLine));
        painter.drawRect(QRectF(view.At(grid.xFrom, grid.yTo), view.At(grid.xTo, grid.yFrom)));
        const int n = grid.centresPerSide;
        if (n >= 1 && n <= kMostDottedCentres) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(kGridColour);
            for (int i = 0; i < n; ++i) {
                const double x =
                    n == 1 ? grid.xFrom : grid.xFrom + (grid.xTo - grid.xFrom) * i / (n - 1);
                for (int j = 0; j < n; ++j) {
                    const double y =
                        n == 1 ? grid.yFrom : grid.yFrom + (grid.yTo - grid.yFrom) * j / (n - 1);
                    painter.drawEllipse(view.At(x, y), 2.0, 2.0);
                }
            }
        }
    }

    // The lowest circles, within the ground, the highest factor first so that the lowest lies on
    // top.
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -std::numeric_limits<double>::infinity();
    for (const JudgedCircle& judged : kept.lowest) {
        if (std::isfinite(judged.factor)) {
            lowest = std::min(lowest, judged.factor);
            highest = std::max(highest, judged.factor);
        }
    }
    painter.save();
    painter.setClipPath(Penetrable(layout), Qt::IntersectClip);
    painter.setBrush(Qt::NoBrush);
    for (auto judged = kept.lowest.crbegin(); judged != kept.lowest.crend(); ++judged) {
        const CircleSurface& c = judged->circle;
        if (!std::isfinite(judged->factor) || !(c.radius > 0.0)) {
            continue;
        }
        const double share =
            highest > lowest ? (judged->factor - lowest) / (highest - lowest) : 0.0;
        const QColor colour(220, static_cast<int>(40 + 170 * share),
                            static_cast<int>(40 + 170 * share));
        painter.setPen(QPen(colour, 1.0));
        painter.drawPolyline(LowerArc(c, view));
    }
    // The overall slope's failed trials' surfaces, thin and faint, so that where many lie the
    // band they make shows and the critical surface stays on top.
    painter.setPen(QPen(kFailedSurfaceColour, 0.8));
    for (const CircleSurface& c : kept.failedSurfaces) {
        if (c.radius > 0.0) {
            painter.drawPolyline(LowerArc(c, view));
        }
    }
    painter.restore();

    // The surface from exit to entry; with a tension crack, only to the crack, where the first
    // slice's side rises to the ground.
    const KeptSurface critical(kept, layout);
    double from = std::min(kept.located.entryX, kept.located.exitX);
    double to = std::max(kept.located.entryX, kept.located.exitX);
    if (!kept.methods.empty() && !kept.methods.front().rows.empty()) {
        const std::vector<SliceRow>& rows = kept.methods.front().rows;
        from = std::numeric_limits<double>::infinity();
        to = -std::numeric_limits<double>::infinity();
        for (const SliceRow& row : rows) {
            from = std::min(from, row.x - row.width / 2);
            to = std::max(to, row.x + row.width / 2);
        }
    }
    if (!critical.valid() || !(from < to)) {
        return;
    }
    // The slices of the first method, each from its base up to the ground.
    painter.setPen(QPen(kSliceColour, 0.8));
    if (!kept.methods.empty()) {
        const std::vector<SliceRow>& rows = kept.methods.front().rows;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            for (const double side : {-0.5, 0.5}) {
                if (side > 0.0 && i + 1 < rows.size()) {
                    continue;  // the next slice's left side
                }
                const double x = rows[i].x + side * rows[i].width;
                painter.drawLine(view.At(x, critical.Level(x)), view.At(x, ground.Level(x)));
            }
        }
    }
    QPolygonF surface;
    if (kept.polyline.empty()) {
        constexpr int kSteps = 160;
        for (int i = 0; i <= kSteps; ++i) {
            const double x = from + (to - from) * i / kSteps;
            surface << view.At(x, critical.Level(x));
        }
    } else {
        surface << view.At(from, critical.Level(from));
        for (const double x : critical.PointsBetween(from, to)) {
            surface << view.At(x, critical.Level(x));
        }
        surface << view.At(to, critical.Level(to));
    }
    // An end under the ground, at a tension crack, rises to it.
    if (ground.Level(from) - critical.Level(from) > 1.0 / view.scale) {
        surface.prepend(view.At(from, ground.Level(from)));
    }
    if (ground.Level(to) - critical.Level(to) > 1.0 / view.scale) {
        surface.append(view.At(to, ground.Level(to)));
    }
    painter.setPen(QPen(kCriticalColour, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(surface);
    // The circle's centre, or where the methods took moments on a polyline.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCriticalColour);
    if (kept.polyline.empty()) {
        painter.drawEllipse(view.At(kept.critical.centreX, kept.critical.centreY), 3.0, 3.0);
    } else if (kept.momentPoint) {
        painter.drawEllipse(view.At(kept.momentPoint->x, kept.momentPoint->y), 3.0, 3.0);
    }

    // Each method's factor, in the plot's upper left corner.
    if (!kept.methods.empty()) {
        QStringList lines;
        for (const KeptMethod& method : kept.methods) {
            const std::string_view name = MethodName(method.method);
            const QString factor =
                method.result.solved()
                    ? QStringLiteral("F = %1").arg(Fixed(method.result.factor, locale, 3))
                    : QStringLiteral("no factor");
            lines << QStringLiteral("%1: %2").arg(
                QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), factor);
        }
        const QString label = lines.join(QLatin1Char('\n'));
        const QFontMetricsF fm(painter.font(), painter.device());
        const QRectF box = fm.boundingRect(QRectF(view.plot.left() + 6, view.plot.top() + 4,
                                                  view.plot.width() - 12, view.plot.height()),
                                           Qt::AlignLeft | Qt::AlignTop, label)
                               .adjusted(-3, -2, 3, 2);
        painter.setPen(QPen(kCriticalColour, 0.8));
        painter.setBrush(QColor(255, 255, 255, 220));
        painter.drawRect(box);
        painter.setPen(Qt::black);
        painter.drawText(box.adjusted(3, 2, -3, -2), Qt::AlignLeft | Qt::AlignTop, label);
    }
}

// The soils the layers name, with their colours; the water line; kh toward the sliding.
void DrawLegend(QPainter& painter, const QRectF& area, const Layout& layout,
                const NumberLocale& locale) {
    const Section& section = layout.inputs.section;
    const FramedSection& frame = layout.frame();
    const QFontMetricsF fm(painter.font(), painter.device());
    const double left = area.right() - kLegendRoom + 10;
    const double textWidth = kLegendRoom - 34;
    double y = layout.view.plot.top() + 2;
    const double line = std::max(fm.height(), 12.0) + 3;
    painter.setPen(Qt::black);
    painter.drawText(QRectF(left, y, kLegendRoom - 12, fm.height()), Qt::AlignLeft,
                     QStringLiteral("Soils"));
    y += line;
    for (std::size_t soil = 0; soil < section.soils.size(); ++soil) {
        if (std::find(frame.layerSoils.begin(), frame.layerSoils.end(), static_cast<int>(soil)) ==
            frame.layerSoils.end()) {
            continue;  // in no layer, so nowhere in the picture
        }
        const QRectF swatch(left, y + (fm.height() - 10) / 2, 16, 10);
        painter.fillRect(swatch, SectionSoilColour(soil));
        if (section.soils[soil].model == SoilModel::Impenetrable) {
            painter.fillRect(swatch, QBrush(QColor(70, 70, 70), Qt::BDiagPattern));
        }
        painter.setPen(kLineColour);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(swatch);
        painter.setPen(Qt::black);
        const QString name = fm.elidedText(QString::fromStdString(section.soils[soil].name),
                                           Qt::ElideRight, textWidth);
        painter.drawText(QRectF(left + 22, y, textWidth, fm.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, name);
        y += line;
    }
    if (layout.piezometric()) {
        y += 4;
        painter.setPen(QPen(kWaterLineColour, 1.6));
        painter.drawLine(QPointF(left, y + fm.height() / 2),
                         QPointF(left + 16, y + fm.height() / 2));
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(left + 22, y, textWidth, fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
            fm.elidedText(QStringLiteral("Piezometric line"), Qt::ElideRight, textWidth));
        y += line;
    }
    if (section.horizontalSeismic != 0.0) {
        y += 8;
        // Toward the sliding: to the left where the section faces left. A negative kh pulls
        // the other way.
        const bool toLeft = layout.prepared->facesLeft() != (section.horizontalSeismic < 0.0);
        const double middle = y + fm.height() / 2;
        painter.setPen(QPen(kLoadColour, 1.6));
        const QPointF a(left, middle);
        const QPointF b(left + 30, middle);
        DrawArrow(painter, toLeft ? b : a, toLeft ? a : b, 7.0);
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(left + 36, y, kLegendRoom - 48, fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("kh = %1").arg(Figure(section.horizontalSeismic, locale, 4)));
    }
}

}  // namespace

QColor SectionSoilColour(std::size_t soil) {
    // Earthy, well apart, and none near the ponded water's blue.
    static constexpr std::array<QRgb, 12> kColours{
        0xe6cf9c, 0xb5cc8e, 0xe0a88c, 0xc7b3d9, 0xd4c46a, 0xdfb3bf,
        0x9fc2b5, 0xd9a65b, 0xb8a690, 0xcfd9a0, 0xf0c8a0, 0xb89fb0,
    };
    if (soil < kColours.size()) {
        return QColor(kColours[soil]);
    }
    // Further soils around the colour wheel by the golden angle.
    const double hue = std::fmod(static_cast<double>(soil) * 0.381966, 1.0);
    return QColor::fromHsvF(static_cast<float>(hue), 0.35F, 0.85F);
}

QColor PondedWaterColour() {
    return {170, 210, 250};
}

QPointF SectionDiagramPoint(const QRectF& area, const FieldTexts& fields,
                            const NumberLocale& locale, KeptTables& kept, double x, double y) {
    const Layout layout = LayOut(area, fields, locale, kept.Of<SectionKeptTables>());
    return layout.prepared ? layout.view.At(x, y) : area.center();
}

namespace {

// A point of the section's lines by its place in its table: the ground's rows, the boundaries'
// (boundary after boundary, each left to right), the piezometric line's, the given surface's.
struct TablePoint {
    int field = 0;
    int row = 0;
    // The ground 0, boundary k, the piezometric line one past the last, the given surface next.
    std::size_t line = 0;
    SectionPoint point;
};

std::vector<TablePoint> TablePoints(const SectionInputs& inputs, bool piezometric) {
    const Section& section = inputs.section;
    std::vector<TablePoint> points;
    int boundaryRow = 0;
    for (std::size_t k = 0; k < section.layers.size(); ++k) {
        int row = 0;
        for (const SectionPoint& point : section.layers[k].points) {
            points.push_back(k == 0 ? TablePoint{GroundTable, row++, k, point}
                                    : TablePoint{BoundariesTable, boundaryRow++, k, point});
        }
    }
    if (piezometric) {
        int row = 0;
        for (const SectionPoint& point : section.water.piezometricLine) {
            points.push_back({PiezometricTable, row++, section.layers.size(), point});
        }
    }
    if (inputs.givenPolyline) {
        int row = 0;
        for (const SectionPoint& point : inputs.givenPolyline->points) {
            points.push_back({GivenSurfaceTable, row++, section.layers.size() + 1, point});
        }
    }
    return points;
}

// The columns of x and y in a table of points: the boundaries' first names the boundary.
std::size_t XColumn(int field) {
    return field == BoundariesTable ? 1 : 0;
}

// The form's texts with one field's text replaced.
class ReplacedText final : public FieldTexts {
public:
    ReplacedText(const FieldTexts& fields, int field, const std::string& text)
        : fields_(fields), field_(field), text_(text) {}

    std::string text(int field) const override {
        return field == field_ ? text_ : fields_.text(field);
    }
    void setText(int, std::string_view) override {}

private:
    const FieldTexts& fields_;
    int field_;
    const std::string& text_;
};

// A coordinate rounded to `decimals`, in the user's number format.
std::string Rounded(double value, int decimals, const NumberLocale& locale) {
    const double power = std::pow(10.0, decimals);
    return DoubleToText(std::round(value * power) / power, locale);
}

}  // namespace

std::optional<SectionVertex> SectionVertexAt(const QRectF& area, const QPointF& at,
                                             const FieldTexts& fields, const NumberLocale& locale,
                                             KeptTables& kept, double reach) {
    const Layout layout = LayOut(area, fields, locale, kept.Of<SectionKeptTables>());
    if (!layout.prepared) {
        return std::nullopt;
    }
    const View& view = layout.view;
    std::optional<SectionVertex> nearest;
    double distance = reach;
    for (const TablePoint& point : TablePoints(layout.inputs, layout.piezometric())) {
        const QPointF drawn = view.At(point.point.x, point.point.y);
        const double d = std::hypot(drawn.x() - at.x(), drawn.y() - at.y());
        if (d < distance || (!nearest && d <= distance)) {
            distance = d;
            nearest = SectionVertex{.field = point.field,
                                    .row = point.row,
                                    .x = point.point.x,
                                    .y = point.point.y,
                                    .toSection = {},
                                    .decimals = 0};
        }
    }
    if (nearest) {
        const double unit = 1.0 / view.scale;
        nearest->toSection = QTransform(unit, 0.0, 0.0, -unit, view.left - view.plot.left() * unit,
                                        view.bottom + view.plot.bottom() * unit);
        nearest->decimals = view.decimals();
    }
    return nearest;
}

std::optional<std::string> MoveSectionVertex(const SectionVertex& vertex, double x, double y,
                                             const FieldTexts& fields, const NumberLocale& locale) {
    const SectionRead read = ReadSectionInputs(fields, locale);
    const auto* inputs = std::get_if<SectionInputs>(&read);
    if (inputs == nullptr) {
        return std::nullopt;
    }
    const bool piezometric = inputs->section.water.model == WaterModel::PiezometricLine;
    const std::vector<TablePoint> points = TablePoints(*inputs, piezometric);
    const auto found = std::find_if(points.begin(), points.end(), [&](const TablePoint& point) {
        return point.field == vertex.field && point.row == vertex.row;
    });
    const std::string text = fields.text(vertex.field);
    std::optional<TableRows> rows = ParseTableText(text);
    const std::size_t xColumn = XColumn(vertex.field);
    if (found == points.end() || !rows || static_cast<std::size_t>(vertex.row) >= rows->size() ||
        (*rows)[static_cast<std::size_t>(vertex.row)].size() < xColumn + 2) {
        return std::nullopt;
    }
    // Strictly between the neighbours' x, at the rounding's resolution.
    const SectionPoint old = found->point;
    const double step = std::pow(10.0, -vertex.decimals);
    double low = -std::numeric_limits<double>::infinity();
    double high = std::numeric_limits<double>::infinity();
    if (found != points.begin() && std::prev(found)->line == found->line) {
        low = std::prev(found)->point.x + step;
    }
    if (std::next(found) != points.end() && std::next(found)->line == found->line) {
        high = std::next(found)->point.x - step;
    }
    const double movedX = low <= high ? std::clamp(x, low, high) : old.x;
    std::vector<std::string>& cells = (*rows)[static_cast<std::size_t>(vertex.row)];
    const std::string oldX = cells[xColumn];
    const std::string oldY = cells[xColumn + 1];
    const auto written = [&](double value, double before, const std::string& typed) {
        const std::string moved = Rounded(value, vertex.decimals, locale);
        return moved == Rounded(before, vertex.decimals, locale) ? typed : moved;
    };
    const std::string newX = written(movedX, old.x, oldX);
    const std::string newY = written(y, old.y, oldY);
    for (const auto& [cellX, cellY] : {std::pair{newX, newY}, {newX, oldY}, {oldX, newY}}) {
        if (cellX == oldX && cellY == oldY) {
            return text;
        }
        cells[xColumn] = cellX;
        cells[xColumn + 1] = cellY;
        const std::string moved = TableText(*rows);
        if (std::holds_alternative<SectionInputs>(
                ReadSectionInputs(ReplacedText(fields, vertex.field, moved), locale))) {
            return moved;
        }
    }
    return std::nullopt;
}

QString DescribeSectionDiagramPoint(const QRectF& area, const QPointF& at, const FieldTexts& fields,
                                    const NumberLocale& locale, UnitSystem units,
                                    KeptTables& kept) {
    const auto& tables = kept.Of<SectionKeptTables>();
    const Layout layout = LayOut(area, fields, locale, tables);
    if (!layout.prepared || !layout.view.plot.contains(at)) {
        return {};
    }
    const View& view = layout.view;
    const double x = view.XOf(at.x());
    const double y = view.YOf(at.y());
    const int decimals = view.decimals();
    QStringList lines;
    // A slice's weight and forces are per length of slope, as a line load is.
    const auto unit = [units](Quantity quantity) {
        const std::string_view name = UnitOf(quantity, units);
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    };
    const QString length = unit(Quantity::Length);
    const QString force = unit(Quantity::LineLoad);
    lines << QStringLiteral("x = %1 %3, y = %2 %3")
                 .arg(Fixed(x, locale, decimals), Fixed(y, locale, decimals), length);
    const FramedSection& frame = layout.frame();
    const double groundLevel = frame.ground().Level(x);
    if (y <= groundLevel) {
        // The soil of the deepest boundary above the point.
        for (std::size_t k = frame.boundaries.size(); k-- > 0;) {
            if (frame.boundaries[k].Level(x) >= y) {
                const int soil = frame.layerSoils[k];
                if (soil >= 0 &&
                    static_cast<std::size_t>(soil) < layout.inputs.section.soils.size()) {
                    lines << QStringLiteral("Soil: %1")
                                 .arg(QString::fromStdString(
                                     layout.inputs.section.soils[static_cast<std::size_t>(soil)]
                                         .name));
                }
                break;
            }
        }
    } else if (layout.piezometric() && y <= frame.piezometricLine.Level(x)) {
        lines << QStringLiteral("Ponded water");
    }
    if (tables.hasSurface && !tables.methods.empty()) {
        const KeptMethod& method = tables.methods.front();
        const KeptSurface surface(tables, layout);
        const double reach = 2.0 / view.scale;  // a pixel or two off the lines still counts
        for (std::size_t i = 0; i < method.rows.size(); ++i) {
            const SliceRow& row = method.rows[i];
            if (std::fabs(x - row.x) > row.width / 2 || y < surface.Level(x) - reach ||
                y > groundLevel + reach) {
                continue;
            }
            const std::string_view name = MethodName(method.method);
            lines << QStringLiteral("Slice %1 of %2 (%3)")
                         .arg(i + 1)
                         .arg(method.rows.size())
                         .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
            lines << QStringLiteral("x %1 %4, width %2 %4, weight %3 %5")
                         .arg(Figure(row.x, locale, 5), Figure(row.width, locale, 4),
                              Figure(row.weight, locale, 5), length, force);
            lines << QStringLiteral("base angle %1°, N %2 %4, S %3 %4")
                         .arg(Fixed(row.baseAngle * 180.0 / std::numbers::pi, locale, 1),
                              Figure(row.normal, locale, 5), Figure(row.shear, locale, 5), force);
            break;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

void DrawSectionDiagram(QPainter& painter, const QRectF& area, const FieldTexts& fields,
                        const NumberLocale& locale, UnitSystem units, KeptTables& kept) {
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.fillRect(area, Qt::white);
    const auto& tables = kept.Of<SectionKeptTables>();
    const Layout layout = LayOut(area, fields, locale, tables);
    if (!layout.prepared) {
        painter.setPen(Qt::black);
        painter.drawText(area.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                         layout.fault);
        painter.restore();
        return;
    }
    painter.save();
    painter.setClipRect(layout.view.plot, Qt::IntersectClip);
    DrawSection(painter, layout);
    DrawLoads(painter, layout, locale);
    if (tables.hasSurface) {
        DrawRun(painter, layout, tables, locale);
    } else if (layout.inputs.givenCircle) {
        // The circle a run will check, within the ground.
        painter.save();
        painter.setClipPath(Penetrable(layout), Qt::IntersectClip);
        painter.setPen(QPen(kCriticalColour, 1.6, Qt::DashLine));
        painter.drawPolyline(LowerArc(*layout.inputs.givenCircle, layout.view));
        painter.restore();
    } else if (layout.inputs.givenPolyline) {
        // The polyline a run will check.
        QPolygonF polyline;
        for (const SectionPoint& point : layout.inputs.givenPolyline->points) {
            polyline << layout.view.At(point.x, point.y);
        }
        painter.setPen(QPen(kCriticalColour, 1.6, Qt::DashLine));
        painter.drawPolyline(polyline);
    }
    painter.restore();
    const std::string_view length = UnitOf(Quantity::Length, units);
    DrawAxes(painter, layout.view,
             QString::fromUtf8(length.data(), static_cast<qsizetype>(length.size())), locale);
    DrawLegend(painter, area, layout, locale);
    painter.restore();
}

}  // namespace vardolin::section

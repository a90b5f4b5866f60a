// SPDX-License-Identifier: MIT
#include "critical_circle/drawing/CriticalCircleDiagram.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <optional>

#include "analysis/KeptTables.h"
#include "critical_circle/CircleSearch.h"
#include "critical_circle/CriticalCircleFields.h"
#include "critical_circle/CriticalCircleKeptTables.h"
#include "critical_circle/SimpleSlope.h"
#include "fields/FieldTexts.h"
#include "numerics/NumberText.h"
#include "numerics/RunTimeError.h"

namespace vardolin::critical {

namespace {

std::optional<double> NumberIn(const FieldTexts& fields, const NumberLocale& locale, int field) {
    try {
        const double value = TextToDouble(fields.text(field), locale);
        return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
    } catch (const RunTimeError&) {
        return std::nullopt;
    }
}

// Low factors red, 1.5 and above blue, through yellow and green.
QColor FactorColour(double share) {
    share = std::clamp(share, 0.0, 1.0);
    return QColor::fromHsvF(static_cast<float>(share * 0.66), 0.85F, 0.95F);
}

// From the slope's frame (m, y up) to the picture's pixels, one scale for both axes.
struct View {
    double left, bottom, scale;
    QRectF area;
    QPointF At(double x, double y) const {
        return {area.left() + (x - left) * scale, area.bottom() - (y - bottom) * scale};
    }
};

// Pixels beside the picture for the axes' figures and titles, and for the colour scale.
constexpr double kAxisRoom = 34.0;
constexpr double kScaleRoom = 70.0;

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

// Where the diagram puts what it shows: one scale for both axes, the slope with room around it
// and everything the inputs and the last run place (the grid, the depth level, the critical
// circle) inside the picture. No slope: the inputs do not describe one yet.
struct DiagramLayout {
    std::optional<SimpleSlope> slope;
    View view{};
    double xMin = 0.0, xMax = 0.0, yMin = 0.0, yMax = 0.0;
    std::optional<double> gx0, gx1, gy0, gy1;
    bool entryExit = false;  // the entry-exit search, with its ranges
    EntryExitRanges ranges;
};

DiagramLayout LayOutDiagram(const QRectF& area, const FieldTexts& fields,
                            const NumberLocale& locale, const CriticalCircleKeptTables& tables) {
    DiagramLayout layout;
    const std::optional<double> height = NumberIn(fields, locale, SlopeHeight);
    const std::optional<double> angle = NumberIn(fields, locale, FaceAngle);
    layout.slope = height && angle ? SimpleSlope::Make(*height, *angle) : std::nullopt;
    if (!layout.slope) {
        return layout;
    }
    const double H = layout.slope->height();
    double xMin = -0.6 * H;
    double xMax = layout.slope->crestX() + 0.6 * H;
    double yMin = -0.3 * H;
    double yMax = 1.3 * H;
    const auto take = [&](std::optional<double> x, std::optional<double> y) {
        if (x) {
            xMin = std::min(xMin, *x);
            xMax = std::max(xMax, *x);
        }
        if (y) {
            yMin = std::min(yMin, *y);
            yMax = std::max(yMax, *y);
        }
    };
    // The grid the last search covered, after any widening; else the one the inputs give, its
    // Auto sides placed as the search places them. The entry-exit search has no grid.
    const SearchGrid placed = AutoGrid(*layout.slope, 0, 0);
    const auto side = [&](int field, double autoValue) {
        return IsAutoText(fields.text(field)) ? std::optional<double>(autoValue)
                                              : NumberIn(fields, locale, field);
    };
    layout.entryExit = tables.entryExit.use || IsEntryExitText(fields.text(SearchMethod));
    if (tables.entryExit.use) {
        layout.ranges = tables.entryExit;
    } else if (layout.entryExit) {
        const EntryExitRanges autoRanges = AutoEntryExit(*layout.slope);
        const auto end = [&](int field, double autoValue) {
            return side(field, autoValue).value_or(autoValue);
        };
        layout.ranges = {true, end(EntryXFrom, autoRanges.entryFrom),
                         end(EntryXTo, autoRanges.entryTo), end(ExitXFrom, autoRanges.exitFrom),
                         end(ExitXTo, autoRanges.exitTo)};
    }
    if (layout.entryExit) {
        take(layout.ranges.exitFrom, std::nullopt);
        take(layout.ranges.entryTo, std::nullopt);
    } else if (!tables.centres.empty()) {
        layout.gx0 = tables.grid.xFrom;
        layout.gx1 = tables.grid.xTo;
        layout.gy0 = tables.grid.yFrom;
        layout.gy1 = tables.grid.yTo;
    } else {
        layout.gx0 = side(GridXFrom, placed.xFrom);
        layout.gx1 = side(GridXTo, placed.xTo);
        layout.gy0 = side(GridYFrom, placed.yFrom);
        layout.gy1 = side(GridYTo, placed.yTo);
    }
    const std::optional<double> depth = !tables.centres.empty()
                                            ? std::optional<double>(tables.grid.depthBelowToe)
                                            : side(DepthBelowToe, placed.depthBelowToe);
    take(layout.gx0, layout.gy0);
    take(layout.gx1, layout.gy1);
    if (depth) {
        take(std::nullopt, -*depth);
    }
    if (tables.hasCircle) {
        const Circle& c = tables.critical.circle;
        take(c.centreX, c.centreY);
        take(tables.critical.located.exitX, c.centreY - c.radius);
        take(tables.critical.located.entryX, std::nullopt);
    }
    // Room for the axes' figures on the left and below, and the colour scale on the right.
    const QRectF plot = area.adjusted(kAxisRoom, 8, -kScaleRoom, -kAxisRoom);
    const double scale = std::min(plot.width() / (xMax - xMin), plot.height() / (yMax - yMin));
    layout.view = View{xMin, yMin, scale, plot};
    layout.xMin = xMin;
    layout.xMax = xMax;
    layout.yMin = yMin;
    layout.yMax = yMax;
    return layout;
}

// How far from a point, in pixels, the pointer may be to be on it.
constexpr double kPointReach = 5.0;

double Distance(const QPointF& a, const QPointF& b) {
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// The axes along the picture's left and lower edges, in the form's length unit: ticks at round
// values, their figures, and the axis titles. One scale for both, so the picture is to scale.
void DrawAxes(QPainter& painter, const DiagramLayout& layout, const QString& unit) {
    const View& view = layout.view;
    const double right = layout.xMin + view.area.width() / view.scale;
    const double top = layout.yMin + view.area.height() / view.scale;
    const QFontMetricsF fm(painter.font(), painter.device());
    const double step = AxisStep(std::max(right - layout.xMin, top - layout.yMin));
    const auto figure = [](double value) { return QString::number(value, 'g', 6); };
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 0.8));
    const QPointF origin = view.At(layout.xMin, layout.yMin);
    painter.drawLine(origin, view.At(right, layout.yMin));
    painter.drawLine(origin, view.At(layout.xMin, top));
    for (double t = std::ceil(layout.xMin / step - 1e-9); t * step <= right + step * 1e-9; t += 1) {
        const QPointF at = view.At(t * step, layout.yMin);
        painter.drawLine(at, at + QPointF(0, 4));
        painter.drawText(QRectF(at.x() - 30, at.y() + 4, 60, fm.height()), Qt::AlignHCenter,
                         figure(t * step));
    }
    for (double t = std::ceil(layout.yMin / step - 1e-9); t * step <= top + step * 1e-9; t += 1) {
        const QPointF at = view.At(layout.xMin, t * step);
        painter.drawLine(at, at - QPointF(4, 0));
        painter.drawText(QRectF(view.area.left() - kAxisRoom, at.y() - fm.height() / 2,
                                kAxisRoom - 6, fm.height()),
                         Qt::AlignRight | Qt::AlignVCenter, figure(t * step));
    }
    painter.drawText(
        QRectF(view.area.left(), origin.y() + 4 + fm.height(), view.area.width(), fm.height()),
        Qt::AlignHCenter, QStringLiteral("x (%1)").arg(unit));
    painter.translate(view.area.left() - kAxisRoom, view.area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-view.area.height() / 2, 0, view.area.height(), fm.height()),
                     Qt::AlignHCenter, QStringLiteral("y (%1)").arg(unit));
    painter.restore();
}

}  // namespace

QPointF CriticalCircleDiagramPoint(const QRectF& area, const FieldTexts& fields,
                                   const NumberLocale& locale, KeptTables& kept, double x,
                                   double y) {
    return LayOutDiagram(area, fields, locale, kept.Of<CriticalCircleKeptTables>()).view.At(x, y);
}

QString DescribeCriticalCircleDiagramPoint(const QRectF& area, const QPointF& at,
                                           const FieldTexts& fields, const NumberLocale& locale,
                                           UnitSystem /*units*/, KeptTables& kept) {
    const auto& tables = kept.Of<CriticalCircleKeptTables>();
    const DiagramLayout layout = LayOutDiagram(area, fields, locale, tables);
    if (!layout.slope) {
        return {};
    }
    const auto figure = [](double value) { return QString::number(value, 'g', 6); };
    if (tables.hasCircle) {
        const CircleEvaluation& critical = tables.critical;
        const Circle& c = critical.circle;
        if (Distance(at, layout.view.At(c.centreX, c.centreY)) <= kPointReach) {
            return QStringLiteral(
                       "Critical circle: centre (%1, %2), radius %3\n"
                       "Bishop factor %4, ordinary factor %5")
                .arg(figure(c.centreX), figure(c.centreY), figure(c.radius),
                     figure(critical.factors.bishop), figure(critical.factors.ordinary));
        }
    }
    const CentreMinimum* nearest = nullptr;
    double nearestDistance = kPointReach;
    for (const CentreMinimum& centre : tables.centres) {
        const double d = Distance(at, layout.view.At(centre.centreX, centre.centreY));
        if (d <= nearestDistance) {
            nearest = &centre;
            nearestDistance = d;
        }
    }
    if (nearest == nullptr) {
        return {};
    }
    const QString where =
        QStringLiteral("Centre (%1, %2)").arg(figure(nearest->centreX), figure(nearest->centreY));
    return nearest->found ? QStringLiteral("%1: lowest factor %2, radius %3")
                                .arg(where, figure(nearest->factor), figure(nearest->radius))
                          : QStringLiteral("%1: no usable circle").arg(where);
}

void DrawCriticalCircleDiagram(QPainter& painter, const QRectF& area, const FieldTexts& fields,
                               const NumberLocale& locale, UnitSystem units, KeptTables& kept) {
    painter.fillRect(area, Qt::white);
    const auto& tables = kept.Of<CriticalCircleKeptTables>();
    const DiagramLayout layout = LayOutDiagram(area, fields, locale, tables);
    if (!layout.slope) {
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("Enter the slope height and face angle to see the slope."));
        return;
    }
    const std::optional<SimpleSlope>& slope = layout.slope;
    const double H = slope->height();
    const double xMin = layout.xMin;
    const double xMax = layout.xMax;
    const double yMin = layout.yMin;
    const View& view = layout.view;
    const double scale = view.scale;
    const std::optional<double>& gx0 = layout.gx0;
    const std::optional<double>& gx1 = layout.gx1;
    const std::optional<double>& gy0 = layout.gy0;
    const std::optional<double>& gy1 = layout.gy1;

    // The ground and the soil below it.
    QPainterPath ground;
    ground.moveTo(view.At(xMin, yMin));
    ground.lineTo(view.At(xMin, 0.0));
    ground.lineTo(view.At(0.0, 0.0));
    ground.lineTo(view.At(slope->crestX(), H));
    ground.lineTo(view.At(xMax, H));
    ground.lineTo(view.At(xMax, yMin));
    ground.closeSubpath();
    painter.setPen(QPen(QColor(90, 60, 30), 1.5));
    painter.setBrush(QColor(222, 200, 160));
    painter.drawPath(ground);
    const std::string_view metres = UnitOf(Quantity::Length, units);
    DrawAxes(painter, layout,
             QString::fromUtf8(metres.data(), static_cast<qsizetype>(metres.size())));

    // The grid from the inputs, and each centre's lowest factor from the last search.
    painter.setBrush(Qt::NoBrush);
    if (gx0 && gx1 && gy0 && gy1) {
        painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
        painter.drawRect(QRectF(view.At(*gx0, *gy1), view.At(*gx1, *gy0)));
    }
    double lowest = 0.0;
    double highest = 0.0;
    bool anyFound = false;
    for (const CentreMinimum& centre : tables.centres) {
        if (centre.found) {
            lowest = anyFound ? std::min(lowest, centre.factor) : centre.factor;
            highest = anyFound ? std::max(highest, centre.factor) : centre.factor;
            anyFound = true;
        }
    }
    const double range = highest > lowest ? highest - lowest : 1.0;
    painter.setPen(Qt::NoPen);
    for (const CentreMinimum& centre : tables.centres) {
        painter.setBrush(centre.found ? FactorColour((centre.factor - lowest) / range)
                                      : QColor(200, 200, 200));
        painter.drawEllipse(view.At(centre.centreX, centre.centreY), 2.2, 2.2);
    }

    // The entry-exit search's ranges, thick along the ground.
    if (layout.entryExit) {
        const auto drawRange = [&](double from, double to, const QColor& colour) {
            QPainterPath path;
            constexpr int kSteps = 40;
            for (int i = 0; i <= kSteps; ++i) {
                const double x = from + (to - from) * i / kSteps;
                const QPointF point = view.At(x, slope->GroundLevel(x));
                i == 0 ? path.moveTo(point) : path.lineTo(point);
            }
            painter.setPen(QPen(colour, 5.0, Qt::SolidLine, Qt::FlatCap));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(path);
        };
        drawRange(layout.ranges.entryFrom, layout.ranges.entryTo, QColor(0, 114, 178));
        drawRange(layout.ranges.exitFrom, layout.ranges.exitTo, QColor(0, 158, 115));
    }

    // The refinement's path, from the start the critical circle came from to its centre.
    if (tables.refinedPath.size() > 1) {
        QPainterPath path;
        for (std::size_t i = 0; i < tables.refinedPath.size(); ++i) {
            const Circle& step = tables.refinedPath[i];
            const QPointF point = view.At(step.centreX, step.centreY);
            i == 0 ? path.moveTo(point) : path.lineTo(point);
        }
        painter.setPen(QPen(QColor(90, 90, 90), 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        const Circle& first = tables.refinedPath.front();
        painter.drawEllipse(view.At(first.centreX, first.centreY), 3.0, 3.0);
    }

    if (tables.hasCircle) {
        const CircleEvaluation& critical = tables.critical;
        const Circle& c = critical.circle;
        const QPointF centre = view.At(c.centreX, c.centreY);
        // The slices, each from its base on the circle up to the ground.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(60, 60, 60), 0.8));
        const CircleSlices& slices = critical.slices;
        for (int i = 0; i <= slices.count(); ++i) {
            const double x = critical.located.exitX + i * slices.width();
            const double dx = x - c.centreX;
            const double under = c.radius * c.radius - dx * dx;
            if (under < 0.0) {
                continue;
            }
            const double base = c.centreY - std::sqrt(under);
            painter.drawLine(view.At(x, base), view.At(x, slope->GroundLevel(x)));
        }
        // The slip surface between exit and entry, and the rest of the circle faintly.
        painter.save();
        painter.setClipRect(area, Qt::IntersectClip);  // the whole circle reaches beyond it
        painter.setPen(QPen(QColor(160, 160, 160), 0.8, Qt::DotLine));
        painter.drawEllipse(centre, c.radius * scale, c.radius * scale);
        painter.restore();
        const double exitAngle =
            std::atan2(critical.located.exitY - c.centreY, critical.located.exitX - c.centreX);
        const double entryAngle =
            std::atan2(critical.located.entryY - c.centreY, critical.located.entryX - c.centreX);
        QPainterPath arc;
        constexpr int kSteps = 120;
        for (int i = 0; i <= kSteps; ++i) {
            const double t = exitAngle + (entryAngle - exitAngle) * i / kSteps;
            const QPointF point =
                view.At(c.centreX + c.radius * std::cos(t), c.centreY + c.radius * std::sin(t));
            if (i == 0) {
                arc.moveTo(point);
            } else {
                arc.lineTo(point);
            }
        }
        painter.setPen(QPen(QColor(200, 0, 0), 2.0));
        painter.drawPath(arc);
        painter.setPen(QPen(QColor(200, 0, 0), 0.8, Qt::DashLine));
        painter.drawLine(centre, view.At(critical.located.exitX, critical.located.exitY));
        painter.drawLine(centre, view.At(critical.located.entryX, critical.located.entryY));
        painter.setPen(Qt::black);
        painter.setBrush(Qt::black);
        painter.drawEllipse(centre, 3.0, 3.0);
        // Beside the centre, moved in where it would leave the picture.
        const QString label = QStringLiteral("F = %1").arg(critical.factors.bishop, 0, 'f', 3);
        const QFontMetricsF fm(painter.font(), painter.device());
        QRectF box(centre + QPointF(5, -5 - fm.ascent()),
                   QSizeF(fm.horizontalAdvance(label) + 2, fm.height()));
        box.moveRight(std::min(box.right(), view.area.right()));
        box.moveTop(std::max(box.top(), area.top() + 1));
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, label);
    }

    // The colour scale: the lowest factor at the bottom, the highest at the top.
    if (anyFound) {
        const QFontMetricsF fm(painter.font(), painter.device());
        const QRectF bar(area.right() - kScaleRoom + 10, area.top() + 8 + fm.height() * 2.4, 12,
                         area.height() * 0.5);
        constexpr int kBands = 40;
        painter.setPen(Qt::NoPen);
        for (int band = 0; band < kBands; ++band) {
            painter.setBrush(FactorColour(static_cast<double>(band) / (kBands - 1)));
            const double top = bar.bottom() - (band + 1) * bar.height() / kBands;
            painter.drawRect(QRectF(bar.left(), top, bar.width(), bar.height() / kBands + 0.5));
        }
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(bar);
        // The scale's title in two lines, in a smaller font where the widest would not fit.
        const QString title = QStringLiteral("Lowest F\nper centre");
        const double widest = fm.horizontalAdvance(QStringLiteral("per centre"));
        painter.save();
        if (widest > kScaleRoom - 10) {
            QFont small = painter.font();
            const double share = (kScaleRoom - 10) / widest;
            if (small.pixelSize() > 0) {
                small.setPixelSize(std::max(1, static_cast<int>(small.pixelSize() * share)));
            } else {
                small.setPointSizeF(small.pointSizeF() * share);
            }
            painter.setFont(small);
        }
        painter.drawText(QRectF(area.right() - kScaleRoom + 2, area.top() + 4, kScaleRoom - 4,
                                fm.height() * 2.2),
                         Qt::AlignLeft | Qt::AlignTop, title);
        painter.restore();
        painter.drawText(QRectF(bar.right() + 3, bar.top() - fm.height() / 2, 40, fm.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::number(highest, 'f', 3));
        painter.drawText(QRectF(bar.right() + 3, bar.bottom() - fm.height() / 2, 40, fm.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::number(lowest, 'f', 3));
    }
}

}  // namespace vardolin::critical

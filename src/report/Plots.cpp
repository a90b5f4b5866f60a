// SPDX-License-Identifier: MIT
#include "report/Plots.h"

#include <QFontMetricsF>
#include <QObject>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <utility>
#include <vector>

#include "statistics/Convergence.h"
#include "statistics/TrialDistribution.h"

namespace vardolin::report {

namespace {

using namespace plot_colours;

struct Range {
    double low;
    double high;
};

// A round step (1, 2, 2.5 or 5 times a power of ten) that crosses `span` in about four steps.
double NiceStep(double span) {
    const double least = span / 4.0 * (1.0 - 1e-9);
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    for (double m : {1.0, 2.0, 2.5, 5.0}) {
        if (m * power >= least) {
            return m * power;
        }
    }
    return 10.0 * power;
}

// An axis: its range and the step of its ticks.
struct Scale {
    Range range;
    double step;
};

bool Drawable(const Scale& s) {
    return std::isfinite(s.range.low) && std::isfinite(s.range.high) &&
           s.range.high > s.range.low && std::isfinite(s.step) && s.step > 0.0;
}

// The range widened to round values, or kept as it is (`exact`) with round ticks inside it; a
// range without width is given some around its value. A range no double can span (an end not
// finite, or ends too far apart) gives way to 0 to 1, so that no plot divides by zero.
Scale NiceScale(Range r, bool exact) {
    if (!(r.high > r.low)) {
        const double half = std::max(std::abs(r.low) * 0.05, 0.5);
        r = {r.low - half, r.high + half};
    }
    const double step = NiceStep(r.high - r.low);
    Scale scale{r, step};
    if (!exact) {
        scale.range = {std::floor(r.low / step) * step, std::ceil(r.high / step) * step};
    }
    return Drawable(scale) ? scale : Scale{{0.0, 1.0}, 0.25};
}

// The ticks of a scale: the whole multiples of its step within its range, at most a few dozen
// of them however far the range lies from 0.
template <typename Tick>
void EachTick(const Scale& s, const Tick& tick) {
    const double first = std::ceil(s.range.low / s.step - 1e-9);
    for (int i = 0; i <= 50; ++i) {
        // Whole multiples of the step, so that no rounding residue shows ("0", not "1E-17").
        const double value = (first + i) * s.step;
        if (!(value <= s.range.high + s.step * 1e-9)) {
            break;
        }
        tick(value);
    }
}

Range RangeOf(std::span<const double> values) {
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return {*low, *high};
}

Range Including(Range range, double value) {
    return {std::min(range.low, value), std::max(range.high, value)};
}

// A second vertical axis at the right: its title, and its label at each grid line of the left
// axis's value.
struct RightAxis {
    QString title;
    std::function<QString(double)> label;
};

// A plot's axes in `area`: its title above, round ticks labelled in the form's number style,
// light grid lines, the axis titles, and the mapping from values to the painter's coordinates.
class Axes {
public:
    // `exactX` keeps the horizontal range as given (trials 1 to n, -3 to 3 SD).
    Axes(QPainter& painter, const QRectF& area, Range x, Range y, const PlotStyle& style,
         const QString& title, const QString& xTitle, const QString& yTitle, bool exactX = false)
        : Axes(painter, area, NiceScale(x, exactX), NiceScale(y, false), style, title, xTitle,
               yTitle, 0.0, nullptr) {}

    // Axes on the scales given; `headroom` is left free between the title and the plot.
    Axes(QPainter& painter, const QRectF& area, const Scale& xScale, const Scale& yScale,
         const PlotStyle& style, const QString& title, const QString& xTitle, const QString& yTitle,
         double headroom, const RightAxis* right) {
        x_ = xScale.range;
        y_ = yScale.range;
        const QFontMetricsF fm(style.font, painter.device());
        const double line = fm.height();
        QFont bold = style.font;
        bold.setBold(true);
        const double labelWidth = std::max(fm.horizontalAdvance(style.Number(y_.low)),
                                           fm.horizontalAdvance(style.Number(y_.high))) +
                                  fm.horizontalAdvance(QStringLiteral("-0,00"));
        double rightWidth = 0.0;
        if (right != nullptr) {
            EachTick(yScale, [&](double value) {
                rightWidth = std::max(rightWidth, fm.horizontalAdvance(right->label(value)));
            });
            rightWidth += line * 1.7;
        }
        plot_ = QRectF(area.left() + line * 1.4 + labelWidth, area.top() + line * 1.6 + headroom,
                       0.0, 0.0);
        plot_.setRight(area.right() - line - rightWidth);
        plot_.setBottom(area.bottom() - line * 2.6);

        painter.save();
        painter.setFont(bold);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left(), area.top(), area.width(), line * 1.4), Qt::AlignCenter,
                         title);
        painter.setFont(style.font);
        const QPen grid(QColor(0xD0, 0xD0, 0xD0), 0.8);
        const QPen text(Qt::black);
        EachTick(xScale, [&](double value) {
            const QPointF at = At(value, y_.low);
            painter.setPen(grid);
            painter.drawLine(QPointF(at.x(), plot_.top()), QPointF(at.x(), plot_.bottom()));
            painter.setPen(text);
            painter.drawText(QRectF(at.x() - 60, plot_.bottom() + line * 0.2, 120, line),
                             Qt::AlignHCenter | Qt::AlignTop, style.Number(value));
        });
        EachTick(yScale, [&](double value) {
            const QPointF at = At(x_.low, value);
            painter.setPen(grid);
            painter.drawLine(QPointF(plot_.left(), at.y()), QPointF(plot_.right(), at.y()));
            painter.setPen(text);
            painter.drawText(
                QRectF(plot_.left() - labelWidth - line * 0.3, at.y() - line / 2, labelWidth, line),
                Qt::AlignRight | Qt::AlignVCenter, style.Number(value));
            if (right != nullptr) {
                painter.drawText(QRectF(plot_.right() + line * 0.3, at.y() - line / 2,
                                        rightWidth - line * 1.7, line),
                                 Qt::AlignLeft | Qt::AlignVCenter, right->label(value));
            }
        });
        painter.setPen(QPen(Qt::black, 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(plot_);
        painter.drawText(QRectF(plot_.left(), plot_.bottom() + line * 1.3, plot_.width(), line),
                         Qt::AlignCenter, xTitle);
        if (right != nullptr) {
            painter.save();
            painter.translate(area.right(), plot_.center().y());
            painter.rotate(90);
            painter.drawText(QRectF(-plot_.height() / 2, 0, plot_.height(), line), Qt::AlignCenter,
                             right->title);
            painter.restore();
        }
        painter.translate(area.left(), plot_.center().y());
        painter.rotate(-90);
        painter.drawText(QRectF(-plot_.height() / 2, 0, plot_.height(), line), Qt::AlignCenter,
                         yTitle);
        painter.restore();
    }

    QPointF At(double x, double y) const {
        return {plot_.left() + (x - x_.low) / (x_.high - x_.low) * plot_.width(),
                plot_.bottom() - (y - y_.low) / (y_.high - y_.low) * plot_.height()};
    }
    const QRectF& plot() const { return plot_; }
    Range x() const { return x_; }
    Range y() const { return y_; }

    // A horizontal or vertical line across the plot.
    void Horizontal(QPainter& painter, double y, const QPen& pen) const {
        painter.setPen(pen);
        painter.drawLine(At(x_.low, y), At(x_.high, y));
    }
    void Vertical(QPainter& painter, double x, const QPen& pen) const {
        painter.setPen(pen);
        painter.drawLine(At(x, y_.low), At(x, y_.high));
    }

private:
    Range x_{};
    Range y_{};
    QRectF plot_;
};

// The legend in the plot's upper right corner: a short line in each entry's pen, or a filled
// square for an entry with a brush.
struct LegendEntry {
    QString text;
    QPen pen;
    bool filled = false;
};

void Legend(QPainter& painter, const Axes& axes, const std::vector<LegendEntry>& entries,
            const PlotStyle& style, bool left = false) {
    const QFontMetricsF fm(style.font, painter.device());
    const double line = fm.height();
    double width = 0;
    for (const LegendEntry& entry : entries) {
        width = std::max(width, fm.horizontalAdvance(entry.text));
    }
    width += line * 3.0;
    const double x =
        left ? axes.plot().left() + line * 0.5 : axes.plot().right() - width - line * 0.5;
    QRectF box(x, axes.plot().top() + line * 0.5, width,
               line * static_cast<double>(entries.size()) + line * 0.4);
    painter.save();
    painter.setFont(style.font);
    painter.setPen(QPen(QColor(0x90, 0x90, 0x90), 0.6));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawRect(box);
    double y = box.top() + line * 0.2;
    for (const LegendEntry& entry : entries) {
        const double middle = y + line / 2;
        if (entry.filled) {
            painter.setPen(QPen(entry.pen.color().darker(130), 0.6));
            painter.setBrush(entry.pen.color());
            painter.drawRect(QRectF(x + line * 0.5, middle - line * 0.3, line * 1.4, line * 0.6));
        } else {
            painter.setPen(entry.pen);
            painter.drawLine(QPointF(x + line * 0.4, middle), QPointF(x + line * 2.0, middle));
        }
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x + line * 2.5, y, width, line), Qt::AlignVCenter, entry.text);
        y += line;
    }
    painter.restore();
}

// Where each entry of a legend in one band goes, row after row across `width` from (left, top):
// its box, a symbol's room and its text.
std::vector<QRectF> LegendFlow(const QFontMetricsF& fm, double left, double top, double width,
                               const std::vector<LegendEntry>& entries) {
    const double line = fm.height();
    std::vector<QRectF> places;
    double x = left;
    double y = top;
    for (const LegendEntry& entry : entries) {
        const double wide = line * 2.5 + fm.horizontalAdvance(entry.text) + line;
        if (x > left && x + wide > left + width) {
            x = left;
            y += line;
        }
        places.emplace_back(x, y, wide, line);
        x += wide;
    }
    return places;
}

// The height of a legend in one band above a plot, centred across `width`.
double LegendBandHeight(const QFontMetricsF& fm, double width,
                        const std::vector<LegendEntry>& entries) {
    const std::vector<QRectF> places = LegendFlow(fm, 0.0, 0.0, width, entries);
    return places.empty() ? 0.0 : places.back().bottom() + fm.height() * 0.3;
}

void LegendBand(QPainter& painter, const QRectF& band, const std::vector<LegendEntry>& entries,
                const PlotStyle& style) {
    const QFontMetricsF fm(style.font, painter.device());
    const double line = fm.height();
    std::vector<QRectF> places = LegendFlow(fm, band.left(), band.top(), band.width(), entries);
    // Each row centred: shifted by half of what it leaves free at its right.
    for (std::size_t first = 0; first < places.size();) {
        std::size_t last = first;
        while (last + 1 < places.size() && places[last + 1].top() == places[first].top()) {
            ++last;
        }
        const double shift = std::max(0.0, (band.right() - places[last].right()) / 2);
        for (std::size_t i = first; i <= last; ++i) {
            places[i].translate(shift, 0.0);
        }
        first = last + 1;
    }
    painter.save();
    painter.setFont(style.font);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const LegendEntry& entry = entries[i];
        const QRectF& at = places[i];
        const double middle = at.center().y();
        if (entry.filled) {
            painter.setPen(QPen(entry.pen.color().darker(130), 0.6));
            painter.setBrush(entry.pen.color());
            painter.drawRect(
                QRectF(at.left() + line * 0.3, middle - line * 0.3, line * 1.4, line * 0.6));
        } else {
            painter.setPen(entry.pen);
            painter.drawLine(QPointF(at.left() + line * 0.2, middle),
                             QPointF(at.left() + line * 1.8, middle));
        }
        painter.setPen(Qt::black);
        painter.drawText(QRectF(at.left() + line * 2.2, at.top(), at.width() - line * 2.2, line),
                         Qt::AlignLeft | Qt::AlignVCenter, entry.text);
    }
    painter.restore();
}

// At most about 2000 of a long series' points, its last one always, so a long run draws fast.
std::size_t DrawStride(std::size_t points) {
    return std::max<std::size_t>(1, points / 2000);
}

QPainterPath Polyline(const Axes& axes, const std::vector<double>& values) {
    QPainterPath path;
    const std::size_t stride = DrawStride(values.size());
    for (std::size_t i = 0; i < values.size(); i += stride) {
        const QPointF at = axes.At(static_cast<double>(i + 1), values[i]);
        i == 0 ? path.moveTo(at) : path.lineTo(at);
    }
    path.lineTo(axes.At(static_cast<double>(values.size()), values.back()));
    return path;
}

}  // namespace

QString PlotStyle::Number(double value) const {
    return QString::fromStdString(DoubleToText(value, locale));
}

QString ParameterTitle(const AnalysisDescription& analysis, int meanField) {
    const FieldFact* fact = analysis.findField(meanField);
    if (fact == nullptr) {
        return QStringLiteral("Text%1").arg(meanField);
    }
    QString name =
        QString::fromUtf8(fact->label.data(), static_cast<qsizetype>(fact->label.size()));
    name = name.section(QLatin1Char(':'), 0, 0);
    return fact->unit.empty()
               ? name
               : QStringLiteral("%1 (%2)").arg(
                     name, QString::fromUtf8(fact->unit.data(),
                                             static_cast<qsizetype>(fact->unit.size())));
}

namespace {

// The smallest whole step of a round number times a power of ten that reaches `top` in the count
// axis's steps: a finer choice than 1, 2, 2.5 and 5, so that little of the axis stands empty
// above the tallest bar.
double CountStep(double top) {
    const double least = top / HistogramLayout::kCountSteps;
    for (double power = 1.0;; power *= 10.0) {
        for (double m : {1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 7.5, 8.0}) {
            const double step = m * power;
            if (step >= least && step == std::floor(step)) {
                return step;
            }
        }
    }
}

}  // namespace

HistogramLayout LayOutHistogram(std::span<const double> factors) {
    HistogramLayout layout;
    layout.trials = static_cast<int>(factors.size());
    std::vector<double> finite;
    // Beyond ±1e300 the bins' edges and the scales' round ends would overflow.
    std::copy_if(factors.begin(), factors.end(), std::back_inserter(finite),
                 [](double factor) { return std::abs(factor) <= 1e300; });
    if (finite.empty()) {
        return layout;
    }
    layout.bins = BinFactors(finite);
    layout.cumulative = CumulativeFractions(layout.bins);
    layout.mean = Describe(finite).mean;
    const FactorHistogram& h = layout.bins;
    layout.left = std::min(h.lowerEdge(0), 1.0 - h.width);
    layout.right = std::max(h.lowerEdge(h.counts.size()), 1.0 + h.width);
    const int tallest = *std::max_element(h.counts.begin(), h.counts.end());
    layout.countStep = CountStep(tallest * 1.1 + 1.0);
    return layout;
}

void PaintHistogram(QPainter& painter, const QRectF& area, std::span<const double> factors,
                    const PlotStyle& style) {
    const HistogramLayout layout = LayOutHistogram(factors);
    const FactorHistogram& h = layout.bins;
    const QPen factorOfOne(kFactorOfOne, 1.5, Qt::DashLine);
    const QPen mean(kMean, 1.5, Qt::DashDotLine);
    const QPen cumulative(kCumulative, 1.8);
    const std::vector<LegendEntry> legend{{QObject::tr("Failed (below 1)"), QPen(kFailed), true},
                                          {QObject::tr("Stable (1 or more)"), QPen(kStable), true},
                                          {QObject::tr("Factor of 1"), factorOfOne},
                                          {QObject::tr("Mean"), mean},
                                          {QObject::tr("Cumulative"), cumulative}};
    const QFontMetricsF fm(style.font, painter.device());
    const double headroom = LegendBandHeight(fm, area.width(), legend);
    const RightAxis share{QObject::tr("Cumulative (%)"), [&layout, &style](double count) {
                              return style.Number(count / layout.countTop() * 100.0);
                          }};
    const Axes axes(painter, area, NiceScale({layout.left, layout.right}, false),
                    {{0.0, layout.countTop()}, layout.countStep}, style,
                    QObject::tr("Factors of safety of %1 trials").arg(style.Number(layout.trials)),
                    QObject::tr("Factor of safety"), QObject::tr("Trials"), headroom, &share);
    LegendBand(painter,
               QRectF(area.left(), axes.plot().top() - headroom - fm.height() * 0.1, area.width(),
                      headroom),
               legend, style);
    painter.save();
    painter.setClipRect(axes.plot());
    for (std::size_t bin = 0; bin < h.counts.size(); ++bin) {
        const QColor colour = h.belowOne(bin) ? kFailed : kStable;
        painter.setPen(QPen(colour.darker(130), 0.6));
        painter.setBrush(colour);
        painter.drawRect(
            QRectF(axes.At(h.lowerEdge(bin), h.counts[bin]), axes.At(h.lowerEdge(bin + 1), 0.0)));
    }
    axes.Vertical(painter, 1.0, factorOfOne);
    if (layout.mean) {
        axes.Vertical(painter, *layout.mean, mean);
    }
    if (!h.counts.empty()) {
        // The cumulative share on the right axis: the top of the trial axis is 100 %.
        QPainterPath curve(axes.At(h.lowerEdge(0), 0.0));
        for (std::size_t bin = 0; bin < layout.cumulative.size(); ++bin) {
            curve.lineTo(axes.At(h.lowerEdge(bin + 1), layout.cumulative[bin] * layout.countTop()));
        }
        painter.setPen(cumulative);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(curve);
    }
    painter.restore();
}

void PaintOnWhite(QPainter& painter, const QRect& bounds, const PlotPaint& paint) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(bounds, Qt::white);
    if (paint) {
        paint(painter, QRectF(bounds).adjusted(4, 4, -4, -4));
    }
}

void PaintConvergence(QPainter& painter, const QRectF& area, std::span<const double> factors,
                      const PlotStyle& style) {
    const RunningFigures running = RunningFiguresOf(factors);
    const double trials = static_cast<double>(factors.size());
    QRectF upper = area;
    upper.setHeight(area.height() / 2);
    QRectF lower = upper.translated(0, upper.height());

    const Axes means(painter, upper, {1.0, trials}, Including(RangeOf(running.mean), 1.0), style,
                     QObject::tr("Running mean factor of safety"), QObject::tr("Trial"),
                     QObject::tr("Mean factor"), true);
    painter.save();
    painter.setClipRect(means.plot());
    means.Horizontal(painter, 1.0, QPen(kFactorOfOne, 1.5, Qt::DashLine));
    painter.setPen(QPen(kMean, 1.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(Polyline(means, running.mean));
    painter.restore();
    Legend(painter, means,
           {{QObject::tr("Mean of the trials so far"), QPen(kMean, 1.8)},
            {QObject::tr("Factor of 1"), QPen(kFactorOfOne, 1.5, Qt::DashLine)}},
           style);

    const Range shares{std::max(0.0, *std::min_element(running.bandLow.begin() +
                                                           static_cast<long>(factors.size() / 10),
                                                       running.bandLow.end()) -
                                         1.0),
                       std::min(100.0, *std::max_element(running.bandHigh.begin() +
                                                             static_cast<long>(factors.size() / 10),
                                                         running.bandHigh.end()) +
                                           1.0)};
    const Axes percentages(painter, lower, {1.0, trials}, shares, style,
                           QObject::tr("Running failure probability with its 95 % band"),
                           QObject::tr("Trial"), QObject::tr("Failure probability (%)"), true);
    painter.save();
    painter.setClipRect(percentages.plot());
    QPainterPath band = Polyline(percentages, running.bandHigh);
    const QPainterPath low = Polyline(percentages, running.bandLow);
    band.connectPath(low.toReversed());
    band.closeSubpath();
    QColor fill = kBand;
    fill.setAlpha(90);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(band);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kFailed, 1.8));
    painter.drawPath(Polyline(percentages, running.failurePercentage));
    painter.restore();
    Legend(painter, percentages,
           {{QObject::tr("Failure probability so far"), QPen(kFailed, 1.8)},
            {QObject::tr("95 % band, p \u00B1 1.96\u221A(p(1\u2212p)/n)"), QPen(fill), true}},
           style);
}

QPen SensitivityCurvePen(std::size_t index) {
    static const std::array<QColor, 6> kColours{kStable,     kFailed, kMean,
                                                kCumulative, kOrange, kBand};
    static const std::array<Qt::PenStyle, 5> kDashes{Qt::SolidLine, Qt::DashLine, Qt::DashDotLine,
                                                     Qt::DotLine, Qt::DashDotDotLine};
    // Curve 6q + r takes colour r and dash (2q + r) mod 5: for one colour, q -> 2q + r is one to
    // one over five rounds, since 2 has an inverse mod 5.
    const std::size_t round = index / kColours.size();
    const std::size_t colour = index % kColours.size();
    return QPen(kColours[colour], 2.0, kDashes[(2 * round + colour) % kDashes.size()]);
}

void PaintSensitivity(QPainter& painter, const QRectF& area, const AnalysisDescription& analysis,
                      const Sensitivity& sensitivity, const PlotStyle& style) {
    Range y{sensitivity.factorAtMeans, sensitivity.factorAtMeans};
    y = Including(y, 1.0);
    for (const SensitivityCurve& curve : sensitivity.curves) {
        for (const std::optional<double>& factor : curve.factors) {
            if (factor && std::isfinite(*factor)) {
                y = Including(y, *factor);
            }
        }
    }
    const Axes axes(painter, area, {-kSensitivitySpan, kSensitivitySpan}, y, style,
                    QObject::tr("Factor of safety at the means, one parameter moved"),
                    QObject::tr("Standard deviations from the mean"),
                    QObject::tr("Factor of safety"), true);
    std::vector<LegendEntry> legend;
    painter.save();
    painter.setClipRect(axes.plot());
    axes.Horizontal(painter, 1.0, QPen(kFactorOfOne, 1.5, Qt::DashLine));
    for (std::size_t c = 0; c < sensitivity.curves.size(); ++c) {
        const SensitivityCurve& curve = sensitivity.curves[c];
        const QPen pen = SensitivityCurvePen(c);
        QPainterPath path;
        bool drawing = false;
        for (std::size_t i = 0; i < curve.offsets.size(); ++i) {
            if (!curve.factors[i] || !std::isfinite(*curve.factors[i])) {
                drawing = false;  // a value the formula cannot take leaves a gap
                continue;
            }
            const QPointF at = axes.At(curve.offsets[i], *curve.factors[i]);
            drawing ? path.lineTo(at) : path.moveTo(at);
            drawing = true;
        }
        painter.setPen(pen);
        painter.drawPath(path);
        legend.push_back({QStringLiteral("%1: %2 \u00B1 %3")
                              .arg(ParameterTitle(analysis, curve.meanField),
                                   style.Number(curve.mean), style.Number(curve.standardDeviation)),
                          pen});
    }
    painter.restore();
    legend.push_back({QObject::tr("Factor of 1"), QPen(kFactorOfOne, 1.5, Qt::DashLine)});
    Legend(painter, axes, legend, style, true);
}

void PaintScatter(QPainter& painter, const QRectF& area, const AnalysisDescription& analysis,
                  std::span<const double> factors, const ParameterDraws& draws,
                  const PlotStyle& style) {
    const std::size_t panels = draws.meanFields().size();
    if (panels == 0 || draws.empty()) {
        return;
    }
    const int columns = panels > 1 ? 2 : 1;
    const int rows = static_cast<int>((panels + 1) / 2);
    const double width = area.width() / columns;
    const double height = area.height() / rows;
    std::vector<double> kept(draws.rows());
    for (std::size_t row = 0; row < draws.rows(); ++row) {
        kept[row] = factors[static_cast<std::size_t>(draws.trialOf(row) - 1)];
    }
    const Range y = Including(RangeOf(kept), 1.0);
    const double dot = QFontMetricsF(style.font, painter.device()).height() * 0.18;
    for (std::size_t p = 0; p < panels; ++p) {
        const QRectF panel(area.left() + width * static_cast<double>(p % 2),
                           area.top() + height * static_cast<double>(p / 2), width, height);
        const std::vector<double>& values = draws.column(p);
        const Axes axes(painter, panel, RangeOf(values), y, style,
                        ParameterTitle(analysis, draws.meanFields()[p]), QObject::tr("Drawn value"),
                        QObject::tr("Factor of safety"));
        painter.save();
        painter.setClipRect(axes.plot());
        painter.setPen(Qt::NoPen);
        for (std::size_t row = 0; row < values.size(); ++row) {
            painter.setBrush(kept[row] < 1.0 ? kFailed : kStable);
            painter.drawEllipse(axes.At(values[row], kept[row]), dot, dot);
        }
        axes.Horizontal(painter, 1.0, QPen(kFactorOfOne, 1.5, Qt::DashLine));
        painter.restore();
        if (p == 0) {
            Legend(painter, axes,
                   {{QObject::tr("Failed (below 1)"), QPen(kFailed), true},
                    {QObject::tr("Stable (1 or more)"), QPen(kStable), true}},
                   style);
        }
    }
}

}  // namespace vardolin::report

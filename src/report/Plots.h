// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QRectF>
#include <QString>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "analysis/AnalysisDescription.h"
#include "analysis/ParameterDraws.h"
#include "analysis/Sensitivity.h"
#include "numerics/NumberText.h"
#include "statistics/TrialDistribution.h"

class QPainter;

namespace vardolin::report {

// The plots of a run, drawn with a painter alone (no widget), so that the results window and the
// printed report draw the same picture on a screen, an image, a printer or a PDF.
//
// The one palette of every plot, the histogram window's too: colours of the Okabe-Ito palette,
// which stay apart for readers with any common colour vision deficiency, and lines differ by their
// dashes as well.
namespace plot_colours {
inline const QColor kFailed(0xD5, 0x5E, 0x00);  // vermillion: failed trials
inline const QColor kStable(0x00, 0x72, 0xB2);  // blue: stable trials
inline const QColor kFactorOfOne(0x00, 0x00, 0x00);
inline const QColor kMean(0x00, 0x9E, 0x73);        // bluish green
inline const QColor kCumulative(0xCC, 0x79, 0xA7);  // reddish purple
inline const QColor kBand(0x56, 0xB4, 0xE9);        // sky blue
inline const QColor kOrange(0xE6, 0x9F, 0x00);
}  // namespace plot_colours

// The pen of the sensitivity plot's curve `index`: six colours and five dashes, paired so that
// the first 30 curves (a section's many soils) all differ; the first six differ by both.
QPen SensitivityCurvePen(std::size_t index);

// How the plots write: the font, and the numbers in the form's style (DoubleToText with the
// user's decimal separator).
struct PlotStyle {
    QFont font;
    NumberLocale locale;

    QString Number(double value) const;
};

// The histogram of the trial factors as PaintHistogram draws it. The bins hold the factors
// within ±1e300 only: one that is not a number, infinite or beyond has no bar, and without any
// other there are no bins and no mean. The factor axis spans [left, right], 1 ± a bin included; the
// trial axis spans four whole steps of countStep, so that the cumulative axis beside it reads 0,
// 25, 50, 75 and 100 % on the same grid lines.
struct HistogramLayout {
    int trials = 0;  // every factor given, finite or not
    FactorHistogram bins;
    std::vector<double> cumulative;  // share at or below each bin's upper edge
    std::optional<double> mean;
    double left = 0.0;
    double right = 2.0;
    double countStep = 1.0;

    static constexpr int kCountSteps = 4;
    double countTop() const { return countStep * kCountSteps; }
};

HistogramLayout LayOutHistogram(std::span<const double> factors);

// The trial factors as a histogram: failed bins vermillion, stable ones blue, the line at 1 and
// the mean, and the cumulative share on a second axis at the right. The results window and the
// report both draw it with this.
void PaintHistogram(QPainter& painter, const QRectF& area, std::span<const double> factors,
                    const PlotStyle& style);

// A plot as the windows show it: on white over the whole of `bounds`, a small margin around it.
using PlotPaint = std::function<void(QPainter& painter, const QRectF& area)>;
void PaintOnWhite(QPainter& painter, const QRect& bounds, const PlotPaint& paint);

// The running mean factor (above) and the running failure percentage with its 95 % band
// (below) against the trial number.
void PaintConvergence(QPainter& painter, const QRectF& area, std::span<const double> factors,
                      const PlotStyle& style);

// The factor at the means as one parameter at a time moves across its mean ± 3 SD: one curve
// per parameter on a common axis of standard deviations, and the line at 1.
void PaintSensitivity(QPainter& painter, const QRectF& area, const AnalysisDescription& analysis,
                      const Sensitivity& sensitivity, const PlotStyle& style);

// Each kept trial's factor against each drawn parameter, one panel per parameter, failed
// trials vermillion.
void PaintScatter(QPainter& painter, const QRectF& area, const AnalysisDescription& analysis,
                  std::span<const double> factors, const ParameterDraws& draws,
                  const PlotStyle& style);

// What a parameter is called and its unit: "Cohesion of Discontinuity Surface (Pa)".
QString ParameterTitle(const AnalysisDescription& analysis, int meanField);

}  // namespace vardolin::report

// SPDX-License-Identifier: MIT
// The histogram painter that the results window and the report share: what it draws from any
// set of trial factors, the unusual ones included.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <string>
#include <vector>

#include "report/PaintRecording.h"
#include "report/Plots.h"

namespace vardolin::report {
namespace {

using testing_support::PaintRecording;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct HistogramCase {
    const char* name;
    std::vector<double> factors;
    int drawable;  // factors that have a bar
};

const HistogramCase kHistogramCases[] = {
    {"NoTrials", {}, 0},
    {"OneTrial", {1.2}, 1},
    {"EveryFactorEqual", std::vector<double>(25, 1.3), 25},
    {"EveryFactorZero", {0.0, 0.0, 0.0}, 3},
    {"EveryFactorOne", {1.0, 1.0}, 2},
    {"AllFailed", {0.2, 0.5, 0.7, 0.9, 0.95}, 5},
    {"NoneFailed", {1.5, 2.0, 3.0}, 3},
    {"HugeSpread", {1e-3, 0.8, 1.1, 1e12}, 4},
    {"HugeBothWays", {-1e300, 1e300}, 2},
    {"UnitsInTheLastPlaceApart", {0.05, std::nextafter(0.05, 1.0)}, 2},
    {"LargeAndClose", {1e17, 1e17 + 32.0}, 2},
    {"NotANumberAndInfinitiesLeftOut", {kNaN, 1.1, kInfinity, -kInfinity, 0.9, 1e308}, 2},
    {"NothingButNotANumbers", {kNaN, kInfinity}, 0},
};

class HistogramShapes : public testing::TestWithParam<HistogramCase> {
protected:
    static PlotStyle Style() {
        return {QFontDatabase::systemFont(QFontDatabase::GeneralFont), NumberLocale{}};
    }
};

// Whatever the factors, the layout has finite scales that do not collapse, counts every factor
// it can draw once, and the painting puts every bar in the palette's colour on finite
// coordinates, with the title, the axes' titles and the cumulative axis in quarters.
TEST_P(HistogramShapes, DrawsEveryDrawableFactorOnFiniteScales) {
    const HistogramCase& c = GetParam();
    const HistogramLayout layout = LayOutHistogram(c.factors);
    EXPECT_EQ(layout.trials, static_cast<int>(c.factors.size()));
    const FactorHistogram& h = layout.bins;
    EXPECT_EQ(std::accumulate(h.counts.begin(), h.counts.end(), 0), c.drawable);
    EXPECT_EQ(layout.mean.has_value(), c.drawable > 0);
    EXPECT_TRUE(std::isfinite(layout.left) && std::isfinite(layout.right));
    EXPECT_LT(layout.left, 1.0);
    EXPECT_GT(layout.right, 1.0);
    EXPECT_LE(h.counts.size(), 42u);
    ASSERT_EQ(layout.cumulative.size(), h.counts.size());
    if (!h.counts.empty()) {
        EXPECT_EQ(layout.cumulative.back(), 1.0);
        EXPECT_GE(layout.countTop(), *std::max_element(h.counts.begin(), h.counts.end()));
    }
    EXPECT_EQ(layout.countStep, std::floor(layout.countStep));
    EXPECT_GT(layout.countStep, 0.0);

    PaintRecording recording(QSize(640, 420));
    {
        QPainter painter(&recording);
        PaintHistogram(painter, QRectF(0, 0, 640, 420), c.factors, Style());
    }
    EXPECT_TRUE(recording.AllFinite());
    long failed = 0;
    for (std::size_t bin = 0; bin < h.counts.size(); ++bin) {
        failed += h.belowOne(bin) ? 1 : 0;
    }
    // One bar per bin, and one square in the legend.
    EXPECT_EQ(recording.FilledWith(plot_colours::kFailed), failed + 1);
    EXPECT_EQ(recording.FilledWith(plot_colours::kStable),
              static_cast<long>(h.counts.size()) - failed + 1);
    const QStringList& texts = recording.texts();
    EXPECT_TRUE(texts.contains(
        QStringLiteral("Factors of safety of %1 trials").arg(static_cast<int>(c.factors.size()))))
        << texts.join(QLatin1Char('|')).toStdString();
    for (const char* text : {"Factor of safety", "Trials", "Cumulative (%)", "0", "25", "50", "75",
                             "100", "Failed (below 1)", "Cumulative"}) {
        EXPECT_TRUE(texts.contains(QString::fromLatin1(text))) << text;
    }

    // And on pixels, as the window and the printer paint it.
    QImage image(640, 420, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    PaintOnWhite(painter, image.rect(), [&](QPainter& p, const QRectF& area) {
        PaintHistogram(p, area, c.factors, Style());
    });
}

INSTANTIATE_TEST_SUITE_P(Factors, HistogramShapes, testing::ValuesIn(kHistogramCases),
                         [](const testing::TestParamInfo<HistogramCase>& row) {
                             return std::string(row.param.name);
                         });

// A section's soils give many sensitivity curves: the first 30 must each have a pen of its own.
TEST(SensitivityCurvePens, TheFirstThirtyAllDiffer) {
    std::vector<std::pair<QRgb, Qt::PenStyle>> pens;
    for (std::size_t c = 0; c < 30; ++c) {
        const QPen pen = SensitivityCurvePen(c);
        pens.emplace_back(pen.color().rgb(), pen.style());
    }
    std::sort(pens.begin(), pens.end());
    EXPECT_EQ(std::adjacent_find(pens.begin(), pens.end()), pens.end());
}

}  // namespace
}  // namespace vardolin::report

// SPDX-License-Identifier: MIT
// The histogram window of the plane-failure form: what it shows after which runs.
#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QLabel>
#include <QLineSeries>
#include <QPointer>
#include <QStackedWidget>
#include <QValueAxis>
#include <algorithm>

#include "circle/SliceMethodDescription.h"
#include "forms/FormTestSupport.h"
#include "forms/HistogramWindow.h"
#include "numerics/NumberText.h"
#include "plane/PlaneFields.h"
#include "shared/TrialDistribution.h"

namespace vardolin::forms {
namespace {

using namespace plane;
using testing_support::WindowTest;

class Histogram : public WindowTest {
protected:
    AnalysisForm& form() {
        if (form_ == nullptr) {
            form_ = &navigator().ShowAnalysis(PlaneFailure());
        }
        return *form_;
    }

    HistogramWindow& OpenHistogram() {
        Click(form(), "Command5");
        HistogramWindow* window = form().histogram().window();
        EXPECT_NE(window, nullptr);
        return *window;
    }

    static QString Figure(const HistogramWindow& window, const char* name) {
        const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
        return label != nullptr ? label->text() : QStringLiteral("<no %1>").arg(name);
    }

    static bool ShowsNothingYet(const HistogramWindow& window) {
        const auto* nothing = window.findChild<QLabel*>(QStringLiteral("NothingYet"));
        return nothing != nullptr && nothing->isVisibleTo(&window);
    }

    AnalysisForm* form_ = nullptr;
};

TEST_F(Histogram, SaysThereIsNothingToShowBeforeAnyRun) {
    EXPECT_TRUE(ShowsNothingYet(OpenHistogram()));
}

TEST_F(Histogram, ShowsTheTrialsOfTheLastRunAndFollowsEveryNewRun) {
    HistogramWindow& window = OpenHistogram();
    Click(form(), "Command1");
    EXPECT_FALSE(ShowsNothingYet(window));
    EXPECT_EQ(Figure(window, "Trials"), "500");
    EXPECT_EQ(Figure(window, "FailureProbability"), "96.6");
    std::vector<double> factors;
    for (int i = 1; i <= 500; ++i) {
        factors.push_back(module_->TrialSafetyFactors[i]);
    }
    const TrialDistribution expected = Describe(factors);
    EXPECT_EQ(Figure(window, "Mean"), QString::fromStdString(DoubleToText(expected.mean)));
    EXPECT_EQ(Figure(window, "Minimum"), QString::fromStdString(DoubleToText(expected.minimum)));
    EXPECT_EQ(Figure(window, "Mean"), Text(form(), MeanSafetyFactor));

    Type(form(), CalculationCount, "300");
    Click(form(), "Command1");
    EXPECT_EQ(Figure(window, "Trials"), "300");
}

QChart* ChartOf(const HistogramWindow& window) {
    const auto* view = window.findChild<QChartView*>(QStringLiteral("HistogramChart"));
    return view != nullptr ? view->chart() : nullptr;
}

template <typename Axis>
Axis* AxisOf(const QChart& chart, Qt::Alignment side) {
    const QList<QAbstractAxis*> axes = chart.axes(Qt::Horizontal | Qt::Vertical);
    for (QAbstractAxis* axis : axes) {
        if (axis->alignment() == side) {
            return qobject_cast<Axis*>(axis);
        }
    }
    return nullptr;
}

// The window writes what the form writes: 9999, not "9,999", and the user's decimal separator
// in the figures and on the axes, all in the forms' font.
TEST_F(Histogram, WritesEveryFigureInTheFormsNumberStyleAndFont) {
    context_.locale.decimalSeparator = ",";
    Type(form(), CalculationCount, "9999");
    Click(form(), "Command1");
    const HistogramWindow& window = OpenHistogram();
    EXPECT_EQ(Figure(window, "Trials"), "9999");
    EXPECT_EQ(Figure(window, "Mean"), Text(form(), MeanSafetyFactor));
    EXPECT_EQ(Figure(window, "FailureProbability"), Text(form(), FailureProbability));
    for (const char* figure : {"Mean", "StandardDeviation", "Minimum", "Maximum"}) {
        EXPECT_TRUE(Figure(window, figure).contains(',')) << figure;
        EXPECT_FALSE(Figure(window, figure).contains('.')) << figure;
    }

    const QChart* chart = ChartOf(window);
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->title().contains("9999")) << chart->title().toStdString();
    auto* factor = AxisOf<QCategoryAxis>(*chart, Qt::AlignBottom);
    ASSERT_NE(factor, nullptr);
    const QStringList ticks = factor->categoriesLabels();
    ASSERT_GE(ticks.size(), 3);
    EXPECT_TRUE(ticks.join(' ').contains(',')) << ticks.join(' ').toStdString();
    EXPECT_FALSE(ticks.join(' ').contains('.')) << ticks.join(' ').toStdString();
    EXPECT_TRUE(ticks.contains("1")) << "the factor of 1 is a tick";

    const QString family = FontFor(kFormDefaultFont).family();
    EXPECT_EQ(window.font().family(), family);
    EXPECT_EQ(chart->titleFont().family(), family);
    EXPECT_EQ(factor->labelsFont().family(), family);
}

// The cumulative axis reads in quarters, on the grid lines of the trial counts.
TEST_F(Histogram, ReadsTheCumulativeShareInQuartersOnTheCountGrid) {
    for (const char* count : {"2", "50", "500"}) {
        Type(form(), CalculationCount, count);
        Click(form(), "Command1");
        const QChart* chart = ChartOf(OpenHistogram());
        ASSERT_NE(chart, nullptr);
        const auto* share = AxisOf<QValueAxis>(*chart, Qt::AlignRight);
        const auto* trials = AxisOf<QValueAxis>(*chart, Qt::AlignLeft);
        ASSERT_NE(share, nullptr);
        ASSERT_NE(trials, nullptr);
        EXPECT_EQ(share->min(), 0.0);
        EXPECT_EQ(share->max(), 100.0);
        EXPECT_EQ(share->tickCount(), 5);
        EXPECT_EQ(trials->tickCount(), 5) << count;
        EXPECT_EQ(trials->min(), 0.0);
        const double step = trials->max() / 4.0;
        EXPECT_EQ(step, std::floor(step)) << count << ": whole trial counts on every grid line";
        EXPECT_GT(trials->max(), 0.0);
    }
}

TEST_F(Histogram, ClosesWithEscapeAndWithControlW) {
    Click(form(), "Command1");
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        HistogramWindow& window = OpenHistogram();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keySequence(&window, keys);
        EXPECT_EQ(form().histogram().window(), nullptr) << keys.toString().toStdString();
        DeletePending();
    }
}

TEST_F(Histogram, KeepsThePreviousRunWhenARunStopsOrUsesFixedData) {
    Click(form(), "Command1");
    HistogramWindow& window = OpenHistogram();
    const QString mean = Figure(window, "Mean");

    Type(form(), SlopeHeight, "");
    Click(form(), "Command1");  // stops with a run-time error
    Type(form(), SlopeHeight, "20");
    Type(form(), CalculationCount, "1");
    Click(form(), "Command1");  // stops with a count message
    EXPECT_EQ(Figure(window, "Mean"), mean);
    EXPECT_TRUE(Figure(window, "Note").isEmpty());

    Type(form(), CalculationCount, "500");
    for (int sd : {CohesionStdDev, FrictionAngleStdDev, RockUnitWeightStdDev, WaterHeightStdDev}) {
        Type(form(), sd, "0");
    }
    Click(form(), "Command1");  // fixed data: not a distribution
    EXPECT_EQ(Figure(window, "Mean"), mean);
    EXPECT_TRUE(Figure(window, "Note").contains("fixed data"));
}

TEST_F(Histogram, ClosesWithItsFormAndComesBackEmptyWithANewForm) {
    Click(form(), "Command1");
    OpenHistogram();
    form().close();
    DeletePending();
    form_ = nullptr;
    EXPECT_EQ(OpenWindows<HistogramWindow>(), 0);
    EXPECT_TRUE(ShowsNothingYet(OpenHistogram()));
}

TEST_F(Histogram, EachFormShowsItsOwnLastRunOnly) {
    Click(form(), "Command1");
    AnalysisForm& slice = navigator().ShowAnalysis(SliceMethod());
    Type(slice, 21, "40");
    Click(slice, "Command1");
    const auto state = uniforms_.state();
    const QString sliceTexts = slice.findChild<QLineEdit*>("Text6")->text();

    Click(slice, "Command5");
    HistogramWindow* sliceWindow = slice.histogram().window();
    ASSERT_NE(sliceWindow, nullptr);
    EXPECT_EQ(Figure(*sliceWindow, "Trials"), "40");
    EXPECT_EQ(Figure(*sliceWindow, "FailureProbability"), Text(slice, 17));
    EXPECT_EQ(Figure(OpenHistogram(), "Trials"), "500");
    EXPECT_EQ(Figure(OpenHistogram(), "FailureProbability"), "96.6");
    EXPECT_EQ(OpenWindows<HistogramWindow>(), 2);

    // Looking at either distribution changes no field and takes no uniform value.
    EXPECT_EQ(uniforms_.state(), state);
    EXPECT_EQ(slice.findChild<QLineEdit*>("Text6")->text(), sliceTexts);

    // A plane run that stops leaves the slice histogram as it was, and the plane one too.
    Type(form(), SlopeHeight, "x");
    Click(form(), "Command1");
    EXPECT_EQ(Figure(*sliceWindow, "Trials"), "40");
}

// Every part of the chart on show: the chart, its axes, its series and the lines the areas
// are drawn from, which the chart does not list as its own.
std::vector<QPointer<QObject>> ChartParts(const HistogramWindow& window) {
    const auto* view = window.findChild<QChartView*>(QStringLiteral("HistogramChart"));
    if (view == nullptr || view->chart() == nullptr) {
        return {};
    }
    QChart* chart = view->chart();
    std::vector<QPointer<QObject>> parts{chart};
    for (QAbstractAxis* axis : chart->axes()) {
        parts.emplace_back(axis);
    }
    for (QAbstractSeries* series : chart->series()) {
        parts.emplace_back(series);
        if (auto* area = qobject_cast<QAreaSeries*>(series)) {
            for (QLineSeries* line : {area->upperSeries(), area->lowerSeries()}) {
                if (line != nullptr) {
                    parts.emplace_back(line);
                }
            }
        }
    }
    return parts;
}

// Objects the window holds whatever the distribution: its widgets and layouts, and the charts
// in the view's scene.
qsizetype ObjectCount(const HistogramWindow& window) {
    const auto* view = window.findChild<QChartView*>(QStringLiteral("HistogramChart"));
    const QList<QGraphicsItem*> items = view->scene()->items();
    return window.findChildren<QObject*>().size() +
           std::count_if(items.begin(), items.end(),
                         [](const QGraphicsItem* item) { return item->parentItem() == nullptr; });
}

// The window stays open through a working day of runs: each refresh frees everything the
// chart before it held, so nothing grows (the sanitizer build also checks for leaks at exit).
TEST_F(Histogram, FreesTheChartOfEachRunWhenTheNextRunIsShown) {
    HistogramWindow& window = OpenHistogram();
    Type(form(), CalculationCount, "50");
    Click(form(), "Command1");
    const qsizetype objects = ObjectCount(window);
    std::vector<QPointer<QObject>> shown = ChartParts(window);
    ASSERT_GE(shown.size(), 10u);  // chart, 3 axes, areas with their outlines, lines, curve
    for (int run = 0; run < 300; ++run) {
        Click(form(), "Command1");
        for (const QPointer<QObject>& part : shown) {
            ASSERT_TRUE(part.isNull()) << "run " << run << ": a " << part->metaObject()->className()
                                       << " outlives its chart";
        }
        ASSERT_EQ(ObjectCount(window), objects) << "run " << run;
        shown = ChartParts(window);
    }
}

}  // namespace
}  // namespace vardolin::forms

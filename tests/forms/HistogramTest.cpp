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

#include "forms/BackgroundSensitivity.h"
#include "forms/FormTestSupport.h"
#include "forms/HistogramWindow.h"
#include "numerics/NumberText.h"
#include "plane_failure/PlaneFields.h"
#include "plane_failure/PlaneKeptTables.h"
#include "slice_method/SliceMethodDescription.h"
#include "statistics/TrialDistribution.h"

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
        factors.push_back(kept_->Of<PlaneKeptTables>().TrialSafetyFactors[i]);
    }
    const TrialDistribution expected = Describe(factors);
    EXPECT_EQ(Figure(window, "Mean"), QString::fromStdString(DoubleToText(expected.mean)));
    EXPECT_EQ(Figure(window, "Minimum"), QString::fromStdString(DoubleToText(expected.minimum)));

    Type(form(), CalculationCount, "300");
    Click(form(), "Command1");
    EXPECT_EQ(Figure(window, "Trials"), "300");
}

template <typename Axis>
Axis* AxisOf(const QChart& chart, Qt::Alignment side) {
    for (QAbstractAxis* axis : chart.axes()) {
        if (axis->alignment() == side) {
            return qobject_cast<Axis*>(axis);
        }
    }
    return nullptr;
}

// The window writes what the form writes: 9999, not "9,999", and the user's decimal separator
// in the figures and on the axes, in the forms' font; its cumulative axis reads in quarters.
TEST_F(Histogram, WritesEveryFigureAsTheFormDoes) {
    context_.locale.decimalSeparator = ",";
    Type(form(), CalculationCount, "9999");
    Click(form(), "Command1");
    const HistogramWindow& window = OpenHistogram();
    EXPECT_EQ(Figure(window, "Trials"), "9999");
    // The window sums with compensation, the form in trial order: the last digit may differ.
    EXPECT_NEAR(TextToDouble(Figure(window, "Mean").toStdString(), context_.locale),
                TextToDouble(Text(form(), MeanSafetyFactor).toStdString(), context_.locale), 1e-14);
    EXPECT_TRUE(Figure(window, "Maximum").contains(','));
    EXPECT_EQ(window.font().family(), FontFor(kFormDefaultFont).family());

    const QChart* chart = window.findChild<QChartView*>(QStringLiteral("HistogramChart"))->chart();
    EXPECT_TRUE(chart->title().contains("9999")) << chart->title().toStdString();
    EXPECT_EQ(chart->titleFont().family(), window.font().family());
    const QString ticks =
        AxisOf<QCategoryAxis>(*chart, Qt::AlignBottom)->categoriesLabels().join(' ');
    EXPECT_TRUE(ticks.contains(',') && !ticks.contains('.')) << ticks.toStdString();
    const auto* share = AxisOf<QValueAxis>(*chart, Qt::AlignRight);
    EXPECT_EQ(share->max(), 100.0);
    EXPECT_EQ(share->tickCount(), 5);
    EXPECT_EQ(AxisOf<QValueAxis>(*chart, Qt::AlignLeft)->tickCount(), 5);
}

TEST_F(Histogram, ClosesWithEscapeAndWithControlW) {
    Click(form(), "Command1");
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        HistogramWindow& window = OpenHistogram();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTRY_COMPARE(QApplication::activeWindow(), &window);
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

// The chart on show and every part of it, the outlines the areas are drawn from included.
std::vector<QPointer<QObject>> ChartParts(const HistogramWindow& window) {
    QChart* chart = window.findChild<QChartView*>(QStringLiteral("HistogramChart"))->chart();
    std::vector<QPointer<QObject>> parts{chart};
    for (QAbstractAxis* axis : chart->axes()) {
        parts.emplace_back(axis);
    }
    for (QAbstractSeries* series : chart->series()) {
        parts.emplace_back(series);
        if (auto* area = qobject_cast<QAreaSeries*>(series)) {
            parts.emplace_back(area->upperSeries());
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
    QTRY_VERIFY(!form().sensitivity().isRunning());
    const qsizetype objects = ObjectCount(window);
    std::vector<QPointer<QObject>> shown = ChartParts(window);
    ASSERT_GE(shown.size(), 10u);  // chart, 3 axes, areas with their outlines, lines, curve
    for (int run = 0; run < 300; ++run) {
        Click(form(), "Command1");
        QTRY_VERIFY(!form().sensitivity().isRunning());
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

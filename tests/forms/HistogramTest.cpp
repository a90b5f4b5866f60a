// SPDX-License-Identifier: MIT
// The histogram window of the plane-failure form: what it shows after which runs.
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QStackedWidget>

#include "forms/BackgroundSensitivity.h"
#include "forms/FormTestSupport.h"
#include "forms/HistogramWindow.h"
#include "numerics/NumberText.h"
#include "plane_failure/PlaneFields.h"
#include "plane_failure/PlaneKeptTables.h"
#include "report/PaintRecording.h"
#include "report/Plots.h"
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

    auto* chart = window.findChild<QWidget*>(QStringLiteral("HistogramChart"));
    vardolin::testing_support::PaintRecording recording(chart->size());
    chart->render(&recording);
    const QStringList& texts = recording.texts();
    EXPECT_TRUE(texts.contains("Factors of safety of 9999 trials"))
        << texts.join('|').toStdString();
    EXPECT_EQ(recording.families().filter(window.font().family()).size(), texts.size());
    EXPECT_TRUE(texts.join(' ').contains(',') && !texts.join(' ').contains('.'))
        << texts.join('|').toStdString();
    for (const char* quarter : {"Cumulative (%)", "0", "25", "50", "75", "100"}) {
        EXPECT_TRUE(texts.contains(quarter)) << quarter;
    }
}

// The tab draws the histogram the report prints: the same painter, given the run's factors in the
// window's font and number style, paints the same picture pixel for pixel.
TEST_F(Histogram, DrawsTheReportsHistogramOfTheRun) {
    context_.locale.decimalSeparator = ",";
    Click(form(), "Command1");
    HistogramWindow& window = OpenHistogram();
    auto* chart = window.findChild<QWidget*>(QStringLiteral("HistogramChart"));
    ASSERT_NE(chart, nullptr);
    const QImage shown = chart->grab().toImage().convertToFormat(QImage::Format_RGB32);

    QImage printed(shown.size(), QImage::Format_RGB32);
    QPainter painter(&printed);
    const report::PlotStyle style{window.font(), context_.locale};
    report::PaintOnWhite(painter, printed.rect(), [&](QPainter& p, const QRectF& area) {
        report::PaintHistogram(p, area, form().histogram().record().last->factors, style);
    });
    painter.end();
    EXPECT_TRUE(shown == printed);

    // A different run gives a different picture, so the comparison sees the factors.
    Type(form(), CalculationCount, "50");
    Click(form(), "Command1");
    EXPECT_FALSE(chart->grab().toImage().convertToFormat(QImage::Format_RGB32) == printed);
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

// Objects the window holds whatever the distribution: its widgets and layouts.
qsizetype ObjectCount(const HistogramWindow& window) {
    return window.findChildren<QObject*>().size();
}

// The window stays open through a working day of runs: each refresh replaces the picture of the
// run before it, so nothing grows (the sanitizer build also checks for leaks at exit).
TEST_F(Histogram, HoldsNoMoreObjectsAfterManyRuns) {
    HistogramWindow& window = OpenHistogram();
    Type(form(), CalculationCount, "50");
    Click(form(), "Command1");
    QTRY_VERIFY(!form().sensitivity().isRunning());
    const qsizetype objects = ObjectCount(window);
    for (int run = 0; run < 300; ++run) {
        Click(form(), "Command1");
        QTRY_VERIFY(!form().sensitivity().isRunning());
        ASSERT_EQ(ObjectCount(window), objects) << "run " << run;
    }
}

}  // namespace
}  // namespace vardolin::forms

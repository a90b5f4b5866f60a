// SPDX-License-Identifier: MIT
// A run in flight: the window stays alive, shows its progress, can be cancelled without a
// trace, and a form closed mid-run takes its run with it.
#include <QProgressDialog>
#include <QSignalSpy>
#include <QTabWidget>

#include "TestSupport.h"
#include "critical_circle/CriticalCircleDescription.h"
#include "critical_circle/CriticalCircleFields.h"
#include "fields/FieldTextMap.h"
#include "forms/BackgroundSensitivity.h"
#include "forms/FormTestSupport.h"
#include "forms/HistogramWindow.h"
#include "plane_failure/PlaneAnalysis.h"
#include "plane_failure/PlaneKeptTables.h"
#include "slice_method/SliceAnalysis.h"
#include "slice_method/SliceKeptTables.h"

namespace vardolin::forms {
namespace {

using testing_support::WindowTest;

class RunInFlight : public WindowTest {
protected:
    // A slice-method run of many seconds from the form's defaults.
    AnalysisForm& LongRun() {
        AnalysisForm& form = navigator().ShowAnalysis(SliceMethod());
        Type(form, slice_method::CalculationCount, "9999");
        Type(form, slice_method::SliceCount, "9999");
        Field(form, slice_method::FailureProbability)->setText("old percentage");
        Field(form, slice_method::MeanSafetyFactor)->setText("old mean");
        return form;
    }

    static void Start(AnalysisForm& form) {
        QTest::mouseClick(FindControlAs<QPushButton>(form, "Command1"), Qt::LeftButton);
    }

    static QProgressDialog* Progress(const AnalysisForm& form) {
        return form.findChild<QProgressDialog*>();
    }

    void ClickCancel(const AnalysisForm& form) {
        QTest::mouseClick(Progress(form)->findChild<QPushButton*>(), Qt::LeftButton);
        WaitForRuns();
    }

    // Everything of the process a run may change, to compare before and after.
    struct ProcessState {
        std::uint32_t uniforms;
        std::vector<double> tables;
        bool operator==(const ProcessState&) const = default;
    };
    ProcessState State() const {
        ProcessState state{uniforms_.state(), {}};
        for (int i = 1; i <= kCountLimit; ++i) {
            state.tables.push_back(kept_->Of<SliceKeptTables>().BaseAngleDegrees[i]);
            state.tables.push_back(kept_->Of<SliceKeptTables>().BaseAngleRadianTotal[i]);
            state.tables.push_back(kept_->Of<PlaneKeptTables>().TrialSafetyFactors[i]);
        }
        return state;
    }
};

TEST_F(RunInFlight, TheWindowAnswersAndCalculationWaitsOnEveryForm) {
    AnalysisForm& form = LongRun();
    Start(form);
    ASSERT_TRUE(form.isRunning());
    EXPECT_FALSE(FindControl(form, "Command1")->isEnabled());

    // Another form, opened during the run, cannot start a second one on the same sequence.
    AnalysisForm& plane = navigator().ShowAnalysis(PlaneFailure());
    EXPECT_FALSE(FindControl(plane, "Command1")->isEnabled());
    QTest::mouseClick(FindControlAs<QPushButton>(plane, "Command1"), Qt::LeftButton);
    EXPECT_FALSE(plane.isRunning());

    // The form takes typing and paints while the run goes on.
    form.activateWindow();
    Type(form, slice_method::SlopeHeight, "21");
    EXPECT_EQ(Text(form, slice_method::SlopeHeight), "21");
    EXPECT_FALSE(form.grab().isNull());
    EXPECT_TRUE(form.isRunning()) << "the run was still going while the form answered";

    // Past half a second the progress shows, with the trial count.
    QTRY_VERIFY_WITH_TIMEOUT(Progress(form)->isVisible(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(Progress(form)->labelText().contains("of 9999"), 5000);
    ClickCancel(form);
    EXPECT_TRUE(FindControl(form, "Command1")->isEnabled());
    EXPECT_TRUE(FindControl(plane, "Command1")->isEnabled());
    EXPECT_FALSE(Progress(form)->isVisible());
}

TEST_F(RunInFlight, CancelLeavesNoTraceSoTheNextRunIsTheOneWithoutIt) {
    AnalysisForm& plane = navigator().ShowAnalysis(PlaneFailure());
    Click(plane, "Command1");  // something in the tables and the sequence before
    const ProcessState before = State();

    AnalysisForm& form = LongRun();
    const QString explanation = Text(form, slice_method::ExplanationField);
    Start(form);
    QTRY_VERIFY_WITH_TIMEOUT(Progress(form)->isVisible(), 5000);
    ClickCancel(form);

    EXPECT_EQ(Text(form, slice_method::MessageField), AnalysisForm::kCancelledMessage);
    EXPECT_EQ(Text(form, slice_method::FailureProbability), "old percentage");
    EXPECT_EQ(Text(form, slice_method::MeanSafetyFactor), "old mean");
    EXPECT_EQ(Text(form, slice_method::ExplanationField), explanation);
    EXPECT_TRUE(form.resultsAreStale());
    EXPECT_TRUE(State() == before) << "the sequence and the tables are as before the run";

    // The next run gives what it would have given had the cancelled one never started.
    Type(form, slice_method::CalculationCount, "500");
    Type(form, slice_method::SliceCount, "10");
    Click(form, "Command1");
    UniformSequence twin;
    KeptTables twinKept;
    AnalysisContext twinContext{twin, twinKept, {"."}};
    FieldTextMap planeTexts = DefaultTexts(PlaneFailure());
    RunPlaneAnalysis(planeTexts, twinContext);
    FieldTextMap sliceTexts = DefaultTexts(SliceMethod());
    RunSliceAnalysis(sliceTexts, twinContext);
    EXPECT_EQ(Text(form, slice_method::MeanSafetyFactor).toStdString(),
              sliceTexts.text(slice_method::MeanSafetyFactor));
    EXPECT_FALSE(form.resultsAreStale());
}

// A search-based analysis works its sensitivity curves out by a search at each point: the
// run's figures are in the fields as soon as its trials end, the curves follow in the
// background, Skip stops them and opening the Sensitivity tab works them out again.
TEST_F(RunInFlight, SensitivityCurvesFollowTheFiguresAndCanBeSkipped) {
    AnalysisForm& form = navigator().ShowAnalysis(CriticalCircle());
    Type(form, critical::CentresPerSide, "60");
    Type(form, critical::RadiiPerCentre, "30");
    Click(form, "Command1");

    EXPECT_FALSE(Text(form, critical::FailureProbability).isEmpty());
    EXPECT_FALSE(form.resultsAreStale());
    EXPECT_TRUE(form.sensitivity().isRunning());
    const RunDistribution* run = form.histogram().record().current();
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->factors.size(), 1000u);
    EXPECT_TRUE(run->sensitivityPending);

    form.sensitivity().Skip();
    QTRY_VERIFY_WITH_TIMEOUT(!form.sensitivity().isRunning(), 20000);
    run = form.histogram().record().current();
    EXPECT_FALSE(run->sensitivity);
    EXPECT_FALSE(run->sensitivityPending);
    EXPECT_TRUE(run->sensitivityCancelled);
    EXPECT_NE(Text(form, critical::MessageField), AnalysisForm::kCancelledMessage);

    // The Sensitivity tab opened: the skipped curves are worked out after all.
    form.ShowHistogram();
    auto* tabs = form.histogram().window()->findChild<QTabWidget*>(QStringLiteral("ResultTabs"));
    ASSERT_NE(tabs, nullptr);
    tabs->setCurrentIndex(2);
    EXPECT_TRUE(form.histogram().record().current()->sensitivityPending);
    QTRY_VERIFY_WITH_TIMEOUT(!form.sensitivity().isRunning(), 60000);
    EXPECT_TRUE(form.histogram().record().current()->sensitivity);
}

TEST_F(RunInFlight, ClosingTheFormMidRunCancelsItAndFreesIt) {
    const ProcessState before = State();
    AnalysisForm& form = LongRun();
    QSignalSpy finished(&form, &AnalysisForm::runFinished);
    Start(form);
    QTest::qWait(50);
    QPointer<AnalysisForm> closed = &form;
    form.close();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(navigator().runInFlight());
    EXPECT_TRUE(State() == before);
    DeletePending();
    EXPECT_TRUE(closed.isNull());

    // A new form starts with its defaults and runs as the first run of the session.
    AnalysisForm& again = navigator().ShowAnalysis(SliceMethod());
    Click(again, "Command1");
    EXPECT_EQ(Text(again, slice_method::MeanSafetyFactor), "1.32580047310772");
}

TEST_F(RunInFlight, ResultsOfAStoppedRunAreMutedUntilTheNextCompletedRun) {
    AnalysisForm& form = navigator().ShowAnalysis(PlaneFailure());
    Click(form, "Command1");
    EXPECT_FALSE(form.resultsAreStale());
    const QColor normal = Field(form, plane::MeanSafetyFactor)->palette().color(QPalette::Text);

    Type(form, plane::SlopeFaceAngle, "abc");
    Click(form, "Command1");
    EXPECT_EQ(Text(form, plane::MessageField), "Run-time error '13': Type mismatch");
    EXPECT_EQ(Text(form, plane::MeanSafetyFactor), "0.73889069232438") << "kept, not cleared";
    EXPECT_TRUE(form.resultsAreStale());
    EXPECT_NE(Field(form, plane::MeanSafetyFactor)->palette().color(QPalette::Text), normal);
    EXPECT_TRUE(Field(form, plane::FailureProbability)->toolTip().contains("earlier run"));

    Type(form, plane::SlopeFaceAngle, "60");
    Click(form, "Command1");
    EXPECT_FALSE(form.resultsAreStale());
    EXPECT_EQ(Field(form, plane::MeanSafetyFactor)->palette().color(QPalette::Text), normal);
    EXPECT_FALSE(Field(form, plane::FailureProbability)->toolTip().contains("earlier run"));
}

TEST_F(RunInFlight, ATextThatIsNotANumberTakesTheFocusWithItsTextSelected) {
    AnalysisForm& form = navigator().ShowAnalysis(PlaneFailure());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    Type(form, plane::SlopeFaceAngle, "6o");
    Field(form, plane::CalculationCount)->setFocus();
    Click(form, "Command1");
    EXPECT_EQ(Text(form, plane::MessageField), "Run-time error '13': Type mismatch");
    EXPECT_EQ(QApplication::focusWidget(), Field(form, plane::SlopeFaceAngle));
    EXPECT_EQ(Field(form, plane::SlopeFaceAngle)->selectedText(), "6o");

    // An input the checks refuse is shown the same way, before anything is drawn.
    Type(form, plane::SlopeFaceAngle, "60");
    Type(form, plane::DiscontinuityAngle, "70");
    const std::uint32_t before = uniforms_.state();
    Click(form, "Command1");
    EXPECT_EQ(Text(form, plane::MessageField),
              "Discontinuity Angle is Not Under the Slope Face Angle: the Plane Does Not Daylight");
    EXPECT_EQ(QApplication::focusWidget(), Field(form, plane::DiscontinuityAngle));
    EXPECT_EQ(Field(form, plane::DiscontinuityAngle)->selectedText(), "70");
    EXPECT_EQ(uniforms_.state(), before);

    // An error of the arithmetic, not of a text: the focus stays on the button clicked.
    Type(form, plane::DiscontinuityAngle, "40");
    Type(form, RockUnitWeightMean, "1");
    Type(form, RockUnitWeightStdDev, "1e306");
    Click(form, "Command1");
    EXPECT_EQ(Text(form, plane::MessageField), "Run-time error '6': Overflow");
    EXPECT_EQ(QApplication::focusWidget(), FindControl(form, "Command1"));
}

// The parallel run behind the window gives the figures of the sequential one.
TEST_F(RunInFlight, DefaultRunsOnTwoThreadsGiveThePinnedFigures) {
    context_.threads = 2;
    AnalysisForm& slice = navigator().ShowAnalysis(SliceMethod());
    Click(slice, "Command1");
    EXPECT_EQ(Text(slice, slice_method::MeanSafetyFactor), "1.32580047310772");
    Click(slice, "Command1");
    EXPECT_EQ(Text(slice, slice_method::MeanSafetyFactor), "1.33182608285389");
}

}  // namespace
}  // namespace vardolin::forms

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "fields/FieldTextMap.h"
#include "files/Model.h"
#include "numerics/RunTimeError.h"
#include "plane_failure/PlaneAnalysis.h"
#include "plane_failure/PlaneFailureDescription.h"
#include "plane_failure/PlaneFields.h"
#include "plane_failure/PlaneKeptTables.h"
#include "plane_failure/PlaneSafetyFactor.h"
#include "sampling/SamplingKeys.h"

namespace vardolin {
namespace {

using namespace plane;

// Every test has its own sequence and tables, started as at program start.
class PlaneAnalysis : public testing::Test {
protected:
    RunOutcome Run() { return RunPlaneAnalysis(fields, context); }

    // The error the run raises, or nothing; the field it blames goes to blamedField.
    std::optional<ErrorCode> RunExpectingError() {
        try {
            Run();
        } catch (const RunTimeError& e) {
            blamedField = e.field();
            return e.code();
        }
        return std::nullopt;
    }

    // Uniform values consumed since the start of the test.
    long Consumed() const { return testing_support::ConsumedBy(uniforms); }

    std::string Text(int field) const { return fields.text(field); }

    UniformSequence uniforms;
    KeptTables kept;
    AnalysisContext context{uniforms, kept, {}};
    FieldTextMap fields = DefaultTexts(PlaneFailure());
    std::optional<int> blamedField;
};

TEST_F(PlaneAnalysis, DefaultRunsGiveThePinnedResultsAndContinueTheSequence) {
    const RunOutcome first = Run();
    EXPECT_EQ(first.end, RunOutcome::End::Completed);
    EXPECT_EQ(first.trials, 500);
    EXPECT_EQ(Text(ExplanationField), "This Software Used in The Limiting Equilibrium");
    EXPECT_EQ(Text(FailureProbability), "96.6");
    EXPECT_EQ(Text(MeanSafetyFactor), "0.73889069232438");
    EXPECT_EQ(Text(MessageField), "Block is not Stable");
    EXPECT_EQ(Consumed(), 2000);

    Run();
    EXPECT_EQ(Text(FailureProbability), "97.4");
    EXPECT_EQ(Text(MeanSafetyFactor), "0.742149641559735");
    EXPECT_EQ(Text(MessageField), "Block is not Stable");
    EXPECT_EQ(Consumed(), 4000);
    EXPECT_EQ(Text(CalculationCount), "500");
}

// Progress and cancel go through the same channel as the slice run's.
TEST_F(PlaneAnalysis, ReportsItsTrialsAndStopsBeforeThemWhenCancelled) {
    RunProgress progress;
    context.progress = &progress;
    Run();
    EXPECT_EQ(progress.trialsTotal.load(), 500);
    EXPECT_EQ(progress.trialsDone.load(), 500);

    const std::uint32_t state = uniforms.state();
    progress.cancelRequested = true;
    fields.setText(MeanSafetyFactor, "old");
    EXPECT_THROW(Run(), RunCancelled);
    EXPECT_EQ(uniforms.state(), state);
    EXPECT_EQ(fields.text(MeanSafetyFactor), "old");
}

TEST_F(PlaneAnalysis, StoresEveryTrialFactorAndKeepsLaterEntriesOfEarlierRuns) {
    Run();
    const double entry400 = kept.Of<PlaneKeptTables>().TrialSafetyFactors[400];
    fields.setText(CalculationCount, "300");
    Run();
    EXPECT_NE(kept.Of<PlaneKeptTables>().TrialSafetyFactors[300], 0.0);
    EXPECT_EQ(kept.Of<PlaneKeptTables>().TrialSafetyFactors[400], entry400);
    EXPECT_EQ(kept.Of<PlaneKeptTables>().TrialSafetyFactors[501], 0.0);
}

TEST_F(PlaneAnalysis, ConsumesFourValuesPerTrialEvenWithOneVaryingParameter) {
    fields.setText(CohesionStdDev, "0");
    fields.setText(FrictionAngleStdDev, "0");
    fields.setText(RockUnitWeightStdDev, "0");
    fields.setText(CalculationCount, "2");
    Run();
    EXPECT_EQ(Consumed(), 8);
    EXPECT_EQ(Text(MessageField), "Block is not Stable");
}

struct CountRow {
    const char* name;
    friend void PrintTo(const CountRow& row, std::ostream* os) { *os << row.name; }
    const char* count;
    bool allDeviationsZero;
    RunOutcome::End path;
    const char* message;
    const char* countAfter;
    const char* failureAfter;
    const char* meanAfter;
};

class PlaneCountCheck : public PlaneAnalysis, public testing::WithParamInterface<CountRow> {};

TEST_P(PlaneCountCheck, WritesItsMessageAndClearsItsFields) {
    const CountRow& row = GetParam();
    fields.setText(CalculationCount, row.count);
    fields.setText(FailureProbability, "old percentage");
    fields.setText(MeanSafetyFactor, "old mean");
    if (row.allDeviationsZero) {
        for (int sd :
             {CohesionStdDev, FrictionAngleStdDev, RockUnitWeightStdDev, WaterHeightStdDev}) {
            fields.setText(sd, "0");
        }
    }
    EXPECT_EQ(Run().end, row.path);
    EXPECT_EQ(Text(MessageField), row.message);
    EXPECT_EQ(Text(CalculationCount), row.countAfter);
    EXPECT_EQ(Text(FailureProbability), row.failureAfter);
    EXPECT_EQ(Text(MeanSafetyFactor), row.meanAfter);
    EXPECT_EQ(Consumed(), 0);
}

constexpr const char* kUpper1 = "Please Inter Namber of calculation Upper 1";
constexpr const char* kUnder10000 = "Please Inter Namber of calculation Under 10000";
constexpr const char* kFixed = "This Exprimentation Included Fix Data";
using Path = RunOutcome::End;

INSTANTIATE_TEST_SUITE_P(
    Counts, PlaneCountCheck,
    testing::Values(
        CountRow{"One", "1", false, Path::Stopped, kUpper1, "", "", ""},
        CountRow{"Zero", "0", false, Path::Stopped, kUpper1, "", "", ""},
        CountRow{"Negative", "-5", false, Path::Stopped, kUpper1, "", "", ""},
        CountRow{"OneComesBeforeFixedData", "1", true, Path::Stopped, kUpper1, "", "", ""},
        CountRow{"TenThousand", "10000", false, Path::Stopped, kUnder10000, "", "", "old mean"},
        CountRow{"FixedDataAtDefaults", "500", true, Path::FixedData, kFixed, "1", "100",
                 "0.735382455347463"},
        CountRow{"FixedDataIgnoresTheUpperBound", "20000", true, Path::FixedData, kFixed, "1",
                 "100", "0.735382455347463"}),
    testing_support::RowName());

TEST_F(PlaneAnalysis, AfterFixedDataOrAMessageTheNextClickStopsOnTheCount) {
    for (int sd : {CohesionStdDev, FrictionAngleStdDev, RockUnitWeightStdDev, WaterHeightStdDev}) {
        fields.setText(sd, "0");
    }
    Run();
    Run();  // the count now reads "1"
    EXPECT_EQ(Text(MessageField), kUpper1);
    EXPECT_EQ(RunExpectingError(), ErrorCode::TypeMismatch);  // and now it is empty
}

TEST_F(PlaneAnalysis, AFractionalCountRunsWhileTheTrialIsWithinItAndAveragesTheTrialsThatRan) {
    fields.setText(CalculationCount, "2.5");
    const RunOutcome result = Run();
    EXPECT_EQ(result.trials, 2);
    EXPECT_EQ(Consumed(), 8);
    const double f1 = kept.Of<PlaneKeptTables>().TrialSafetyFactors[1];
    const double f2 = kept.Of<PlaneKeptTables>().TrialSafetyFactors[2];
    EXPECT_EQ(Text(MeanSafetyFactor), DoubleToText((0.0 + f1 + f2) / 2.0));
    EXPECT_EQ(Text(MeanSafetyFactor), "0.786398980408347");
    EXPECT_EQ(Text(FailureProbability), "100");  // two failures of the two trials that ran
}

// A crack as deep as the slope leaves no sliding-plane length for the cohesion, so without water
// the factor is the ratio of the friction and plane tangents: exactly 1 at 5 degrees, the double
// just below 1 at 4 degrees (which still prints as "1").
TEST_F(PlaneAnalysis, AFactorOfExactlyOneIsNotAFailureAndAMeanOfOneIsStable) {
    fields.setText(TensionCrackDepth, "20");
    fields.setText(WaterHeightMean, "0");
    fields.setText(WaterHeightStdDev, "0");
    fields.setText(RockUnitWeightStdDev, "0");
    fields.setText(FrictionAngleStdDev, "0");
    fields.setText(DiscontinuityAngle, "5");
    fields.setText(FrictionAngleMean, "5");
    Run();
    EXPECT_EQ(kept.Of<PlaneKeptTables>().TrialSafetyFactors[1], 1.0);
    EXPECT_EQ(Text(FailureProbability), "0");
    EXPECT_EQ(Text(MeanSafetyFactor), "1");
    EXPECT_EQ(Text(MessageField), "Block is Stable");

    fields.setText(DiscontinuityAngle, "4");
    fields.setText(FrictionAngleMean, "4");
    Run();
    EXPECT_LT(kept.Of<PlaneKeptTables>().TrialSafetyFactors[1], 1.0);
    EXPECT_EQ(Text(FailureProbability), "100");
    EXPECT_EQ(Text(MeanSafetyFactor), "1");
    EXPECT_EQ(Text(MessageField), "Block is not Stable");
}

TEST_F(PlaneAnalysis, TheLargestRunFillsEveryEntryBelowTheLimit) {
    fields.setText(CalculationCount, "9999");
    EXPECT_EQ(Run().trials, 9999);
    EXPECT_NE(kept.Of<PlaneKeptTables>().TrialSafetyFactors[9999], 0.0);
    EXPECT_EQ(kept.Of<PlaneKeptTables>().TrialSafetyFactors[10000], 0.0);
}

// A bad input stops the run at its step: what was written stays, nothing else changes.
struct FaultRow {
    const char* name;
    friend void PrintTo(const FaultRow& row, std::ostream* os) { *os << row.name; }
    int field;
    const char* text;
    ErrorCode error;
    long consumed;  // uniform values taken before the run stopped
};

class PlaneFault : public PlaneAnalysis, public testing::WithParamInterface<FaultRow> {};

TEST_P(PlaneFault, StopsAtItsStepWithItsError) {
    const FaultRow& row = GetParam();
    fields.setText(row.field, row.text);
    fields.setText(MessageField, "old message");
    fields.setText(MeanSafetyFactor, "old mean");
    fields.setText(FailureProbability, "old percentage");
    EXPECT_EQ(RunExpectingError(), row.error);
    // In this table type mismatches and overflows come from the bad text itself; divisions by
    // zero come from the arithmetic on texts that all converted, and name no field.
    const bool fromText = row.error == ErrorCode::TypeMismatch || row.error == ErrorCode::Overflow;
    EXPECT_EQ(blamedField, fromText ? std::optional<int>(row.field) : std::nullopt);
    EXPECT_EQ(Consumed(), row.consumed);
    EXPECT_EQ(Text(ExplanationField), "This Software Used in The Limiting Equilibrium");
    EXPECT_EQ(Text(MessageField), "old message");
    EXPECT_EQ(Text(MeanSafetyFactor), "old mean");
    EXPECT_EQ(Text(FailureProbability), "old percentage");
    EXPECT_EQ(Text(CalculationCount), row.field == CalculationCount ? row.text : "500");
}

INSTANTIATE_TEST_SUITE_P(
    BadInputs, PlaneFault,
    testing::Values(
        FaultRow{"EmptyCount", CalculationCount, "", ErrorCode::TypeMismatch, 0},
        FaultRow{"HugeCount", CalculationCount, "1e400", ErrorCode::Overflow, 0},
        FaultRow{"TextDeviation", WaterHeightStdDev, "half", ErrorCode::TypeMismatch, 0},
        FaultRow{"EmptyCohesionAverage", CohesionMean, "", ErrorCode::TypeMismatch, 1},
        FaultRow{"EmptyWaterAverage", WaterHeightMean, "", ErrorCode::TypeMismatch, 4},
        FaultRow{"EmptySlopeHeight", SlopeHeight, "", ErrorCode::TypeMismatch, 4},
        FaultRow{"EmptyWaterUnitWeight", WaterUnitWeight, " ", ErrorCode::TypeMismatch, 4},
        FaultRow{"FlatDiscontinuity", DiscontinuityAngle, "0", ErrorCode::DivisionByZero, 4},
        FaultRow{"FlatFace", SlopeFaceAngle, "0", ErrorCode::DivisionByZero, 4},
        FaultRow{"WordForFaceAngle", SlopeFaceAngle, "abc", ErrorCode::TypeMismatch, 4},
        FaultRow{"ZeroHeight", SlopeHeight, "0", ErrorCode::DivisionByZero, 4}),
    testing_support::RowName());

TEST_F(PlaneAnalysis, AFaultInALaterTrialKeepsTheEntriesOfEarlierTrials) {
    // A deviation so wide that some trial's unit weight overflows the weight term.
    fields.setText(RockUnitWeightMean, "0");
    fields.setText(RockUnitWeightStdDev, "1e306");
    EXPECT_EQ(RunExpectingError(), ErrorCode::Overflow);
    EXPECT_EQ(blamedField, std::nullopt);  // both texts are fine numbers
    EXPECT_NE(kept.Of<PlaneKeptTables>().TrialSafetyFactors[1], 0.0);
    EXPECT_EQ(Text(MeanSafetyFactor), "");
}

struct SamplingRow {
    const char* name;
    friend void PrintTo(const SamplingRow& row, std::ostream* os) { *os << row.name; }
    std::vector<std::pair<const char*, const char*>> keys;  // sampling keys and their texts
    long consumed;                                          // by a run of 500 trials
    const char* failurePercentage;
    const char* meanFactor;
};

class PlaneSampling : public PlaneAnalysis, public testing::WithParamInterface<SamplingRow> {};

// Each choice gives its pinned figures from a program's fresh start, and takes the uniform values
// its method costs: four per trial, or 2n - 1 per parameter for a Latin hypercube.
TEST_P(PlaneSampling, GivesItsPinnedFiguresAndConsumption) {
    for (const auto& [key, text] : GetParam().keys) {
        ASSERT_FALSE(
            SetSamplingChoice(context.sampling, key, text, SampledParameterNames(PlaneFailure())));
    }
    EXPECT_EQ(Run().end, RunOutcome::End::Completed);
    EXPECT_EQ(Consumed(), GetParam().consumed);
    EXPECT_EQ(Text(FailureProbability), GetParam().failurePercentage);
    EXPECT_EQ(Text(MeanSafetyFactor), GetParam().meanFactor);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, PlaneSampling,
    testing::Values(
        SamplingRow{"Defaults", {}, 2000, "96.6", "0.73889069232438"},
        SamplingRow{"LognormalCohesion",
                    {{"cohesion.distribution", "lognormal"}},
                    2000,
                    "96.6",
                    "0.738889537147091"},
        SamplingRow{
            "DryCrackAtLeast", {{"water_height.lower", "0"}}, 2000, "96.6", "0.738888803336164"},
        SamplingRow{"UniformFriction",
                    {{"friction_angle.distribution", "uniform"}, {"friction_angle.upper", "35"}},
                    2000,
                    "100",
                    "0.691613234183165"},
        SamplingRow{"Correlated", {{"correlation", "-0.5"}}, 2000, "97.6", "0.739155232370685"},
        SamplingRow{
            "LatinHypercube", {{"method", "latin_hypercube"}}, 3996, "97.8", "0.741238948457762"}),
    testing_support::RowName());

// Other choices read every mean and deviation before the first draw: a bad one costs nothing.
TEST_F(PlaneAnalysis, ChoicesOtherThanTheDefaultsReadTheStatisticsBeforeDrawing) {
    context.sampling.correlation = 0.3;
    fields.setText(WaterHeightMean, "x");
    EXPECT_EQ(RunExpectingError(), ErrorCode::TypeMismatch);
    EXPECT_EQ(blamedField, WaterHeightMean);
    EXPECT_EQ(Consumed(), 0);
}

}  // namespace
}  // namespace vardolin

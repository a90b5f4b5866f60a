// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "analysis/CommonInputChecks.h"
#include "analysis/SampledNames.h"
#include "fields/FieldTextMap.h"
#include "files/Model.h"
#include "numerics/NormalSampler.h"
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
    EXPECT_EQ(progress.stepsTotal.load(), 500);
    EXPECT_EQ(progress.stepsDone.load(), 500);

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
    testing::Values(CountRow{"One", "1", false, Path::Stopped, kUpper1, "", "", ""},
                    CountRow{"Zero", "0", false, Path::Stopped, kUpper1, "", "", ""},
                    CountRow{"Negative", "-5", false, Path::Stopped, kUpper1, "", "", ""},
                    CountRow{"FixedDataDoesNotCheckACountOfOne", "1", true, Path::FixedData, kFixed,
                             "1", "100", "0.735382455347463"},
                    CountRow{"TenThousand", "10000", false, Path::Stopped, kUnder10000, "", "",
                             "old mean"},
                    CountRow{"FixedDataAtDefaults", "500", true, Path::FixedData, kFixed, "1",
                             "100", "0.735382455347463"},
                    CountRow{"FixedDataIgnoresTheUpperBound", "20000", true, Path::FixedData,
                             kFixed, "1", "100", "0.735382455347463"}),
    testing_support::RowName());

// The count a fixed-data run writes, "1", does not enter the next one: it gives the same figure
// every time.
TEST_F(PlaneAnalysis, AFixedDataRunRunsAgainAfterItWroteOne) {
    for (int sd : {CohesionStdDev, FrictionAngleStdDev, RockUnitWeightStdDev, WaterHeightStdDev}) {
        fields.setText(sd, "0");
    }
    for (int run = 0; run < 3; ++run) {
        EXPECT_EQ(Run().end, RunOutcome::End::FixedData);
        EXPECT_EQ(Text(MeanSafetyFactor), "0.735382455347463");
        EXPECT_EQ(Text(CalculationCount), "1");
    }
    EXPECT_EQ(Consumed(), 0);
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

// Without cohesion and water the factor is the ratio of the friction and plane tangents: exactly
// 1 at 4 degrees, the double just below 1 at 3 degrees (which still prints as "1"). A deviation
// of the unit weight too small to change it keeps the run a Monte Carlo run.
TEST_F(PlaneAnalysis, AFactorOfExactlyOneIsNotAFailureAndAMeanOfOneIsStable) {
    for (const auto& [field, text] : {std::pair<int, const char*>{CohesionMean, "0"},
                                      {CohesionStdDev, "0"},
                                      {WaterHeightMean, "0"},
                                      {WaterHeightStdDev, "0"},
                                      {FrictionAngleStdDev, "0"},
                                      {RockUnitWeightStdDev, "1e-300"},
                                      {DiscontinuityAngle, "4"},
                                      {FrictionAngleMean, "4"}}) {
        fields.setText(field, text);
    }
    EXPECT_EQ(Run().end, RunOutcome::End::Completed);
    EXPECT_EQ(kept.Of<PlaneKeptTables>().TrialSafetyFactors[1], 1.0);
    EXPECT_EQ(Text(FailureProbability), "0");
    EXPECT_EQ(Text(MeanSafetyFactor), "1");
    EXPECT_EQ(Text(MessageField), "Block is Stable");

    fields.setText(DiscontinuityAngle, "3");
    fields.setText(FrictionAngleMean, "3");
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
        FaultRow{"WordForFaceAngle", SlopeFaceAngle, "abc", ErrorCode::TypeMismatch, 4},
        FaultRow{"EmptyPlaneAngle", DiscontinuityAngle, "", ErrorCode::TypeMismatch, 4},
        // The crack depth also bounds the water's range, yet it is first read by the first
        // trial's evaluation, after that trial's four draws.
        FaultRow{"BracketedCrackDepth", TensionCrackDepth, "(5)", ErrorCode::TypeMismatch, 4},
        FaultRow{"EmptyCrackDepth", TensionCrackDepth, "", ErrorCode::TypeMismatch, 4},
        FaultRow{"HugeCrackDepth", TensionCrackDepth, "1e400", ErrorCode::Overflow, 4}),
    testing_support::RowName());

// Inputs that describe no block that could slide stop before anything is drawn, with a message
// that names the field to correct; the results and the count keep their texts.
struct ImpossibleRow {
    const char* name;
    friend void PrintTo(const ImpossibleRow& row, std::ostream* os) { *os << row.name; }
    std::vector<std::pair<int, const char*>> texts;
    int field;
    std::string_view message;
};

class PlaneImpossibleInput : public PlaneAnalysis,
                             public testing::WithParamInterface<ImpossibleRow> {};

TEST_P(PlaneImpossibleInput, StopsBeforeAnyDrawNamingTheField) {
    const ImpossibleRow& row = GetParam();
    for (const auto& [field, text] : row.texts) {
        fields.setText(field, text);
    }
    fields.setText(MeanSafetyFactor, "old mean");
    fields.setText(FailureProbability, "old percentage");
    const std::string count = Text(CalculationCount);
    const RunOutcome outcome = Run();
    EXPECT_EQ(outcome.end, RunOutcome::End::Stopped);
    EXPECT_EQ(outcome.stoppedAtField, row.field);
    EXPECT_EQ(Text(MessageField), row.message);
    EXPECT_EQ(Consumed(), 0);
    EXPECT_EQ(Text(MeanSafetyFactor), "old mean");
    EXPECT_EQ(Text(FailureProbability), "old percentage");
    EXPECT_EQ(Text(CalculationCount), count);
}

const std::vector<std::pair<int, const char*>> kFixedData{{CohesionStdDev, "0"},
                                                          {FrictionAngleStdDev, "0"},
                                                          {RockUnitWeightStdDev, "0"},
                                                          {WaterHeightStdDev, "0"}};

std::vector<std::pair<int, const char*>> FixedData(
    std::initializer_list<std::pair<int, const char*>> texts) {
    std::vector<std::pair<int, const char*>> all = kFixedData;
    all.insert(all.end(), texts);
    return all;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Inputs, PlaneImpossibleInput, testing::Values(
    ImpossibleRow{"WaterAboveTheCrack", FixedData({{WaterHeightMean, "12"}, {TensionCrackDepth, "8"}}),
                  WaterHeightMean, messages::kWaterAboveCrack},
    ImpossibleRow{"NegativeWater", FixedData({{WaterHeightMean, "-3"}}), WaterHeightMean,
                  messages::kWaterAboveCrack},
    ImpossibleRow{"CrackDeeperThanTheSlope", FixedData({{TensionCrackDepth, "40"}, {SlopeHeight, "30"}}),
                  TensionCrackDepth, messages::kCrackDepthOutOfRange},
    ImpossibleRow{"CrackAsDeepAsTheSlope", {{TensionCrackDepth, "20"}}, TensionCrackDepth,
                  messages::kCrackDepthOutOfRange},
    ImpossibleRow{"NegativeCrack", {{TensionCrackDepth, "-1"}}, TensionCrackDepth,
                  messages::kCrackDepthOutOfRange},
    ImpossibleRow{"CrackOnTheFace", {{TensionCrackDepth, "15"}}, TensionCrackDepth,
                  messages::kCrackNotBehindCrest},
    // The crest of the default slope lies where the crack is 14.36 m deep (z/H = 0.718).
    ImpossibleRow{"CrackJustInFrontOfTheCrest", {{TensionCrackDepth, "14.5"}}, TensionCrackDepth,
                  messages::kCrackNotBehindCrest},
    ImpossibleRow{"PlaneSteeperThanTheFace",
                  FixedData({{DiscontinuityAngle, "70"}, {SlopeFaceAngle, "65"}}), DiscontinuityAngle,
                  messages::kPlaneDoesNotDaylight},
    ImpossibleRow{"PlaneAsSteepAsTheFace", FixedData({{DiscontinuityAngle, "60"}}),
                  DiscontinuityAngle, messages::kPlaneDoesNotDaylight},
    ImpossibleRow{"FlatPlane", {{DiscontinuityAngle, "0"}}, DiscontinuityAngle,
                  messages::kPlaneAngleOutOfRange},
    ImpossibleRow{"FlatFace", {{SlopeFaceAngle, "0"}}, SlopeFaceAngle, messages::kFaceAngleOutOfRange},
    ImpossibleRow{"VerticalFace", {{SlopeFaceAngle, "90"}}, SlopeFaceAngle,
                  messages::kFaceAngleOutOfRange},
    ImpossibleRow{"ZeroHeight", {{SlopeHeight, "0"}}, SlopeHeight, messages::kSlopeHeightNotAboveZero},
    ImpossibleRow{"FrictionOf95", FixedData({{FrictionAngleMean, "95"}}), FrictionAngleMean,
                  messages::kFrictionAngleOutOfRange},
    ImpossibleRow{"FrictionOf90", {{FrictionAngleMean, "90"}}, FrictionAngleMean,
                  messages::kFrictionAngleOutOfRange},
    ImpossibleRow{"NegativeCohesion", {{CohesionMean, "-1"}}, CohesionMean,
                  messages::kCohesionBelowZero},
    ImpossibleRow{"WeightlessRock", {{RockUnitWeightMean, "0"}}, RockUnitWeightMean,
                  messages::kRockUnitWeightNotAboveZero},
    ImpossibleRow{"WeightlessWater", {{WaterUnitWeight, "0"}}, WaterUnitWeight,
                  messages::kWaterUnitWeightNotAboveZero},
    // The first failed check is the one reported; a text that is not a number is left to fail
    // where the run first needs it.
    ImpossibleRow{"FirstOfTwoInFieldOrder", {{SlopeHeight, "-1"}, {FrictionAngleMean, "95"}},
                  SlopeHeight, messages::kSlopeHeightNotAboveZero},
    ImpossibleRow{"BesideAWordForTheHeight", {{SlopeHeight, "abc"}, {CohesionMean, "-1"}},
                  CohesionMean, messages::kCohesionBelowZero}),
    testing_support::RowName());
// clang-format on

// Inputs at the edge of what a slope can have are a slope: the run draws its trials.
struct BoundRow {
    const char* name;
    friend void PrintTo(const BoundRow& row, std::ostream* os) { *os << row.name; }
    std::vector<std::pair<int, const char*>> texts;
};

class PlaneInputAtItsBound : public PlaneAnalysis, public testing::WithParamInterface<BoundRow> {};

TEST_P(PlaneInputAtItsBound, RunsItsTrials) {
    for (const auto& [field, text] : GetParam().texts) {
        fields.setText(field, text);
    }
    fields.setText(CalculationCount, "2");
    EXPECT_EQ(Run().end, RunOutcome::End::Completed) << Text(MessageField);
    EXPECT_EQ(Consumed(), 8);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Inputs, PlaneInputAtItsBound, testing::Values(
    // Behind the crest by 0.36 m: (1 - (14/20)^2) cot 40 is above cot 60, though 1 - 14/20 is not.
    BoundRow{"CrackJustBehindTheCrest", {{TensionCrackDepth, "14"}}},
    BoundRow{"WaterFillingTheCrack", {{WaterHeightMean, "3"}}},
    BoundRow{"NoCrackAndNoWater", {{TensionCrackDepth, "0"}, {WaterHeightMean, "0"}}},
    BoundRow{"NoCohesion", {{CohesionMean, "0"}}},
    BoundRow{"NoFriction", {{FrictionAngleMean, "0"}}}),
    testing_support::RowName());
// clang-format on

// Per parameter, the trials whose draw left its physical range; the figures stay as they are.
TEST_F(PlaneAnalysis, CountsTheTrialsThatDrewAParameterOutOfItsRange) {
    fields.setText(WaterHeightStdDev, "2");
    fields.setText(CohesionMean, "0");
    const RunOutcome outcome = Run();
    ASSERT_EQ(outcome.outOfRange.size(), 4u);
    std::vector<int> expected(4, 0);
    UniformSequence replay;
    for (int trial = 0; trial < outcome.trials; ++trial) {
        const double c = SampleNormal(replay, 0.0, 200.0);
        SampleNormal(replay, 30.0, 5.0);
        SampleNormal(replay, 27000.0, 2000.0);
        const double zw = SampleNormal(replay, 2.0, 2.0);
        expected[0] += c < 0.0 ? 1 : 0;
        expected[3] += zw < 0.0 || zw > 3.0 ? 1 : 0;
    }
    EXPECT_GT(expected[3], 0);
    for (std::size_t p = 0; p < 4; ++p) {
        EXPECT_EQ(outcome.outOfRange[p].trials, expected[p]) << outcome.outOfRange[p].parameter;
    }
    EXPECT_EQ(outcome.outOfRange[3].parameter, "water_height");
}

TEST_F(PlaneAnalysis, AFaultInALaterTrialKeepsTheEntriesOfEarlierTrials) {
    // A deviation so wide that some trial's unit weight overflows the weight term.
    fields.setText(RockUnitWeightMean, "1");
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
            SetSamplingChoice(context.sampling, key, text,
                              SampledNames(PlaneFailure(), DefaultTexts(PlaneFailure())).names()));
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

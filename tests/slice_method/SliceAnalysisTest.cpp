// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "analysis/CommonInputChecks.h"
#include "analysis/RunMessages.h"
#include "fields/FieldTextMap.h"
#include "numerics/NumberText.h"
#include "plane_failure/PlaneAnalysis.h"
#include "plane_failure/PlaneFailureDescription.h"
#include "plane_failure/PlaneFields.h"
#include "slice_method/FaultPolicy.h"
#include "slice_method/SliceAnalysis.h"
#include "slice_method/SliceFields.h"
#include "slice_method/SliceInputs.h"
#include "slice_method/SliceKeptTables.h"
#include "slice_method/SliceMethodDescription.h"
#include "slice_method/SliceTables.h"
#include "slice_method/SliceTrials.h"
#include "slice_method/SlipCircle.h"

namespace vardolin {
namespace {

using namespace slice_method;
using End = RunOutcome::End;
using testing_support::RowName;

using testing_support::ConsumedBy;

// Every test has its own sequence and tables, started as at program start.
class SliceRun : public testing::Test {
protected:
    RunOutcome Run() { return RunSliceAnalysis(fields, context); }
    std::string Text(int field) const { return fields.text(field); }
    void SetTexts(std::initializer_list<std::pair<int, const char*>> texts) {
        for (const auto& [field, text] : texts) {
            fields.setText(field, text);
        }
    }

    UniformSequence uniforms;
    KeptTables kept;
    AnalysisContext context{uniforms, kept, {}};
    FieldTextMap fields = DefaultTexts(SliceMethod());
};

TEST_F(SliceRun, DefaultRunsGiveThePinnedResultsAndContinueTheSequence) {
    const vardolin::SliceRun firstRun = RunSliceMethod(fields, context);
    const RunOutcome& first = firstRun.outcome;
    EXPECT_EQ(first.end, End::Completed);
    EXPECT_EQ(Text(ExplanationField), "This Software Used in The Bishop Method");
    EXPECT_EQ(Text(FailureProbability), "0");
    EXPECT_EQ(Text(MeanSafetyFactor), "1.32580047310772");
    EXPECT_EQ(Text(MessageField), "Block is Stable");
    EXPECT_EQ(first.trials, 500);
    EXPECT_EQ(first.trialFactors.size(), 500u);
    EXPECT_EQ(firstRun.rejectedCircles, 356);
    EXPECT_EQ(firstRun.processedSlices, 5327);
    // One value per candidate circle and four per processed slice.
    EXPECT_EQ(ConsumedBy(uniforms), 500 + 356 + 4 * 5327);
    EXPECT_EQ(ConsumedBy(uniforms), 22164);

    const vardolin::SliceRun second = RunSliceMethod(fields, context);
    EXPECT_EQ(Text(FailureProbability), "0");
    EXPECT_EQ(Text(MeanSafetyFactor), "1.33182608285389");
    EXPECT_EQ(Text(MessageField), "Block is Stable");
    EXPECT_EQ(ConsumedBy(uniforms),
              22164 + second.outcome.trials + second.rejectedCircles + 4 * second.processedSlices);
}

// Finer slices must refine the factor, not change the slope: with every deviation 0 the mean of
// 20 trials settles as the slices get finer instead of falling without bound.
TEST_F(SliceRun, TheFactorSettlesAsTheSlicesGetFiner) {
    for (const int sd :
         {CohesionStdDev, FrictionAngleStdDev, RockUnitWeightStdDev, WaterHeightStdDev}) {
        fields.setText(sd, "0");
    }
    fields.setText(CalculationCount, "20");
    const auto meanWith = [&](int slices) {
        UniformSequence fresh;
        KeptTables freshKept;
        AnalysisContext freshContext{fresh, freshKept, {}};
        fields.setText(SliceCount, std::to_string(slices));
        EXPECT_EQ(RunSliceAnalysis(fields, freshContext).end, End::Completed);
        return Text(MeanSafetyFactor);
    };
    EXPECT_EQ(meanWith(10), "1.32058252764409");
    EXPECT_EQ(meanWith(100), "1.41560620736399");
    EXPECT_EQ(meanWith(1000), "1.43364722028349");

    // From 100 slices to the largest count, every mean stays within 1.5 % of the finest one:
    // what is left is the jitter of whether the last pass near the reach runs.
    const double finest = TextToDouble(meanWith(9999));
    for (const int slices : {100, 150, 200, 400, 800, 1600, 3200, 5000}) {
        const double mean = TextToDouble(meanWith(slices));
        EXPECT_LT(std::abs(mean - finest) / finest, 0.015) << slices << " slices";
    }
}

TEST_F(SliceRun, ContinuesTheSequenceThePlaneRunLeft) {
    FieldTextMap plane = DefaultTexts(PlaneFailure());
    RunPlaneAnalysis(plane, context);
    ASSERT_EQ(ConsumedBy(uniforms), 2000);
    Run();

    UniformSequence skipped;
    for (int n = 0; n < 2000; ++n) {
        skipped.NextUniform();
    }
    KeptTables otherKept;
    AnalysisContext other{skipped, otherKept, {}};
    FieldTextMap same = DefaultTexts(SliceMethod());
    RunSliceAnalysis(same, other);
    EXPECT_EQ(Text(MeanSafetyFactor), same.text(MeanSafetyFactor));
    EXPECT_EQ(uniforms.state(), skipped.state());
    EXPECT_NE(Text(MeanSafetyFactor), "1.32580047310772");
}

TEST_F(SliceRun, BaseAngleTablesOutliveTheRunAndAreNeverCleared) {
    Run();
    const double total1 = kept.Of<SliceKeptTables>().BaseAngleRadianTotal[1];
    const double total3 = kept.Of<SliceKeptTables>().BaseAngleRadianTotal[3];
    const double degrees3 = kept.Of<SliceKeptTables>().BaseAngleDegrees[3];
    EXPECT_GT(total1, 0.0);
    EXPECT_GT(kept.Of<SliceKeptTables>().BaseAngleRadianTotal[500], 0.0);
    EXPECT_EQ(kept.Of<SliceKeptTables>().BaseAngleRadianTotal[501], 0.0);

    fields.setText(CalculationCount, "2");
    Run();
    EXPECT_GT(kept.Of<SliceKeptTables>().BaseAngleRadianTotal[1], total1);
    EXPECT_EQ(kept.Of<SliceKeptTables>().BaseAngleRadianTotal[3], total3);
    EXPECT_EQ(kept.Of<SliceKeptTables>().BaseAngleDegrees[3], degrees3);
}

// Fields in the order the run first converts them: the count, the slice count, the inputs the
// checks look at (slope, water unit weight, the four averages), the grid of the first candidate
// circle, then the deviations of the first slice's four draws.
TEST_F(SliceRun, ConvertsEachFieldAtTheStepThatFirstNeedsIt) {
    class Recording final : public FieldTexts {
    public:
        explicit Recording(FieldTextMap& texts) : texts_(texts) {}
        std::string text(int field) const override {
            read.push_back(field);
            return texts_.text(field);
        }
        void setText(int field, std::string_view text) override { texts_.setText(field, text); }
        mutable std::vector<int> read;

    private:
        FieldTextMap& texts_;
    } recording(fields);
    RunSliceAnalysis(recording, context);
    EXPECT_EQ(
        recording.read,
        (std::vector<int>{CalculationCount, SliceCount, SlopeHeight, SlopeFaceAngle,
                          WaterUnitWeight, CohesionMean, FrictionAngleMean, RockUnitWeightMean,
                          WaterHeightMean, CentreX1, CentreX2, CentreY2, CohesionStdDev,
                          FrictionAngleStdDev, RockUnitWeightStdDev, WaterHeightStdDev}));
}

// Trials are the typed count rounded half to even; both divisions use the typed count.
struct CountRow {
    const char* name;
    const char* count;
    int trials;
};

class SliceRunCount : public SliceRun, public testing::WithParamInterface<CountRow> {};

TEST_P(SliceRunCount, RunsTheRoundedCountAndAveragesTheTrialsThatRan) {
    fields.setText(CalculationCount, GetParam().count);
    const RunOutcome result = Run();
    ASSERT_EQ(result.end, End::Completed);
    EXPECT_EQ(result.trials, GetParam().trials);
    ASSERT_EQ(result.trialFactors.size(), static_cast<std::size_t>(GetParam().trials));

    const double ran = GetParam().trials;
    double failures = 0.0;
    double sum = 0.0;
    for (const double factor : result.trialFactors) {
        failures += factor < 1.0 ? 1.0 : 0.0;
        sum += factor;
    }
    EXPECT_EQ(Text(FailureProbability), DoubleToText(failures / ran * 100.0));
    EXPECT_EQ(Text(MeanSafetyFactor), DoubleToText(sum / ran));
    EXPECT_EQ(Text(CalculationCount), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Counts, SliceRunCount,
                         testing::Values(CountRow{"OnePointTwoRunsOne", "1.2", 1},
                                         CountRow{"TwoPointFiveRunsTwo", "2.5", 2},
                                         CountRow{"AlmostTenThousandRunsTenThousand", "9999.5",
                                                  10000}),
                         RowName());

// Runs that stop with a message: which fields they empty and which keep their text.
struct StopRow {
    const char* name;
    std::vector<std::pair<int, const char*>> texts;
    End end;
    std::string_view message;
    std::vector<int> emptied;
    long consumed;
    std::optional<int> field = std::nullopt;  // the input a check stopped at
};

class SliceRunStop : public SliceRun, public testing::WithParamInterface<StopRow> {};

TEST_P(SliceRunStop, WritesItsMessageAndLeavesTheOtherResults) {
    const StopRow& row = GetParam();
    for (const auto& [field, text] : row.texts) {
        fields.setText(field, text);
    }
    fields.setText(FailureProbability, "old");
    fields.setText(MeanSafetyFactor, "old");
    const std::string count = Text(CalculationCount);

    const RunOutcome outcome = Run();
    EXPECT_EQ(outcome.end, row.end);
    EXPECT_EQ(Text(MessageField), row.message);
    EXPECT_EQ(Text(ExplanationField), "This Software Used in The Bishop Method");
    const auto emptied = [&](int field) {
        return std::find(row.emptied.begin(), row.emptied.end(), field) != row.emptied.end();
    };
    EXPECT_EQ(Text(FailureProbability), emptied(FailureProbability) ? "" : "old");
    EXPECT_EQ(Text(MeanSafetyFactor), emptied(MeanSafetyFactor) ? "" : "old");
    EXPECT_EQ(Text(CalculationCount), emptied(CalculationCount) ? "" : count);
    EXPECT_EQ(ConsumedBy(uniforms), row.consumed);
    // A check names the field to correct; the other stops belong to no one field.
    EXPECT_EQ(outcome.stoppedAtField, row.field);
}

const std::vector<int> kAllResults{CalculationCount, FailureProbability, MeanSafetyFactor};
const std::vector<int> kCountAndPercentage{CalculationCount, FailureProbability};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Messages, SliceRunStop, testing::Values(
    StopRow{"CountOfOne", {{CalculationCount, "1"}}, End::Stopped,
            messages::kCountNotAboveOne, kAllResults, 0},
    StopRow{"CountOf10000", {{CalculationCount, "10000"}}, End::Stopped,
            messages::kCountNotBelowLimit, kCountAndPercentage, 0},
    StopRow{"SliceCountZero", {{SliceCount, "0"}}, End::Stopped,
            messages::kSliceCountNotAboveZero, {}, 0},
    StopRow{"NegativeSliceCount", {{SliceCount, "-3"}}, End::Stopped,
            messages::kSliceCountNotAboveZero, {}, 0},
    StopRow{"SliceCountOf10000", {{SliceCount, "10000"}}, End::Stopped,
            messages::kSliceCountNotBelowLimit, {}, 0},
    // Every centre at (0, H): R = H, E = 0, never beyond the crest.
    StopRow{"NoCircleOfTheGridPassesTheCrest", {{CentreX1, "0"}, {CentreX2, "0"}, {CentreY2, "20"}},
            End::Stopped, messages::kNoCircleBeyondCrest, {}, 100000},
    // Inputs no slope can have stop before anything is drawn, naming the field to correct.
    StopRow{"WaterAboveTheSlope", {{WaterHeightMean, "50"}}, End::Stopped,
            messages::kWaterAboveSlope, {}, 0, WaterHeightMean},
    StopRow{"NegativeWater", {{WaterHeightMean, "-1"}}, End::Stopped,
            messages::kWaterAboveSlope, {}, 0, WaterHeightMean},
    StopRow{"FlatFace", {{SlopeFaceAngle, "0"}}, End::Stopped,
            messages::kSliceFaceAngleOutOfRange, {}, 0, SlopeFaceAngle},
    StopRow{"OverhangingFace", {{SlopeFaceAngle, "91"}}, End::Stopped,
            messages::kSliceFaceAngleOutOfRange, {}, 0, SlopeFaceAngle},
    StopRow{"FrictionOf90", {{FrictionAngleMean, "90"}}, End::Stopped,
            messages::kFrictionAngleOutOfRange, {}, 0, FrictionAngleMean},
    StopRow{"NegativeFriction", {{FrictionAngleMean, "-1"}}, End::Stopped,
            messages::kFrictionAngleOutOfRange, {}, 0, FrictionAngleMean},
    StopRow{"NegativeCohesion", {{CohesionMean, "-1"}}, End::Stopped,
            messages::kCohesionBelowZero, {}, 0, CohesionMean},
    StopRow{"WeightlessRock", {{RockUnitWeightMean, "0"}}, End::Stopped,
            messages::kRockUnitWeightNotAboveZero, {}, 0, RockUnitWeightMean},
    StopRow{"WeightlessWater", {{WaterUnitWeight, "0"}}, End::Stopped,
            messages::kWaterUnitWeightNotAboveZero, {}, 0, WaterUnitWeight},
    StopRow{"NegativeSlopeHeight",
            {{SlopeHeight, "-20"}, {CentreX1, "0"}, {CentreX2, "0"}, {CentreY2, "-20"}},
            End::Stopped, messages::kSlopeHeightNotAboveZero, {}, 0, SlopeHeight}),
    RowName());
// clang-format on

// Inputs at the edge of what a slope can have are a slope: the run draws its trials.
struct BoundRow {
    const char* name;
    friend void PrintTo(const BoundRow& row, std::ostream* os) { *os << row.name; }
    std::vector<std::pair<int, const char*>> texts;
};

class SliceInputAtItsBound : public SliceRun, public testing::WithParamInterface<BoundRow> {};

TEST_P(SliceInputAtItsBound, RunsItsTrials) {
    for (const auto& [field, text] : GetParam().texts) {
        fields.setText(field, text);
    }
    fields.setText(CalculationCount, "2");
    const RunOutcome outcome = Run();
    EXPECT_EQ(outcome.end, End::Completed) << Text(MessageField);
    EXPECT_EQ(outcome.trials, 2);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Inputs, SliceInputAtItsBound, testing::Values(
    BoundRow{"WaterAtTheCrest", {{WaterHeightMean, "20"}}},
    BoundRow{"NoWater", {{WaterHeightMean, "0"}}},
    BoundRow{"VerticalFace", {{SlopeFaceAngle, "90"}}},
    BoundRow{"NoCohesion", {{CohesionMean, "0"}}},
    BoundRow{"OneSlice", {{SliceCount, "1"}}}),
    RowName());
// clang-format on

// Faults that stop the run with a run-time error, and the uniform values taken by then. The
// default run's first circle is accepted at once, and its first slice draws four values.
struct ErrorRow {
    const char* name;
    std::vector<std::pair<int, const char*>> texts;
    ErrorCode code;
    long consumed;
};

class SliceRunError : public SliceRun, public testing::WithParamInterface<ErrorRow> {};

TEST_P(SliceRunError, StopsAtItsStepAndLeavesTheResults) {
    for (const auto& [field, text] : GetParam().texts) {
        fields.setText(field, text);
    }
    fields.setText(FailureProbability, "old");
    fields.setText(MeanSafetyFactor, "old");
    fields.setText(MessageField, "old");
    EXPECT_EQ(testing_support::ErrorOf([&] { Run(); }), GetParam().code);
    EXPECT_EQ(ConsumedBy(uniforms), GetParam().consumed);
    EXPECT_EQ(Text(ExplanationField), "This Software Used in The Bishop Method");
    EXPECT_EQ(Text(FailureProbability), "old");
    EXPECT_EQ(Text(MeanSafetyFactor), "old");
    EXPECT_EQ(Text(MessageField), "old");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Faults, SliceRunError, testing::Values(
    ErrorRow{"EmptyCount", {{CalculationCount, ""}}, ErrorCode::TypeMismatch, 0},
    // The slice count is first read where the first trial lays out its slices, after its circle.
    ErrorRow{"EmptySliceCount", {{SliceCount, ""}}, ErrorCode::TypeMismatch, 1},
    ErrorRow{"BracketedSliceCount", {{SliceCount, "(5)"}}, ErrorCode::TypeMismatch, 1},
    ErrorRow{"HugeSliceCount", {{SliceCount, "1e400"}}, ErrorCode::Overflow, 1},
    ErrorRow{"EmptyCentreX1", {{CentreX1, ""}}, ErrorCode::TypeMismatch, 1},
    ErrorRow{"EmptySlopeHeight", {{SlopeHeight, ""}}, ErrorCode::TypeMismatch, 1},
    ErrorRow{"EmptyFaceAngle", {{SlopeFaceAngle, ""}}, ErrorCode::TypeMismatch, 1},
    ErrorRow{"EmptyCohesionMean", {{CohesionMean, ""}}, ErrorCode::TypeMismatch, 2},
    ErrorRow{"EmptyWaterHeightDeviation", {{WaterHeightStdDev, ""}}, ErrorCode::TypeMismatch, 5},
    ErrorRow{"EmptyWaterUnitWeight", {{WaterUnitWeight, ""}}, ErrorCode::TypeMismatch, 5},
    ErrorRow{"WeightOverflows", {{RockUnitWeightMean, "1e308"}}, ErrorCode::Overflow, 5}),
    RowName());
// clang-format on

// Threads convert the inputs up front and leave a bad text to the sequential run, so its error
// still names the field; an arithmetic fault names none.
TEST_F(SliceRun, OnThreadsTooOnlyTheErrorOfABadTextNamesItsField) {
    context.threads = 2;
    fields.setText(SlopeFaceAngle, "abc");
    EXPECT_EQ(testing_support::RaisedBy([&] { Run(); }).value().field(), SlopeFaceAngle);
    fields.setText(SlopeFaceAngle, "45");
    fields.setText(RockUnitWeightMean, "1e308");
    EXPECT_EQ(testing_support::RaisedBy([&] { Run(); }).value().field(), std::nullopt);
}

// Trials past what the checks let through, on numbers: how the trial code ends them.
struct TrialEndRow {
    const char* name;
    SliceInputs values;
    std::optional<ErrorCode> error;
    TrialEnd end;
};

SliceInputs Geometry(double H, double x1, double x2, double y2, double slices = 10) {
    SliceInputs inputs = SliceInputs::Defaults();
    inputs.Set(SlopeHeight, H);
    inputs.Set(CentreX1, x1);
    inputs.Set(CentreX2, x2);
    inputs.Set(CentreY2, y2);
    inputs.Set(SliceCount, slices);
    return inputs;
}

class SliceTrialEnd : public testing::TestWithParam<TrialEndRow> {};

TEST_P(SliceTrialEnd, EndsAsTheTrialCodeSays) {
    UniformSequence uniforms;
    SliceKeptTables kept;
    SliceTables tables;
    SliceInputs inputs = GetParam().values;
    SliceTrialsOutcome outcome;
    EXPECT_EQ(testing_support::ErrorOf(
                  [&] { outcome = RunSliceTrials(1, inputs, uniforms, kept, tables); }),
              GetParam().error);
    EXPECT_EQ(outcome.end, GetParam().end);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(PastTheChecks, SliceTrialEnd, testing::Values(
    // A face leaning over the toe puts the crest at D < 0, so E = 0 is accepted.
    TrialEndRow{"ZeroSliceWidth", Geometry(-20, 0, 0, -20), std::nullopt, TrialEnd::ZeroSliceWidth},
    // H < 0 with every centre below the toe's level: R < |H|, root of a negative number.
    TrialEndRow{"RadiusShortOfTheHeight", Geometry(-20, 0, 0, 0), ErrorCode::InvalidProcedureCall,
                TrialEnd::Completed},
    // H = 0 and R = 3 in three slices: the third lands on x = R, where s = 0.
    TrialEndRow{"SliceAtTheEndOfTheRadius", Geometry(0, 3, 3, 0, 3), ErrorCode::DivisionByZero,
                TrialEnd::Completed}),
    RowName());
// clang-format on

// Per parameter, the trials that drew it out of its range in some slice: the same on threads,
// and the same as noting every draw of every trial.
TEST_F(SliceRun, CountsTheTrialsThatDrewAParameterOutOfItsRange) {
    SetTexts({{WaterHeightStdDev, "8"}, {CohesionMean, "100"}, {CalculationCount, "50"}});
    const RunOutcome sequential = Run();
    std::vector<RunOutcome> parallel;
    for (const int threads : {2, 3, 7}) {
        UniformSequence again;
        KeptTables keptAgain;
        AnalysisContext threaded{again, keptAgain, {}, nullptr, threads};
        FieldTextMap texts = fields;
        parallel.push_back(RunSliceAnalysis(texts, threaded));
    }

    // Each trial run by the trial code, then its draws replayed from where it started: its
    // circle, then the four draws of every slice it processed.
    SliceInputs inputs = SliceInputs::Defaults();
    inputs.Set(WaterHeightStdDev, 8);
    inputs.Set(CohesionMean, 100);
    const double H = inputs.Number(SlopeHeight);
    UniformSequence sequence;
    SliceKeptTables kept2;
    SliceTables tables;
    SliceTrialsOutcome outcome;
    StopAtFault policy;
    int cohesionTrials = 0;
    int waterTrials = 0;
    for (int i = 1; i <= 50; ++i) {
        UniformSequence replay(sequence.state());
        const long slicesBefore = outcome.processedSlices;
        ContinueSliceTrials(i, i, inputs, sequence, kept2, tables, outcome, nullptr);
        DrawSlipCircle(replay, inputs, tables.TrialRadius, i);
        bool cohesion = false;
        bool water = false;
        for (long slice = slicesBefore; slice < outcome.processedSlices; ++slice) {
            const UncertainParameters p = inputs.DrawParameters(policy, replay);
            cohesion = cohesion || p.cohesion < 0.0;
            water = water || p.waterHeight < 0.0 || p.waterHeight > H;
        }
        EXPECT_EQ(replay.state(), sequence.state());
        cohesionTrials += cohesion ? 1 : 0;
        waterTrials += water ? 1 : 0;
    }
    ASSERT_EQ(sequential.outOfRange.size(), 4u);
    EXPECT_EQ(sequential.outOfRange[0].trials, cohesionTrials);
    EXPECT_EQ(sequential.outOfRange[3].trials, waterTrials);
    EXPECT_GT(waterTrials, 0);
    EXPECT_GT(cohesionTrials, 0);
    for (const RunOutcome& threaded : parallel) {
        ASSERT_EQ(threaded.outOfRange.size(), 4u);
        for (std::size_t p = 0; p < 4; ++p) {
            EXPECT_EQ(threaded.outOfRange[p].parameter, sequential.outOfRange[p].parameter);
            EXPECT_EQ(threaded.outOfRange[p].trials, sequential.outOfRange[p].trials);
        }
    }
}

}  // namespace
}  // namespace vardolin

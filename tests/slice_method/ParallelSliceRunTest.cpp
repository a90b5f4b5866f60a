// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <bit>
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "TestSupport.h"
#include "analysis/ContextSnapshot.h"
#include "fields/FieldTextMap.h"
#include "slice_method/ParallelSliceTrials.h"
#include "slice_method/SliceAnalysis.h"
#include "slice_method/SliceFields.h"
#include "slice_method/SliceMethodDescription.h"

namespace vardolin {
namespace {

// The four uncertain parameters' fields are the shared ones (UncertainField).
using slice_method::CalculationCount;
using slice_method::CentreX1;
using slice_method::CentreX2;
using slice_method::CentreY2;
using slice_method::FailureProbability;
using slice_method::MeanSafetyFactor;
using slice_method::MessageField;
using slice_method::SliceCount;
using slice_method::SlopeFaceAngle;
using slice_method::SlopeHeight;
using slice_method::WaterUnitWeight;
using testing_support::ConsumedBy;

// The form's defaults, with old texts in the fields a stopped run must leave alone.
FieldTextMap StartingTexts() {
    FieldTextMap texts = DefaultTexts(SliceMethod());
    for (const int field : {FailureProbability, MeanSafetyFactor, MessageField}) {
        texts.setText(field, "old");
    }
    return texts;
}

template <int Lower, int Upper>
std::vector<std::uint64_t> BitsOf(const CheckedTable<Lower, Upper>& table) {
    std::vector<std::uint64_t> bits;
    for (int i = Lower; i <= Upper; ++i) {
        bits.push_back(std::bit_cast<std::uint64_t>(table[i]));
    }
    return bits;
}

// Everything a run leaves behind, bit for bit.
struct RunRecord {
    std::map<int, std::string> texts;
    std::optional<ErrorCode> error;
    RunOutcome::End end = RunOutcome::End::Stopped;
    int trials = 0;
    long rejectedCircles = 0;
    long processedSlices = 0;
    std::vector<std::uint64_t> trialFactors;
    long consumed = 0;
    std::vector<std::uint64_t> baseAngleDegrees;
    std::vector<std::uint64_t> baseAngleRadianTotal;

    static RunRecord Of(FieldTextMap& fields, AnalysisContext& context) {
        RunRecord r;
        SliceRun run;
        r.error = testing_support::ErrorOf([&] { run = RunSliceMethod(fields, context); });
        r.texts = fields.texts();
        r.end = run.outcome.end;
        r.trials = run.outcome.trials;
        r.rejectedCircles = run.rejectedCircles;
        r.processedSlices = run.processedSlices;
        for (const double f : run.outcome.trialFactors) {
            r.trialFactors.push_back(std::bit_cast<std::uint64_t>(f));
        }
        r.consumed = ConsumedBy(context.uniforms);
        const auto& kept = context.kept.Of<SliceKeptTables>();
        r.baseAngleDegrees = BitsOf(kept.BaseAngleDegrees);
        r.baseAngleRadianTotal = BitsOf(kept.BaseAngleRadianTotal);
        return r;
    }
};

void ExpectSame(const RunRecord& parallel, const RunRecord& sequential) {
    EXPECT_EQ(parallel.texts, sequential.texts);
    EXPECT_EQ(parallel.error, sequential.error);
    EXPECT_EQ(parallel.end, sequential.end);
    EXPECT_EQ(parallel.trials, sequential.trials);
    EXPECT_EQ(parallel.rejectedCircles, sequential.rejectedCircles);
    EXPECT_EQ(parallel.processedSlices, sequential.processedSlices);
    EXPECT_EQ(parallel.consumed, sequential.consumed);
    EXPECT_TRUE(parallel.trialFactors == sequential.trialFactors);
    EXPECT_TRUE(parallel.baseAngleDegrees == sequential.baseAngleDegrees);
    EXPECT_TRUE(parallel.baseAngleRadianTotal == sequential.baseAngleRadianTotal);
}

// A session of two runs of the same texts, the second continuing the first's sequence and
// adding to its radian totals.
std::vector<RunRecord> Session(const std::vector<std::pair<int, const char*>>& texts, int threads) {
    UniformSequence uniforms;
    KeptTables kept;
    AnalysisContext context{uniforms, kept, {}, nullptr, threads};
    std::vector<RunRecord> records;
    for (int run = 0; run < 2; ++run) {
        FieldTextMap fields = StartingTexts();
        for (const auto& [field, text] : texts) {
            fields.setText(field, text);
        }
        records.push_back(RunRecord::Of(fields, context));
    }
    return records;
}

struct InputRow {
    const char* name;
    std::vector<std::pair<int, const char*>> texts;
};

class ParallelSliceRun : public testing::TestWithParam<std::tuple<InputRow, int>> {};

TEST_P(ParallelSliceRun, LeavesWhatTheSequentialRunLeaves) {
    const auto& [row, threads] = GetParam();
    const std::vector<RunRecord> sequential = Session(row.texts, 1);
    const std::vector<RunRecord> parallel = Session(row.texts, threads);
    for (std::size_t run = 0; run < sequential.size(); ++run) {
        SCOPED_TRACE("run " + std::to_string(run + 1));
        ExpectSame(parallel[run], sequential[run]);
    }
}

// clang-format off
const InputRow kInputRows[] = {
    {"DefaultInputs", {}},
    {"LargestCount", {{CalculationCount, "9999"}}},
    {"CountRoundedToTenThousand", {{CalculationCount, "9999.5"}, {SliceCount, "2"}}},
    {"OneSlice", {{SliceCount, "1"}}},
    {"FinestSlices", {{SliceCount, "9999"}, {CalculationCount, "3"}}},
    {"FractionalSliceCount", {{SliceCount, "2.5"}}},
    {"SingleTrial", {{CalculationCount, "1.2"}}},
    {"CountRejectedAsOne", {{CalculationCount, "1"}}},
    {"CountRejectedAtTheLimit", {{CalculationCount, "10000"}}},
    {"SliceCountRejected", {{SliceCount, "0"}}},
    {"NoCircleBeyondTheCrest", {{CentreX1, "0"}, {CentreX2, "0"}, {CentreY2, "20"}}},
    {"ZeroSliceWidth", {{SlopeHeight, "-20"}, {CentreX1, "0"}, {CentreX2, "0"}, {CentreY2, "-20"}}},
    {"EmptyWaterUnitWeight", {{WaterUnitWeight, ""}}},
    {"DeviationNotANumber", {{WaterHeightStdDev, "x"}}},
    {"FlatFaceFailsInTheFirstCircle", {{SlopeFaceAngle, "0"}}},
    {"SliceAtTheEndOfTheRadius", {{SlopeHeight, "0"}, {CentreX1, "3"}, {CentreX2, "3"},
                                  {CentreY2, "0"}, {SliceCount, "3"}}},
    {"WeightOverflowsInTheFirstSlice", {{RockUnitWeightMean, "1e308"}}},
    // One extreme water height draw in the run makes the crack's thrust overflow in the middle
    // of a late trial, while the trials after it are being worked out.
    {"ThrustOverflowsInTrial2395", {{CalculationCount, "9999"}, {WaterHeightMean, "0"},
                                    {WaterHeightStdDev, "5e151"}}},
    {"ThrustOverflowsInTrial2959", {{CalculationCount, "9999"}, {WaterHeightMean, "0"},
                                    {WaterHeightStdDev, "3.9e151"}}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Inputs, ParallelSliceRun,
                         testing::Combine(testing::ValuesIn(kInputRows), testing::Values(1, 2, 7)),
                         [](const testing::TestParamInfo<std::tuple<InputRow, int>>& row) {
                             return std::string(std::get<0>(row.param).name) + "With" +
                                    std::to_string(std::get<1>(row.param)) + "Threads";
                         });

// The trials themselves, past what a form lets through: a run longer than the tables are (the
// layout stops at trial 10001, after 10000 trials were planned) and slice counts the form rejects.
struct TrialsRow {
    const char* name;
    int trials;
    double sliceCount;
};

class ParallelSliceTrials : public testing::TestWithParam<TrialsRow> {};

TEST_P(ParallelSliceTrials, EndLikeTheSequentialTrials) {
    SliceInputs inputs = SliceInputs::Defaults();
    inputs.Set(SliceCount, GetParam().sliceCount);
    struct Side {
        UniformSequence uniforms;
        SliceKeptTables kept;
        SliceTables tables;
        SliceTrialsOutcome outcome;
        std::optional<ErrorCode> error;
    } sequential, parallel;
    sequential.error = testing_support::ErrorOf([&] {
        sequential.outcome = RunSliceTrials(GetParam().trials, inputs, sequential.uniforms,
                                            sequential.kept, sequential.tables);
    });
    parallel.error = testing_support::ErrorOf([&] {
        parallel.outcome = RunSliceTrialsInParallel(GetParam().trials, inputs, parallel.uniforms,
                                                    parallel.kept, parallel.tables, 3);
    });
    EXPECT_EQ(parallel.error, sequential.error);
    EXPECT_EQ(parallel.uniforms.state(), sequential.uniforms.state());
    EXPECT_EQ(parallel.outcome.end, sequential.outcome.end);
    EXPECT_EQ(parallel.outcome.completedTrials, sequential.outcome.completedTrials);
    EXPECT_EQ(parallel.outcome.failures, sequential.outcome.failures);
    EXPECT_EQ(parallel.outcome.rejectedCircles, sequential.outcome.rejectedCircles);
    EXPECT_EQ(parallel.outcome.processedSlices, sequential.outcome.processedSlices);
    EXPECT_TRUE(BitsOf(parallel.tables.CircleSafetyFactors) ==
                BitsOf(sequential.tables.CircleSafetyFactors));
    EXPECT_TRUE(BitsOf(parallel.tables.TrialRadius) == BitsOf(sequential.tables.TrialRadius));
    EXPECT_TRUE(BitsOf(parallel.kept.BaseAngleDegrees) == BitsOf(sequential.kept.BaseAngleDegrees));
    EXPECT_TRUE(BitsOf(parallel.kept.BaseAngleRadianTotal) ==
                BitsOf(sequential.kept.BaseAngleRadianTotal));
}

INSTANTIATE_TEST_SUITE_P(Trials, ParallelSliceTrials,
                         testing::Values(TrialsRow{"BeyondTheTables", 10001, 3},
                                         TrialsRow{"NegativeSliceCountMakesNoPass", 40, -10},
                                         TrialsRow{"NoTrials", 0, 10}),
                         testing_support::RowName());

// Cancelling, and the snapshot that undoes a cancelled run.
class CancelledSliceRun : public testing::TestWithParam<int> {
protected:
    UniformSequence uniforms;
    KeptTables kept;
    RunProgress progress;
    AnalysisContext context{uniforms, kept, {}, &progress, GetParam()};
};

TEST_P(CancelledSliceRun, CountsEveryTrialOfACompletedRun) {
    FieldTextMap fields = StartingTexts();
    RunSliceAnalysis(fields, context);
    EXPECT_EQ(progress.stepsTotal.load(), 500);
    EXPECT_EQ(progress.stepsDone.load(), 500);
}

TEST_P(CancelledSliceRun, StopsBeforeAnyTrialWhenAskedBeforehand) {
    FieldTextMap fields = StartingTexts();
    progress.cancelRequested = true;
    EXPECT_THROW(RunSliceAnalysis(fields, context), RunCancelled);
    EXPECT_EQ(progress.stepsDone.load(), 0);
    EXPECT_EQ(fields.text(MeanSafetyFactor), "old");
}

// A run cancelled half-way and undone leaves the next run as it would have been.
TEST_P(CancelledSliceRun, LeavesNoTraceOnceItsSnapshotIsRestored) {
    FieldTextMap first = StartingTexts();
    RunSliceAnalysis(first, context);
    const ContextSnapshot snapshot(context);

    FieldTextMap large = StartingTexts();
    large.setText(CalculationCount, "9999");
    large.setText(SliceCount, "100");
    std::jthread watcher([&](std::stop_token stop) {
        while (!stop.stop_requested() && progress.stepsDone.load() < 20) {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
        progress.cancelRequested = true;
    });
    EXPECT_THROW(RunSliceAnalysis(large, context), RunCancelled);
    watcher.request_stop();
    watcher.join();
    EXPECT_LT(progress.stepsDone.load(), 9999);
    snapshot.Restore(context);
    progress.cancelRequested = false;

    FieldTextMap second = StartingTexts();
    const RunRecord afterCancel = RunRecord::Of(second, context);

    UniformSequence freshUniforms;
    KeptTables freshKept;
    AnalysisContext fresh{freshUniforms, freshKept, {}, nullptr, 1};
    FieldTextMap freshFirst = StartingTexts();
    RunSliceAnalysis(freshFirst, fresh);
    FieldTextMap freshSecond = StartingTexts();
    ExpectSame(afterCancel, RunRecord::Of(freshSecond, fresh));
    EXPECT_EQ(second.text(MeanSafetyFactor), "1.33182608285389");
}

INSTANTIATE_TEST_SUITE_P(Threads, CancelledSliceRun, testing::Values(1, 2, 7),
                         [](const testing::TestParamInfo<int>& row) {
                             return std::to_string(row.param) + "Threads";
                         });

}  // namespace
}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "slice_method/SliceAnalysis.h"

#include <cstdint>
#include <optional>
#include <utility>

#include "analysis/CommonInputChecks.h"
#include "analysis/CountChecks.h"
#include "analysis/CountLimit.h"
#include "analysis/InputChecks.h"
#include "analysis/MeanReport.h"
#include "analysis/RunMessages.h"
#include "fields/FieldValues.h"
#include "numerics/FloatingPointStatus.h"
#include "slice_method/ParallelSliceTrials.h"
#include "slice_method/SliceFields.h"
#include "slice_method/SliceInputs.h"
#include "slice_method/SliceTables.h"
#include "slice_method/SliceTrials.h"

namespace vardolin {

namespace {

using namespace slice_method;

constexpr std::string_view kExplanation = "This Software Used in The Bishop Method";

// The trials on the context's threads when every input they read converts; otherwise, or
// with one thread, the sequential trials, which convert each field at its first use.
SliceTrialsOutcome RunTrials(int trials, SliceInputs& inputs, AnalysisContext& context,
                             SliceTables& tables) {
    SliceKeptTables& kept = context.kept.Of<SliceKeptTables>();
    if (context.threads > 1) {
        if (auto numbers = inputs.Converted()) {
            return RunSliceTrialsInParallel(trials, *std::move(numbers), context.uniforms, kept,
                                            tables, context.threads, context.progress);
        }
    }
    return RunSliceTrials(trials, inputs, context.uniforms, kept, tables, context.progress);
}

// Inputs that describe no slope a slip circle could be drawn in, stopped before anything is
// drawn; the first that fails names its field.
std::optional<RunOutcome> CheckInputs(FieldValues& f) {
    InputChecks checks(f);
    checks.RequireRange(SlopeHeight, NumberRange::From(0.0, false),
                        messages::kSlopeHeightNotAboveZero);
    checks.RequireRange(SlopeFaceAngle, NumberRange::Between(0.0, false, 90.0, true),
                        messages::kSliceFaceAngleOutOfRange);
    checks.RequireRange(WaterUnitWeight, NumberRange::From(0.0, false),
                        messages::kWaterUnitWeightNotAboveZero);
    checks.RequireAveragesInRange(kSliceInputs);
    return checks.Stop(MessageField);
}

}  // namespace

RunOutcome RunSliceAnalysis(FieldTexts& fields, AnalysisContext& context) {
    return RunSliceMethod(fields, context).outcome;
}

SliceRun RunSliceMethod(FieldTexts& fields, AnalysisContext& context) {
    SliceTables tables;
    FieldValues f(fields, context.locale);
    SliceRun run;
    RunOutcome& result = run.outcome;
    f.Write(ExplanationField, kExplanation);

    const CountFields countFields{CalculationCount, MessageField, FailureProbability,
                                  MeanSafetyFactor};
    if (RejectCountNotAboveOne(f, countFields)) {
        return run;
    }
    if (RejectCountNotBelowLimit(f, countFields)) {
        return run;
    }
    // A slice count that is not a number is left to fail where the first trial lays out its
    // slices, after that trial's circle is drawn.
    const std::optional<double> sliceCount = InputChecks(f).Value(SliceCount);
    if (sliceCount && *sliceCount < 1.0) {
        f.Write(MessageField, messages::kSliceCountNotAboveZero);
        return run;
    }
    // Slice counts from the limit on would make a run of practically endless length.
    if (sliceCount && *sliceCount >= kCountLimit) {
        f.Write(MessageField, messages::kSliceCountNotBelowLimit);
        return run;
    }

    if (std::optional<RunOutcome> stopped = CheckInputs(f)) {
        result = *stopped;
        return run;
    }

    const std::int16_t trials = f.RoundedInt16(CalculationCount);
    SliceInputs inputs(f);
    const SliceTrialsOutcome outcome = RunTrials(trials, inputs, context, tables);
    result.trials = outcome.completedTrials;
    result.trialFactors.reserve(static_cast<std::size_t>(result.trials));
    for (int i = 1; i <= result.trials; ++i) {
        result.trialFactors.push_back(tables.CircleSafetyFactors[i]);
    }
    run.rejectedCircles = outcome.rejectedCircles;
    run.processedSlices = outcome.processedSlices;
    if (outcome.end == TrialEnd::NoCircleBeyondCrest) {
        f.Write(MessageField, messages::kNoCircleBeyondCrest);
        return run;
    }
    if (outcome.end == TrialEnd::ZeroSliceWidth) {
        f.Write(MessageField, messages::kZeroSliceWidth);
        return run;
    }
    result.end = RunOutcome::End::Completed;

    // Both divisions are by the trials that ran: a count of 2.5 runs two trials, and two
    // failures of two are 100 %, not 80 %.
    const double ran = trials;
    FloatingPointStatus status;
    const double percentage = status.Note(status.Divide(outcome.failures, ran) * 100.0);
    status.Test();
    f.WriteNumber(FailureProbability, percentage);
    WriteMeanAndVerdict(f, result.trialFactors, MeanSafetyFactor, MessageField);
    result.outOfRange = outcome.outOfRange.Counts(kSliceInputs);
    return run;
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "circle/SliceAnalysis.h"

#include <cstdint>
#include <utility>

#include "circle/ParallelSliceTrials.h"
#include "circle/SliceFields.h"
#include "circle/SliceInputs.h"
#include "circle/SliceTables.h"
#include "circle/SliceTrials.h"
#include "numerics/FloatingPointStatus.h"
#include "shared/CountChecks.h"
#include "shared/CountLimit.h"
#include "shared/FieldValues.h"
#include "shared/MeanReport.h"
#include "shared/RunMessages.h"

namespace vardolin {

namespace {

using namespace circle;

constexpr std::string_view kExplanation = "This Software Used in The Bishop Method";

RunOutcome::End EndOf(TrialEnd end) {
    switch (end) {
        case TrialEnd::NoCircleBeyondCrest:
            return RunOutcome::End::NoCircleBeyondCrest;
        case TrialEnd::ZeroSliceWidth:
            return RunOutcome::End::ZeroSliceWidth;
        case TrialEnd::Completed:
            break;
    }
    return RunOutcome::End::Completed;
}

// The trials on the context's threads when every input they read converts; otherwise, or
// with one thread, the sequential trials, which convert each field at its first use.
SliceTrialsOutcome RunTrials(int trials, SliceInputs& inputs, AnalysisContext& context,
                             SliceTables& tables) {
    if (context.threads > 1) {
        if (auto numbers = inputs.Converted()) {
            return RunSliceTrialsInParallel(trials, *std::move(numbers), context.uniforms,
                                            context.module, tables, context.threads,
                                            context.progress);
        }
    }
    return RunSliceTrials(trials, inputs, context.uniforms, context.module, tables,
                          context.progress);
}

}  // namespace

RunOutcome RunSliceAnalysis(FieldTexts& fields, AnalysisContext& context) {
    SliceTables tables;
    FieldValues f(fields, context.locale);
    RunOutcome result;
    f.Write(ExplanationField, kExplanation);

    const CountFields countFields{CalculationCount, MessageField, FailureProbability,
                                  MeanSafetyFactor};
    if (RejectCountNotAboveOne(f, countFields)) {
        result.end = RunOutcome::End::CountNotAboveOne;
        return result;
    }
    if (RejectCountNotBelowLimit(f, countFields)) {
        result.end = RunOutcome::End::CountNotBelowLimit;
        return result;
    }
    const double sliceCount = f.Number(SliceCount);
    if (sliceCount < 1.0) {
        f.Write(MessageField, messages::kSliceCountNotAboveZero);
        result.end = RunOutcome::End::SliceCountNotAboveZero;
        return result;
    }
    // Slice counts from the limit on would make a run of practically endless length.
    if (sliceCount >= kCountLimit) {
        f.Write(MessageField, messages::kSliceCountNotBelowLimit);
        result.end = RunOutcome::End::SliceCountNotBelowLimit;
        return result;
    }

    const std::int16_t trials = f.RoundedInt16(CalculationCount);
    SliceInputs inputs(f);
    const SliceTrialsOutcome outcome = RunTrials(trials, inputs, context, tables);
    result.end = EndOf(outcome.end);
    result.trials = outcome.completedTrials;
    result.rejectedCircles = outcome.rejectedCircles;
    result.processedSlices = outcome.processedSlices;
    if (outcome.end == TrialEnd::NoCircleBeyondCrest) {
        f.Write(MessageField, messages::kNoCircleBeyondCrest);
        return result;
    }
    if (outcome.end == TrialEnd::ZeroSliceWidth) {
        f.Write(MessageField, messages::kZeroSliceWidth);
        return result;
    }

    // Both divisions are by the trials that ran: a count of 2.5 runs two trials, and two
    // failures of two are 100 %, not 80 %.
    const double ran = trials;
    FloatingPointStatus status;
    const double percentage = status.Note(status.Divide(outcome.failures, ran) * 100.0);
    status.Test();
    f.WriteNumber(FailureProbability, percentage);

    result.trialFactors.reserve(static_cast<std::size_t>(trials));
    for (int i = 1; i <= trials; ++i) {
        result.trialFactors.push_back(tables.CircleSafetyFactors[i]);
    }
    WriteMeanAndVerdict(f, result.trialFactors, MeanSafetyFactor, MessageField);
    return result;
}

}  // namespace vardolin

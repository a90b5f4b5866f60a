// SPDX-License-Identifier: MIT
#include "slice_method/SliceTrials.h"

#include "slice_method/FaultPolicy.h"
#include "slice_method/SlicePasses.h"
#include "slice_method/SlipCircle.h"
#include "slice_method/TrialSlices.h"

namespace vardolin {

SliceTrialOutcome RunSliceTrial(int i, SliceInputs& inputs, UniformSequence& uniforms,
                                SliceKeptTables& module, SliceTables& tables) {
    SliceTrialOutcome outcome;
    const CircleDraw draw = DrawSlipCircle(uniforms, inputs, tables.TrialRadius, i);
    outcome.rejectedCircles = draw.rejected;
    if (!draw.circle) {
        outcome.end = TrialEnd::NoCircleBeyondCrest;
        return outcome;
    }
    const SlipCircle& circle = *draw.circle;

    const double b = SliceWidth(circle, inputs.Number(slice_method::SliceCount));
    if (b == 0.0) {
        outcome.end = TrialEnd::ZeroSliceWidth;
        return outcome;
    }

    StopAtFault policy;
    TrialSlices slices(policy, circle, b, inputs);
    ForEachProcessedSlice(circle, b, [&](double x) {
        tables.CircleSafetyFactors[i] =
            slices.Add(x, uniforms, module.BaseAngleDegrees[i], module.BaseAngleRadianTotal[i]);
        ++outcome.processedSlices;
    });
    outcome.outOfRange = slices.outside();
    return outcome;
}

void ContinueSliceTrials(int first, int last, SliceInputs& inputs, UniformSequence& uniforms,
                         SliceKeptTables& module, SliceTables& tables, SliceTrialsOutcome& outcome,
                         RunProgress* progress) {
    for (int i = first; i <= last; ++i) {
        ThrowIfCancelled(progress);
        const SliceTrialOutcome trial = RunSliceTrial(i, inputs, uniforms, module, tables);
        outcome.rejectedCircles += trial.rejectedCircles;
        outcome.processedSlices += trial.processedSlices;
        if (trial.end != TrialEnd::Completed) {
            outcome.end = trial.end;
            return;
        }
        // A trial counts once, however many slices it has; one without slices never fails.
        if (trial.processedSlices > 0 && tables.CircleSafetyFactors[i] < 1.0) {
            outcome.failures += 1.0;
        }
        outcome.outOfRange.AddTrial(trial.outOfRange);
        outcome.completedTrials = i;
        AddStepsDone(progress, 1);
    }
}

SliceTrialsOutcome RunSliceTrials(int trials, SliceInputs& inputs, UniformSequence& uniforms,
                                  SliceKeptTables& module, SliceTables& tables,
                                  RunProgress* progress) {
    if (progress != nullptr) {
        progress->stepsTotal.store(trials);
    }
    SliceTrialsOutcome outcome;
    ContinueSliceTrials(1, trials, inputs, uniforms, module, tables, outcome, progress);
    return outcome;
}

}  // namespace vardolin

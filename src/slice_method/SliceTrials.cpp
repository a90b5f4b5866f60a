// SPDX-License-Identifier: MIT
#include "slice_method/SliceTrials.h"

#include "numerics/FloatingPointStatus.h"
#include "numerics/GenericArithmetic.h"
#include "numerics/Pi.h"
#include "slice_method/BishopSafetyFactor.h"
#include "slice_method/SlicePasses.h"
#include "slice_method/SliceQuantities.h"
#include "slice_method/SlipCircle.h"

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

    const double b = SliceWidth(circle, inputs.SliceCount());
    if (b == 0.0) {
        outcome.end = TrialEnd::ZeroSliceWidth;
        return outcome;
    }

    BishopSafetyFactor factor;
    FloatingPointStatus status;
    ForEachProcessedSlice(circle, b, [&](double x) {
        const SliceBase base = SliceBaseOf(x, b, circle.radius);
        module.BaseAngleDegrees[i] = base.angle;
        module.BaseAngleRadianTotal[i] =
            status.Note(module.BaseAngleRadianTotal[i] + status.Divide(base.angle * kPi, 180.0));
        status.Test();

        const UncertainParameters drawn = inputs.DrawParameters(uniforms);
        const SliceLoads loads = SliceLoadsOf(circle, x, base, b, drawn, inputs);
        tables.CircleSafetyFactors[i] = factor.AddSlice({.baseAngle = base.angle,
                                                         .width = b,
                                                         .baseLength = base.length,
                                                         .weight = loads.weight,
                                                         .porePressure = loads.porePressure,
                                                         .waterThrust = loads.waterThrust,
                                                         .drawn = drawn});
        ++outcome.processedSlices;
    });
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
        outcome.completedTrials = i;
        AddTrialsDone(progress, 1);
    }
}

SliceTrialsOutcome RunSliceTrials(int trials, SliceInputs& inputs, UniformSequence& uniforms,
                                  SliceKeptTables& module, SliceTables& tables,
                                  RunProgress* progress) {
    if (progress != nullptr) {
        progress->trialsTotal.store(trials);
    }
    SliceTrialsOutcome outcome;
    ContinueSliceTrials(1, trials, inputs, uniforms, module, tables, outcome, progress);
    return outcome;
}

}  // namespace vardolin

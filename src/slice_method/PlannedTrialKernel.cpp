// SPDX-License-Identifier: MIT
#include "slice_method/PlannedTrialKernel.h"

#include "numerics/UniformSequence.h"
#include "slice_method/FaultPolicy.h"
#include "slice_method/TrialSlices.h"

namespace vardolin {

PlannedTrialResult WorkOutPlannedTrial(const PlannedTrial& trial, SliceInputs& inputs,
                                       double radianTotal) {
    if (trial.slices <= 0) {
        return {.radianTotal = radianTotal};
    }
    RecordFault policy;
    TrialSlices slices(policy, trial.circle, trial.width, inputs);
    UniformSequence uniforms(trial.slicesStart);
    double factor = 0.0;
    double lastBaseAngle = 0.0;
    double x = 0.0;
    // x grows with every pass, so the processed slices are the first passes of the trial.
    for (int slice = 0; slice < trial.slices; ++slice) {
        x = x + trial.width;
        factor = slices.Add(x, uniforms, lastBaseAngle, radianTotal);
    }
    return {.faulted = policy.faulted(),
            .factor = factor,
            .lastBaseAngle = lastBaseAngle,
            .radianTotal = radianTotal,
            .outOfRange = slices.outside()};
}

}  // namespace vardolin

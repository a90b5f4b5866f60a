// SPDX-License-Identifier: MIT
#include "slice_method/TrialLayout.h"

#include <exception>

#include "slice_method/SlicePasses.h"

namespace vardolin {

int CountProcessedSlices(const SlipCircle& circle, double width) {
    int slices = 0;
    ForEachProcessedSlice(circle, width, [&slices](double) { ++slices; });
    return slices;
}

TrialLayout LayOutSliceTrials(int trials, SliceInputs& inputs, UniformSequence& uniforms,
                              SliceTables& tables, const RunProgress* progress) {
    TrialLayout layout;
    layout.trials.reserve(static_cast<std::size_t>(trials > 0 ? trials : 0));
    layout.end = uniforms.state();
    for (int i = 1; i <= trials; ++i) {
        ThrowIfCancelled(progress);
        PlannedTrial trial;
        trial.start = uniforms.state();
        try {
            const CircleDraw draw = DrawSlipCircle(uniforms, inputs, tables.TrialRadius, i);
            if (!draw.circle) {
                break;
            }
            trial.rejectedCircles = draw.rejected;
            trial.circle = *draw.circle;
            trial.slicesStart = uniforms.state();
            trial.width = SliceWidth(trial.circle, inputs.Number(slice_method::SliceCount));
            if (trial.width == 0.0) {
                break;
            }
            trial.slices = CountProcessedSlices(trial.circle, trial.width);
        } catch (const std::exception&) {
            break;
        }
        uniforms.Skip(4 * static_cast<std::uint64_t>(trial.slices));
        layout.trials.push_back(trial);
        layout.end = uniforms.state();
    }
    // A trial the layout stopped at starts where the planned ones end.
    uniforms.Restore(layout.end);
    return layout;
}

}  // namespace vardolin

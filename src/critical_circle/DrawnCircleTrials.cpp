// SPDX-License-Identifier: MIT
#include "critical_circle/DrawnCircleTrials.h"

namespace vardolin::critical {

DrawnTrialFactors EvaluateDrawnTrials(const CircleSlices& slices, std::span<const SoilValues> drawn,
                                      int threads, RunProgress* progress) {
    return EvaluateTrials(slices, drawn, threads, progress, [](int, int end) { return end; });
}

}  // namespace vardolin::critical

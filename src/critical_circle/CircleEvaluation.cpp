// SPDX-License-Identifier: MIT
#include "critical_circle/CircleEvaluation.h"

#include <algorithm>

namespace vardolin::critical {

CircleAnalyser::CircleAnalyser(const SimpleSlope& slope, const SoilValues& soil, int sliceCount)
    : slope_(slope),
      ground_(GroundLine(slope)),
      soil_(StrengthOf(soil)),
      sliceCount_(std::max(sliceCount, 1)),
      evaluator_(sliceCount_) {
    // Grown once here, so that no circle after allocates.
    analysis_.slices.mass.slices.reserve(static_cast<std::size_t>(sliceCount_));
}

const CircleEvaluation& CircleAnalyser::Analyse(const Circle& circle) {
    analysis_.circle = circle;
    analysis_.located = LocateCircle(slope_, circle);
    analysis_.factors = FactorsOfSafety{};
    if (analysis_.located.status == CircleStatus::Valid) {
        analysis_.located.status =
            LayOutSlices(ground_, circle, analysis_.located, soil_, sliceCount_, analysis_.slices);
    }
    if (analysis_.located.status == CircleStatus::Valid) {
        analysis_.factors = evaluator_.Evaluate(analysis_.slices);
    }
    return analysis_;
}

CircleEvaluation AnalyseCircle(const SimpleSlope& slope, const SoilValues& soil,
                               const Circle& circle, int sliceCount) {
    CircleAnalyser analyser(slope, soil, sliceCount);
    return analyser.Analyse(circle);
}

}  // namespace vardolin::critical

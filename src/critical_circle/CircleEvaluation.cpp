// SPDX-License-Identifier: MIT
#include "critical_circle/CircleEvaluation.h"

#include <algorithm>

namespace vardolin::critical {

CircleAnalyser::CircleAnalyser(const SimpleSlope& slope, const SoilValues& soil, int sliceCount)
    : slope_(slope),
      soil_(soil),
      tanFriction_(TanOfDegrees(soil.frictionAngle)),
      sliceCount_(std::max(sliceCount, 1)),
      evaluator_(sliceCount_) {
    // Grown once here, so that no circle after allocates.
    CircleSlices& slices = analysis_.slices;
    const auto n = static_cast<std::size_t>(sliceCount_);
    for (auto* array :
         {&slices.middleX, &slices.height, &slices.sinBase, &slices.cosBase, &slices.baseLength}) {
        array->reserve(n);
    }
}

const CircleEvaluation& CircleAnalyser::Analyse(const Circle& circle) {
    analysis_.circle = circle;
    analysis_.located = LocateCircle(slope_, circle);
    analysis_.factors = FactorsOfSafety{};
    if (analysis_.located.status == CircleStatus::Valid) {
        analysis_.located.status =
            LayOutSlices(slope_, circle, analysis_.located, sliceCount_, analysis_.slices);
    }
    if (analysis_.located.status == CircleStatus::Valid) {
        analysis_.factors = evaluator_.Evaluate(analysis_.slices, soil_, tanFriction_);
    }
    return analysis_;
}

CircleEvaluation AnalyseCircle(const SimpleSlope& slope, const SoilValues& soil,
                               const Circle& circle, int sliceCount) {
    CircleAnalyser analyser(slope, soil, sliceCount);
    return analyser.Analyse(circle);
}

}  // namespace vardolin::critical

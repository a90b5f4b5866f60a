// SPDX-License-Identifier: MIT
#include "critical_circle/FactorEvaluator.h"

#include <cstddef>

#include "slope_section/MidpointSlices.h"

namespace vardolin::critical {

namespace {

// The section's result as this analysis reports it.
FactorsOfSafety FactorsOf(const section::CircleFactors& solved) {
    const section::MethodResult& bishop = solved.bishop;
    FactorsOfSafety factors;
    factors.ordinary = solved.ordinary;
    factors.bishop = bishop.factor;
    factors.iterations = bishop.passes;
    if (bishop.Has(section::MethodFlag::NoDrivingForce)) {
        factors.status = FactorStatus::NoDrivingMoment;
    } else if (!bishop.solved()) {
        factors.status = FactorStatus::NotConverged;
    } else {
        factors.smallestMAlpha = bishop.smallestMAlpha;
        factors.status = bishop.Has(section::MethodFlag::SmallMAlpha) ? FactorStatus::SmallMAlpha
                                                                      : FactorStatus::Valid;
    }
    return factors;
}

}  // namespace

FactorEvaluator::FactorEvaluator(int sliceCapacity)
    : workspace_(static_cast<std::size_t>(sliceCapacity > 0 ? sliceCapacity : 0)) {}

FactorsOfSafety FactorEvaluator::Evaluate(const CircleSlices& slices) {
    const Circle& circle = slices.circle;
    // The centre in the mass's frame, mirrored as the slices are.
    const section::MomentPoint centre{slices.mass.mirrored ? -circle.centreX : circle.centreX,
                                      circle.centreY};
    return FactorsOf(
        section::SolveCircleAboutCentre(slices.mass, centre, circle.radius, workspace_));
}

TrialEvaluator::TrialEvaluator(const CircleSlices& slices)
    : slices_(slices), evaluator_(slices.count()) {}

FactorsOfSafety TrialEvaluator::Evaluate(const SoilValues& soil) {
    section::SetMidpointSoil(StrengthOf(soil), slices_.mass);
    return evaluator_.Evaluate(slices_);
}

}  // namespace vardolin::critical

// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "analysis/OutOfRangeDraws.h"
#include "numerics/UniformSequence.h"
#include "slice_method/BishopSafetyFactor.h"
#include "slice_method/FaultPolicy.h"
#include "slice_method/SliceInputs.h"
#include "slice_method/SliceQuantities.h"
#include "slice_method/SlipCircle.h"

namespace vardolin {

// The processed slices of one trial's circle, worked out one at a time: the one slice code of
// the sequential trials (StopAtFault) and of the parallel worker (RecordFault). It notes which
// of the four inputs any slice drew outside its physical range, so that whichever thread works
// a trial out counts its draws.
template <FaultPolicy Policy>
class TrialSlices {
public:
    // H has been read for the circle already.
    TrialSlices(Policy& policy, const SlipCircle& circle, double width, SliceInputs& inputs)
        : policy_(policy),
          inputs_(inputs),
          terms_(SliceTermsOf(policy, circle, width, inputs.Number(slice_method::SlopeHeight))) {
        for (std::size_t k = 0; k < ranges_.size(); ++k) {
            const UncertainInput& input = slice_method::kSliceInputs[k];
            ranges_[k] =
                DrawRange(input, input.highestField != 0 ? inputs.Number(input.highestField) : 0.0);
        }
    }

    // The slice at offset x: its base, whose angle goes into `degrees` and onto `radianTotal`,
    // then its four draws, its loads and the Bishop sums. Returns the trial's factor after it.
    double Add(double x, UniformSequence& uniforms, double& degrees, double& radianTotal) {
        const SliceBase base = SliceBaseOf(policy_, terms_, x);
        degrees = base.angle;
        radianTotal = policy_.Note(radianTotal + base.radians);
        policy_.Test();

        const UncertainParameters drawn = inputs_.DrawParameters(policy_, uniforms);
        outside_ |= OutsideRanges(ranges_, drawn.values());
        const SliceLoads loads = SliceLoadsOf(policy_, terms_, x, base, drawn, inputs_);
        return factor_.AddSlice(policy_, {.baseRadians = base.radians,
                                          .baseCosine = base.cosine,
                                          .width = terms_.width,
                                          .baseLength = base.length,
                                          .weight = loads.weight,
                                          .porePressure = loads.porePressure,
                                          .waterThrust = loads.waterThrust,
                                          .drawn = drawn});
    }

    // The inputs that drew outside their ranges in a slice so far.
    InputsOutOfRange outside() const { return outside_; }

private:
    Policy& policy_;
    SliceInputs& inputs_;
    const SliceTerms terms_;
    std::array<NumberRange, slice_method::kSliceInputs.size()> ranges_;
    InputsOutOfRange outside_ = 0;
    BishopSafetyFactor factor_;
};

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "analysis/UncertainInput.h"
#include "fields/FieldValues.h"
#include "numerics/UniformSequence.h"
#include "sampling/SampledParameter.h"
#include "sampling/SamplingChoices.h"
#include "sampling/TrialSampler.h"

namespace vardolin {

// One draw of a parameter: its uniform value is taken first, then its average and standard
// deviation are read, so a bad field fails after its draw has consumed its value.
double DrawParameter(UniformSequence& uniforms, FieldValues& fields, int meanField, int sdField);

// The uncertain parameters of one run, trial by trial, as the sampling choices ask.
//
// With plain choices, each Next() draws every input in order as DrawParameter does: its
// uniform value first, then its two fields read, so a bad field fails after its draw has
// consumed its value. Otherwise every mean and standard deviation is read
// once, in input order, before the first value is drawn (a Latin hypercube needs them all at
// once), and a TrialSampler draws the trials.
class TrialDraws {
public:
    // The correlation of the choices is of their correlated pair, or of the first of `pairs`
    // when they name none (and of no pair when none is offered).
    TrialDraws(std::span<const UncertainInput> inputs, std::span<const ParameterPair> pairs,
               FieldValues& fields, const SamplingChoices& choices, int trials,
               UniformSequence& uniforms);

    // The next trial's values, in the order of the inputs; valid until the next call.
    std::span<const double> Next();
    // Passes over the next `trials` trials as Next() would, without drawing them: plain draws
    // and Monte Carlo choices take one value of the sequence per input and trial, a Latin
    // hypercube none past its strata. A part of a split run starts at its first trial so.
    void Skip(int trials);

private:
    std::span<const UncertainInput> inputs_;
    FieldValues& fields_;
    UniformSequence& uniforms_;
    std::optional<TrialSampler> sampler_;  // none: plain draws
    std::vector<double> values_;
};

}  // namespace vardolin

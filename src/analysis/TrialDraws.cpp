// SPDX-License-Identifier: MIT
#include "analysis/TrialDraws.h"

#include <algorithm>
#include <cstdint>

#include "numerics/NormalSampler.h"

namespace vardolin {

namespace {

std::optional<std::size_t> IndexOf(std::span<const UncertainInput> inputs, std::string_view key) {
    const auto found = std::find_if(inputs.begin(), inputs.end(),
                                    [&](const UncertainInput& in) { return in.key == key; });
    if (found == inputs.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - inputs.begin());
}

// The pair the choices correlate, by the inputs' places; none when no pair is offered.
std::optional<CorrelatedPair> PairOf(std::span<const UncertainInput> inputs,
                                     std::span<const ParameterPair> pairs,
                                     const SamplingChoices& choices) {
    if (pairs.empty()) {
        return std::nullopt;
    }
    const bool named = !choices.correlatedFirst.empty();
    const std::string_view firstKey = named ? choices.correlatedFirst : pairs.front().first;
    const std::string_view secondKey = named ? choices.correlatedSecond : pairs.front().second;
    const auto first = IndexOf(inputs, firstKey);
    const auto second = IndexOf(inputs, secondKey);
    if (!first || !second) {
        return std::nullopt;
    }
    return CorrelatedPair{*first, *second, choices.correlation};
}

}  // namespace

double DrawParameter(UniformSequence& uniforms, FieldValues& fields, int meanField, int sdField) {
    const NormalDeviate z = DrawNormalDeviate(uniforms);
    const double mean = fields.Number(meanField);
    const double sd = fields.Number(sdField);
    return z.Scale(mean, sd);
}

TrialDraws::TrialDraws(std::span<const UncertainInput> inputs, std::span<const ParameterPair> pairs,
                       FieldValues& fields, const SamplingChoices& choices, int trials,
                       UniformSequence& uniforms)
    : inputs_(inputs), fields_(fields), uniforms_(uniforms), values_(inputs.size()) {
    if (choices.drawsPlainly()) {
        return;
    }
    std::vector<SampledParameter> parameters;
    for (const UncertainInput& input : inputs) {
        SampledParameter parameter{input.key, 0.0, 0.0, choices.of(input.key)};
        parameter.mean = fields.Number(input.meanField);
        parameter.sd = fields.Number(input.sdField);
        parameters.push_back(parameter);
    }
    sampler_.emplace(std::move(parameters), PairOf(inputs, pairs, choices), choices.method, trials,
                     uniforms);
}

std::span<const double> TrialDraws::Next() {
    if (sampler_) {
        return sampler_->Next();
    }
    for (std::size_t k = 0; k < inputs_.size(); ++k) {
        values_[k] = DrawParameter(uniforms_, fields_, inputs_[k].meanField, inputs_[k].sdField);
    }
    return values_;
}

void TrialDraws::Skip(int trials) {
    if (sampler_) {
        sampler_->Skip(trials);
    } else {
        uniforms_.Skip(static_cast<std::uint64_t>(trials) * inputs_.size());
    }
}

}  // namespace vardolin

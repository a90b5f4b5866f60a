// SPDX-License-Identifier: MIT
#include "analysis/TrialDraws.h"

#include <algorithm>

#include "analysis/UncertainParameters.h"

namespace vardolin {

namespace {

std::optional<std::size_t> IndexOf(std::span<const UncertainInput> inputs, std::string_view name) {
    const auto found = std::find_if(inputs.begin(), inputs.end(),
                                    [&](const UncertainInput& in) { return in.name == name; });
    if (found == inputs.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - inputs.begin());
}

}  // namespace

TrialDraws::TrialDraws(std::span<const UncertainInput> inputs, FieldValues& fields,
                       const SamplingChoices& choices, int trials, UniformSequence& uniforms)
    : inputs_(inputs), fields_(fields), uniforms_(uniforms), values_(inputs.size()) {
    if (choices.drawsAsBefore()) {
        return;
    }
    std::vector<SampledParameter> parameters;
    for (const UncertainInput& input : inputs) {
        SampledParameter parameter{input.name, 0.0, 0.0, choices.of(input.name)};
        parameter.mean = fields.Number(input.meanField);
        parameter.sd = fields.Number(input.sdField);
        parameters.push_back(parameter);
    }
    std::optional<CorrelatedPair> pair;
    const auto first = IndexOf(inputs, kCorrelatedFirst);
    const auto second = IndexOf(inputs, kCorrelatedSecond);
    if (first && second) {
        pair = CorrelatedPair{*first, *second, choices.correlation};
    }
    sampler_.emplace(std::move(parameters), pair, choices.method, trials, uniforms);
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

}  // namespace vardolin

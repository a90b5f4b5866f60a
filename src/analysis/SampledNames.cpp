// SPDX-License-Identifier: MIT
#include "analysis/SampledNames.h"

namespace vardolin {

SampledNames::SampledNames(const AnalysisDescription& analysis, const FieldTexts& fields) {
    if (analysis.tableSampledInputs == nullptr || !analysis.samplesInputs) {
        const std::span<const UncertainInput> fixed = analysis.sampledParameters();
        inputs_.assign(fixed.begin(), fixed.end());
        const std::span<const ParameterPair> pairs = analysis.sampledPairs();
        pairs_.assign(pairs.begin(), pairs.end());
    } else {
        table_ = analysis.tableSampledInputs(fields);
        for (std::size_t i = 0; i < table_.keys.size(); ++i) {
            UncertainInput input{};
            input.key = table_.keys[i];
            input.label = table_.labels[i];
            input.unit =
                i < table_.units.size() ? std::string_view(table_.units[i]) : std::string_view();
            inputs_.push_back(input);
        }
        for (const auto& [first, second] : table_.pairs) {
            pairs_.push_back({table_.keys[first], table_.keys[second]});
        }
    }
    for (const UncertainInput& input : inputs_) {
        keys_.push_back(input.key);
    }
}

}  // namespace vardolin

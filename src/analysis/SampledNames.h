// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "analysis/AnalysisDescription.h"
#include "analysis/TableSampledInputs.h"
#include "analysis/UncertainInput.h"
#include "fields/FieldTexts.h"
#include "sampling/SampledParameter.h"
#include "sampling/SamplingKeys.h"

namespace vardolin {

// What the sampling choices of one model of an analysis may name: its uncertain inputs, or for
// an analysis that reads them from its tables, those its inputs' texts give (a section's soils).
// It holds the names it hands out, so it is neither copied nor moved.
class SampledNames {
public:
    SampledNames(const AnalysisDescription& analysis, const FieldTexts& fields);
    SampledNames(const SampledNames&) = delete;
    SampledNames& operator=(const SampledNames&) = delete;

    // The parameters' keys, in the analysis's order.
    std::span<const std::string_view> keys() const { return keys_; }
    // The parameters as the sampling dialog lists them: key, label and unit (in the analysis's
    // default system); no field.
    std::span<const UncertainInput> inputs() const { return inputs_; }
    std::span<const ParameterPair> pairs() const { return pairs_; }
    SamplingNames names() const { return {keys_, pairs_}; }

private:
    TableSampledInputs table_;
    std::vector<UncertainInput> inputs_;
    std::vector<std::string_view> keys_;
    std::vector<ParameterPair> pairs_;
};

}  // namespace vardolin

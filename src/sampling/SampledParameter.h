// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

#include "sampling/SamplingChoices.h"

namespace vardolin {

// One uncertain parameter of a run as the sampler sees it: its name, its statistics as the
// form gives them and how it is to be drawn.
struct SampledParameter {
    std::string_view name;
    double mean = 0.0;
    double sd = 0.0;
    ParameterChoice choice;
};

// Two parameters, by name, whose standard normal deviates an analysis offers to correlate.
struct ParameterPair {
    std::string_view first;
    std::string_view second;
};

// Two parameters (by their place in the list) whose standard normal deviates are correlated.
struct CorrelatedPair {
    std::size_t first = 0;
    std::size_t second = 0;
    double correlation = 0.0;
};

}  // namespace vardolin

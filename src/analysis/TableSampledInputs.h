// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace vardolin {

// The uncertain inputs of an analysis that reads them from its tables (a section's soils, each
// with its own c, φ and γ), as its inputs' texts give them: what the sampling choices may name.
struct TableSampledInputs {
    std::vector<std::string> keys;    // "Clay.cohesion"
    std::vector<std::string> labels;  // "Clay: c"
    // As a field's unit, in the analysis's default system: "kPa", "degrees", "kN/m³".
    std::vector<std::string> units;
    // The pairs the choices may correlate, by their places in `keys`; the first is the one a
    // model without a "correlated" choice means.
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
};

}  // namespace vardolin

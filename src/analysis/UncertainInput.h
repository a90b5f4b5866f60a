// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace vardolin {

// A parameter a run draws once per trial from the fields of its mean and standard deviation,
// named as the sampling choices address it ("cohesion").
struct UncertainInput {
    std::string_view name;
    std::string_view caption;  // as the Sampling dialog shows it
    int meanField;
    int sdField;
};

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <vector>

#include "numerics/UniformSequence.h"

namespace vardolin {

// The probabilities of a Latin hypercube of `trials` trials and `parameters` parameters:
// result[j][i] is parameter j's probability in trial i. For each parameter, the trials fall one
// in each of the `trials` equal-probability strata [k / n, (k + 1) / n), in an order of their
// own, so the parameters are paired at random.
//
// It takes 2n - 1 values of the sequence per parameter, parameter by parameter: n - 1 for the
// order of its strata (a Fisher-Yates shuffle, from the last trial down) and then n for where
// each trial lies within its stratum, in trial order.
std::vector<std::vector<double>> LatinHypercube(std::size_t parameters, int trials,
                                                UniformSequence& uniforms);

}  // namespace vardolin

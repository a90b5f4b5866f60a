// SPDX-License-Identifier: MIT
#include "sampling/LatinHypercube.h"

#include <numeric>
#include <utility>

namespace vardolin {

std::vector<std::vector<double>> LatinHypercube(std::size_t parameters, int trials,
                                                UniformSequence& uniforms) {
    const std::size_t n = trials > 0 ? static_cast<std::size_t>(trials) : 0;
    std::vector<std::vector<double>> probabilities(parameters, std::vector<double>(n));
    std::vector<std::size_t> strata(n);
    for (std::vector<double>& column : probabilities) {
        std::iota(strata.begin(), strata.end(), std::size_t{0});
        for (std::size_t i = n; i > 1; --i) {
            // u * i is exact (24 bits times at most 14) and below i, so j lies in 0 .. i - 1.
            const auto j = static_cast<std::size_t>(static_cast<double>(uniforms.NextUniform()) *
                                                    static_cast<double>(i));
            std::swap(strata[i - 1], strata[j]);
        }
        // k + v is exact; the quotient stays below (k + 1) / n, as v is at most 1 - 2^-24.
        for (std::size_t i = 0; i < n; ++i) {
            const double within = uniforms.NextUniform();
            column[i] = (static_cast<double>(strata[i]) + within) / static_cast<double>(n);
        }
    }
    return probabilities;
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "sampling/Distribution.h"

namespace vardolin {

enum class SamplingMethod { MonteCarlo, LatinHypercube };

// How one parameter is drawn: its distribution and the bounds it is truncated to, if any.
struct ParameterChoice {
    DistributionKind distribution = DistributionKind::Normal;
    std::optional<double> lower;
    std::optional<double> upper;

    bool bounded() const { return lower.has_value() || upper.has_value(); }
    bool isDefault() const { return distribution == DistributionKind::Normal && !bounded(); }
    bool operator==(const ParameterChoice&) const = default;
};

// What an engineer chose about the sampling of a run. The defaults draw as the program always
// has: plain Monte Carlo, every parameter normal and unbounded, no correlation, and the run
// continues the process's sequence.
struct SamplingChoices {
    SamplingMethod method = SamplingMethod::MonteCarlo;
    // By parameter name; a parameter not in it is normal and unbounded.
    std::map<std::string, ParameterChoice, std::less<>> parameters;
    // Between the standard normal deviates of the correlated pair, -1 < rho < 1.
    double correlation = 0.0;
    // The pair `correlation` is of, by parameter names, when it is not the first pair the
    // analysis offers; both empty for that one.
    std::string correlatedFirst;
    std::string correlatedSecond;
    // The state the uniform sequence is put to as the run starts; none continues it.
    std::optional<std::uint32_t> seed;

    const ParameterChoice& of(std::string_view name) const;
    // Keeps only choices that differ from the default, so that equal choices compare equal.
    void Set(std::string_view name, const ParameterChoice& choice);

    // Plain draws: one normal deviate per parameter in order (the seed aside).
    bool drawsPlainly() const;
    bool isDefault() const { return drawsPlainly() && !seed && correlatedFirst.empty(); }
    bool operator==(const SamplingChoices&) const = default;
};

}  // namespace vardolin

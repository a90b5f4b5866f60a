// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "numerics/NormalSampler.h"

namespace vardolin {

enum class DistributionKind { Normal, Lognormal, Uniform, Triangular };

// The names model files and the runner use, in the order of DistributionKind.
inline constexpr std::array<std::string_view, 4> kDistributionNames{"normal", "lognormal",
                                                                    "uniform", "triangular"};

std::string_view NameOf(DistributionKind kind);
std::optional<DistributionKind> DistributionNamed(std::string_view name);

// The standard normal distribution function, from the complementary error function.
double StandardNormalCdf(double z);

// A parameter's distribution given by its mean and standard deviation:
//   normal      mean + sd * z, z the deviate of the sampler (a negative sd mirrors it, as ever);
//   lognormal   exp(mu + sigma * z) with sigma^2 = ln(1 + (sd / mean)^2), mu = ln mean - sigma^2/2;
//   uniform     from mean - sqrt(3) |sd| to mean + sqrt(3) |sd|;
//   triangular  from mean - sqrt(6) |sd| to mean + sqrt(6) |sd|, its mode at the mean.
// A zero sd gives the mean. A lognormal with a spread needs a positive mean: otherwise the
// constructor raises InvalidProcedureCall, as the logarithm of it would.
class Distribution {
public:
    Distribution(DistributionKind kind, double mean, double sd);

    // The value at probability p (0 <= p <= 1) whose standard normal deviate is z; normal and
    // lognormal take z, uniform and triangular p. Raises Overflow beyond the double range.
    double At(double p, const NormalDeviate& z) const;
    // The same with z worked out from p.
    double Quantile(double p) const { return At(p, NormalDeviateAtProbability(p)); }
    // The probability of a value at most x.
    double Cdf(double x) const;

private:
    DistributionKind kind_;
    double mean_;
    double sd_;
    double mu_ = 0.0;     // lognormal: mean of the logarithm
    double sigma_ = 0.0;  // lognormal: its standard deviation
};

}  // namespace vardolin

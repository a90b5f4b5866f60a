// SPDX-License-Identifier: MIT
#include "sampling/Distribution.h"

#include <algorithm>
#include <cmath>

#include "numerics/RunTimeError.h"
#include "numerics/Square.h"

namespace vardolin {

namespace {

constexpr double kSqrtHalf = 0.70710678118654752440;

double Finite(double value) {
    if (!std::isfinite(value)) {
        throw RunTimeError(ErrorCode::Overflow);
    }
    return value;
}

// Half the width of the uniform (sqrt 3) and the triangular (sqrt 6) distributions of a unit SD.
double HalfWidth(DistributionKind kind, double sd) {
    return std::fabs(sd) * std::sqrt(kind == DistributionKind::Uniform ? 3.0 : 6.0);
}

}  // namespace

std::string_view NameOf(DistributionKind kind) {
    return kDistributionNames[static_cast<std::size_t>(kind)];
}

std::optional<DistributionKind> DistributionNamed(std::string_view name) {
    for (std::size_t i = 0; i < kDistributionNames.size(); ++i) {
        if (kDistributionNames[i] == name) {
            return static_cast<DistributionKind>(i);
        }
    }
    return std::nullopt;
}

double StandardNormalCdf(double z) {
    return 0.5 * std::erfc(-z * kSqrtHalf);
}

Distribution::Distribution(DistributionKind kind, double mean, double sd)
    : kind_(kind), mean_(mean), sd_(sd) {
    if (kind != DistributionKind::Lognormal || sd == 0.0) {
        return;
    }
    if (!(mean > 0.0)) {
        throw RunTimeError(ErrorCode::InvalidProcedureCall);
    }
    const double variance = std::log(1.0 + Square(sd / mean));
    mu_ = std::log(mean) - variance / 2.0;
    sigma_ = std::sqrt(variance);
}

double Distribution::At(double p, const NormalDeviate& z) const {
    if (sd_ == 0.0) {
        return mean_;
    }
    switch (kind_) {
        case DistributionKind::Normal:
            return z.Scale(mean_, sd_);
        case DistributionKind::Lognormal:
            return Finite(std::exp(mu_ + sigma_ * z.value()));
        case DistributionKind::Uniform: {
            const double half = HalfWidth(kind_, sd_);
            return Finite((mean_ - half) + (half * 2.0) * p);
        }
        case DistributionKind::Triangular: {
            const double half = HalfWidth(kind_, sd_);
            if (p <= 0.5) {
                return Finite((mean_ - half) + half * std::sqrt(p * 2.0));
            }
            return Finite((mean_ + half) - half * std::sqrt((1.0 - p) * 2.0));
        }
    }
    return mean_;
}

double Distribution::Cdf(double x) const {
    if (sd_ == 0.0) {
        return x < mean_ ? 0.0 : 1.0;
    }
    switch (kind_) {
        case DistributionKind::Normal:
            return StandardNormalCdf((x - mean_) / std::fabs(sd_));
        case DistributionKind::Lognormal:
            return x <= 0.0 ? 0.0 : StandardNormalCdf((std::log(x) - mu_) / sigma_);
        case DistributionKind::Uniform: {
            const double half = HalfWidth(kind_, sd_);
            return std::clamp((x - (mean_ - half)) / (half * 2.0), 0.0, 1.0);
        }
        case DistributionKind::Triangular: {
            const double half = HalfWidth(kind_, sd_);
            if (x <= mean_ - half) {
                return 0.0;
            }
            if (x >= mean_ + half) {
                return 1.0;
            }
            if (x <= mean_) {
                return Square((x - (mean_ - half)) / half) / 2.0;
            }
            return 1.0 - Square(((mean_ + half) - x) / half) / 2.0;
        }
    }
    return 0.0;
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "sampling/TrialSampler.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>

#include "numerics/RunTimeError.h"
#include "numerics/Square.h"
#include "sampling/LatinHypercube.h"

namespace vardolin {

namespace {

// A mixed deviate in the sampler's form: its size and its side.
NormalDeviate DeviateOfValue(double z) {
    return {std::fabs(z), z < 0.0};
}

double Mix(double rho, double first, double second) {
    return rho * first + std::sqrt(1.0 - Square(rho)) * second;
}

}  // namespace

TrialSampler::TrialSampler(std::vector<SampledParameter> parameters,
                           std::optional<CorrelatedPair> pair, SamplingMethod method, int trials,
                           UniformSequence& uniforms)
    : pair_(pair), method_(method), uniforms_(uniforms) {
    if (pair_ && pair_->correlation == 0.0) {
        pair_.reset();
    }
    for (const SampledParameter& parameter : parameters) {
        const ParameterChoice& choice = parameter.choice;
        // A truncated normal is drawn on the size of its spread; unbounded, a negative one
        // mirrors the deviate as the sampler always has.
        const double sd = choice.bounded() ? std::fabs(parameter.sd) : parameter.sd;
        Drawn drawn{parameter, Distribution(choice.distribution, parameter.mean, sd)};
        if (choice.bounded()) {
            if (choice.lower) {
                drawn.low = drawn.distribution.Cdf(*choice.lower);
            }
            if (choice.upper) {
                drawn.high = drawn.distribution.Cdf(*choice.upper);
            }
            const bool meanInside = (!choice.lower || parameter.mean >= *choice.lower) &&
                                    (!choice.upper || parameter.mean <= *choice.upper);
            if (sd == 0.0 ? !meanInside : !(drawn.low < drawn.high)) {
                throw RunTimeError(ErrorCode::InvalidProcedureCall);
            }
        }
        drawn_.push_back(std::move(drawn));
    }
    units_.resize(drawn_.size());
    values_.resize(drawn_.size());
    if (method_ == SamplingMethod::LatinHypercube) {
        strata_ = LatinHypercube(drawn_.size(), trials, uniforms_);
        PairStrata();
    }
}

void TrialSampler::PairStrata() {
    if (!pair_) {
        return;
    }
    const std::vector<double>& first = strata_[pair_->first];
    std::vector<double>& second = strata_[pair_->second];
    std::vector<double> mixed(second.size());
    for (std::size_t i = 0; i < second.size(); ++i) {
        mixed[i] = Mix(pair_->correlation, NormalDeviateAtProbability(first[i]).value(),
                       NormalDeviateAtProbability(second[i]).value());
    }
    // The k-th smallest mixed deviate takes the k-th lowest stratum; ties go by trial, so the
    // order is one whatever the sort.
    std::vector<std::size_t> order(second.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return mixed[a] < mixed[b] || (mixed[a] == mixed[b] && a < b);
    });
    std::vector<double> sorted = second;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        second[order[rank]] = sorted[rank];
    }
    pair_.reset();
}

std::span<const double> TrialSampler::Next() {
    for (std::size_t j = 0; j < drawn_.size(); ++j) {
        if (method_ == SamplingMethod::LatinHypercube) {
            const double p = strata_[j][trial_];
            units_[j] = {p, NormalDeviateAtProbability(p)};
        } else {
            const float u = uniforms_.NextUniform();
            units_[j] = {static_cast<double>(u), NormalDeviateOf(u)};
        }
    }
    ++trial_;
    if (pair_) {
        const double z = Mix(pair_->correlation, units_[pair_->first].z.value(),
                             units_[pair_->second].z.value());
        units_[pair_->second] = {StandardNormalCdf(z), DeviateOfValue(z)};
    }
    for (std::size_t j = 0; j < drawn_.size(); ++j) {
        values_[j] = ValueOf(drawn_[j], units_[j]);
    }
    return values_;
}

void TrialSampler::Skip(int trials) {
    const auto count = static_cast<std::size_t>(trials);
    if (method_ != SamplingMethod::LatinHypercube) {
        uniforms_.Skip(static_cast<std::uint64_t>(count) * drawn_.size());
    }
    trial_ += count;
}

double TrialSampler::ValueOf(const Drawn& drawn, const Unit& unit) const {
    const ParameterChoice& choice = drawn.parameter.choice;
    if (!choice.bounded()) {
        return drawn.distribution.At(unit.p, unit.z);
    }
    const double p = drawn.low + unit.p * (drawn.high - drawn.low);
    double value = drawn.distribution.Quantile(p);
    if (choice.lower) {
        value = std::max(value, *choice.lower);
    }
    if (choice.upper) {
        value = std::min(value, *choice.upper);
    }
    return value;
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sampling/SampledParameter.h"
#include "sampling/SamplingChoices.h"

namespace vardolin {

// The sampling choices by key and text, as the runner's --set takes them after "sampling." and
// a model file nests them under "sampling":
//   method                    monte_carlo | latin_hypercube
//   seed                      0 .. 16777215 (a state of the sequence); empty: none
//   correlation               -1 < rho < 1, between the correlated pair's deviates
//   correlated                <first>,<second>: one of the pairs the analysis offers; empty:
//                             the first of them
//   <parameter>.distribution  normal | lognormal | uniform | triangular
//   <parameter>.lower         a number; empty: no lower bound
//   <parameter>.upper         a number; empty: no upper bound
// <parameter> is one of the analysis's parameters (e.g. "cohesion"). An analysis without such
// parameters (it draws its own way) takes the seed only, and one that offers no pair takes no
// correlation. Numbers are written with a point.
inline constexpr std::string_view kSamplingKeyPrefix = "sampling.";
inline constexpr std::uint32_t kSeedStates = 1u << 24;

std::string_view NameOf(SamplingMethod method);

// What the keys of one analysis may name: its sampled parameters and the pairs of them it offers
// to correlate, the first of which a correlation is of unless the choices say otherwise.
struct SamplingNames {
    std::span<const std::string_view> parameters;
    std::span<const ParameterPair> pairs;
};

// Sets the choice under `key` from `text`; says why not when it cannot, and changes nothing.
std::optional<std::string> SetSamplingChoice(SamplingChoices& choices, std::string_view key,
                                             std::string_view text, const SamplingNames& names);

// The text of the correlated pair as the key "correlated" takes it: "first,second".
std::string CorrelatedPairText(std::string_view first, std::string_view second);

// Why choices whose keys each made sense cannot be drawn from together (a lower bound not below
// the upper one), or nothing.
std::optional<std::string> WhyNotDrawable(const SamplingChoices& choices);

// Every key the choices of an analysis drawing `parameters` take, in the order a record lists
// them: "seed", then, with parameters, "method", "correlation" and each parameter's
// "distribution", "lower" and "upper".
std::vector<std::string> SamplingKeysFor(std::span<const std::string_view> parameters);

// The keys in words, for a message or the help: "seed only (...)" or "seed, method,
// correlation, and PARAMETER.distribution, .lower, .upper for PARAMETER cohesion, ...".
std::string AcceptedSamplingKeys(std::span<const std::string_view> parameters);

// A number as SetSamplingChoice reads it back to the same double.
std::string SamplingNumberText(double value);

}  // namespace vardolin

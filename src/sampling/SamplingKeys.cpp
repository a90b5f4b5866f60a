// SPDX-License-Identifier: MIT
#include "sampling/SamplingKeys.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vardolin {

namespace {

constexpr std::string_view kMethodNames[] = {"monte_carlo", "latin_hypercube"};

std::optional<double> NumberOf(std::string_view text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::optional<std::string> SetBound(std::optional<double>& bound, std::string_view text) {
    if (text.empty()) {
        bound.reset();
        return std::nullopt;
    }
    const std::optional<double> value = NumberOf(text);
    if (!value) {
        return Quoted(text) + " is not a number";
    }
    bound = *value;
    return std::nullopt;
}

std::optional<std::string> SetParameter(SamplingChoices& choices, std::string_view name,
                                        std::string_view field, std::string_view text) {
    ParameterChoice choice = choices.of(name);
    if (field == "distribution") {
        const std::optional<DistributionKind> kind = DistributionNamed(text);
        if (!kind) {
            return Quoted(text) + " is no distribution: normal, lognormal, uniform or triangular";
        }
        choice.distribution = *kind;
    } else if (field == "lower" || field == "upper") {
        if (auto why = SetBound(field == "lower" ? choice.lower : choice.upper, text)) {
            return why;
        }
    } else {
        return "unknown key " + Quoted(field) + ": distribution, lower or upper";
    }
    choices.Set(name, choice);
    return std::nullopt;
}

std::optional<std::string> SetSeed(SamplingChoices& choices, std::string_view text) {
    if (text.empty()) {
        choices.seed.reset();
        return std::nullopt;
    }
    std::uint64_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (error != std::errc() || end != text.data() + text.size() || seed >= kSeedStates) {
        return "the seed " + Quoted(text) + " is not a whole number from 0 to " +
               std::to_string(kSeedStates - 1);
    }
    choices.seed = static_cast<std::uint32_t>(seed);
    return std::nullopt;
}

// The pair "first,second" among those offered, kept as the choices keep it: the first offered
// pair as none.
std::optional<std::string> SetCorrelatedPair(SamplingChoices& choices, std::string_view text,
                                             std::span<const ParameterPair> pairs) {
    if (text.empty()) {
        choices.correlatedFirst.clear();
        choices.correlatedSecond.clear();
        return std::nullopt;
    }
    const std::size_t comma = text.find(',');
    const std::string_view first = text.substr(0, comma);
    const std::string_view second =
        comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    const auto found = std::find_if(pairs.begin(), pairs.end(), [&](const ParameterPair& pair) {
        return pair.first == first && pair.second == second;
    });
    if (found == pairs.end()) {
        std::string offered;
        for (const ParameterPair& pair : pairs) {
            offered +=
                (offered.empty() ? "" : " or ") + CorrelatedPairText(pair.first, pair.second);
        }
        return Quoted(text) + " is no pair offered for correlation: " + offered;
    }
    if (found == pairs.begin()) {
        choices.correlatedFirst.clear();
        choices.correlatedSecond.clear();
    } else {
        choices.correlatedFirst = first;
        choices.correlatedSecond = second;
    }
    return std::nullopt;
}

}  // namespace

std::string CorrelatedPairText(std::string_view first, std::string_view second) {
    return std::string(first) + ',' + std::string(second);
}

std::string_view NameOf(SamplingMethod method) {
    return kMethodNames[static_cast<std::size_t>(method)];
}

std::optional<std::string> SetSamplingChoice(SamplingChoices& choices, std::string_view key,
                                             std::string_view text, const SamplingNames& names) {
    const std::span<const std::string_view> parameters = names.parameters;
    if (key == "seed") {
        return SetSeed(choices, text);
    }
    if (parameters.empty()) {
        return "only the seed can be chosen: this analysis draws its parameters its own way";
    }
    if (key == "method") {
        const auto* found = std::find(std::begin(kMethodNames), std::end(kMethodNames), text);
        if (found == std::end(kMethodNames)) {
            return Quoted(text) + " is no method: monte_carlo or latin_hypercube";
        }
        choices.method = static_cast<SamplingMethod>(found - std::begin(kMethodNames));
        return std::nullopt;
    }
    if ((key == "correlation" || key == "correlated") && names.pairs.empty()) {
        return "this analysis offers no pair of parameters to correlate";
    }
    if (key == "correlated") {
        return SetCorrelatedPair(choices, text, names.pairs);
    }
    if (key == "correlation") {
        const std::optional<double> rho = NumberOf(text);
        if (!rho || !(*rho > -1.0 && *rho < 1.0)) {
            return "the correlation " + Quoted(text) + " is not a number between -1 and 1";
        }
        choices.correlation = *rho;
        return std::nullopt;
    }
    // The last point: a parameter's own name may hold one ("Clay.cohesion").
    const std::size_t dot = key.rfind('.');
    const std::string_view name = key.substr(0, dot);
    if (dot == std::string_view::npos ||
        std::find(parameters.begin(), parameters.end(), name) == parameters.end()) {
        return "unknown key " + Quoted(key);
    }
    return SetParameter(choices, name, key.substr(dot + 1), text);
}

std::optional<std::string> WhyNotDrawable(const SamplingChoices& choices) {
    for (const auto& [name, choice] : choices.parameters) {
        if (choice.lower && choice.upper && !(*choice.lower < *choice.upper)) {
            return name + ": the lower bound " + SamplingNumberText(*choice.lower) +
                   " is not below the upper bound " + SamplingNumberText(*choice.upper);
        }
    }
    return std::nullopt;
}

std::vector<std::string> SamplingKeysFor(std::span<const std::string_view> parameters) {
    std::vector<std::string> keys{"seed"};
    if (parameters.empty()) {
        return keys;
    }
    keys.insert(keys.end(), {"method", "correlation"});
    for (const std::string_view name : parameters) {
        for (const char* field : {".distribution", ".lower", ".upper"}) {
            keys.push_back(std::string(name) + field);
        }
    }
    return keys;
}

std::string AcceptedSamplingKeys(std::span<const std::string_view> parameters) {
    if (parameters.empty()) {
        return "seed only (its parameters are drawn its own way)";
    }
    std::string accepted =
        "seed, method, correlation, and PARAMETER.distribution, .lower, .upper for PARAMETER";
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        accepted += (i == 0 ? " " : ", ") + std::string(parameters[i]);
    }
    return accepted;
}

std::string SamplingNumberText(double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "sampling/SamplingRecord.h"

#include "sampling/SamplingKeys.h"

namespace vardolin {

std::vector<SamplingChoiceText> SamplingRecord(const SamplingChoices& choices,
                                               const SamplingNames& names) {
    const std::span<const std::string_view> parameters = names.parameters;
    std::vector<SamplingChoiceText> record;
    const std::optional<double> seed =
        choices.seed ? std::optional<double>(*choices.seed) : std::nullopt;
    record.push_back({"seed", choices.seed ? std::to_string(*choices.seed) : std::string(), seed,
                      !choices.seed});
    if (parameters.empty()) {
        return record;
    }
    record.push_back({"method", std::string(NameOf(choices.method)), std::nullopt,
                      choices.method == SamplingMethod::MonteCarlo});
    record.push_back({"correlation", SamplingNumberText(choices.correlation), choices.correlation,
                      choices.correlation == 0.0});
    if (names.pairs.size() > 1) {
        // Without a choice the correlation is of the first pair offered.
        const bool chosen = !choices.correlatedFirst.empty();
        const ParameterPair& first = names.pairs.front();
        record.push_back(
            {"correlated",
             chosen ? CorrelatedPairText(choices.correlatedFirst, choices.correlatedSecond)
                    : CorrelatedPairText(first.first, first.second),
             std::nullopt, !chosen});
    }
    for (const std::string_view name : parameters) {
        const ParameterChoice& choice = choices.of(name);
        const std::string prefix = std::string(name) + ".";
        record.push_back({prefix + "distribution", std::string(NameOf(choice.distribution)),
                          std::nullopt, choice.distribution == DistributionKind::Normal});
        for (const auto& [field, bound] :
             {std::pair{"lower", choice.lower}, std::pair{"upper", choice.upper}}) {
            record.push_back({prefix + field, bound ? SamplingNumberText(*bound) : std::string(),
                              bound, !bound});
        }
    }
    return record;
}

std::string NonDefaultSampling(std::span<const SamplingChoiceText> record) {
    std::string line;
    for (const SamplingChoiceText& choice : record) {
        if (!choice.isDefault) {
            line += (line.empty() ? "" : ", ") + choice.key + " " + choice.text;
        }
    }
    return line;
}

}  // namespace vardolin

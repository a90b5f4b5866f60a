// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sampling/SamplingChoices.h"
#include "sampling/SamplingKeys.h"

namespace vardolin {

// One sampling choice of a run as its records list it (the report, the results files, the
// runner's JSON): its key and its text as `--set sampling.KEY=TEXT` and a model file take them,
// so that a record gives the choice again.
struct SamplingChoiceText {
    std::string key;               // "cohesion.lower"
    std::string text;              // "0"; empty: none (no seed, no bound)
    std::optional<double> number;  // the value of a numeric choice that is set
    bool isDefault = true;         // as a run without choices draws
    bool operator==(const SamplingChoiceText&) const = default;
};

// Every choice an analysis drawing `names.parameters` takes, the defaults included, in the order
// of SamplingKeysFor: a record in full, whatever the model file left out. The correlated pair is
// recorded where the analysis offers more than one, so that a record names the pair its
// correlation is of.
std::vector<SamplingChoiceText> SamplingRecord(const SamplingChoices& choices,
                                               const SamplingNames& names);

// The choices of a record that differ from the defaults, in one line:
// "method latin_hypercube, seed 4242, cohesion.lower 0"; empty when there are none.
std::string NonDefaultSampling(std::span<const SamplingChoiceText> record);

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace vardolin {

// What a field of an analysis form is for. Inputs are what a model keeps; the rest is written
// by the run.
enum class FieldRole {
    Input,              // a number of the slope's geometry or a constant
    Count,              // the number of trials
    StatisticsMean,     // the average of an uncertain parameter
    StatisticsStdDev,   // its standard deviation
    FailurePercentage,  // result
    MeanSafetyFactor,   // result
    Message,            // the verdict or why the run stopped
    Explanation,        // the run's explanation line
    Result,             // any other figure the run writes (a model's saved run keeps it)
};

constexpr bool IsInputRole(FieldRole role) {
    return role == FieldRole::Input || role == FieldRole::Count ||
           role == FieldRole::StatisticsMean || role == FieldRole::StatisticsStdDev;
}

// How a result field shows its figure; the text the run wrote stays whole behind it (a tooltip,
// Copy, a saved run and the exported results keep every digit).
enum class FieldDisplay {
    AsWritten,   // every digit the run wrote
    Factor,      // a factor of safety or an index: 3 decimals
    Length,      // a coordinate or a length: to the millimetre, 3 decimals of a metre
    Percentage,  // a percentage: to 0.1 %
};

constexpr int ShownDecimals(FieldDisplay display) {
    switch (display) {
        case FieldDisplay::Factor:
        case FieldDisplay::Length:
            return 3;
        case FieldDisplay::Percentage:
            return 1;
        case FieldDisplay::AsWritten:
            break;
    }
    return -1;
}

// Everything the program knows of one field, kept beside the form's field enum: the control
// (Text<number>), its key in model files, what the form calls it, its default text, its unit,
// what it means for a tooltip and how a result shows its figure.
struct FieldFact {
    int number;
    FieldRole role;
    std::string_view key;
    std::string_view label;
    std::string_view defaultText;
    // "m", "degrees", "N/m³", "Pa", "kPa", "kN/m³", "count", "%", or empty; of a form that
    // chooses its units, the unit in its default system.
    std::string_view unit;
    std::string_view meaning;
    FieldDisplay display = FieldDisplay::AsWritten;

    constexpr bool isInput() const { return IsInputRole(role); }
    // An input empty by default may stay empty (a given circle the run checks instead of a
    // search): a run does not need it.
    constexpr bool mayStayEmpty() const { return isInput() && defaultText.empty(); }
};

// One list of field facts from several, in order.
template <std::size_t... N>
constexpr auto JoinFieldFacts(const std::array<FieldFact, N>&... parts) {
    std::array<FieldFact, (N + ...)> joined{};
    std::size_t at = 0;
    ((at = static_cast<std::size_t>(std::copy(parts.begin(), parts.end(), joined.begin() + at) -
                                    joined.begin())),
     ...);
    return joined;
}

// Whether the facts name each field once, in ascending field number.
template <std::size_t N>
constexpr bool AreInFieldOrder(const std::array<FieldFact, N>& facts) {
    for (std::size_t i = 1; i < N; ++i) {
        if (facts[i - 1].number >= facts[i].number) {
            return false;
        }
    }
    return true;
}

}  // namespace vardolin

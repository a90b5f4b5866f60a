// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vardolin::section {

// The limit-equilibrium methods a section is solved by.
enum class SectionMethod : unsigned char {
    Ordinary,
    Bishop,
    JanbuUncorrected,
    JanbuCorrected,  // with Janbu's f0
    Spencer,
    MorgensternPriceConstant,
    MorgensternPriceHalfSine,
};
inline constexpr std::size_t kSectionMethodCount = 7;

// Each method's key, as a model's "methods" field lists it, and its name for tables and messages.
struct SectionMethodNames {
    SectionMethod method;
    std::string_view key;
    std::string_view name;
};
inline constexpr std::array<SectionMethodNames, kSectionMethodCount> kSectionMethods{{
    {SectionMethod::Ordinary, "ordinary", "Ordinary"},
    {SectionMethod::Bishop, "bishop", "Bishop simplified"},
    {SectionMethod::JanbuUncorrected, "janbu", "Janbu simplified"},
    {SectionMethod::JanbuCorrected, "janbu_f0", "Janbu simplified with f0"},
    {SectionMethod::Spencer, "spencer", "Spencer"},
    {SectionMethod::MorgensternPriceConstant, "morgenstern_price", "Morgenstern-Price, f constant"},
    {SectionMethod::MorgensternPriceHalfSine, "morgenstern_price_half_sine",
     "Morgenstern-Price, f half-sine"},
}};

constexpr bool InEnumOrder() noexcept {
    for (std::size_t i = 0; i < kSectionMethods.size(); ++i) {
        if (static_cast<std::size_t>(kSectionMethods[i].method) != i) {
            return false;
        }
    }
    return true;
}
static_assert(InEnumOrder(), "kSectionMethods is looked up by the method's value");

// The method's name for tables and messages ("Bishop simplified", ...).
constexpr std::string_view MethodName(SectionMethod method) noexcept {
    return kSectionMethods[static_cast<std::size_t>(method)].name;
}

// A set of methods, one bit per SectionMethod.
using MethodSet = unsigned;
constexpr MethodSet MethodBit(SectionMethod method) noexcept {
    return 1u << static_cast<unsigned>(method);
}
inline constexpr MethodSet kEveryMethod = (1u << kSectionMethodCount) - 1u;

}  // namespace vardolin::section

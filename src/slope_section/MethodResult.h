// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <limits>
#include <string_view>

namespace vardolin::section {

// Why a method's factor is missing or not to be trusted. A method that finds no factor leaves
// it NaN and names the reason; one that finds a factor on a doubtful surface keeps the factor
// and names the doubt. No factor is ever given without its flags.
enum class MethodFlag : unsigned {
    NoDrivingForce = 1u << 0,           // nothing drives the mass along +x (no factor)
    NotConverged = 1u << 1,             // the iteration settled nowhere, or on no positive
                                        // factor (no factor)
    NoCrossing = 1u << 2,               // F_f(lambda) and F_m(lambda) do not meet before a slice
                                        // becomes singular (no factor)
    SingularSlice = 1u << 3,            // a slice's equations have no solution at the factor
                                        // (its denominator is not positive) (no factor)
    SmallMAlpha = 1u << 4,              // m_alpha below kMinimumMAlpha on a slice (factor kept)
    NegativeEffectiveNormal = 1u << 5,  // N - u l below 0 on a slice (factor kept)
    NoMomentPoint = 1u << 6,            // a moment method on a planar surface with no point
                                        // given to take moments about (no factor)
};

// Below this m_alpha on a slice a method's factor is not to be trusted (the usual caution). For
// the methods with interslice shear it is the m_alpha of the base turned by the interslice
// force's inclination, which is what goes to zero where a slice becomes singular.
inline constexpr double kMinimumMAlpha = 0.2;

// F is iterated until a step changes it by at most this share of it.
inline constexpr double kFactorTolerance = 1e-9;

struct MethodResult {
    double factor = std::numeric_limits<double>::quiet_NaN();
    double lambda = 0.0;      // the interslice scale (Spencer: tan of the inclination); 0 without
    double correction = 1.0;  // Janbu's f0 where the factor carries it, else 1
    unsigned flags = 0;       // MethodFlag bits
    int passes = 0;           // passes over the slices the method took
    double smallestMAlpha = std::numeric_limits<double>::quiet_NaN();  // at the factor

    bool Has(MethodFlag flag) const noexcept { return (flags & static_cast<unsigned>(flag)) != 0; }
    void Raise(MethodFlag flag) noexcept { flags |= static_cast<unsigned>(flag); }
    // A factor was found; flags may still hold doubts about it.
    bool solved() const noexcept { return std::isfinite(factor); }
};

// A flag's name for messages and the slice table ("small m-alpha", ...).
std::string_view FlagName(MethodFlag flag) noexcept;

}  // namespace vardolin::section

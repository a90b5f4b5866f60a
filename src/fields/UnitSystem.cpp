// SPDX-License-Identifier: MIT
#include "fields/UnitSystem.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "numerics/RunTimeError.h"

namespace vardolin {

namespace {

struct SystemFacts {
    UnitSystem system;
    std::string_view name;
    std::string_view caption;
    std::string_view length;
    std::string_view stress;
    std::string_view unitWeight;
    std::string_view lineLoad;
};

constexpr std::array<SystemFacts, 3> kSystems{{
    {UnitSystem::SiPascal, "si-pa", "SI (Pa, N/m³)", "m", "Pa", "N/m³", "N/m"},
    {UnitSystem::SiKilopascal, "si-kpa", "SI (kPa, kN/m³)", "m", "kPa", "kN/m³", "kN/m"},
    {UnitSystem::UsCustomary, "us", "US Customary (ft, psf, pcf)", "ft", "psf", "pcf", "lb/ft"},
}};

const SystemFacts& FactsOf(UnitSystem system) {
    for (const SystemFacts& facts : kSystems) {
        if (facts.system == system) {
            return facts;
        }
    }
    return kSystems.front();
}

// The international foot and pound-force, by definition.
constexpr double kFoot = 0.3048;
constexpr double kPoundForce = 4.4482216152605;

// One unit of the quantity in the system, in m, Pa, N/m³ or N/m.
double InSiBase(Quantity quantity, UnitSystem system) {
    const bool us = system == UnitSystem::UsCustomary;
    const double kilo = system == UnitSystem::SiKilopascal ? 1000.0 : 1.0;
    switch (quantity) {
        case Quantity::Length:
            return us ? kFoot : 1.0;
        case Quantity::Stress:
            return us ? kPoundForce / (kFoot * kFoot) : kilo;
        case Quantity::UnitWeight:
            return us ? kPoundForce / (kFoot * kFoot * kFoot) : kilo;
        case Quantity::LineLoad:
            return us ? kPoundForce / kFoot : kilo;
        case Quantity::Other:
            break;
    }
    return 1.0;
}

}  // namespace

std::string_view NameOf(UnitSystem system) {
    return FactsOf(system).name;
}

std::optional<UnitSystem> UnitSystemNamed(std::string_view name) {
    for (const SystemFacts& facts : kSystems) {
        if (facts.name == name) {
            return facts.system;
        }
    }
    return std::nullopt;
}

std::string UnitSystemNames() {
    std::string names;
    for (const SystemFacts& facts : kSystems) {
        names += (names.empty() ? "" : ", ") + std::string(facts.name);
    }
    return names;
}

std::string_view CaptionOf(UnitSystem system) {
    return FactsOf(system).caption;
}

Quantity QuantityOf(std::string_view unit) {
    for (const SystemFacts& facts : kSystems) {
        if (unit == facts.length) {
            return Quantity::Length;
        }
        if (unit == facts.stress) {
            return Quantity::Stress;
        }
        if (unit == facts.unitWeight) {
            return Quantity::UnitWeight;
        }
        if (unit == facts.lineLoad) {
            return Quantity::LineLoad;
        }
    }
    return Quantity::Other;
}

std::string_view UnitOf(Quantity quantity, UnitSystem system, std::string_view fallback) {
    const SystemFacts& facts = FactsOf(system);
    switch (quantity) {
        case Quantity::Length:
            return facts.length;
        case Quantity::Stress:
            return facts.stress;
        case Quantity::UnitWeight:
            return facts.unitWeight;
        case Quantity::LineLoad:
            return facts.lineLoad;
        case Quantity::Other:
            break;
    }
    return fallback;
}

double ConvertValue(double value, Quantity quantity, UnitSystem from, UnitSystem to) {
    if (quantity == Quantity::Other || from == to) {
        return value;
    }
    const double converted = value * InSiBase(quantity, from) / InSiBase(quantity, to);
    if (!std::isfinite(converted)) {
        return value;
    }
    // The fewest significant digits within a ten-billionth of the exact value: a value
    // converted back then lands that close to the text typed and takes its digits again.
    char rounded[40];
    for (int digits = 1; digits <= 12; ++digits) {
        std::snprintf(rounded, sizeof rounded, "%.*g", digits, converted);
        const double candidate = TextToDouble(rounded);
        if (std::abs(candidate - converted) <= 1e-10 * std::abs(converted)) {
            break;
        }
    }
    return TextToDouble(rounded);
}

std::string ConvertText(std::string_view text, Quantity quantity, UnitSystem from, UnitSystem to,
                        const NumberLocale& locale) {
    if (quantity == Quantity::Other || from == to) {
        return std::string(text);
    }
    double value = 0.0;
    try {
        value = TextToDouble(text, locale);
    } catch (const RunTimeError&) {
        return std::string(text);
    }
    const double converted = value * InSiBase(quantity, from) / InSiBase(quantity, to);
    if (!std::isfinite(converted)) {
        return std::string(text);
    }
    return DoubleToText(ConvertValue(value, quantity, from, to), locale);
}

}  // namespace vardolin

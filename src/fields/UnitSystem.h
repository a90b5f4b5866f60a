// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "numerics/NumberText.h"

namespace vardolin {

// The units a model's fields are typed in. A run works in any consistent set, so the system
// only names the units and converts the texts when the user changes it.
enum class UnitSystem {
    SiPascal,      // m, Pa, N/m³
    SiKilopascal,  // m, kPa, kN/m³
    UsCustomary,   // ft, psf, pcf
};

// What a field measures, as far as the unit system changes its unit.
enum class Quantity {
    Other,       // degrees, counts, ratios, percentages: the same in every system
    Length,      // m or ft
    Stress,      // Pa, kPa or psf
    UnitWeight,  // N/m³, kN/m³ or pcf
    LineLoad,    // a force per length of slope: N/m, kN/m or lb/ft
};

// The system's name in model files and on the command line: "si-pa", "si-kpa", "us".
std::string_view NameOf(UnitSystem system);
std::optional<UnitSystem> UnitSystemNamed(std::string_view name);
// "si-pa, si-kpa, us", for messages.
std::string UnitSystemNames();
// How a menu names it: "SI (kPa, kN/m³)".
std::string_view CaptionOf(UnitSystem system);

// The quantity a field's unit ("m", "kPa", "N/m³", "psf") measures.
Quantity QuantityOf(std::string_view unit);
// The unit of a quantity in the system; `fallback` for Quantity::Other.
std::string_view UnitOf(Quantity quantity, UnitSystem system, std::string_view fallback = {});

// A value of `quantity` in `from`, converted to `to` and rounded as ConvertText rounds it; a
// value beyond the doubles once converted stays as it is.
double ConvertValue(double value, Quantity quantity, UnitSystem from, UnitSystem to);

// The text of a value of `quantity` in `from`, converted to `to` and rounded to the fewest
// digits (at most 12) within 1e-10 of it, so that a value of up to 9 significant digits
// converted there and back reads as it was typed. A text that is not a
// number (an empty field, a typing error) stays as it is.
std::string ConvertText(std::string_view text, Quantity quantity, UnitSystem from, UnitSystem to,
                        const NumberLocale& locale = {});

}  // namespace vardolin

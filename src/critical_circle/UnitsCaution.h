// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "numerics/NumberText.h"

namespace vardolin::critical {

// The bounds of a plausible c/(γH): a soil's cohesion is a small part of the weight of the
// slope's height of soil, never ten thousand times smaller nor ten times larger. Beyond them the
// units of the cohesion and the unit weight are most likely mixed up.
inline constexpr double kLeastPlausibleCohesionRatio = 1e-4;
inline constexpr double kMostPlausibleCohesionRatio = 10.0;

// The caution on an implausible c/(γH) of the averages, naming the likely mix-up of units
// ("c/(γH) = 0.000026: is the cohesion in kPa and the unit weight in N/m³?"), or empty. A
// cohesionless soil (c = 0) is plausible. The ratio is written with the locale's decimal
// separator.
std::string UnitsCaution(double cohesion, double unitWeight, double height,
                         const NumberLocale& locale = {});

}  // namespace vardolin::critical

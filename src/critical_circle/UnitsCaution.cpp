// SPDX-License-Identifier: MIT
#include "critical_circle/UnitsCaution.h"

#include <cmath>
#include <cstdio>

namespace vardolin::critical {

namespace {

// Two significant digits of a small ratio without an exponent ("0.000026"), one decimal of a
// large one ("55.6").
std::string RatioText(double ratio, const NumberLocale& locale) {
    char text[64];
    if (ratio >= 1.0) {
        std::snprintf(text, sizeof text, "%.1f", ratio);
    } else if (ratio >= 1e-12) {
        const int decimals = static_cast<int>(std::ceil(-std::log10(ratio))) + 1;
        std::snprintf(text, sizeof text, "%.*f", decimals, ratio);
    } else {
        std::snprintf(text, sizeof text, "%.1e", ratio);
    }
    std::string written(text);
    if (const auto point = written.find('.'); point != std::string::npos) {
        written.replace(point, 1, locale.decimalSeparator);
    }
    return written;
}

}  // namespace

std::string UnitsCaution(double cohesion, double unitWeight, double height,
                         const NumberLocale& locale) {
    const double weight = unitWeight * height;
    if (cohesion == 0.0 || !(weight > 0.0)) {
        return {};
    }
    const double ratio = std::abs(cohesion) / weight;
    if (ratio < kLeastPlausibleCohesionRatio) {
        return "c/(γH) = " + RatioText(ratio, locale) +
               ": is the cohesion in kPa and the unit weight in N/m³?";
    }
    if (ratio > kMostPlausibleCohesionRatio) {
        return "c/(γH) = " + RatioText(ratio, locale) +
               ": is the cohesion in Pa and the unit weight in kN/m³?";
    }
    return {};
}

}  // namespace vardolin::critical

// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace vardolin::critical {

// The soil's values for one evaluation: the means, or one trial's draws. Any consistent units;
// the form's are Pa, degrees and N/m^3.
struct SoilValues {
    double cohesion = 0.0;       // c
    double frictionAngle = 0.0;  // phi, in degrees
    double unitWeight = 0.0;     // gamma
    double poreRatio = 0.0;      // ru: the pore pressure on a slice's base is ru * gamma * h
};

// The four in the order a trial draws them: c, phi, gamma, ru.
inline constexpr std::array<double SoilValues::*, 4> kSoilParameters{
    &SoilValues::cohesion, &SoilValues::frictionAngle, &SoilValues::unitWeight,
    &SoilValues::poreRatio};

}  // namespace vardolin::critical

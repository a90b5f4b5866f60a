// SPDX-License-Identifier: MIT
#pragma once

namespace vardolin::critical {

// The soil's values for one evaluation: the means, or one trial's draws. Any consistent units;
// the form's are Pa, degrees and N/m^3.
struct SoilValues {
    double cohesion = 0.0;       // c
    double frictionAngle = 0.0;  // phi, in degrees
    double unitWeight = 0.0;     // gamma
    double poreRatio = 0.0;      // ru: the pore pressure on a slice's base is ru * gamma * h
};

}  // namespace vardolin::critical

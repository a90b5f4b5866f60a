// SPDX-License-Identifier: MIT
#pragma once

#include "numerics/UniformSequence.h"
#include "shared/FieldValues.h"

namespace vardolin {

// The four normally distributed parameters of both analyses. Both forms hold their averages
// and standard deviations in the same fields, Text9 to Text16.
enum UncertainField : int {
    CohesionMean = 9,
    CohesionStdDev = 10,
    FrictionAngleMean = 11,
    FrictionAngleStdDev = 12,
    RockUnitWeightMean = 13,
    RockUnitWeightStdDev = 14,
    WaterHeightMean = 15,
    WaterHeightStdDev = 16,
};

struct UncertainParameters {
    double cohesion = 0.0;
    double frictionAngle = 0.0;  // degrees
    double rockUnitWeight = 0.0;
    double waterHeight = 0.0;
};

// One draw of a parameter: its uniform value is taken first, then its average and standard
// deviation are read, so a bad field fails after its draw has consumed its value.
double DrawParameter(UniformSequence& uniforms, FieldValues& fields, int meanField, int sdField);

// Draws the four parameters in their fixed order (cohesion, friction angle, unit weight of
// rock, water height), one uniform value each.
UncertainParameters DrawUncertainParameters(UniformSequence& uniforms, FieldValues& fields);

}  // namespace vardolin

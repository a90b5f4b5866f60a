// SPDX-License-Identifier: MIT
#include "analysis/UncertainParameters.h"

#include "numerics/NormalSampler.h"

namespace vardolin {

double DrawParameter(UniformSequence& uniforms, FieldValues& fields, int meanField, int sdField) {
    const NormalDeviate z = DrawNormalDeviate(uniforms);
    const double mean = fields.Number(meanField);
    const double sd = fields.Number(sdField);
    return z.Scale(mean, sd);
}

UncertainParameters UncertainParametersOf(std::span<const double> values) {
    return {values[0], values[1], values[2], values[3]};
}

UncertainParameters DrawUncertainParameters(UniformSequence& uniforms, FieldValues& fields) {
    UncertainParameters p;
    p.cohesion = DrawParameter(uniforms, fields, CohesionMean, CohesionStdDev);
    p.frictionAngle = DrawParameter(uniforms, fields, FrictionAngleMean, FrictionAngleStdDev);
    p.rockUnitWeight = DrawParameter(uniforms, fields, RockUnitWeightMean, RockUnitWeightStdDev);
    p.waterHeight = DrawParameter(uniforms, fields, WaterHeightMean, WaterHeightStdDev);
    return p;
}

}  // namespace vardolin

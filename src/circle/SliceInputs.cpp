// SPDX-License-Identifier: MIT
#include "circle/SliceInputs.h"

#include "numerics/NormalSampler.h"

namespace vardolin {

UncertainParameters FixedSliceInputs::DrawParameters(UniformSequence& uniforms) {
    UncertainParameters p;
    p.cohesion = SampleNormal(uniforms, v_.cohesionMean, v_.cohesionStdDev);
    p.frictionAngle = SampleNormal(uniforms, v_.frictionAngleMean, v_.frictionAngleStdDev);
    p.rockUnitWeight = SampleNormal(uniforms, v_.rockUnitWeightMean, v_.rockUnitWeightStdDev);
    p.waterHeight = SampleNormal(uniforms, v_.waterHeightMean, v_.waterHeightStdDev);
    return p;
}

}  // namespace vardolin

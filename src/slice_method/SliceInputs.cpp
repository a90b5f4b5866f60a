// SPDX-License-Identifier: MIT
#include "slice_method/SliceInputs.h"

#include "fields/FieldTextMap.h"
#include "numerics/NormalSampler.h"
#include "slice_method/SliceFieldConversion.h"
#include "slice_method/SliceMethodDescription.h"

namespace vardolin {

SliceInputValues SliceInputValues::Defaults() {
    // The form's default texts are all numbers.
    return *ConvertSliceInputs(DefaultTexts(SliceMethod()), NumberLocale{});
}

UncertainParameters FixedSliceInputs::DrawParameters(UniformSequence& uniforms) {
    UncertainParameters p;
    p.cohesion = SampleNormal(uniforms, v_.cohesionMean, v_.cohesionStdDev);
    p.frictionAngle = SampleNormal(uniforms, v_.frictionAngleMean, v_.frictionAngleStdDev);
    p.rockUnitWeight = SampleNormal(uniforms, v_.rockUnitWeightMean, v_.rockUnitWeightStdDev);
    p.waterHeight = SampleNormal(uniforms, v_.waterHeightMean, v_.waterHeightStdDev);
    return p;
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "circle/SliceInputs.h"

#include "circle/SliceFields.h"
#include "numerics/NormalSampler.h"
#include "numerics/NumberText.h"

namespace vardolin {

SliceInputValues SliceInputValues::Defaults() {
    const auto value = [](int field) {
        for (const FieldFact& fact : circle::kFields) {
            if (fact.number == field) {
                return TextToDouble(fact.defaultText);
            }
        }
        return 0.0;
    };
    using namespace circle;
    SliceInputValues v;
    v.slopeHeight = value(SlopeHeight);
    v.slopeFaceAngle = value(SlopeFaceAngle);
    v.centreX1 = value(CentreX1);
    v.centreX2 = value(CentreX2);
    v.centreY2 = value(CentreY2);
    v.sliceCount = value(SliceCount);
    v.waterUnitWeight = value(WaterUnitWeight);
    v.cohesionMean = value(CohesionMean);
    v.cohesionStdDev = value(CohesionStdDev);
    v.frictionAngleMean = value(FrictionAngleMean);
    v.frictionAngleStdDev = value(FrictionAngleStdDev);
    v.rockUnitWeightMean = value(RockUnitWeightMean);
    v.rockUnitWeightStdDev = value(RockUnitWeightStdDev);
    v.waterHeightMean = value(WaterHeightMean);
    v.waterHeightStdDev = value(WaterHeightStdDev);
    return v;
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

// SPDX-License-Identifier: MIT
#include "slice_method/SliceFieldConversion.h"

#include "numerics/RunTimeError.h"
#include "slice_method/SliceFields.h"

namespace vardolin {

std::optional<SliceInputValues> ConvertSliceInputs(const FieldTexts& fields,
                                                   const NumberLocale& locale) {
    const auto number = [&](int field) { return TextToDouble(fields.text(field), locale); };
    try {
        SliceInputValues v;
        v.slopeHeight = number(circle::SlopeHeight);
        v.slopeFaceAngle = number(circle::SlopeFaceAngle);
        v.centreX1 = number(circle::CentreX1);
        v.centreX2 = number(circle::CentreX2);
        v.centreY2 = number(circle::CentreY2);
        v.sliceCount = number(circle::SliceCount);
        v.waterUnitWeight = number(circle::WaterUnitWeight);
        v.cohesionMean = number(CohesionMean);
        v.cohesionStdDev = number(CohesionStdDev);
        v.frictionAngleMean = number(FrictionAngleMean);
        v.frictionAngleStdDev = number(FrictionAngleStdDev);
        v.rockUnitWeightMean = number(RockUnitWeightMean);
        v.rockUnitWeightStdDev = number(RockUnitWeightStdDev);
        v.waterHeightMean = number(WaterHeightMean);
        v.waterHeightStdDev = number(WaterHeightStdDev);
        return v;
    } catch (const RunTimeError&) {
        return std::nullopt;
    }
}

}  // namespace vardolin

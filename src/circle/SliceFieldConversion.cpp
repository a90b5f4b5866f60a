// SPDX-License-Identifier: MIT
#include "circle/SliceFieldConversion.h"

#include "circle/SliceFields.h"
#include "numerics/RunTimeError.h"

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
        v.cohesionMean = number(circle::CohesionMean);
        v.cohesionStdDev = number(circle::CohesionStdDev);
        v.frictionAngleMean = number(circle::FrictionAngleMean);
        v.frictionAngleStdDev = number(circle::FrictionAngleStdDev);
        v.rockUnitWeightMean = number(circle::RockUnitWeightMean);
        v.rockUnitWeightStdDev = number(circle::RockUnitWeightStdDev);
        v.waterHeightMean = number(circle::WaterHeightMean);
        v.waterHeightStdDev = number(circle::WaterHeightStdDev);
        return v;
    } catch (const RunTimeError&) {
        return std::nullopt;
    }
}

}  // namespace vardolin

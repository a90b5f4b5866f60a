// SPDX-License-Identifier: MIT
#pragma once

namespace vardolin::circle {

// The fields of the slice-method form, by control number (Text1 is 1). There is no Text18.
enum Field : int {
    CentreX1 = 1,
    SlopeHeight = 2,
    CentreX2 = 3,
    CentreY2 = 4,
    MessageField = 5,
    MeanSafetyFactor = 6,
    ExplanationField = 7,
    SlopeFaceAngle = 8,
    CohesionMean = 9,
    CohesionStdDev = 10,
    FrictionAngleMean = 11,
    FrictionAngleStdDev = 12,
    RockUnitWeightMean = 13,
    RockUnitWeightStdDev = 14,
    WaterHeightMean = 15,
    WaterHeightStdDev = 16,
    FailureProbability = 17,
    SliceCount = 19,
    WaterUnitWeight = 20,
    CalculationCount = 21,
};

}  // namespace vardolin::circle

// SPDX-License-Identifier: MIT
#pragma once

namespace vardolin::plane {

// The fields of the plane-failure form, by control number (Text1 is 1). There is no Text8.
enum Field : int {
    SlopeHeight = 1,
    SlopeFaceAngle = 2,
    DiscontinuityAngle = 3,
    CalculationCount = 4,
    MessageField = 5,
    MeanSafetyFactor = 6,
    ExplanationField = 7,
    CohesionMean = 9,
    CohesionStdDev = 10,
    FrictionAngleMean = 11,
    FrictionAngleStdDev = 12,
    RockUnitWeightMean = 13,
    RockUnitWeightStdDev = 14,
    WaterHeightMean = 15,
    WaterHeightStdDev = 16,
    FailureProbability = 17,
    WaterUnitWeight = 18,
    TensionCrackDepth = 19,
};

}  // namespace vardolin::plane

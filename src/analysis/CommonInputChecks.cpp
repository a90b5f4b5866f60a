// SPDX-License-Identifier: MIT
#include "analysis/CommonInputChecks.h"

#include "analysis/OutOfRangeDraws.h"
#include "analysis/UncertainParameters.h"

namespace vardolin {

void CheckStatisticsAverages(InputChecks& checks) {
    // The averages must lie where a draw is physical; the water height's range is the form's.
    const ParameterRanges physical = PhysicalRanges(0.0);
    checks.RequireRange(CohesionMean, physical.cohesion, messages::kCohesionBelowZero);
    checks.RequireRange(FrictionAngleMean, physical.frictionAngle,
                        messages::kFrictionAngleOutOfRange);
    checks.RequireRange(RockUnitWeightMean, physical.rockUnitWeight,
                        messages::kRockUnitWeightNotAboveZero);
}

}  // namespace vardolin

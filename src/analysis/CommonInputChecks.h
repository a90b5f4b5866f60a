// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "analysis/InputChecks.h"

namespace vardolin {

namespace messages {

// Inputs every analysis checks alike, named as the forms label them.
inline constexpr std::string_view kSlopeHeightNotAboveZero = "Please Enter Slope Height Upper 0";
inline constexpr std::string_view kWaterUnitWeightNotAboveZero =
    "Please Enter Unit Weight of Water Upper 0";
inline constexpr std::string_view kCohesionBelowZero = "Please Enter Average of Cohesion from 0";
inline constexpr std::string_view kFrictionAngleOutOfRange =
    "Please Enter Average of Friction Angle from 0 Under 90";
inline constexpr std::string_view kRockUnitWeightNotAboveZero =
    "Please Enter Average of Unit Weight of Rock Upper 0";

}  // namespace messages

// The averages of cohesion, friction angle and unit weight of rock, which both forms hold in
// the same fields: cohesion from 0, friction angle from 0 up to below 90, unit weight above 0.
void CheckStatisticsAverages(InputChecks& checks);

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "analysis/UncertainInput.h"
#include "fields/FieldFacts.h"
#include "sampling/SampledParameter.h"

namespace vardolin {

// The four normally distributed parameters of the plane-failure and the slice-method forms,
// which hold their averages and standard deviations in the same fields, Text9 to Text16.
enum UncertainField : int {
    CohesionMean = 9,
    CohesionStdDev = 10,
    FrictionAngleMean = 11,
    FrictionAngleStdDev = 12,
    RockUnitWeightMean = 13,
    RockUnitWeightStdDev = 14,
    WaterHeightMean = 15,
    WaterHeightStdDev = 16,
};

// Their statistics fields, in field order. The plane-failure and slice-method forms show them
// in the same frames with the same defaults.
inline constexpr std::array<FieldFact, 8> kStatisticsFields{{
    {CohesionMean, FieldRole::StatisticsMean, "cohesion_mean",
     "Cohesion of Discontinuity Surface: Average", "10000", "Pa",
     "Average cohesion of the sliding surface, in N/m²."},
    {CohesionStdDev, FieldRole::StatisticsStdDev, "cohesion_sd",
     "Cohesion of Discontinuity Surface: Standard deviation", "200", "Pa",
     "Standard deviation of the cohesion, in N/m²; 0 keeps it at its average."},
    {FrictionAngleMean, FieldRole::StatisticsMean, "friction_angle_mean",
     "Friction Angle of Discontinuity Surface: Average", "30", "degrees",
     "Average friction angle of the sliding surface."},
    {FrictionAngleStdDev, FieldRole::StatisticsStdDev, "friction_angle_sd",
     "Friction Angle of Discontinuity Surface: Standard deviation", "5", "degrees",
     "Standard deviation of the friction angle; 0 keeps it at its average."},
    {RockUnitWeightMean, FieldRole::StatisticsMean, "rock_unit_weight_mean",
     "Unit Weight of Rock: Average", "27000", "N/m³", "Average unit weight of the rock."},
    {RockUnitWeightStdDev, FieldRole::StatisticsStdDev, "rock_unit_weight_sd",
     "Unit Weight of Rock: Standard deviation", "2000", "N/m³",
     "Standard deviation of the unit weight of the rock; 0 keeps it at its average."},
    {WaterHeightMean, FieldRole::StatisticsMean, "water_height_mean", "Water Height: Average", "2",
     "m",
     "Average height of the water: in the tension crack on the plane-failure form; above the "
     "base of each slice (hw), at most up to the ground, on the slice form."},
    {WaterHeightStdDev, FieldRole::StatisticsStdDev, "water_height_sd",
     "Water Height: Standard deviation", ".5", "m",
     "Standard deviation of the water height; 0 keeps it at its average."},
}};

namespace messages {

inline constexpr std::string_view kCohesionBelowZero = "Please Enter Average of Cohesion from 0";
inline constexpr std::string_view kFrictionAngleOutOfRange =
    "Please Enter Average of Friction Angle from 0 Under 90";
inline constexpr std::string_view kRockUnitWeightNotAboveZero =
    "Please Enter Average of Unit Weight of Rock Upper 0";

}  // namespace messages

// The four as uncertain inputs, in the order every trial draws them: cohesion from 0, friction
// angle from 0 up to below 90, unit weight above 0, and the water height from 0 up to the
// number of `waterTopField` (the form's own reach of the water, with its own message).
constexpr std::array<UncertainInput, 4> RockInputs(int waterTopField,
                                                   std::string_view waterMessage) {
    return {{
        {"cohesion", "Cohesion", "Pa", CohesionMean, CohesionStdDev, NumberRange::From(0.0),
         messages::kCohesionBelowZero},
        {"friction_angle", "Friction angle", "degrees", FrictionAngleMean, FrictionAngleStdDev,
         NumberRange::Between(0.0, true, 90.0, false), messages::kFrictionAngleOutOfRange},
        {"rock_unit_weight", "Unit weight of rock", "N/m³", RockUnitWeightMean,
         RockUnitWeightStdDev, NumberRange::From(0.0, false),
         messages::kRockUnitWeightNotAboveZero},
        {"water_height", "Water height", "m", WaterHeightMean, WaterHeightStdDev,
         NumberRange::From(0.0), waterMessage, waterTopField},
    }};
}

// The pair whose correlation the plane-failure and slice-method forms offer.
inline constexpr std::array<ParameterPair, 1> kRockCorrelatedPairs{
    {{"cohesion", "friction_angle"}}};

// One draw of the four, in their draw order.
struct UncertainParameters {
    double cohesion = 0.0;
    double frictionAngle = 0.0;  // degrees
    double rockUnitWeight = 0.0;
    double waterHeight = 0.0;

    std::array<double, 4> values() const {
        return {cohesion, frictionAngle, rockUnitWeight, waterHeight};
    }
};

// The four from the values of one trial drawn over RockInputs.
inline UncertainParameters UncertainParametersOf(std::span<const double> values) {
    return {values[0], values[1], values[2], values[3]};
}

}  // namespace vardolin

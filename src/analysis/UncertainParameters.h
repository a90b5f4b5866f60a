// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <span>

#include "analysis/UncertainInput.h"
#include "fields/FieldFacts.h"
#include "fields/FieldValues.h"
#include "numerics/UniformSequence.h"

namespace vardolin {

// The four normally distributed parameters of both analyses. Both forms hold their averages
// and standard deviations in the same fields, Text9 to Text16.
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

// The statistics fields of both forms, in field order. Both forms show them in the same frames
// with the same defaults.
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

// The four as the sampling choices name them, in the order every trial draws them.
inline constexpr std::array<UncertainInput, 4> kUncertainInputs{{
    {"cohesion", "Cohesion", CohesionMean, CohesionStdDev},
    {"friction_angle", "Friction angle", FrictionAngleMean, FrictionAngleStdDev},
    {"rock_unit_weight", "Unit weight of rock", RockUnitWeightMean, RockUnitWeightStdDev},
    {"water_height", "Water height", WaterHeightMean, WaterHeightStdDev},
}};

struct UncertainParameters {
    double cohesion = 0.0;
    double frictionAngle = 0.0;  // degrees
    double rockUnitWeight = 0.0;
    double waterHeight = 0.0;
};

// One draw of a parameter: its uniform value is taken first, then its average and standard
// deviation are read, so a bad field fails after its draw has consumed its value.
double DrawParameter(UniformSequence& uniforms, FieldValues& fields, int meanField, int sdField);

// The four from the values of one trial drawn over kUncertainInputs.
UncertainParameters UncertainParametersOf(std::span<const double> values);

// Draws the four parameters in their fixed order (cohesion, friction angle, unit weight of
// rock, water height), one uniform value each.
UncertainParameters DrawUncertainParameters(UniformSequence& uniforms, FieldValues& fields);

}  // namespace vardolin

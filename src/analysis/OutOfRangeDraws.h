// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "analysis/NumberRange.h"
#include "analysis/UncertainParameters.h"

namespace vardolin {

// Trials whose draw of one uncertain parameter fell outside its physical range (a negative
// cohesion, water above the crack, …). Normal draws are not bounded and a run uses them as they
// come, so these say how far the chosen deviations reach beyond what a slope can hold.
struct OutOfRangeCount {
    std::string_view parameter;  // "cohesion", "friction_angle", "rock_unit_weight", "water_height"
    int trials = 0;
};

// The physical range of each uncertain parameter in one run.
struct ParameterRanges {
    NumberRange cohesion;
    NumberRange frictionAngle;
    NumberRange rockUnitWeight;
    NumberRange waterHeight;
};

// The ranges both analyses share; the water height's upper end is the analysis's own.
ParameterRanges PhysicalRanges(double highestWaterHeight);

// Counts, per parameter, the trials with at least one draw outside its range.
class OutOfRangeTally {
public:
    explicit OutOfRangeTally(const ParameterRanges& ranges) : ranges_(ranges) {}

    // One draw of the four parameters of the current trial (a trial may draw them many times).
    void Note(const UncertainParameters& drawn);
    // The current trial is over.
    void EndTrial();

    // The four parameters in their draw order, with their counts.
    std::vector<OutOfRangeCount> Counts() const;

private:
    ParameterRanges ranges_;
    std::array<bool, 4> inTrial_{};
    std::array<int, 4> trials_{};
};

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "analysis/OutOfRangeDraws.h"

namespace vardolin {

ParameterRanges PhysicalRanges(double highestWaterHeight) {
    return {
        .cohesion = NumberRange::From(0.0),
        .frictionAngle = NumberRange::Between(0.0, true, 90.0, false),
        .rockUnitWeight = NumberRange::From(0.0, false),
        .waterHeight = NumberRange::Between(0.0, true, highestWaterHeight, true),
    };
}

void OutOfRangeTally::Note(const UncertainParameters& drawn) {
    inTrial_[0] = inTrial_[0] || !ranges_.cohesion.Contains(drawn.cohesion);
    inTrial_[1] = inTrial_[1] || !ranges_.frictionAngle.Contains(drawn.frictionAngle);
    inTrial_[2] = inTrial_[2] || !ranges_.rockUnitWeight.Contains(drawn.rockUnitWeight);
    inTrial_[3] = inTrial_[3] || !ranges_.waterHeight.Contains(drawn.waterHeight);
}

void OutOfRangeTally::EndTrial() {
    for (std::size_t p = 0; p < inTrial_.size(); ++p) {
        trials_[p] += inTrial_[p] ? 1 : 0;
        inTrial_[p] = false;
    }
}

std::vector<OutOfRangeCount> OutOfRangeTally::Counts() const {
    return {{"cohesion", trials_[0]},
            {"friction_angle", trials_[1]},
            {"rock_unit_weight", trials_[2]},
            {"water_height", trials_[3]}};
}

}  // namespace vardolin

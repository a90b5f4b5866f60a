// SPDX-License-Identifier: MIT
#pragma once

#include "critical_circle/CircleOnSlope.h"
#include "critical_circle/CircleSlices.h"
#include "critical_circle/FactorEvaluator.h"
#include "critical_circle/SimpleSlope.h"
#include "critical_circle/SoilValues.h"

namespace vardolin::critical {

// Everything about one circle: where it cuts the ground, its slices and both factors. The
// slices and factors mean something only for a located status of Valid.
struct CircleAnalysis {
    Circle circle;
    CircleOnSlope located;
    CircleSlices slices;
    FactorsOfSafety factors;

    // A circle that may stand as the critical one: a proper mass and a factor without caution.
    bool usable() const noexcept {
        return located.status == CircleStatus::Valid && factors.usable();
    }
};

// Analyses circle after circle on one slope with one soil, reusing its storage: the search
// gives each thread one.
class CircleAnalyser {
public:
    CircleAnalyser(const SimpleSlope& slope, const SoilValues& soil, int sliceCount);

    // The analysis of `circle`, valid until the next call.
    const CircleAnalysis& Analyse(const Circle& circle);

private:
    SimpleSlope slope_;
    SoilValues soil_;
    int sliceCount_;
    CircleAnalysis analysis_;
    FactorEvaluator evaluator_;
};

// The given-circle mode: one circle checked on its own.
CircleAnalysis AnalyseCircle(const SimpleSlope& slope, const SoilValues& soil, const Circle& circle,
                             int sliceCount);

}  // namespace vardolin::critical

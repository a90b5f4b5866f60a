// SPDX-License-Identifier: MIT
#pragma once

#include "critical_circle/CircleOnSlope.h"
#include "critical_circle/CircleSlices.h"
#include "critical_circle/FactorEvaluator.h"
#include "critical_circle/SimpleSlope.h"
#include "critical_circle/SoilValues.h"

// The critical-circle analysis, in the order a run uses it:
//   1. SimpleSlope: the ground, toe at (0, 0), rising to the right.
//   2. CircleAnalyser (here), for each circle: LocateCircle finds where it cuts the ground,
//      LayOutSlices its slices and FactorEvaluator both factors, through the section engine
//      (CircleSlices.h); a circle without a proper mass or with a caution gets a status, never
//      an exception.
//   3. FindCriticalCircle (CircleSearch.h): the grid of centres with their radii on every core,
//      the lowest circle taken in centre order, then refined. AnalyseCircle checks one circle.
//   4. RunCircleTrials (CircleTrials.h): Monte Carlo on the critical circle's slices, whose
//      geometry the draws do not change; SummariseTrials (TrialStatistics.h) the figures.
//   5. TabulateSlices (SliceTable.h): the critical circle's slices for the export.
namespace vardolin::critical {

// Everything about one circle: where it cuts the ground, its slices and both factors. The
// slices and factors mean something only for a located status of Valid.
struct CircleEvaluation {
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
// gives each thread one, on cache lines of its own (see FactorEvaluator).
class alignas(64) CircleAnalyser {
public:
    CircleAnalyser(const SimpleSlope& slope, const SoilValues& soil, int sliceCount);

    // The analysis of `circle`, valid until the next call.
    const CircleEvaluation& Analyse(const Circle& circle);

private:
    SimpleSlope slope_;
    section::Polyline ground_;
    section::SoilStrength soil_;  // once for all its circles
    int sliceCount_;
    CircleEvaluation analysis_;
    FactorEvaluator evaluator_;
};

// The given-circle mode: one circle checked on its own.
CircleEvaluation AnalyseCircle(const SimpleSlope& slope, const SoilValues& soil,
                               const Circle& circle, int sliceCount);

}  // namespace vardolin::critical

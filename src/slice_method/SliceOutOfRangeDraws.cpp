// SPDX-License-Identifier: MIT
#include "slice_method/SliceOutOfRangeDraws.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include "numerics/NormalSampler.h"
#include "slice_method/SliceTables.h"
#include "slice_method/TrialLayout.h"

namespace vardolin {

namespace {

struct Parameter {
    double mean;
    double sd;
    NumberRange range;
    // A draw whose tail probability is at least this stays in the range.
    float safeTail = 0.0f;
};

float SafeTail(const Parameter& p) {
    if (p.sd == 0.0) {
        return 0.0f;  // every draw is the average, which the checks put in the range
    }
    double distance = HUGE_VAL;
    if (p.range.lowest) {
        distance = std::min(distance, p.mean - *p.range.lowest);
    }
    if (p.range.highest) {
        distance = std::min(distance, *p.range.highest - p.mean);
    }
    if (!(distance > 0.0)) {
        return 2.0f;  // an average on a bound: every draw is looked at
    }
    // |deviate| < t = sqrt(-2 ln p), so a draw leaves the range only if p < exp(-k^2 / 2) with
    // k = distance / |sd|; the margin covers the rounding of t.
    const double k = distance / std::abs(p.sd);
    return static_cast<float>(std::exp(-0.5 * k * k) * 1.001);
}

double Replay(UniformSequence& uniforms, const Parameter& p) {
    const float u = uniforms.NextUniform();
    const float tail = u <= 0.5f ? u : 1.0f - u;
    return tail < p.safeTail ? NormalDeviateOf(u).Scale(p.mean, p.sd) : p.mean;
}

}  // namespace

std::vector<OutOfRangeCount> CountSliceDrawsOutOfRange(int trials, SliceInputs inputs,
                                                       std::uint32_t start) {
    const ParameterRanges ranges = PhysicalRanges(inputs.Number(circle::SlopeHeight));
    std::array<Parameter, 4> parameters{{
        {inputs.Number(CohesionMean), inputs.Number(CohesionStdDev), ranges.cohesion},
        {inputs.Number(FrictionAngleMean), inputs.Number(FrictionAngleStdDev),
         ranges.frictionAngle},
        {inputs.Number(RockUnitWeightMean), inputs.Number(RockUnitWeightStdDev),
         ranges.rockUnitWeight},
        {inputs.Number(WaterHeightMean), inputs.Number(WaterHeightStdDev), ranges.waterHeight},
    }};
    for (Parameter& p : parameters) {
        p.safeTail = SafeTail(p);
    }

    UniformSequence uniforms(start);
    const auto scratch = std::make_unique<SliceTables>();
    const TrialLayout layout = LayOutSliceTrials(trials, inputs, uniforms, *scratch, nullptr);
    OutOfRangeTally tally(ranges);
    for (const PlannedTrial& trial : layout.trials) {
        UniformSequence draws(trial.slicesStart);
        for (int slice = 0; slice < trial.slices; ++slice) {
            UncertainParameters drawn;
            drawn.cohesion = Replay(draws, parameters[0]);
            drawn.frictionAngle = Replay(draws, parameters[1]);
            drawn.rockUnitWeight = Replay(draws, parameters[2]);
            drawn.waterHeight = Replay(draws, parameters[3]);
            tally.Note(drawn);
        }
        tally.EndTrial();
    }
    return tally.Counts();
}

}  // namespace vardolin

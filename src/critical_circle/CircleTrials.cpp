// SPDX-License-Identifier: MIT
#include "critical_circle/CircleTrials.h"

#include <utility>
#include <vector>

#include "critical_circle/DrawnCircleTrials.h"
#include "numerics/NormalSampler.h"
#include "numerics/RunTimeError.h"

namespace vardolin::critical {

namespace {

SoilValues Draw(UniformSequence& uniforms, const UncertainSoil& soil) {
    SoilValues values;
    values.cohesion = DrawNormalDeviate(uniforms).Scale(soil.mean.cohesion, soil.sd.cohesion);
    values.frictionAngle =
        DrawNormalDeviate(uniforms).Scale(soil.mean.frictionAngle, soil.sd.frictionAngle);
    values.unitWeight = DrawNormalDeviate(uniforms).Scale(soil.mean.unitWeight, soil.sd.unitWeight);
    values.poreRatio = DrawNormalDeviate(uniforms).Scale(soil.mean.poreRatio, soil.sd.poreRatio);
    return values;
}

}  // namespace

CircleTrialsOutcome RunCircleTrials(const CircleSlices& slices, const UncertainSoil& soil,
                                    int trials, UniformSequence& uniforms, int threads,
                                    RunProgress* progress) {
    CircleTrialsOutcome outcome;
    if (trials < kMinTrials || trials > kMaxTrials) {
        return outcome;
    }
    // The draws in trial order on a copy, which the caller's sequence follows only when they
    // are all drawn (or one overflowed): a cancelled run leaves it where it was.
    UniformSequence draws(uniforms.state());
    std::vector<SoilValues> drawn(static_cast<std::size_t>(trials));
    try {
        for (SoilValues& values : drawn) {
            values = Draw(draws, soil);
        }
    } catch (const RunTimeError&) {
        uniforms.Restore(draws.state());
        throw;
    }
    DrawnTrialFactors factors = EvaluateDrawnTrials(slices, drawn, threads, progress);
    uniforms.Restore(draws.state());
    outcome.factors = std::move(factors.factors);
    outcome.statuses = std::move(factors.statuses);
    outcome.statistics = SummariseTrials(outcome.factors, outcome.statuses);
    return outcome;
}

}  // namespace vardolin::critical

// SPDX-License-Identifier: MIT
#include "plane_failure/PlaneAnalysis.h"

#include <cmath>

#include "analysis/CountChecks.h"
#include "analysis/MeanReport.h"
#include "analysis/ParameterDraws.h"
#include "analysis/RunMessages.h"
#include "analysis/UncertainParameters.h"
#include "fields/FieldValues.h"
#include "numerics/GenericArithmetic.h"
#include "plane_failure/PlaneFields.h"
#include "plane_failure/PlaneKeptTables.h"
#include "plane_failure/PlaneSafetyFactor.h"

namespace vardolin {

namespace {

using namespace plane;

constexpr std::string_view kExplanation = "This Software Used in The Limiting Equilibrium";

struct Geometry {
    double slopeHeight;
    double slopeFaceAngle;
    double discontinuityAngle;
    double tensionCrackDepth;
    double waterUnitWeight;
};

// Converted in the order in which the factor of safety takes them.
Geometry ReadGeometry(FieldValues& f) {
    Geometry g{};
    g.slopeHeight = f.Number(SlopeHeight);
    g.slopeFaceAngle = f.Number(SlopeFaceAngle);
    g.discontinuityAngle = f.Number(DiscontinuityAngle);
    g.tensionCrackDepth = f.Number(TensionCrackDepth);
    g.waterUnitWeight = f.Number(WaterUnitWeight);
    return g;
}

double SafetyFactor(const Geometry& g, const UncertainParameters& p) {
    return PlaneSafetyFactor(g.slopeHeight, g.slopeFaceAngle, g.discontinuityAngle,
                             g.tensionCrackDepth, g.waterUnitWeight, p.cohesion, p.frictionAngle,
                             p.rockUnitWeight, p.waterHeight);
}

double FailurePercentage(double failures, double count) {
    return generic::Multiply(generic::Divide(failures, count), 100.0);
}

RunOutcome RunFixedData(FieldValues& f) {
    f.Write(CalculationCount, "1");
    const Geometry geometry = ReadGeometry(f);
    UncertainParameters averages;
    averages.cohesion = f.Number(CohesionMean);
    averages.frictionAngle = f.Number(FrictionAngleMean);
    averages.rockUnitWeight = f.Number(RockUnitWeightMean);
    averages.waterHeight = f.Number(WaterHeightMean);
    const double factor = SafetyFactor(geometry, averages);
    f.WriteNumber(MeanSafetyFactor, factor);
    const double failures = factor < 1.0 ? 1.0 : 0.0;
    f.WriteNumber(FailureProbability, FailurePercentage(failures, f.Number(CalculationCount)));
    f.Write(MessageField, messages::kFixedData);
    RunOutcome outcome;
    outcome.end = RunOutcome::End::FixedData;
    outcome.trials = 1;
    return outcome;
}

RunOutcome RunMonteCarlo(FieldValues& f, AnalysisContext& context) {
    auto& factors = context.kept.Of<PlaneKeptTables>().TrialSafetyFactors;
    int failures = 0;
    // The loop end is taken once at entry; a fractional count runs while i <= count.
    const double end = f.Number(CalculationCount);
    // Its trials take milliseconds: a watcher hears of them once, when they are all done.
    RunProgress* progress = context.progress;
    if (progress != nullptr) {
        progress->trialsTotal.store(static_cast<int>(end));
    }
    ThrowIfCancelled(progress);
    // The count is above 1 and below the limit here, so its whole part is the trials that run.
    ParameterDraws draws(kUncertainInputs, f, context.sampling, static_cast<int>(std::floor(end)),
                         context.uniforms);
    int trials = 0;
    for (double i = 1; i <= end; i += 1) {
        const int index = static_cast<int>(i);
        const UncertainParameters drawn = UncertainParametersOf(draws.Next());
        factors[index] = SafetyFactor(ReadGeometry(f), drawn);
        if (factors[index] < 1.0) {
            ++failures;
        }
        trials = index;
    }
    AddTrialsDone(progress, trials);
    // Both divisions are by the trials that ran: a count of 2.5 runs two trials, and two
    // failures of two are 100 %, not 80 %.
    const double ran = trials;
    f.WriteNumber(FailureProbability, FailurePercentage(failures, ran));

    RunOutcome outcome;
    outcome.end = RunOutcome::End::Completed;
    outcome.trials = trials;
    outcome.trialFactors.reserve(static_cast<std::size_t>(trials));
    for (int i = 1; i <= trials; ++i) {
        outcome.trialFactors.push_back(factors[i]);
    }
    WriteMeanAndVerdict(f, outcome.trialFactors, MeanSafetyFactor, MessageField);
    return outcome;
}

}  // namespace

RunOutcome RunPlaneAnalysis(FieldTexts& fields, AnalysisContext& context) {
    FieldValues f(fields, context.locale);
    f.Write(ExplanationField, kExplanation);

    const CountFields countFields{CalculationCount, MessageField, FailureProbability,
                                  MeanSafetyFactor};
    if (RejectCountNotAboveOne(f, countFields)) {
        return RunOutcome::Stopped();
    }

    // All four are converted, even after a non-zero one.
    const bool cohesionFixed = f.Number(CohesionStdDev) == 0.0;
    const bool frictionFixed = f.Number(FrictionAngleStdDev) == 0.0;
    const bool rockFixed = f.Number(RockUnitWeightStdDev) == 0.0;
    const bool waterFixed = f.Number(WaterHeightStdDev) == 0.0;
    if (cohesionFixed && frictionFixed && rockFixed && waterFixed) {
        return RunFixedData(f);
    }

    if (RejectCountNotBelowLimit(f, countFields)) {
        return RunOutcome::Stopped();
    }
    return RunMonteCarlo(f, context);
}

}  // namespace vardolin

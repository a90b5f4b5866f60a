// SPDX-License-Identifier: MIT
#include "plane_failure/PlaneAnalysis.h"

#include <cmath>
#include <optional>
#include <utility>

#include "analysis/CommonInputChecks.h"
#include "analysis/CountChecks.h"
#include "analysis/InputChecks.h"
#include "analysis/MeanReport.h"
#include "analysis/OutOfRangeDraws.h"
#include "analysis/ParameterDraws.h"
#include "analysis/RunMessages.h"
#include "analysis/TrialDraws.h"
#include "fields/FieldValues.h"
#include "numerics/GenericArithmetic.h"
#include "numerics/Square.h"
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

// The geometry first, then the averages, in the order the factor takes them.
double FactorAtAverages(FieldValues& f) {
    const Geometry geometry = ReadGeometry(f);
    UncertainParameters averages;
    averages.cohesion = f.Number(CohesionMean);
    averages.frictionAngle = f.Number(FrictionAngleMean);
    averages.rockUnitWeight = f.Number(RockUnitWeightMean);
    averages.waterHeight = f.Number(WaterHeightMean);
    return SafetyFactor(geometry, averages);
}

RunOutcome RunFixedData(FieldValues& f) {
    f.Write(CalculationCount, "1");
    const double factor = FactorAtAverages(f);
    f.WriteNumber(MeanSafetyFactor, factor);
    const double failures = factor < 1.0 ? 1.0 : 0.0;
    f.WriteNumber(FailureProbability, FailurePercentage(failures, f.Number(CalculationCount)));
    f.Write(MessageField, messages::kFixedData);
    RunOutcome outcome;
    outcome.end = RunOutcome::End::FixedData;
    outcome.trials = 1;
    outcome.trialFactors.push_back(factor);
    return outcome;
}

// Inputs that describe no block that could slide, stopped before anything is drawn; the first
// that fails names its field.
std::optional<RunOutcome> CheckInputs(FieldValues& f) {
    InputChecks checks(f);
    const NumberRange aboveZero = NumberRange::From(0.0, false);
    const NumberRange acuteAngle = NumberRange::Between(0.0, false, 90.0, false);
    checks.RequireRange(SlopeHeight, aboveZero, messages::kSlopeHeightNotAboveZero);
    checks.RequireRange(SlopeFaceAngle, acuteAngle, messages::kFaceAngleOutOfRange);
    checks.RequireRange(DiscontinuityAngle, acuteAngle, messages::kPlaneAngleOutOfRange);
    const std::optional<double> H = checks.Value(SlopeHeight);
    const std::optional<double> faceAngle = checks.Value(SlopeFaceAngle);
    const std::optional<double> planeAngle = checks.Value(DiscontinuityAngle);
    const std::optional<double> z = checks.Value(TensionCrackDepth);
    if (faceAngle && planeAngle) {
        checks.Require(DiscontinuityAngle, *planeAngle < *faceAngle,
                       messages::kPlaneDoesNotDaylight);
    }
    checks.RequireRange(WaterUnitWeight, aboveZero, messages::kWaterUnitWeightNotAboveZero);
    if (H) {
        checks.RequireRange(TensionCrackDepth, NumberRange::Between(0.0, true, *H, false),
                            messages::kCrackDepthOutOfRange);
    }
    // The crack must lie behind the crest, or the block above the plane has no weight: the
    // bracket of the weight, (1 - (z/H)^2) cot(psi_p) - cot(psi_f), must be above 0. Taken
    // only when the geometry above passed, so that every term is finite.
    if (!checks.failed() && H && faceAngle && planeAngle && z) {
        const double psiP = *planeAngle * kPi / 180.0;
        const double psiF = *faceAngle * kPi / 180.0;
        const double bracket = (1.0 - Square(*z / *H)) / std::tan(psiP) - 1.0 / std::tan(psiF);
        checks.Require(TensionCrackDepth, bracket > 0.0, messages::kCrackNotBehindCrest);
    }
    checks.RequireAveragesInRange(kPlaneInputs);
    return checks.Stop(MessageField);
}

RunOutcome RunMonteCarlo(FieldValues& f, AnalysisContext& context) {
    auto& factors = context.kept.Of<PlaneKeptTables>().TrialSafetyFactors;
    int failures = 0;
    // The loop end is taken once at entry; a fractional count runs while i <= count.
    const double end = f.Number(CalculationCount);
    // Its trials take milliseconds: a watcher hears of them once, when they are all done.
    RunProgress* progress = context.progress;
    if (progress != nullptr) {
        progress->stepsTotal.store(static_cast<int>(end));
    }
    ThrowIfCancelled(progress);
    // The count is above 1 and below the limit here, so its whole part is the trials that run.
    const int count = static_cast<int>(std::floor(end));
    // A merge takes every trial's values and factor from the parts; a part draws and works
    // out its own range, from where the whole run draws it.
    const TrialRecords* given = context.GivenTrials(count, kPlaneInputs.size());
    const TrialRange range = context.TrialsToRun(count);
    std::optional<TrialDraws> sampled;
    if (given == nullptr) {
        sampled.emplace(kPlaneInputs, kRockCorrelatedPairs, f, context.sampling, count,
                        context.uniforms);
        sampled->Skip(range.begin);
    }
    std::optional<TrialRecords> part;
    if (context.part) {
        part.emplace(range, count, kPlaneInputs.size());
    }
    int trials = 0;
    ParameterDraws draws(kPlaneInputs, end);
    // The water in the crack reaches at most its foot. The depth is taken where the first
    // trial's evaluation converts it, after that trial's draws, so that a text that is not a
    // number stops the run there and not before anything is drawn.
    std::vector<NumberRange> ranges;
    OutOfRangeTally outOfRange;
    for (int index = range.begin + 1; index <= range.end; ++index) {
        const std::span<const double> values =
            given != nullptr ? given->valuesOf(index - 1) : sampled->Next();
        const UncertainParameters drawn = UncertainParametersOf(values);
        const Geometry geometry = ReadGeometry(f);
        if (ranges.empty()) {
            ranges = DrawRanges(kPlaneInputs, [&](int field) { return f.Number(field); });
        }
        outOfRange.AddTrial(OutsideRanges(ranges, values));
        draws.Keep(index, values);
        factors[index] =
            given != nullptr ? given->factorOf(index - 1) : SafetyFactor(geometry, drawn);
        if (factors[index] < 1.0) {
            ++failures;
        }
        if (part) {
            part->Add(values, factors[index]);
        }
        trials = index;
    }
    AddStepsDone(progress, trials);
    if (part) {
        RunOutcome outcome;
        outcome.end = RunOutcome::End::Completed;
        outcome.trials = part->count();
        outcome.trialFactors = part->factors;
        outcome.partTrials = std::move(part);
        return outcome;
    }
    // Both divisions are by the trials that ran: a count of 2.5 runs two trials, and two
    // failures of two are 100 %, not 80 %.
    const double ran = trials;
    f.WriteNumber(FailureProbability, FailurePercentage(failures, ran));

    RunOutcome outcome;
    outcome.end = RunOutcome::End::Completed;
    outcome.trials = trials;
    outcome.outOfRange = outOfRange.Counts(kPlaneInputs);
    outcome.draws = std::move(draws);
    outcome.trialFactors.reserve(static_cast<std::size_t>(trials));
    for (int i = 1; i <= trials; ++i) {
        outcome.trialFactors.push_back(factors[i]);
    }
    WriteMeanAndVerdict(f, outcome.trialFactors, MeanSafetyFactor, MessageField);
    return outcome;
}

}  // namespace

double PlaneFactorAtMeans(FieldTexts& fields, const AnalysisContext& context) {
    FieldValues f(fields, context.locale);
    return FactorAtAverages(f);
}

RunOutcome RunPlaneAnalysis(FieldTexts& fields, AnalysisContext& context) {
    FieldValues f(fields, context.locale);
    f.Write(ExplanationField, kExplanation);

    // All four are converted, even after a non-zero one. With all four 0 the count does not
    // enter the run, so it is not checked: a fixed-data model runs again after it wrote "1".
    const bool cohesionFixed = f.Number(CohesionStdDev) == 0.0;
    const bool frictionFixed = f.Number(FrictionAngleStdDev) == 0.0;
    const bool rockFixed = f.Number(RockUnitWeightStdDev) == 0.0;
    const bool waterFixed = f.Number(WaterHeightStdDev) == 0.0;
    const bool fixedData = cohesionFixed && frictionFixed && rockFixed && waterFixed;

    const CountFields countFields{CalculationCount, MessageField, FailureProbability,
                                  MeanSafetyFactor};
    if (!fixedData &&
        (RejectCountNotAboveOne(f, countFields) || RejectCountNotBelowLimit(f, countFields))) {
        return RunOutcome::Stopped();
    }
    if (std::optional<RunOutcome> stopped = CheckInputs(f)) {
        return *stopped;
    }
    return fixedData ? RunFixedData(f) : RunMonteCarlo(f, context);
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "slope_section/SlopeSectionRun.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "analysis/CountChecks.h"
#include "analysis/InputChecks.h"
#include "analysis/MeanReport.h"
#include "fields/FieldValues.h"
#include "slope_section/PreparedSection.h"
#include "slope_section/SectionFace.h"
#include "slope_section/SectionInputReader.h"
#include "slope_section/SectionKeptTables.h"
#include "slope_section/SectionMessages.h"
#include "slope_section/SectionSearch.h"
#include "slope_section/SectionTrials.h"
#include "slope_section/SurfaceEvaluation.h"

namespace vardolin::section {

namespace {

constexpr std::string_view kExplanation = "A Layered Section by Limit Equilibrium";
constexpr int kMaxTrials = 1'000'000;
// As the Critical Circle bounds its grid: past these a search takes minutes.
constexpr double kMaxCircles = 1'000'000;
constexpr double kMaxSlices = 50'000'000;

// Each method's factor field and, for the rigorous methods, its lambda field (0: none).
struct MethodFields {
    int factor;
    int lambda;
};
constexpr std::array<MethodFields, kSectionMethodCount> kMethodFields{{
    {OrdinaryFactor, 0},
    {BishopFactor, 0},
    {JanbuFactor, 0},
    {JanbuF0Factor, 0},
    {SpencerFactor, SpencerLambda},
    {MorgensternPriceFactor, MorgensternPriceLambda},
    {HalfSineFactor, HalfSineLambda},
}};

constexpr std::array<int, 26> kResultFields{CriticalCentreX,
                                            CriticalCentreY,
                                            CriticalRadius,
                                            EntryX,
                                            EntryY,
                                            ExitX,
                                            ExitY,
                                            OrdinaryFactor,
                                            BishopFactor,
                                            JanbuFactor,
                                            JanbuF0Factor,
                                            SpencerFactor,
                                            SpencerLambda,
                                            MorgensternPriceFactor,
                                            MorgensternPriceLambda,
                                            HalfSineFactor,
                                            HalfSineLambda,
                                            FactorStdDev,
                                            ReliabilityIndex,
                                            LognormalReliabilityIndex,
                                            Caution,
                                            OverallFailurePercentage,
                                            OverallMeanFactor,
                                            OverallFactorStdDev,
                                            OverallReliabilityIndex,
                                            OverallLognormalReliabilityIndex};

// The text with blanks and case aside.
std::string Word(std::string_view text) {
    std::string word;
    for (const char c : text) {
        if (c != ' ' && c != '\t') {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return word;
}

std::optional<bool> IsWholeIn(std::optional<double> value, double lowest, double highest) {
    if (!value) {
        return std::nullopt;
    }
    return *value == std::floor(*value) && *value >= lowest && *value <= highest;
}

// The search's fields (for a search, where no circle is given) and the acceptance criteria; the
// first that fails names its field. The section's own fields are read by ReadSectionInputs.
std::optional<RunOutcome> CheckRunFields(FieldValues& f, bool searches) {
    InputChecks checks(f);
    if (searches) {
        const std::string search = Word(f.texts().text(SearchKindField));
        checks.Require(SearchKindField, search == kSearchGrid || search == kSearchEntryExit,
                       messages::kSearchUnknown);
        const std::optional<double> centres = checks.Value(CentresPerSide);
        const std::optional<double> radii = checks.Value(RadiiPerCentre);
        checks.Require(CentresPerSide, IsWholeIn(centres, 1, kMaxCentresPerSide),
                       messages::kCentresOutOfRange);
        checks.Require(RadiiPerCentre, IsWholeIn(radii, 1, kMaxRadiiPerCentre),
                       messages::kRadiiOutOfRange);
        const std::optional<double> slices = checks.Value(SliceCount);
        if (centres && radii && slices) {
            const double circles = *centres * *centres * *radii;
            checks.Require(CentresPerSide, circles <= kMaxCircles, messages::kTooManySlices);
            checks.Require(SliceCount, circles * *slices <= kMaxSlices, messages::kTooManySlices);
        }
    }
    const std::string own = Word(f.texts().text(OwnCircles));
    checks.Require(OwnCircles, own == "yes" || own == "no", messages::kOwnCirclesUnknown);
    const std::string overall = Word(f.texts().text(OverallSlope));
    checks.Require(OverallSlope, overall == "yes" || overall == "no",
                   messages::kOverallSlopeUnknown);
    if (overall == "yes") {
        checks.Require(OverallSlope, searches, messages::kOverallNeedsSearch);
        checks.Require(SurfacesPerTrial,
                       IsWholeIn(checks.Value(SurfacesPerTrial), 1, kMaxSurfacesPerTrial),
                       messages::kSurfacesOutOfRange);
    }
    checks.RequireRange(MinimumSafetyFactor, NumberRange::From(0.0, false),
                        messages::kMinimumFactorNotAboveZero);
    checks.RequireRange(MaximumFailurePercentage, NumberRange::Between(0.0, true, 100.0, true),
                        messages::kMaximumPercentageOutOfRange);
    return checks.Stop(MessageField);
}

bool HasImpenetrable(const Section& section) {
    return std::any_of(section.soils.begin(), section.soils.end(),
                       [](const Soil& soil) { return soil.model == SoilModel::Impenetrable; });
}

// The surface at the means: the given polyline, the given circle or the search's circle, with
// what the search found; or the message that says why there is none and the field to go to.
struct FoundSurface {
    std::optional<SlipSurface> surface;
    std::optional<SectionSearchResult> search;
    std::optional<SectionSearchSettings> settings;  // the search's, for a search
    std::string_view failure;
    int failureField = 0;
};

FoundSurface FindSurface(FieldValues& f, const SectionInputs& inputs,
                         const PreparedSection& prepared, AnalysisContext& context) {
    FoundSurface found;
    if (inputs.givenPolyline) {
        found.surface = *inputs.givenPolyline;
        return found;
    }
    const bool composite = HasImpenetrable(inputs.section);
    if (inputs.givenCircle) {
        CircleSurface circle = *inputs.givenCircle;
        circle.composite = composite;
        found.surface = circle;
        return found;
    }
    const std::optional<SectionFace> face = FaceOf(prepared);
    if (!face) {
        found.failure = messages::kNoFace;
        found.failureField = GroundTable;
        return found;
    }
    const int centres = static_cast<int>(f.Number(CentresPerSide));
    const int radii = static_cast<int>(f.Number(RadiiPerCentre));
    SectionSearchSettings settings;
    settings.grid = SectionAutoGrid(*face, centres, radii);
    settings.entryExit = SectionAutoEntryExit(*face);
    settings.entryExit.use = Word(f.texts().text(SearchKindField)) == kSearchEntryExit;
    settings.method = inputs.methods.front();
    settings.slices = inputs.sliceCount;
    settings.composite = composite;
    settings.widen = {true, true, true, true};
    settings.deepen = true;
    StartSteps(context.progress, ProgressUnit::SearchCentre, centres * centres);
    SectionSearchResult search =
        FindCriticalSectionCircle(prepared, settings, context.threads, context.progress);
    if (search.status != circle_search::SearchStatus::Found) {
        found.failure = messages::kNoUsableCircle;
        found.failureField = CentresPerSide;
        return found;
    }
    found.surface = search.critical;
    found.search = std::move(search);
    found.settings = settings;
    return found;
}

// The lowest circle of each centre the search judged, lowest first, at most kKeptLowestCircles.
std::vector<JudgedCircle> LowestCircles(const SectionSearchResult& search, bool composite) {
    std::vector<JudgedCircle> judged;
    for (const circle_search::CentreMinimum& centre : search.centres) {
        if (centre.found) {
            judged.push_back(
                {{centre.centreX, centre.centreY, centre.radius, composite}, centre.factor});
        }
    }
    const std::size_t kept = std::min(judged.size(), kKeptLowestCircles);
    std::partial_sort(
        judged.begin(), judged.begin() + static_cast<std::ptrdiff_t>(kept), judged.end(),
        [](const JudgedCircle& a, const JudgedCircle& b) { return a.factor < b.factor; });
    judged.resize(kept);
    return judged;
}

// A method's doubt about its factor on the critical circle, for the caution.
std::string DoubtsOf(SectionMethod method, const MethodResult& result) {
    std::string doubts;
    for (const MethodFlag flag :
         {MethodFlag::NoDrivingForce, MethodFlag::NotConverged, MethodFlag::NoCrossing,
          MethodFlag::SingularSlice, MethodFlag::SmallMAlpha, MethodFlag::NegativeEffectiveNormal,
          MethodFlag::NoMomentPoint}) {
        if (result.Has(flag)) {
            doubts += (doubts.empty() ? "" : ", ") + std::string(FlagName(flag));
        }
    }
    if (doubts.empty()) {
        return {};
    }
    return std::string(MethodName(method)) + (result.solved() ? ": " : " Has No Factor: ") +
           doubts + ". ";
}

void WriteOptional(FieldValues& f, int field, std::optional<double> value) {
    if (value) {
        f.WriteNumber(field, *value);
    } else {
        f.Write(field, "");
    }
}

std::string SearchCaution(const SectionSearchResult& search) {
    std::string caution;
    if (search.minimumOnGridEdge) {
        caution += "The Lowest Circle Lies on the Edge of the Search: Widen It. ";
    }
    if (search.widenings > 0) {
        caution += "The Search Widened Its Grid " + std::to_string(search.widenings) +
                   (search.widenings == 1 ? " Time" : " Times") + " to Take In the Lowest Circle. ";
    }
    if (search.criticalAtDepthLevel) {
        caution += "The Critical Circle Reaches the Search's Depth Limit. ";
    }
    return caution;
}

// Each further chosen method's own critical circle, by the search's settings; what it could not
// find goes into the caution.
std::vector<OwnCircle> OwnCirclesOf(const SectionInputs& inputs, const PreparedSection& prepared,
                                    const SectionSearchSettings& settings, AnalysisContext& context,
                                    std::string& caution) {
    std::vector<OwnCircle> circles;
    for (std::size_t m = 1; m < inputs.methods.size(); ++m) {
        ThrowIfCancelled(context.progress);
        SectionSearchSettings own = settings;
        own.method = inputs.methods[m];
        StartSteps(context.progress, ProgressUnit::SearchCentre,
                   own.grid.centresPerSide * own.grid.centresPerSide);
        const SectionSearchResult search =
            FindCriticalSectionCircle(prepared, own, context.threads, context.progress);
        OwnCircle circle;
        circle.method = own.method;
        if (search.status == circle_search::SearchStatus::Found) {
            circle.found = true;
            circle.circle = search.critical;
            circle.factor = search.method.factor;
        } else {
            caution += std::string(MethodName(own.method)) + " Finds No Circle of Its Own. ";
        }
        circles.push_back(circle);
    }
    return circles;
}

void WriteCaution(FieldValues& f, std::string caution) {
    while (!caution.empty() && caution.back() == ' ') {
        caution.pop_back();
    }
    f.Write(Caution, caution);
}

// The trials on the critical circle: all of a whole run, a part's range of a split one, or the
// given trials of a merge, which are summed as a whole run sums its own.
// With the overall slope, a part keeps each trial's overall surface after its draws.
SectionTrialsOutcome RunTrials(const SectionInputs& inputs, AnalysisContext& context,
                               const SlipSurface& surface, const OverallSlopeSearch* overall,
                               int trials) {
    const std::size_t width =
        inputs.uncertain.size() + (overall != nullptr ? kOverallValuesPerTrial : 0);
    if (const TrialRecords* given = context.GivenTrials(trials, width)) {
        return GivenSectionTrials(
            inputs, *given, overall != nullptr ? std::get_if<CircleSurface>(&surface) : nullptr);
    }
    const TrialRange range = context.TrialsToRun(trials);
    StartSteps(context.progress, ProgressUnit::Trial, range.count());
    return RunSectionTrials(inputs, context.sampling, surface, overall, trials, range,
                            context.uniforms, context.threads, context.progress);
}

// The overall slope's surfaces that trials failed on, the first kKeptFailedSurfaces in trial
// order.
std::vector<CircleSurface> FailedSurfaces(const SectionTrialsOutcome& evaluated) {
    std::vector<CircleSurface> failed;
    for (std::size_t i = 0; i < evaluated.overallFactors.size(); ++i) {
        if (failed.size() == kKeptFailedSurfaces) {
            break;
        }
        if (evaluated.results[i] == TrialResult::Usable && evaluated.overallFactors[i] < 1.0) {
            failed.push_back(evaluated.overallSurfaces[i]);
        }
    }
    return failed;
}

// The overall slope's figures, summed as the surface's are.
void WriteOverallFigures(FieldValues& f, const SectionTrialsOutcome& evaluated) {
    const SectionTrialStatistics& overall = *evaluated.overallStatistics;
    std::vector<double> usable;
    usable.reserve(static_cast<std::size_t>(overall.usable));
    for (std::size_t i = 0; i < evaluated.results.size(); ++i) {
        if (evaluated.results[i] == TrialResult::Usable) {
            usable.push_back(evaluated.overallFactors[i]);
        }
    }
    f.WriteNumber(OverallFailurePercentage, overall.failurePercent);
    WriteMean(f, usable, OverallMeanFactor);
    f.WriteNumber(OverallFactorStdDev, overall.distribution.standardDeviation);
    WriteOptional(f, OverallReliabilityIndex, overall.distribution.reliabilityIndex);
    WriteOptional(f, OverallLognormalReliabilityIndex, overall.lognormalReliabilityIndex);
}

// A part's trials, each as drawn and worked out with its TrialResult as status, for its part
// file; no figure is written from them.
RunOutcome PartOutcome(const SectionTrialsOutcome& evaluated, std::size_t width, TrialRange range,
                       int trials) {
    const bool overall = evaluated.overallStatistics.has_value();
    TrialRecords records(range, trials, width + (overall ? kOverallValuesPerTrial : 0));
    std::vector<double> values;
    for (std::size_t i = 0; i < evaluated.results.size(); ++i) {
        const std::span<const double> drawn = std::span(evaluated.drawn).subspan(i * width, width);
        values.assign(drawn.begin(), drawn.end());
        if (overall) {
            const CircleSurface& surface = evaluated.overallSurfaces[i];
            values.insert(values.end(), {evaluated.overallFactors[i], surface.centreX,
                                         surface.centreY, surface.radius});
        }
        records.Add(values, evaluated.factors[i], static_cast<int>(evaluated.results[i]));
    }
    RunOutcome outcome;
    outcome.end = RunOutcome::End::Completed;
    outcome.trials = records.count();
    outcome.trialFactors = records.factors;
    outcome.partTrials = std::move(records);
    return outcome;
}

}  // namespace

RunOutcome RunSlopeSection(FieldTexts& fields, AnalysisContext& context) {
    FieldValues f(fields, context.locale);
    f.Write(ExplanationField, kExplanation);
    for (const int field : kResultFields) {
        f.Write(field, "");
    }
    const SectionRead read = ReadSectionInputs(fields, context.locale);
    if (const auto* fault = std::get_if<SectionInputFault>(&read)) {
        f.Write(MessageField, fault->Text());
        return RunOutcome::StoppedAt(fault->field);
    }
    const SectionInputs& inputs = std::get<SectionInputs>(read);
    const bool fixedData =
        std::all_of(inputs.uncertain.begin(), inputs.uncertain.end(),
                    [](const SoilUncertainInput& input) { return input.sd == 0.0; });
    const CountFields countFields{TrialCount, MessageField, FailureProbability, MeanSafetyFactor,
                                  messages::kCountNotAboveOne};
    if (!fixedData) {
        if (RejectCountNotAboveOne(f, countFields)) {
            return RunOutcome::StoppedAt(TrialCount);
        }
        if (f.Number(TrialCount) > kMaxTrials) {
            f.Write(MessageField, messages::kCountAboveLimit);
            return RunOutcome::StoppedAt(TrialCount);
        }
    }
    if (std::optional<RunOutcome> stopped =
            CheckRunFields(f, !inputs.givenCircle && !inputs.givenPolyline)) {
        return *stopped;
    }
    const double minimumFactor = f.Number(MinimumSafetyFactor);
    const double maximumPercentage = f.Number(MaximumFailurePercentage);
    const bool overallSlope = Word(f.texts().text(OverallSlope)) == "yes";

    const PreparedSection prepared(inputs.section);
    const FoundSurface found = FindSurface(f, inputs, prepared, context);
    auto& kept = context.kept.Of<SectionKeptTables>();
    kept = SectionKeptTables{};
    if (!found.surface) {
        f.Write(MessageField, found.failure);
        return RunOutcome::StoppedAt(found.failureField);
    }
    ThrowIfCancelled(context.progress);

    // Every chosen method on the circle at the means, with its slices.
    SurfaceEvaluator evaluator(prepared);
    EvaluationRequest request;
    request.methods = 0;
    for (const SectionMethod method : inputs.methods) {
        request.methods |= MethodBit(method);
    }
    request.sliceCount = inputs.sliceCount;
    request.sliceTable = true;
    const SurfaceEvaluation& evaluation = evaluator.Evaluate(*found.surface, request);
    const SectionMethod first = inputs.methods.front();
    const auto* circle = std::get_if<CircleSurface>(&*found.surface);
    const int givenField = circle != nullptr ? GivenRadius : GivenSurfaceTable;
    if (evaluation.status != SurfaceStatus::Valid) {
        f.Write(MessageField,
                circle != nullptr ? messages::kGivenCircleNoMass : messages::kGivenSurfaceNoMass);
        return RunOutcome::StoppedAt(givenField);
    }
    const MethodResult& governing = evaluation.result(first);
    if (!governing.solved() || governing.Has(MethodFlag::SmallMAlpha)) {
        f.Write(MessageField, circle != nullptr ? messages::kGivenCircleNoFactor
                                                : messages::kGivenSurfaceNoFactor);
        return RunOutcome::StoppedAt(givenField);
    }

    kept.hasSurface = true;
    if (circle != nullptr) {
        kept.critical = *circle;
    } else {
        kept.polyline = inputs.givenPolyline->points;
    }
    kept.located = evaluation.located;
    kept.momentPoint = evaluation.momentPoint;
    for (const Soil& soil : inputs.section.soils) {
        kept.soilNames.push_back(soil.name);
    }
    std::string caution;
    if (found.search) {
        kept.searched = true;
        kept.grid = found.search->grid;
        kept.entryExit = found.settings->entryExit;
        kept.lowest = LowestCircles(*found.search, circle->composite);
        caution += SearchCaution(*found.search);
    }
    if (circle != nullptr) {
        f.WriteNumber(CriticalCentreX, circle->centreX);
        f.WriteNumber(CriticalCentreY, circle->centreY);
        f.WriteNumber(CriticalRadius, circle->radius);
    }
    f.WriteNumber(EntryX, evaluation.located.entryX);
    f.WriteNumber(EntryY, evaluation.located.entryY);
    f.WriteNumber(ExitX, evaluation.located.exitX);
    f.WriteNumber(ExitY, evaluation.located.exitY);
    for (const SectionMethod method : inputs.methods) {
        const MethodResult& result = evaluation.result(method);
        const MethodFields& at = kMethodFields[static_cast<std::size_t>(method)];
        if (result.solved()) {
            f.WriteNumber(at.factor, result.factor);
            if (at.lambda != 0) {
                f.WriteNumber(at.lambda, result.lambda);
            }
        }
        caution += DoubtsOf(method, result);
        kept.methods.push_back({method, result, evaluation.rows(method)});
    }
    const double factorAtMeans = governing.factor;
    if (found.settings && Word(f.texts().text(OwnCircles)) == "yes") {
        kept.ownCircles = OwnCirclesOf(inputs, prepared, *found.settings, context, caution);
    }

    if (fixedData) {
        f.Write(TrialCount, "1");
        const double failurePercentage = factorAtMeans < 1.0 ? 100.0 : 0.0;
        f.WriteNumber(MeanSafetyFactor, factorAtMeans);
        f.WriteNumber(FailureProbability, failurePercentage);
        if (found.search && overallSlope) {
            // Without spread every trial is the one at the means, whose lowest surface is the
            // critical one.
            f.WriteNumber(OverallFailurePercentage, failurePercentage);
            f.WriteNumber(OverallMeanFactor, factorAtMeans);
        }
        f.Write(MessageField, messages::Verdict(factorAtMeans, failurePercentage, minimumFactor,
                                                maximumPercentage, true));
        WriteCaution(f, std::move(caution));
        RunOutcome outcome;
        outcome.end = RunOutcome::End::FixedData;
        outcome.trials = 1;
        outcome.trialFactors.push_back(factorAtMeans);
        return outcome;
    }

    std::optional<OverallSlopeSearch> overall;
    if (overallSlope) {
        overall.emplace();
        overall->settings = *found.settings;
        overall->settings.grid = found.search->grid;
        overall->starts =
            DistinctLowestSurfaces(*found.search, FaceOf(prepared)->height(), circle->composite,
                                   static_cast<int>(f.Number(SurfacesPerTrial)));
    }
    const int trials = static_cast<int>(std::floor(f.Number(TrialCount)));
    const SectionTrialsOutcome evaluated =
        RunTrials(inputs, context, *found.surface, overall ? &*overall : nullptr, trials);
    if (context.part) {
        return PartOutcome(evaluated, inputs.uncertain.size(), context.TrialsToRun(trials), trials);
    }
    const SectionTrialStatistics& statistics = evaluated.statistics;
    if (statistics.usable == 0) {
        f.Write(MessageField, messages::kNoUsableTrial);
        return RunOutcome::Stopped(trials);
    }
    RunOutcome outcome;
    outcome.end = RunOutcome::End::Completed;
    outcome.trials = statistics.usable;
    outcome.outOfRange = evaluated.outOfRange;
    outcome.trialFactors.reserve(static_cast<std::size_t>(statistics.usable));
    for (std::size_t i = 0; i < evaluated.results.size(); ++i) {
        if (evaluated.results[i] == TrialResult::Usable) {
            outcome.trialFactors.push_back(evaluated.factors[i]);
        }
    }
    f.WriteNumber(FailureProbability, statistics.failurePercent);
    WriteMean(f, outcome.trialFactors, MeanSafetyFactor);
    f.Write(MessageField, messages::Verdict(factorAtMeans, statistics.failurePercent, minimumFactor,
                                            maximumPercentage, false));
    f.WriteNumber(FactorStdDev, statistics.distribution.standardDeviation);
    WriteOptional(f, ReliabilityIndex, statistics.distribution.reliabilityIndex);
    WriteOptional(f, LognormalReliabilityIndex, statistics.lognormalReliabilityIndex);
    if (overall) {
        WriteOverallFigures(f, evaluated);
        kept.failedSurfaces = FailedSurfaces(evaluated);
    }
    if (const int left = statistics.trials - statistics.usable; left > 0) {
        caution += std::to_string(left) + " of " + std::to_string(statistics.trials) +
                   " Trials Had No Usable Factor and Were Left Out. ";
    }
    WriteCaution(f, std::move(caution));
    return outcome;
}

}  // namespace vardolin::section

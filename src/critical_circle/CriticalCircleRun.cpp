// SPDX-License-Identifier: MIT
#include "critical_circle/CriticalCircleRun.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "analysis/AnalysisDescription.h"
#include "analysis/CommonInputChecks.h"
#include "analysis/CountChecks.h"
#include "analysis/InputChecks.h"
#include "analysis/MeanReport.h"
#include "analysis/OutOfRangeDraws.h"
#include "analysis/ParameterDraws.h"
#include "analysis/RunMessages.h"
#include "analysis/TrialDraws.h"
#include "critical_circle/AcceptanceVerdict.h"
#include "critical_circle/CircleSearch.h"
#include "critical_circle/CircleTrials.h"
#include "critical_circle/CriticalCircleFields.h"
#include "critical_circle/CriticalCircleKeptTables.h"
#include "critical_circle/CriticalCircleLimits.h"
#include "critical_circle/DrawnCircleTrials.h"
#include "critical_circle/SliceTable.h"
#include "critical_circle/TrialStatistics.h"
#include "critical_circle/UnitsCaution.h"
#include "fields/FieldValues.h"
#include "numerics/RunTimeError.h"

namespace vardolin {

namespace {

using namespace critical;

// A search's work goes with its circles and, within each, with its slices. Past these bounds a
// search (and the sensitivity curves' hundred searches after a run) would take minutes to
// hours: a million circles of 50 slices take about a second on one core.
constexpr double kMaxGridCircles = 1'000'000;
constexpr double kMaxGridSlices = 50'000'000;

constexpr std::string_view kExplanation = "This Software Used in The Critical Circle (Bishop)";

constexpr std::array<int, 13> kCircleResults{
    CriticalCentreX, CriticalCentreY,  CriticalRadius,
    EntryX,          EntryY,           ExitX,
    ExitY,           OrdinaryFactor,   BishopFactor,
    FactorStdDev,    ReliabilityIndex, LognormalReliabilityIndex,
    SearchWarning};

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

bool IsGridText(std::string_view text) {
    std::string word;
    for (const char c : text) {
        if (c != ' ' && c != '\t') {
            word += static_cast<char>(c | 0x20);
        }
    }
    return word == "grid";
}

// Whether the given-circle fields ask for one circle: all three filled. Some but not all
// filled is an input to correct: the first empty one.
struct GivenCircleMode {
    bool given = false;
    std::optional<int> firstEmpty;
};

GivenCircleMode GivenMode(const FieldTexts& texts) {
    GivenCircleMode mode;
    int filled = 0;
    for (const int field : {GivenCentreX, GivenCentreY, GivenRadius}) {
        if (IsBlank(texts.text(field))) {
            mode.firstEmpty = mode.firstEmpty.value_or(field);
        } else {
            ++filled;
        }
    }
    mode.given = filled == 3;
    if (filled == 0) {
        mode.firstEmpty.reset();
    }
    return mode;
}

std::optional<bool> IsWholeIn(std::optional<double> value, int lowest, int highest) {
    if (!value) {
        return std::nullopt;
    }
    return *value == std::floor(*value) && *value >= lowest && *value <= highest;
}

void RequireOrder(InputChecks& checks, int fromField, int toField, std::string_view message) {
    const std::optional<double> from = checks.Value(fromField);
    const std::optional<double> to = checks.Value(toField);
    if (from && to) {
        checks.Require(fromField, *from <= *to, message);
    }
}

// Inputs that describe no slope, soil or search a run could stand for, stopped before anything
// is drawn; the first that fails names its field.
std::optional<RunOutcome> CheckInputs(FieldValues& f, const GivenCircleMode& mode) {
    InputChecks checks(f);
    const NumberRange aboveZero = NumberRange::From(0.0, false);
    const NumberRange fromZero = NumberRange::From(0.0);
    checks.RequireRange(SlopeHeight, aboveZero, messages::kCircleSlopeHeightNotAboveZero);
    checks.RequireRange(FaceAngle, NumberRange::Between(0.0, false, 90.0, true),
                        messages::kCircleFaceAngleOutOfRange);
    checks.Require(SliceCount, IsWholeIn(checks.Value(SliceCount), kMinSlices, kMaxSlices),
                   messages::kSliceCountOutOfRange);
    checks.RequireAveragesInRange(kCircleInputs);
    for (const UncertainInput& input : kCircleInputs) {
        checks.RequireRange(input.sdField, fromZero, messages::kDeviationBelowZero);
    }
    if (mode.firstEmpty) {
        checks.Require(*mode.firstEmpty, false, messages::kGivenCircleIncomplete);
    } else if (mode.given) {
        checks.RequireRange(GivenRadius, aboveZero, messages::kGivenRadiusNotAboveZero);
    } else {
        const std::string method = f.texts().text(SearchMethod);
        checks.Require(SearchMethod, IsGridText(method) || IsEntryExitText(method),
                       messages::kSearchMethodUnknown);
        if (IsEntryExitText(method)) {
            RequireOrder(checks, EntryXFrom, EntryXTo, messages::kEntryRangeOutOfOrder);
            RequireOrder(checks, ExitXFrom, ExitXTo, messages::kExitRangeOutOfOrder);
        } else {
            RequireOrder(checks, GridXFrom, GridXTo, messages::kGridXOutOfOrder);
            RequireOrder(checks, GridYFrom, GridYTo, messages::kGridYOutOfOrder);
        }
        checks.Require(CentresPerSide,
                       IsWholeIn(checks.Value(CentresPerSide), 1, kMaxCentresPerSide),
                       messages::kCentresOutOfRange);
        checks.Require(RadiiPerCentre,
                       IsWholeIn(checks.Value(RadiiPerCentre), 1, kMaxRadiiPerCentre),
                       messages::kRadiiOutOfRange);
        const std::optional<double> centres = checks.Value(CentresPerSide);
        const std::optional<double> radii = checks.Value(RadiiPerCentre);
        const std::optional<double> slices = checks.Value(SliceCount);
        if (centres && radii && slices) {
            const double circles = *centres * *centres * *radii;
            checks.Require(CentresPerSide, circles <= kMaxGridCircles, messages::kTooManyCircles);
            checks.Require(SliceCount, circles * *slices <= kMaxGridSlices,
                           messages::kTooManyCircles);
        }
        checks.RequireRange(DepthBelowToe, fromZero, messages::kDepthBelowZero);
    }
    checks.RequireRange(MinimumSafetyFactor, aboveZero, messages::kMinimumFactorNotAboveZero);
    checks.RequireRange(MaximumFailurePercentage, NumberRange::Between(0.0, true, 100.0, true),
                        messages::kMaximumPercentageOutOfRange);
    return checks.Stop(MessageField);
}

// A count above one million: its message, naming the count to correct; the results of the
// last run stay, muted by the window as those of other inputs.
bool RejectCountAboveLimit(FieldValues& f) {
    if (f.Number(TrialCount) <= kMaxTrials) {
        return false;
    }
    f.Write(MessageField, messages::kCircleCountAboveLimit);
    return true;
}

SoilValues MeansOf(FieldValues& f) {
    SoilValues soil;
    soil.cohesion = f.Number(SoilCohesionMean);
    soil.frictionAngle = f.Number(FrictionMean);
    soil.unitWeight = f.Number(UnitWeightMean);
    soil.poreRatio = f.Number(PoreRatioMean);
    return soil;
}

// The grid typed on the form, its Auto sides placed from the slope; which sides may widen.
struct FormGrid {
    SearchGrid grid;
    GridSides autoSides;
    bool autoDepth = false;
};

FormGrid GridOf(FieldValues& f, const FieldTexts& texts, const SimpleSlope& slope, bool entryExit) {
    FormGrid form;
    const SearchGrid placed = AutoGrid(slope, 0, 0);
    const auto side = [&](int field, double autoValue, bool& isAuto) {
        // The entry-exit search has no grid of centres: only its counts and depth are read.
        isAuto = entryExit || IsAutoText(texts.text(field));
        return isAuto ? autoValue : f.Number(field);
    };
    GridSides& a = form.autoSides;
    SearchGrid& g = form.grid;
    g.xFrom = side(GridXFrom, placed.xFrom, a.left);
    g.xTo = side(GridXTo, placed.xTo, a.right);
    g.yFrom = side(GridYFrom, placed.yFrom, a.bottom);
    g.yTo = side(GridYTo, placed.yTo, a.top);
    g.centresPerSide = static_cast<int>(f.Number(CentresPerSide));
    g.radiiPerCentre = static_cast<int>(f.Number(RadiiPerCentre));
    form.autoDepth = IsAutoText(texts.text(DepthBelowToe));
    g.depthBelowToe = form.autoDepth ? placed.depthBelowToe : f.Number(DepthBelowToe);
    // A placed side that would pass a typed one keeps the placed grid's extent beyond it.
    if (g.xFrom > g.xTo) {
        (a.left ? g.xFrom : g.xTo) = a.left ? g.xTo - (placed.xTo - placed.xFrom) / 2.0
                                            : g.xFrom + (placed.xTo - placed.xFrom) / 2.0;
    }
    if (g.yFrom > g.yTo) {
        (a.bottom ? g.yFrom : g.yTo) = a.bottom ? g.yTo - (placed.yTo - placed.yFrom) / 2.0
                                                : g.yFrom + (placed.yTo - placed.yFrom) / 2.0;
    }
    return form;
}

// The entry and exit ranges typed on the form, their Auto ends placed from the slope.
EntryExitRanges RangesOf(FieldValues& f, const FieldTexts& texts, const SimpleSlope& slope) {
    const EntryExitRanges placed = AutoEntryExit(slope);
    const auto end = [&](int field, double autoValue) {
        return IsAutoText(texts.text(field)) ? autoValue : f.Number(field);
    };
    EntryExitRanges ranges;
    ranges.use = true;
    ranges.entryFrom = end(EntryXFrom, placed.entryFrom);
    ranges.entryTo = end(EntryXTo, placed.entryTo);
    ranges.exitFrom = end(ExitXFrom, placed.exitFrom);
    ranges.exitTo = end(ExitXTo, placed.exitTo);
    // A placed end that would pass a typed one meets it.
    ranges.entryTo = std::max(ranges.entryTo, ranges.entryFrom);
    ranges.exitTo = std::max(ranges.exitTo, ranges.exitFrom);
    return ranges;
}

// The circle at the averages, or the message that says why there is none.
struct FoundCircle {
    std::optional<CircleEvaluation> circle;
    std::optional<SearchResult> search;  // the search's result, for a search
    EntryExitRanges entryExit;           // the ranges searched, for an entry-exit search
    std::string_view failure;
    int failureField = 0;
};

FoundCircle FindCircle(FieldValues& f, bool given, int threads, RunProgress* progress) {
    const std::optional<SimpleSlope> slope =
        SimpleSlope::Make(f.Number(SlopeHeight), f.Number(FaceAngle));
    if (!slope) {
        throw RunTimeError(ErrorCode::Overflow);  // the checks let no such slope through
    }
    const int slices = static_cast<int>(f.Number(SliceCount));
    const SoilValues means = MeansOf(f);
    FoundCircle found;
    if (given) {
        const Circle circle{f.Number(GivenCentreX), f.Number(GivenCentreY), f.Number(GivenRadius)};
        CircleEvaluation analysis = AnalyseCircle(*slope, means, circle, slices);
        if (analysis.located.status != CircleStatus::Valid) {
            found.failure = messages::kGivenCircleNoMass;
            found.failureField = GivenRadius;
        } else if (!analysis.factors.usable()) {
            found.failure = messages::kGivenCircleNoFactor;
            found.failureField = GivenRadius;
        } else {
            found.circle = std::move(analysis);
        }
        return found;
    }
    const bool entryExit = IsEntryExitText(f.texts().text(SearchMethod));
    const FormGrid form = GridOf(f, f.texts(), *slope, entryExit);
    SearchSettings settings;
    settings.grid = form.grid;
    if (entryExit) {
        settings.entryExit = RangesOf(f, f.texts(), *slope);
        found.entryExit = settings.entryExit;
    }
    settings.widen = form.autoSides;
    settings.deepen = form.autoDepth;
    settings.slices = slices;
    if (progress != nullptr) {
        progress->unit.store(ProgressUnit::SearchCentre);
        progress->stepsDone.store(0);
        progress->stepsTotal.store(settings.grid.centresPerSide * settings.grid.centresPerSide);
    }
    SearchResult search = FindCriticalCircle(*slope, means, settings, threads, progress);
    if (search.status != SearchStatus::Found) {
        found.failure = messages::kNoUsableCircle;
        found.failureField = GridXFrom;
        return found;
    }
    found.circle = search.critical;
    found.search = std::move(search);
    return found;
}

void KeepCircle(AnalysisContext& context, FieldValues& f, const FoundCircle& found) {
    auto& kept = context.kept.Of<CriticalCircleKeptTables>();
    kept = CriticalCircleKeptTables{};
    if (found.search) {
        kept.grid = found.search->grid;
        kept.entryExit = found.entryExit;
        kept.centres = found.search->centres;
        kept.refinedPath = found.search->refinedPath;
    }
    if (found.circle) {
        kept.hasCircle = true;
        kept.critical = *found.circle;
        kept.sliceTable =
            TabulateSlices(found.circle->slices, MeansOf(f), found.circle->factors.bishop);
    }
}

void WriteCircle(FieldValues& f, const CircleEvaluation& circle) {
    f.WriteNumber(CriticalCentreX, circle.circle.centreX);
    f.WriteNumber(CriticalCentreY, circle.circle.centreY);
    f.WriteNumber(CriticalRadius, circle.circle.radius);
    f.WriteNumber(EntryX, circle.located.entryX);
    f.WriteNumber(EntryY, circle.located.entryY);
    f.WriteNumber(ExitX, circle.located.exitX);
    f.WriteNumber(ExitY, circle.located.exitY);
    f.WriteNumber(OrdinaryFactor, circle.factors.ordinary);
    f.WriteNumber(BishopFactor, circle.factors.bishop);
}

// A figure for a caution: three significant digits, rounded away from the grid (up for a side
// to raise, down for one to lower), so that the figure given lies beyond what was found.
std::string Beyond(double value, bool up, const NumberLocale& locale) {
    if (value == 0.0 || !std::isfinite(value)) {
        return DoubleToText(value, locale);
    }
    // k units of 10^exponent; a division by an exact power of ten gives the double nearest the
    // decimal figure, which is then written as that figure.
    const int exponent = static_cast<int>(std::floor(std::log10(std::abs(value)))) - 2;
    const double power = std::pow(10.0, std::abs(exponent));
    const double units = exponent >= 0 ? value / power : value * power;
    const double k = up ? std::ceil(units) : std::floor(units);
    return DoubleToText(exponent >= 0 ? k * power : k / power, locale);
}

// One side of the grid: the grid's lowest circle on it, or the critical centre beyond it,
// says which input to move and past what figure.
struct SideCaution {
    bool onSide;
    bool beyond;  // the critical centre lies beyond the side
    double side;  // the side's coordinate
    double centre;
    bool up;  // the input is to be raised
    std::string_view name;
    std::string_view input;
};

std::string CautionOf(const SideCaution& s, bool entryExit, const NumberLocale& locale,
                      std::string_view lengthUnit) {
    if (!s.onSide && !s.beyond) {
        return {};
    }
    const std::string figure = Beyond(s.beyond ? s.centre : s.side, s.up, locale);
    const std::string name(s.name);
    const std::string where =
        entryExit  ? (s.onSide ? "The Lowest Circle Is at an End of the " + name + " Range"
                               : "The Critical Circle's " + name + " Lies beyond Its Range")
        : s.onSide ? "The Lowest Circle Is on the Grid's " + name + " Edge"
                   : "The Critical Centre Lies beyond the Grid's " + name + " Edge";
    return where + ": " + (s.up ? "Raise '" : "Lower '") + std::string(s.input) + "' " +
           (s.up ? "above " : "below ") + figure + " " + std::string(lengthUnit) + ". ";
}

// What the search's end tells the user, and what to do about it; empty when nothing applies.
// Lengths are named in `lengthUnit`, the model's unit of length.
std::string SearchCaution(FieldValues& f, const FoundCircle& found, std::string_view lengthUnit) {
    if (!found.search) {
        return {};
    }
    const SearchResult& search = *found.search;
    const SearchGrid& grid = search.grid;
    const Circle& c = search.critical.circle;
    const GridSides& sides = search.minimumOnSides;
    const NumberLocale& locale = f.locale();
    std::string caution;
    const std::array<SideCaution, 4> gridSides{{
        {sides.top, c.centreY > grid.yTo, grid.yTo, c.centreY, true, "Top", "Centre y to"},
        {sides.bottom, c.centreY < grid.yFrom, grid.yFrom, c.centreY, false, "Bottom",
         "Centre y from"},
        {sides.left, c.centreX < grid.xFrom, grid.xFrom, c.centreX, false, "Left", "Centre x from"},
        {sides.right, c.centreX > grid.xTo, grid.xTo, c.centreX, true, "Right", "Centre x to"},
    }};
    // The entry range's ends are the bottom and top sides, the exit range's the left and right.
    const EntryExitRanges& e = found.entryExit;
    const double entryX = search.critical.located.entryX;
    const double exitX = search.critical.located.exitX;
    const std::array<SideCaution, 4> rangeEnds{{
        {sides.top, entryX > e.entryTo, e.entryTo, entryX, true, "Entry", "Entry x to"},
        {sides.bottom, entryX < e.entryFrom, e.entryFrom, entryX, false, "Entry", "Entry x from"},
        {sides.left, exitX < e.exitFrom, e.exitFrom, exitX, false, "Exit", "Exit x from"},
        {sides.right, exitX > e.exitTo, e.exitTo, exitX, true, "Exit", "Exit x to"},
    }};
    for (const SideCaution& side : e.use ? rangeEnds : gridSides) {
        caution += CautionOf(side, e.use, locale, lengthUnit);
    }
    if (search.widenings > 0) {
        caution += "The Search Widened the Auto Grid " + std::to_string(search.widenings) +
                   (search.widenings == 1 ? " Time" : " Times") + " to Take In the Lowest Circle. ";
    }
    if (search.criticalAtDepthLevel) {
        caution +=
            "The Critical Circle Reaches the Depth Limit: Set 'Depth below Toe' Deeper than " +
            DoubleToText(grid.depthBelowToe, locale) + " " + std::string(lengthUnit) + ". ";
    }
    if (search.criticalTangentBeforeToe) {
        caution += "Circles Tangent to the Ground in Front of the Toe Bound the Search Here. ";
    }
    return caution;
}

void WriteCaution(FieldValues& f, std::string caution) {
    while (!caution.empty() && caution.back() == ' ') {
        caution.pop_back();
    }
    f.Write(SearchWarning, caution);
}

AcceptanceCriteria CriteriaOf(FieldValues& f) {
    return {f.Number(MinimumSafetyFactor), f.Number(MaximumFailurePercentage)};
}

RunOutcome RunFixedData(FieldValues& f, const CircleEvaluation& circle,
                        const AcceptanceCriteria& criteria, const std::string& caution) {
    f.Write(TrialCount, "1");
    const double factor = circle.factors.bishop;
    const double failurePercentage = factor < 1.0 ? 100.0 : 0.0;
    f.WriteNumber(MeanSafetyFactor, factor);
    f.WriteNumber(FailureProbability, failurePercentage);
    f.Write(MessageField, AcceptanceVerdict(factor, failurePercentage, criteria, true));
    WriteCaution(f, caution);
    RunOutcome outcome;
    outcome.end = RunOutcome::End::FixedData;
    outcome.trials = 1;
    outcome.trialFactors.push_back(factor);
    return outcome;
}

void WriteOptional(FieldValues& f, int field, std::optional<double> value) {
    if (value) {
        f.WriteNumber(field, *value);
    } else {
        f.Write(field, "");
    }
}

UncertainSoil SoilOf(FieldValues& f) {
    UncertainSoil soil;
    soil.mean = MeansOf(f);
    soil.sd.cohesion = f.Number(SoilCohesionStdDev);
    soil.sd.frictionAngle = f.Number(FrictionStdDev);
    soil.sd.unitWeight = f.Number(UnitWeightStdDev);
    soil.sd.poreRatio = f.Number(PoreRatioStdDev);
    return soil;
}

// The given trials of a merge, as the run would have drawn and worked them out.
CircleTrialsOutcome GivenTrials(const TrialRecords& given) {
    CircleTrialsOutcome outcome;
    outcome.drawn.reserve(static_cast<std::size_t>(given.count()));
    for (int i = 0; i < given.count(); ++i) {
        const std::span<const double> values = given.valuesOf(i);
        outcome.drawn.push_back(SoilValues{values[0], values[1], values[2], values[3]});
        outcome.statuses.push_back(static_cast<FactorStatus>(given.statusOf(i)));
    }
    outcome.factors = given.factors;
    outcome.statistics = SummariseTrials(outcome.factors, outcome.statuses);
    return outcome;
}

// The trials as the sampling choices ask. Plain normal draws are drawn and worked out together
// on every thread; other choices draw every trial in order on this thread first (a Latin
// hypercube shuffles its strata over all of them), then work them out on every thread. A part
// of a split run draws and works out its range only; a merge takes them all as given.
CircleTrialsOutcome RunTrials(FieldValues& f, AnalysisContext& context,
                              const CircleEvaluation& circle, int trials) {
    if (const TrialRecords* given = context.GivenTrials(trials, kCircleInputs.size())) {
        return GivenTrials(*given);
    }
    const TrialRange range = context.TrialsToRun(trials);
    RunProgress* progress = context.progress;
    if (progress != nullptr) {
        progress->unit.store(ProgressUnit::Trial);
        progress->stepsDone.store(0);
        progress->stepsTotal.store(range.count());
    }
    if (context.sampling.drawsPlainly()) {
        // Trial i takes the values from 4i on, so a part starts 4 values a trial further on.
        context.uniforms.Skip(static_cast<std::uint64_t>(range.begin) * kDrawsPerTrial);
        return RunCircleTrials(circle.slices, SoilOf(f), range.count(), context.uniforms,
                               context.threads, progress);
    }
    TrialDraws sampled(kCircleInputs, kCirclePairs, f, context.sampling, trials, context.uniforms);
    sampled.Skip(range.begin);
    CircleTrialsOutcome outcome;
    outcome.drawn.resize(static_cast<std::size_t>(range.count()));
    for (SoilValues& soil : outcome.drawn) {
        const std::span<const double> values = sampled.Next();
        soil = SoilValues{values[0], values[1], values[2], values[3]};
    }
    DrawnTrialFactors evaluated =
        EvaluateDrawnTrials(circle.slices, outcome.drawn, context.threads, progress);
    outcome.factors = std::move(evaluated.factors);
    outcome.statuses = std::move(evaluated.statuses);
    outcome.statistics = SummariseTrials(outcome.factors, outcome.statuses);
    return outcome;
}

// A part's trials, each as drawn and worked out, for its part file.
RunOutcome PartOutcome(const CircleTrialsOutcome& evaluated, TrialRange range, int trials) {
    TrialRecords records(range, trials, kCircleInputs.size());
    for (std::size_t i = 0; i < evaluated.drawn.size(); ++i) {
        const SoilValues& soil = evaluated.drawn[i];
        const std::array<double, 4> values{soil.cohesion, soil.frictionAngle, soil.unitWeight,
                                           soil.poreRatio};
        records.Add(values, evaluated.factors[i], static_cast<int>(evaluated.statuses[i]));
    }
    RunOutcome outcome;
    outcome.end = RunOutcome::End::Completed;
    outcome.trials = records.count();
    outcome.trialFactors = records.factors;
    outcome.partTrials = std::move(records);
    return outcome;
}

RunOutcome RunMonteCarlo(FieldValues& f, AnalysisContext& context, const CircleEvaluation& circle,
                         const AcceptanceCriteria& criteria, std::string caution) {
    const int trials = static_cast<int>(std::floor(f.Number(TrialCount)));
    ThrowIfCancelled(context.progress);
    const CircleTrialsOutcome evaluated = RunTrials(f, context, circle, trials);
    if (context.part) {
        return PartOutcome(evaluated, context.TrialsToRun(trials), trials);
    }
    const TrialStatistics& statistics = evaluated.statistics;
    if (statistics.usable == 0) {
        f.Write(MessageField, messages::kNoUsableTrial);
        return RunOutcome::Stopped(trials);
    }

    // The distribution is that of the trials with a usable factor, and the scatter of what
    // they drew, renumbered so that each row stays beside its factor.
    RunOutcome outcome;
    outcome.end = RunOutcome::End::Completed;
    outcome.trials = statistics.usable;
    outcome.draws = ParameterDraws(kCircleInputs, statistics.usable);
    // Every trial drawn counts, a trial without a usable factor among them.
    const std::vector<NumberRange> ranges =
        DrawRanges(kCircleInputs, [&](int field) { return f.Number(field); });
    OutOfRangeTally outOfRange;
    outcome.trialFactors.reserve(static_cast<std::size_t>(statistics.usable));
    for (std::size_t i = 0; i < evaluated.drawn.size(); ++i) {
        const SoilValues& soil = evaluated.drawn[i];
        const std::array<double, 4> values{soil.cohesion, soil.frictionAngle, soil.unitWeight,
                                           soil.poreRatio};
        outOfRange.AddTrial(OutsideRanges(ranges, values));
        if (evaluated.statuses[i] != FactorStatus::Valid) {
            continue;
        }
        outcome.trialFactors.push_back(evaluated.factors[i]);
        outcome.draws.Keep(static_cast<int>(outcome.trialFactors.size()), values);
    }
    outcome.outOfRange = outOfRange.Counts(kCircleInputs);
    f.WriteNumber(FailureProbability, statistics.failurePercent);
    WriteMean(f, outcome.trialFactors, MeanSafetyFactor);
    f.Write(MessageField,
            AcceptanceVerdict(circle.factors.bishop, statistics.failurePercent, criteria, false));
    f.WriteNumber(FactorStdDev, statistics.standardDeviation);
    WriteOptional(f, ReliabilityIndex, statistics.reliabilityIndex);
    WriteOptional(f, LognormalReliabilityIndex, statistics.lognormalReliabilityIndex);
    if (const int left = statistics.trials - statistics.usable; left > 0) {
        caution += std::to_string(left) + " of " + std::to_string(statistics.trials) +
                   " Trials Had No Usable Factor and Were Left Out. ";
    }
    WriteCaution(f, std::move(caution));
    return outcome;
}

}  // namespace

double CriticalCircleFactorAtMeans(FieldTexts& fields, const AnalysisContext& context) {
    FieldValues f(fields, context.locale);
    const GivenCircleMode mode = GivenMode(fields);
    if (CheckInputs(f, mode)) {
        throw NoFactorAtMeans(fields.text(MessageField));
    }
    const FoundCircle found = FindCircle(f, mode.given, context.threads, nullptr);
    if (!found.circle) {
        throw NoFactorAtMeans(std::string(found.failure));
    }
    return found.circle->factors.bishop;
}

RunOutcome RunCriticalCircle(FieldTexts& fields, AnalysisContext& context) {
    FieldValues f(fields, context.locale);
    f.Write(ExplanationField, kExplanation);
    for (const int field : kCircleResults) {
        f.Write(field, "");
    }

    // All four are converted, even after a non-zero one, as the other forms do.
    const bool cohesionFixed = f.Number(SoilCohesionStdDev) == 0.0;
    const bool frictionFixed = f.Number(FrictionStdDev) == 0.0;
    const bool weightFixed = f.Number(UnitWeightStdDev) == 0.0;
    const bool poreFixed = f.Number(PoreRatioStdDev) == 0.0;
    const bool fixedData = cohesionFixed && frictionFixed && weightFixed && poreFixed;

    const CountFields countFields{TrialCount, MessageField, FailureProbability, MeanSafetyFactor,
                                  messages::kCircleCountNotAboveOne};
    if (!fixedData && (RejectCountNotAboveOne(f, countFields) || RejectCountAboveLimit(f))) {
        return RunOutcome::StoppedAt(TrialCount);
    }
    const GivenCircleMode mode = GivenMode(fields);
    if (std::optional<RunOutcome> stopped = CheckInputs(f, mode)) {
        return *stopped;
    }
    // Converted before any result is written: a text that is no number stops the run here.
    const AcceptanceCriteria criteria = CriteriaOf(f);
    const FoundCircle found = FindCircle(f, mode.given, context.threads, context.progress);
    KeepCircle(context, f, found);
    if (!found.circle) {
        f.Write(MessageField, found.failure);
        return RunOutcome::StoppedAt(found.failureField);
    }
    WriteCircle(f, *found.circle);
    std::string caution = UnitsCaution(f.Number(SoilCohesionMean), f.Number(UnitWeightMean),
                                       f.Number(SlopeHeight), f.locale());
    if (!caution.empty()) {
        caution += ' ';
    }
    caution += SearchCaution(f, found, UnitOf(Quantity::Length, context.units));
    return fixedData ? RunFixedData(f, *found.circle, criteria, caution)
                     : RunMonteCarlo(f, context, *found.circle, criteria, std::move(caution));
}

}  // namespace vardolin

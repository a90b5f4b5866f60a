// SPDX-License-Identifier: MIT
// A planar sliding wedge of the tests' own, which no production file names: six uncertain inputs
// and a table of ground points. It shows that a new analysis needs nothing but its description:
// the catalogue line takes it through the form, the sampling choices, the result tabs, the model
// files, the runner and the report.
//
// The ground points run from the toe (the first) to where the sliding plane comes out behind the
// crest (the last); the plane is the chord between them, at angle psi, of length L. The wedge is
// the ground above the chord, of area A. Per metre of slope, with cohesion c, friction angle phi,
// unit weight gamma, water ratio ru (the share of the normal load the water carries), surcharge q
// on the wedge's horizontal span B and seismic coefficient k:
//   W = gamma A + q B
//   F = (c L + (W cos psi (1 - ru) - k W sin psi) tan phi) / (W sin psi + k W cos psi)
#pragma once

#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "analysis/AnalysisCatalogue.h"
#include "analysis/CountChecks.h"
#include "analysis/InputChecks.h"
#include "analysis/MeanReport.h"
#include "analysis/OutOfRangeDraws.h"
#include "analysis/ParameterDraws.h"
#include "analysis/RunMessages.h"
#include "analysis/TableInput.h"
#include "analysis/TrialDraws.h"
#include "catalogue/ProgramCatalogue.h"
#include "fields/ReportFields.h"
#include "numerics/Pi.h"

namespace vardolin::testing_support::wedge {

enum Field : int {
    Count = 1,
    Ground = 2,
    Message = 5,
    MeanFactor = 6,
    Explanation = 7,
    FailurePercentage = 17,
};

// clang-format off
inline constexpr std::array<UncertainInput, 6> kWedgeInputs{{
    {"cohesion",       "Cohesion",            "Pa",      20, 21, NumberRange::From(0.0),                        "Cohesion: below 0"},
    {"friction_angle", "Friction angle",      "degrees", 22, 23, NumberRange::Between(0.0, true, 90.0, false), "Friction angle: not from 0 to below 90"},
    {"unit_weight",    "Unit weight",         "N/m³",    24, 25, NumberRange::From(0.0, false),                 "Unit weight: not above 0"},
    {"water_ratio",    "Water ratio",         "",        26, 27, NumberRange::Between(0.0, true, 1.0, true),   "Water ratio: not from 0 to 1"},
    {"surcharge",      "Surcharge",           "Pa",      28, 29, NumberRange::From(0.0),                        "Surcharge: below 0"},
    {"seismic",        "Seismic coefficient", "",        30, 31, NumberRange::Between(0.0, true, 1.0, false),  "Seismic coefficient: not from 0 to below 1"},
}};
inline constexpr std::array<ParameterPair, 2> kWedgePairs{{
    {"cohesion", "friction_angle"},
    {"unit_weight", "water_ratio"},
}};

// The inputs' statistics first, so that the first input after the count is a number; the table
// last.
inline constexpr std::array<FieldFact, 14> kWedgeInputFields{{
    {Count,  FieldRole::Count,            "trial_count",         "Number of Trials",             "200",     "count",   "How many trials the run makes."},
    {20,     FieldRole::StatisticsMean,   "cohesion_mean",       "Cohesion: Average",            "25000",   "Pa",      "Average cohesion of the sliding plane."},
    {21,     FieldRole::StatisticsStdDev, "cohesion_sd",         "Cohesion: SD",                 "4000",    "Pa",      "Its standard deviation."},
    {22,     FieldRole::StatisticsMean,   "friction_angle_mean", "Friction angle: Average",      "30",      "degrees", "Average friction angle of the sliding plane."},
    {23,     FieldRole::StatisticsStdDev, "friction_angle_sd",   "Friction angle: SD",           "3",       "degrees", "Its standard deviation."},
    {24,     FieldRole::StatisticsMean,   "unit_weight_mean",    "Unit weight: Average",         "20000",   "N/m³",    "Average unit weight of the wedge."},
    {25,     FieldRole::StatisticsStdDev, "unit_weight_sd",      "Unit weight: SD",              "1000",    "N/m³",    "Its standard deviation."},
    {26,     FieldRole::StatisticsMean,   "water_ratio_mean",    "Water ratio: Average",         "0.2",     "",        "Average share of the normal load the water carries."},
    {27,     FieldRole::StatisticsStdDev, "water_ratio_sd",      "Water ratio: SD",              "0.05",    "",        "Its standard deviation."},
    {28,     FieldRole::StatisticsMean,   "surcharge_mean",      "Surcharge: Average",           "10000",   "Pa",      "Average load on the ground above the wedge."},
    {29,     FieldRole::StatisticsStdDev, "surcharge_sd",        "Surcharge: SD",                "2000",    "Pa",      "Its standard deviation."},
    {30,     FieldRole::StatisticsMean,   "seismic_mean",        "Seismic coefficient: Average", "0.1",     "",        "Average horizontal seismic coefficient."},
    {31,     FieldRole::StatisticsStdDev, "seismic_sd",          "Seismic coefficient: SD",      "0.02",    "",        "Its standard deviation."},
    {Ground, FieldRole::Input,            "ground",              "Ground points",                R"([["0","0"],["5","10"],["20","15"]])", "m", "The ground from the toe to where the sliding plane comes out."},
}};

inline constexpr std::array<TableColumn, 2> kGroundColumns{{
    {"x", "x", "m", "Distance from the toe.", NumberRange::From(0.0)},
    {"y", "y", "m", "Height above the toe.", NumberRange{}},
}};
// clang-format on
inline constexpr std::array<TableInput, 1> kWedgeTables{{{Ground, kGroundColumns, 3, 100}}};

inline constexpr auto kWedgeFields =
    JoinFieldFacts(kWedgeInputFields, kVerdictFields, kFailurePercentageField);

inline constexpr std::string_view kNoWedge =
    "Ground points: the ground must lie above a plane rising from the first point to the last";
inline constexpr std::array<std::string_view, 11> kWedgeMessages{
    messages::kCountNotAboveOne,
    messages::kCountNotBelowLimit,
    messages::kStable,
    messages::kNotStable,
    kNoWedge,
    kWedgeInputs[0].rangeMessage,
    kWedgeInputs[1].rangeMessage,
    kWedgeInputs[2].rangeMessage,
    kWedgeInputs[3].rangeMessage,
    kWedgeInputs[4].rangeMessage,
    kWedgeInputs[5].rangeMessage,
};

// The sliding plane and the ground above it.
struct WedgeShape {
    double length;  // L
    double angle;   // psi, radians
    double area;    // A
    double span;    // B
};

// The shape of checked rows, or nothing where no ground lies above a rising plane.
inline std::optional<WedgeShape> ShapeOf(const TableRows& rows, const NumberLocale& locale) {
    std::vector<std::array<double, 2>> points;
    for (const std::vector<std::string>& row : rows) {
        points.push_back({TextToDouble(row[0], locale), TextToDouble(row[1], locale)});
    }
    const auto& [x0, y0] = points.front();
    const auto& [xn, yn] = points.back();
    // Twice the area of the polygon closed by the chord, clockwise (the ground above) positive.
    double twiceArea = 0.0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto& [xa, ya] = points[i];
        const auto& [xb, yb] = points[(i + 1) % points.size()];
        twiceArea += xb * ya - xa * yb;
    }
    if (!(xn > x0 && yn > y0 && twiceArea > 0.0)) {
        return std::nullopt;
    }
    return WedgeShape{std::hypot(xn - x0, yn - y0), std::atan2(yn - y0, xn - x0), twiceArea / 2.0,
                      xn - x0};
}

// One draw of the six, in list order.
inline double WedgeFactor(const WedgeShape& s, std::span<const double> v) {
    const double degrees = kPi / 180.0;
    const double c = v[0], phi = v[1] * degrees, gamma = v[2], ru = v[3], q = v[4], k = v[5];
    const double w = gamma * s.area + q * s.span;
    const double normal = w * std::cos(s.angle) * (1.0 - ru) - k * w * std::sin(s.angle);
    const double driving = w * std::sin(s.angle) + k * w * std::cos(s.angle);
    return (c * s.length + normal * std::tan(phi)) / driving;
}

// The checks a run makes before it draws: the table, its shape, then the averages. The shape, or
// nothing after the message is written.
inline std::optional<WedgeShape> CheckWedge(FieldValues& f, FieldTexts& fields,
                                            const NumberLocale& locale,
                                            std::optional<int>& stoppedAt) {
    const std::optional<TableRows> rows =
        ReadTableInput(fields, kWedgeTables[0], kWedgeInputFields.back().label, Message, locale);
    if (!rows) {
        stoppedAt = Ground;
        return std::nullopt;
    }
    const std::optional<WedgeShape> shape = ShapeOf(*rows, locale);
    InputChecks checks(f);
    checks.Require(Ground, shape.has_value(), kNoWedge);
    checks.RequireAveragesInRange(kWedgeInputs);
    if (const std::optional<RunOutcome> stopped = checks.Stop(Message)) {
        stoppedAt = stopped->stoppedAtField;
        return std::nullopt;
    }
    return shape;
}

inline double WedgeFactorAtMeans(FieldTexts& fields, const AnalysisContext& context) {
    FieldValues f(fields, context.locale);
    std::optional<int> stoppedAt;
    const std::optional<WedgeShape> shape = CheckWedge(f, fields, context.locale, stoppedAt);
    if (!shape) {
        throw NoFactorAtMeans(fields.text(Message));
    }
    std::array<double, kWedgeInputs.size()> means{};
    for (std::size_t k = 0; k < means.size(); ++k) {
        means[k] = f.Number(kWedgeInputs[k].meanField);
    }
    return WedgeFactor(*shape, means);
}

inline RunOutcome RunWedgeAnalysis(FieldTexts& fields, AnalysisContext& context) {
    FieldValues f(fields, context.locale);
    f.Write(Explanation, "A planar wedge by limiting equilibrium");
    const CountFields count{Count, Message, FailurePercentage, MeanFactor};
    if (RejectCountNotAboveOne(f, count) || RejectCountNotBelowLimit(f, count)) {
        return RunOutcome::Stopped();
    }
    std::optional<int> stoppedAt;
    const std::optional<WedgeShape> shape = CheckWedge(f, fields, context.locale, stoppedAt);
    if (!shape) {
        return RunOutcome::StoppedAt(*stoppedAt);
    }
    const int trials = f.RoundedInt16(Count);
    // A part draws and works out its range only; a merge takes every trial as given.
    const TrialRecords* given = context.GivenTrials(trials, kWedgeInputs.size());
    const TrialRange range = context.TrialsToRun(trials);
    std::optional<TrialDraws> draws;
    if (given == nullptr) {
        draws.emplace(kWedgeInputs, kWedgePairs, f, context.sampling, trials, context.uniforms);
        draws->Skip(range.begin);
    }
    const std::vector<NumberRange> ranges =
        DrawRanges(kWedgeInputs, [&](int field) { return f.Number(field); });
    RunOutcome outcome;
    outcome.draws = ParameterDraws(kWedgeInputs, trials);
    TrialRecords part(range, trials, kWedgeInputs.size());
    OutOfRangeTally outside;
    int failures = 0;
    for (int trial = range.begin + 1; trial <= range.end; ++trial) {
        const std::span<const double> values =
            given != nullptr ? given->valuesOf(trial - 1) : draws->Next();
        outside.AddTrial(OutsideRanges(ranges, values));
        outcome.draws.Keep(trial, values);
        outcome.trialFactors.push_back(given != nullptr ? given->factorOf(trial - 1)
                                                        : WedgeFactor(*shape, values));
        failures += outcome.trialFactors.back() < 1.0 ? 1 : 0;
        if (context.part) {
            part.Add(values, outcome.trialFactors.back());
        }
    }
    if (context.part) {
        outcome.end = RunOutcome::End::Completed;
        outcome.trials = part.count();
        outcome.partTrials = std::move(part);
        return outcome;
    }
    outcome.end = RunOutcome::End::Completed;
    outcome.trials = trials;
    outcome.outOfRange = outside.Counts(kWedgeInputs);
    f.WriteNumber(FailurePercentage, 100.0 * failures / trials);
    WriteMeanAndVerdict(f, outcome.trialFactors, MeanFactor, Message);
    return outcome;
}

inline std::string WedgeMethod(const FieldTexts& fields, UnitSystem /*units*/) {
    return "A planar sliding wedge by limiting equilibrium, in " + fields.text(Count) +
           " trials that each draw six inputs.";
}

inline constexpr AnalysisDescription kWedgeAnalysis{
    .id = "test_wedge",
    .formName = "TestWedge",
    .caption = "Test Wedge",
    .fields = kWedgeFields,
    .run = RunWedgeAnalysis,
    .messages = kWedgeMessages,
    .factorAtMeans = WedgeFactorAtMeans,
    .uncertainInputs = kWedgeInputs,
    .correlatedPairs = kWedgePairs,
    .tables = kWedgeTables,
    .methodStatement = WedgeMethod,
    .splittable = true,
};

// The program's analyses, then the wedge: for the suites that run without the windows.
inline AnalysisCatalogue CatalogueWithWedge() {
    static const std::vector<const AnalysisDescription*> analyses = [] {
        std::vector<const AnalysisDescription*> all(ProgramCatalogue().begin(),
                                                    ProgramCatalogue().end());
        all.push_back(&kWedgeAnalysis);
        return all;
    }();
    return AnalysisCatalogue(analyses);
}

}  // namespace vardolin::testing_support::wedge

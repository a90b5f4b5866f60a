// SPDX-License-Identifier: MIT
// The common machinery of uncertain inputs on a list of the tests' own: a wedge of two joint
// sets (a cohesion and a friction angle each), the rock's unit weight and a water level that
// reaches at most the wedge's top, with two pairs offered for correlation. Nothing of it is
// named in the common core, so what holds here holds for any analysis's list.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "TestSupport.h"
#include "analysis/AnalysisDescription.h"
#include "analysis/InputChecks.h"
#include "analysis/OutOfRangeDraws.h"
#include "analysis/ParameterDraws.h"
#include "analysis/Sensitivity.h"
#include "analysis/TrialDraws.h"
#include "fields/FieldTextMap.h"
#include "fields/FieldValues.h"
#include "sampling/SamplingKeys.h"

namespace vardolin {
namespace {

// FieldValues keeps a reference to its locale, so the tests hand it one that outlives it.
const NumberLocale kPointLocale{};

constexpr int kMessage = 1;
constexpr int kTop = 2;  // the wedge's height: the water level's upper end

constexpr std::array<UncertainInput, 6> kWedgeInputs{{
    {"cohesion_a", "Cohesion of set A", "Pa", 10, 11, NumberRange::From(0.0), "Cohesion A below 0"},
    {"friction_a", "Friction angle of set A", "degrees", 12, 13,
     NumberRange::Between(0.0, true, 90.0, false), "Friction A out of range"},
    {"cohesion_b", "Cohesion of set B", "Pa", 14, 15, NumberRange::From(0.0), "Cohesion B below 0"},
    {"friction_b", "Friction angle of set B", "degrees", 16, 17,
     NumberRange::Between(0.0, true, 90.0, false), "Friction B out of range"},
    {"unit_weight", "Unit weight", "N/m³", 18, 19, NumberRange::From(0.0, false),
     "Unit weight not above 0"},
    {"water_level", "Water level", "m", 20, 21, NumberRange::From(0.0), "Water above the top",
     kTop},
}};
constexpr std::array<ParameterPair, 2> kWedgePairs{{
    {"cohesion_a", "friction_a"},
    {"cohesion_b", "friction_b"},
}};

FieldTextMap WedgeTexts(const std::string& mean, const std::string& sd) {
    FieldTextMap texts{{kMessage, ""}, {kTop, "10"}};
    for (const UncertainInput& input : kWedgeInputs) {
        texts.setText(input.meanField, mean);
        texts.setText(input.sdField, sd);
    }
    return texts;
}

double Pearson(const std::vector<double>& x, const std::vector<double>& y) {
    const auto n = static_cast<double>(x.size());
    double mx = 0.0;
    double my = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        mx += x[i] / n;
        my += y[i] / n;
    }
    double sxy = 0.0;
    double sxx = 0.0;
    double syy = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
        syy += (y[i] - my) * (y[i] - my);
    }
    return sxy / std::sqrt(sxx * syy);
}

// Which pair the choices correlate: the first offered when they name none, any other offered
// one when they name it; under either method the other inputs stay independent. The sequence
// starts from its fixed state, so the figures are the same at every run; 4000 trials put the
// sample correlation within 0.05 of its value (about three standard errors).
struct PairRow {
    const char* name;
    SamplingMethod method;
    const char* correlated;  // the key's text; empty for the first pair
    std::size_t first;       // the inputs expected correlated
    std::size_t second;
    friend void PrintTo(const PairRow& row, std::ostream* os) { *os << row.name; }
};

class CorrelatedPair : public testing::TestWithParam<PairRow> {};

TEST_P(CorrelatedPair, IsTheOneChosenAndTheOthersStayIndependent) {
    const PairRow& row = GetParam();
    std::vector<std::string_view> names;
    for (const UncertainInput& input : kWedgeInputs) {
        names.push_back(input.key);
    }
    SamplingChoices choices;
    choices.method = row.method;
    ASSERT_FALSE(SetSamplingChoice(choices, "correlation", "0.8", {names, kWedgePairs}));
    ASSERT_FALSE(SetSamplingChoice(choices, "correlated", row.correlated, {names, kWedgePairs}));

    constexpr int kTrials = 4000;
    FieldTextMap texts = WedgeTexts("0", "1");
    FieldValues fields(texts, kPointLocale);
    UniformSequence uniforms;
    TrialDraws draws(kWedgeInputs, kWedgePairs, fields, choices, kTrials, uniforms);
    ParameterDraws kept(kWedgeInputs, kTrials);
    for (int trial = 1; trial <= kTrials; ++trial) {
        kept.Keep(trial, draws.Next());
    }
    // Per input, one uniform value a trial, or 2n - 1 for a Latin hypercube, whatever the pair.
    EXPECT_EQ(testing_support::ConsumedBy(uniforms),
              6L * (row.method == SamplingMethod::LatinHypercube ? 2 * kTrials - 1 : kTrials));
    ASSERT_EQ(kept.meanFields().size(), kWedgeInputs.size());
    ASSERT_EQ(kept.rows(), static_cast<std::size_t>(kTrials));
    for (std::size_t a = 0; a < kWedgeInputs.size(); ++a) {
        for (std::size_t b = a + 1; b < kWedgeInputs.size(); ++b) {
            const bool paired = a == row.first && b == row.second;
            EXPECT_NEAR(Pearson(kept.column(a), kept.column(b)), paired ? 0.8 : 0.0, 0.05)
                << kWedgeInputs[a].key << " and " << kWedgeInputs[b].key;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    WedgeInputs, CorrelatedPair,
    testing::Values(PairRow{"FirstPairByDefault", SamplingMethod::MonteCarlo, "", 0, 1},
                    PairRow{"SecondPairNamed", SamplingMethod::MonteCarlo, "cohesion_b,friction_b",
                            2, 3},
                    PairRow{"SecondPairInALatinHypercube", SamplingMethod::LatinHypercube,
                            "cohesion_b,friction_b", 2, 3}),
    testing_support::RowName());

TEST(WedgeInputs, OnlyAnOfferedPairCanBeCorrelatedAndTheFirstIsKeptAsNone) {
    const std::vector<std::string_view> names{"cohesion_a", "friction_a", "cohesion_b",
                                              "friction_b"};
    SamplingChoices choices;
    EXPECT_TRUE(
        SetSamplingChoice(choices, "correlated", "cohesion_a,friction_b", {names, kWedgePairs}));
    EXPECT_TRUE(
        SetSamplingChoice(choices, "correlated", "friction_b,cohesion_b", {names, kWedgePairs}));
    EXPECT_TRUE(SetSamplingChoice(choices, "correlated", "cohesion_b", {names, kWedgePairs}));
    EXPECT_TRUE(choices.isDefault()) << "a refused pair changes nothing";
    ASSERT_FALSE(
        SetSamplingChoice(choices, "correlated", "cohesion_b,friction_b", {names, kWedgePairs}));
    EXPECT_EQ(choices.correlatedFirst, "cohesion_b");
    EXPECT_FALSE(choices.isDefault());
    ASSERT_FALSE(
        SetSamplingChoice(choices, "correlated", "cohesion_a,friction_a", {names, kWedgePairs}));
    EXPECT_TRUE(choices.isDefault()) << "the first pair is the default";
    EXPECT_TRUE(SetSamplingChoice(choices, "correlation", "0.5", {names, {}}))
        << "no pair offered: no correlation";
}

// Each trial counts once per input however often it drew it outside, every input against its
// own range, the water level against the wedge's top.
TEST(WedgeInputs, CountEachTrialOutsideEachRangeOnce) {
    FieldTextMap texts = WedgeTexts("1", "1");
    FieldValues fields(texts, kPointLocale);
    const std::vector<NumberRange> ranges =
        DrawRanges(kWedgeInputs, [&](int field) { return fields.Number(field); });
    const std::array<std::array<double, 6>, 4> trials{{
        {0.0, 0.0, 0.0, 89.9, 1e-300, 10.0},   // every value on or inside a bound
        {-1.0, 90.0, 0.0, 0.0, 1.0, 10.5},     // A's pair and the water outside
        {0.0, 0.0, -1e-9, -0.1, 0.0, -1.0},    // B's pair, the unit weight and the water
        {-5.0, 30.0, 10.0, 30.0, 27.0, 11.0},  // cohesion A and the water
    }};
    OutOfRangeTally tally;
    for (const auto& values : trials) {
        // A trial that draws its values twice, as a slice-method trial draws per slice.
        tally.AddTrial(OutsideRanges(ranges, values) | OutsideRanges(ranges, values));
    }
    const std::vector<OutOfRangeCount> counts = tally.Counts(kWedgeInputs);
    const std::array<int, 6> expected{2, 1, 1, 1, 1, 3};
    ASSERT_EQ(counts.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(counts[k].parameter, kWedgeInputs[k].key);
        EXPECT_EQ(counts[k].trials, expected[k]) << kWedgeInputs[k].key;
    }
}

// The longest list the counts hold: the last of 64 inputs has a count of its own.
TEST(WedgeInputs, SixtyFourInputsAreCountedEachOnTheirOwn) {
    std::vector<UncertainInput> inputs(kMaxUncertainInputs, kWedgeInputs[0]);
    std::vector<NumberRange> ranges(kMaxUncertainInputs, NumberRange::From(0.0));
    std::vector<double> values(kMaxUncertainInputs, 1.0);
    values.back() = -1.0;
    values[31] = -1.0;
    OutOfRangeTally tally;
    tally.AddTrial(OutsideRanges(ranges, values));
    tally.AddTrial(OutsideRanges(ranges, values));
    const std::vector<OutOfRangeCount> counts = tally.Counts(inputs);
    ASSERT_EQ(counts.size(), kMaxUncertainInputs);
    for (std::size_t k = 0; k < kMaxUncertainInputs; ++k) {
        EXPECT_EQ(counts[k].trials, k == 31 || k == 63 ? 2 : 0) << k;
    }
}

// The first average outside its range stops the checks with its input's message and field; a
// top that is no number leaves the water level unchecked, for the run to meet the bad text.
struct AverageRow {
    const char* name;
    int field;
    const char* text;
    const char* top;
    const char* message;
    friend void PrintTo(const AverageRow& row, std::ostream* os) { *os << row.name; }
};

class WedgeAverage : public testing::TestWithParam<AverageRow> {};

TEST_P(WedgeAverage, IsCheckedAgainstItsOwnRange) {
    const AverageRow& row = GetParam();
    FieldTextMap texts = WedgeTexts("1", "1");
    texts.setText(kTop, row.top);
    texts.setText(row.field, row.text);
    texts.setText(14, "-1");  // cohesion B: a later input's failure never hides an earlier one
    FieldValues fields(texts, kPointLocale);
    InputChecks checks(fields);
    checks.RequireAveragesInRange(kWedgeInputs);
    const std::optional<RunOutcome> stopped = checks.Stop(kMessage);
    ASSERT_TRUE(stopped.has_value());
    EXPECT_EQ(stopped->stoppedAtField, row.field);
    EXPECT_EQ(texts.text(kMessage), row.message);
}

INSTANTIATE_TEST_SUITE_P(
    WedgeInputs, WedgeAverage,
    testing::Values(AverageRow{"CohesionA", 10, "-0.5", "10", "Cohesion A below 0"},
                    AverageRow{"FrictionAAtNinety", 12, "90", "10", "Friction A out of range"},
                    AverageRow{"CohesionBAfterTheOthers", 14, "-1", "10", "Cohesion B below 0"}),
    testing_support::RowName());

TEST(WedgeInputs, TheWaterLevelReachesTheTopAndIsLeftToTheRunWhenTheTopIsNoNumber) {
    for (const auto& [top, water, holds] :
         {std::tuple{"10", "10", true}, std::tuple{"10", "10.5", false},
          std::tuple{"(5)", "10.5", true}}) {
        FieldTextMap texts = WedgeTexts("1", "1");
        texts.setText(kTop, top);
        texts.setText(20, water);
        FieldValues fields(texts, kPointLocale);
        InputChecks checks(fields);
        checks.RequireAveragesInRange(kWedgeInputs);
        EXPECT_EQ(!checks.failed(), holds) << top << " " << water;
    }
}

// A factor that is a weighted sum of the averages, plus the deviations, which must be 0 on the
// curves: 1 + sum (k + 1) mean_k + sum sd_k.
double WedgeFactor(FieldTexts& texts, const AnalysisContext& context) {
    FieldValues f(texts, context.locale);
    double factor = 1.0;
    for (std::size_t k = 0; k < kWedgeInputs.size(); ++k) {
        factor += static_cast<double>(k + 1) * f.Number(kWedgeInputs[k].meanField);
        factor += f.Number(kWedgeInputs[k].sdField);
    }
    return factor;
}

constexpr auto kWedgeFields = [] {
    std::array<FieldFact, 13> fields{};
    fields[0] = {kTop, FieldRole::Input, "top", "Top", "10", "m", ""};
    for (std::size_t k = 0; k < kWedgeInputs.size(); ++k) {
        fields[1 + 2 * k] = {kWedgeInputs[k].meanField,
                             FieldRole::StatisticsMean,
                             kWedgeInputs[k].key,
                             kWedgeInputs[k].label,
                             "1",
                             kWedgeInputs[k].unit,
                             ""};
        fields[2 + 2 * k] = {
            kWedgeInputs[k].sdField, FieldRole::StatisticsStdDev, "", "", "1", "", ""};
    }
    return fields;
}();

TEST(WedgeInputs, SensitivityDrawsACurvePerInputInListOrder) {
    const AnalysisDescription wedge{.id = "wedge",
                                    .formName = "Wedge",
                                    .caption = "Wedge",
                                    .fields = kWedgeFields,
                                    .run = nullptr,
                                    .messages = {},
                                    .factorAtMeans = WedgeFactor,
                                    .uncertainInputs = kWedgeInputs,
                                    .correlatedPairs = kWedgePairs};
    FieldTextMap texts = WedgeTexts("2", "0.5");
    UniformSequence uniforms;
    KeptTables kept;
    const AnalysisContext context{uniforms, kept, NumberLocale{}};
    const std::optional<Sensitivity> sensitivity = SensitivityOf(wedge, texts, context);
    ASSERT_TRUE(sensitivity.has_value());
    EXPECT_EQ(sensitivity->factorAtMeans, 1.0 + 2.0 * 21.0);
    ASSERT_EQ(sensitivity->curves.size(), kWedgeInputs.size());
    for (std::size_t k = 0; k < kWedgeInputs.size(); ++k) {
        const SensitivityCurve& curve = sensitivity->curves[k];
        EXPECT_EQ(curve.meanField, kWedgeInputs[k].meanField);
        EXPECT_EQ(curve.sdField, kWedgeInputs[k].sdField);
        ASSERT_EQ(curve.factors.size(), curve.offsets.size());
        EXPECT_EQ(curve.factors.back(),
                  sensitivity->factorAtMeans + static_cast<double>(k + 1) * 3.0 * 0.5);
    }
}

}  // namespace
}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>

#include "TestSupport.h"
#include "sampling/SamplingKeys.h"
#include "sampling/SamplingRecord.h"

namespace vardolin {
namespace {

constexpr std::array<std::string_view, 4> kParameters{"cohesion", "friction_angle", "unit_weight",
                                                      "pore_ratio"};
constexpr std::array<ParameterPair, 2> kPairs{
    {{"cohesion", "friction_angle"}, {"unit_weight", "pore_ratio"}}};
const SamplingNames kNames{kParameters, kPairs};

struct KeyRow {
    const char* name;
    friend void PrintTo(const KeyRow& row, std::ostream* os) { *os << row.name; }
    const char* key;
    const char* text;
    bool accepted;
};

class SamplingKey : public testing::TestWithParam<KeyRow> {};

TEST_P(SamplingKey, IsTakenOrRefusedWithAReason) {
    SamplingChoices choices;
    const auto why = SetSamplingChoice(choices, GetParam().key, GetParam().text, kNames);
    EXPECT_EQ(!why.has_value(), GetParam().accepted) << why.value_or("");
    if (why) {
        EXPECT_EQ(choices, SamplingChoices{}) << "a refused text changes nothing";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SamplingKey,
    testing::Values(KeyRow{"Method", "method", "latin_hypercube", true},
                    KeyRow{"UnknownMethod", "method", "stratified", false},
                    KeyRow{"Seed", "seed", "16777215", true},
                    KeyRow{"SeedBeyondTheStates", "seed", "16777216", false},
                    KeyRow{"NegativeSeed", "seed", "-1", false},
                    KeyRow{"Correlation", "correlation", "-0.5", true},
                    KeyRow{"CorrelationOfOne", "correlation", "1", false},
                    KeyRow{"CorrelationNotANumber", "correlation", "0.5x", false},
                    KeyRow{"OfferedPair", "correlated", "unit_weight,pore_ratio", true},
                    KeyRow{"PairNotOffered", "correlated", "cohesion,pore_ratio", false},
                    KeyRow{"PairReversed", "correlated", "pore_ratio,unit_weight", false},
                    KeyRow{"PairOfOne", "correlated", "cohesion", false},
                    KeyRow{"Distribution", "cohesion.distribution", "lognormal", true},
                    KeyRow{"UnknownDistribution", "cohesion.distribution", "gamma", false},
                    KeyRow{"LowerBound", "friction_angle.lower", "-2.5e1", true},
                    KeyRow{"BoundNotANumber", "friction_angle.upper", "inf", false},
                    KeyRow{"UnknownParameter", "density.distribution", "normal", false},
                    KeyRow{"UnknownParameterKey", "cohesion.mode", "1", false},
                    KeyRow{"ParameterAlone", "cohesion", "normal", false}),
    testing_support::RowName());

TEST(SamplingKeys, AParameterNamedWithAPointTakesItsChoices) {
    // A layered section names each soil's parameters "<soil>.cohesion".
    constexpr std::array<std::string_view, 2> parameters{"Clay.cohesion", "Clay.friction_angle"};
    const SamplingNames names{parameters, {}};
    SamplingChoices choices;
    EXPECT_EQ(SetSamplingChoice(choices, "Clay.cohesion.distribution", "lognormal", names),
              std::nullopt);
    EXPECT_EQ(SetSamplingChoice(choices, "Clay.friction_angle.lower", "0", names), std::nullopt);
    EXPECT_EQ(choices.of("Clay.cohesion").distribution, DistributionKind::Lognormal);
    EXPECT_EQ(choices.of("Clay.friction_angle").lower, 0.0);
    EXPECT_TRUE(SetSamplingChoice(choices, "Clay.distribution", "normal", names).has_value());
}

TEST(SamplingKeys, AnAnalysisWithoutSampledParametersTakesTheSeedOnly) {
    SamplingChoices choices;
    EXPECT_FALSE(SetSamplingChoice(choices, "seed", "42", {}).has_value());
    EXPECT_TRUE(SetSamplingChoice(choices, "method", "latin_hypercube", {}).has_value());
    EXPECT_EQ(choices.seed, 42u);
    EXPECT_FALSE(SetSamplingChoice(choices, "seed", "", {}).has_value());
    EXPECT_FALSE(choices.seed.has_value());
}

TEST(SamplingKeys, ChoicesBackAtTheirDefaultsAreTheDefaultChoices) {
    SamplingChoices choices;
    ASSERT_FALSE(SetSamplingChoice(choices, "cohesion.lower", "0", kNames));
    ASSERT_FALSE(SetSamplingChoice(choices, "cohesion.upper", "0", kNames));
    EXPECT_TRUE(WhyNotDrawable(choices).has_value()) << "the lower bound must lie below";
    ASSERT_FALSE(SetSamplingChoice(choices, "cohesion.lower", "", kNames));
    ASSERT_FALSE(SetSamplingChoice(choices, "cohesion.upper", "", kNames));
    EXPECT_TRUE(choices.isDefault());
}

// A record lists every choice the analysis takes, under the keys that set it: setting each
// text again on the defaults gives the same choices.
TEST(SamplingRecord, ListsEveryChoiceInFullAndGivesThemAgain) {
    SamplingChoices choices;
    for (const auto& [key, text] : {std::pair{"method", "latin_hypercube"},
                                    {"seed", "4242"},
                                    {"correlation", "-0.3"},
                                    {"cohesion.distribution", "lognormal"},
                                    {"cohesion.lower", "0"},
                                    {"friction_angle.upper", "45.5"}}) {
        ASSERT_FALSE(SetSamplingChoice(choices, key, text, kNames)) << key;
    }
    const std::vector<SamplingChoiceText> record = SamplingRecord(choices, kNames);
    std::vector<std::string> keys;
    for (const SamplingChoiceText& choice : record) {
        keys.push_back(choice.key + "=" + choice.text);
    }
    EXPECT_EQ(keys,
              (std::vector<std::string>{
                  "seed=4242", "method=latin_hypercube", "correlation=-0.3",
                  "correlated=cohesion,friction_angle", "cohesion.distribution=lognormal",
                  "cohesion.lower=0", "cohesion.upper=", "friction_angle.distribution=normal",
                  "friction_angle.lower=", "friction_angle.upper=45.5",
                  "unit_weight.distribution=normal", "unit_weight.lower=", "unit_weight.upper=",
                  "pore_ratio.distribution=normal", "pore_ratio.lower=", "pore_ratio.upper="}));
    EXPECT_EQ(record[0].number, 4242.0);
    EXPECT_EQ(record[6].number, std::nullopt);
    SamplingChoices again;
    for (const SamplingChoiceText& choice : record) {
        ASSERT_FALSE(SetSamplingChoice(again, choice.key, choice.text, kNames)) << choice.key;
    }
    EXPECT_EQ(again, choices);
    EXPECT_EQ(NonDefaultSampling(record),
              "seed 4242, method latin_hypercube, correlation -0.3, cohesion.distribution "
              "lognormal, cohesion.lower 0, friction_angle.upper 45.5");
    EXPECT_EQ(NonDefaultSampling(SamplingRecord({}, kNames)), "");
    // A correlation of another offered pair names its pair, and reads back as that pair.
    SamplingChoices secondPair;
    ASSERT_FALSE(SetSamplingChoice(secondPair, "correlated", "unit_weight,pore_ratio", kNames));
    ASSERT_FALSE(SetSamplingChoice(secondPair, "correlation", "0.5", kNames));
    EXPECT_EQ(NonDefaultSampling(SamplingRecord(secondPair, kNames)),
              "correlation 0.5, correlated unit_weight,pore_ratio");
    SamplingChoices secondAgain;
    for (const SamplingChoiceText& choice : SamplingRecord(secondPair, kNames)) {
        ASSERT_FALSE(SetSamplingChoice(secondAgain, choice.key, choice.text, kNames)) << choice.key;
    }
    EXPECT_EQ(secondAgain, secondPair);
    // An analysis that draws its own way records its seed alone.
    EXPECT_EQ(SamplingRecord({}, {}), (std::vector<SamplingChoiceText>{{"seed", "", {}, true}}));
}

}  // namespace
}  // namespace vardolin

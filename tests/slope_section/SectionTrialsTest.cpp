// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "slope_section/PreparedSection.h"
#include "slope_section/SectionInputReader.h"
#include "slope_section/SectionTrialInputs.h"
#include "slope_section/SectionTrials.h"
#include "slope_section/SurfaceEvaluation.h"

namespace vardolin::section {
namespace {

using testing_support::RowName;

SectionInputs ThreeSoilInputs(const std::string& fillCohesionSd = "1") {
    SectionInputs inputs = examples::ThreeSoilTrialInputs(fillCohesionSd);
    EXPECT_FALSE(inputs.uncertain.empty()) << "the three-soil texts were refused";
    return inputs;
}

const CircleSurface kCircle{38, 36, 32};
constexpr std::uint32_t kStart = 12345;

SamplingChoices HypercubeCorrelated() {
    SamplingChoices choices;
    choices.method = SamplingMethod::LatinHypercube;
    choices.correlation = 0.6;  // the fill's c and φ, the first pair offered
    return choices;
}

SectionTrialsOutcome RunFromStart(const SectionInputs& inputs, const SamplingChoices& choices,
                                  int trials, int threads) {
    UniformSequence uniforms(kStart);
    return RunSectionTrials(inputs, choices, kCircle, trials, uniforms, threads);
}

void ExpectSameBits(const SectionTrialsOutcome& actual, const SectionTrialsOutcome& expected) {
    EXPECT_EQ(actual.drawn, expected.drawn);
    ASSERT_EQ(actual.factors.size(), expected.factors.size());
    for (std::size_t i = 0; i < actual.factors.size(); ++i) {
        ASSERT_EQ(std::bit_cast<std::uint64_t>(actual.factors[i]),
                  std::bit_cast<std::uint64_t>(expected.factors[i]))
            << "trial " << i;
        ASSERT_EQ(actual.results[i], expected.results[i]) << "trial " << i;
    }
    const SectionTrialStatistics& a = actual.statistics;
    const SectionTrialStatistics& e = expected.statistics;
    EXPECT_EQ(a.usable, e.usable);
    EXPECT_EQ(a.failed, e.failed);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(a.distribution.mean),
              std::bit_cast<std::uint64_t>(e.distribution.mean));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(a.distribution.standardDeviation),
              std::bit_cast<std::uint64_t>(e.distribution.standardDeviation));
    EXPECT_EQ(a.lognormalReliabilityIndex, e.lognormalReliabilityIndex);
}

// Monte Carlo with the fill's c and φ correlated and its c kept from 0 to 8.
SamplingChoices CorrelatedBounded() {
    SamplingChoices choices;
    choices.correlation = -0.5;
    choices.Set("Fill.cohesion", {DistributionKind::Normal, 0.0, 8.0});
    return choices;
}

struct ThreadRow {
    std::string name;
    SamplingChoices choices;
    int threads = 1;
};

class SectionTrialsThreads : public testing::TestWithParam<ThreadRow> {};

// Several chunks of trials, shared out among the threads: the figures of one thread.
TEST_P(SectionTrialsThreads, GiveTheFiguresOfOneThreadBitForBit) {
    const ThreadRow& row = GetParam();
    const SectionInputs inputs = ThreeSoilInputs();
    const SamplingChoices& choices = row.choices;
    constexpr int kTrials = 2'000;  // eight chunks
    const SectionTrialsOutcome one = RunFromStart(inputs, choices, kTrials, 1);
    ASSERT_EQ(one.statistics.usable, kTrials);
    ExpectSameBits(RunFromStart(inputs, choices, kTrials, row.threads), one);
}

INSTANTIATE_TEST_SUITE_P(
    SectionTrials, SectionTrialsThreads,
    testing::Values(ThreadRow{"Plain2", {}, 2}, ThreadRow{"Plain7", {}, 7},
                    ThreadRow{"CorrelatedBounded7", CorrelatedBounded(), 7},
                    ThreadRow{"HypercubeCorrelated2", HypercubeCorrelated(), 2},
                    ThreadRow{"HypercubeCorrelated7", HypercubeCorrelated(), 7}),
    RowName{});

// The figures from a fixed start, the same in every build.
TEST(SectionTrials, PinnedFiguresFromAFixedStart) {
    const SectionTrialsOutcome outcome = RunFromStart(ThreeSoilInputs(), {}, 1'000, 2);
    const SectionTrialStatistics& s = outcome.statistics;
    EXPECT_EQ(s.usable, 1'000);
    EXPECT_EQ(s.failed, 18);
    EXPECT_EQ(s.distribution.mean, 0x1.384c99f24fa8ap+0);               // 1.2199
    EXPECT_EQ(s.distribution.standardDeviation, 0x1.bbcdf647d3a62p-4);  // 0.1084
    EXPECT_EQ(s.lognormalReliabilityIndex, 0x1.195e55d8e4831p+1);       // 2.1982
}

// Whatever the threads, each trial draws what a loop of the soil sampler over the trials does.
TEST_P(SectionTrialsThreads, DrawAsALoopOverTheTrials) {
    const ThreadRow& row = GetParam();
    const SectionInputs inputs = ThreeSoilInputs();
    const SamplingChoices& choices = row.choices;
    constexpr int kTrials = 700;
    UniformSequence uniforms(kStart);
    TrialSampler sampler = SoilSampler(inputs, choices, kTrials, uniforms);
    std::vector<double> expected;
    for (int i = 0; i < kTrials; ++i) {
        const std::span<const double> values = sampler.Next();
        expected.insert(expected.end(), values.begin(), values.end());
    }
    EXPECT_EQ(RunFromStart(inputs, choices, kTrials, row.threads).drawn, expected);
}

// Without spread every trial lays out the section at the means and gets its factor exactly.
TEST(SectionTrials, WithoutSpreadEveryTrialHasTheFactorAtTheMeans) {
    SectionInputs inputs = ThreeSoilInputs();
    for (SoilUncertainInput& input : inputs.uncertain) {
        input.sd = 0.0;
    }
    const PreparedSection prepared(inputs.section);
    SurfaceEvaluator evaluator(prepared);
    const double atMeans =
        evaluator.EvaluateCircle(kCircle, {MethodBit(inputs.methods.front()), inputs.sliceCount})
            .result(inputs.methods.front())
            .factor;
    ASSERT_TRUE(std::isfinite(atMeans));
    const SectionTrialsOutcome outcome = RunFromStart(inputs, {}, 100, 2);
    for (const double factor : outcome.factors) {
        ASSERT_EQ(factor, atMeans);
    }
    EXPECT_EQ(outcome.statistics.distribution.mean, atMeans);
    EXPECT_EQ(outcome.statistics.distribution.standardDeviation, 0.0);
    EXPECT_FALSE(outcome.statistics.distribution.reliabilityIndex.has_value());
    EXPECT_FALSE(outcome.statistics.lognormalReliabilityIndex.has_value());
}

TEST(SectionTrials, AHypercubeWithCorrelationDrawsOtherwiseAndAgainTheSame) {
    const SectionInputs inputs = ThreeSoilInputs();
    const SectionTrialsOutcome plain = RunFromStart(inputs, {}, 200, 2);
    const SectionTrialsOutcome sampled = RunFromStart(inputs, HypercubeCorrelated(), 200, 2);
    EXPECT_NE(plain.factors, sampled.factors);
    ExpectSameBits(RunFromStart(inputs, HypercubeCorrelated(), 200, 2), sampled);
}

struct ConsumptionRow {
    std::string name;
    bool hypercube = false;
    int trials = 0;
    std::uint64_t perInputs = 0;  // values taken per uncertain input
};

class SectionTrialsConsumption : public testing::TestWithParam<ConsumptionRow> {};

// Monte Carlo takes one value per input per trial; a Latin hypercube 2n - 1 per input.
TEST_P(SectionTrialsConsumption, TakesItsValuesOfTheSequence) {
    const ConsumptionRow& row = GetParam();
    const SectionInputs inputs = ThreeSoilInputs();
    ASSERT_EQ(inputs.uncertain.size(), 8u);
    UniformSequence uniforms(kStart);
    RunSectionTrials(inputs, row.hypercube ? HypercubeCorrelated() : SamplingChoices{}, kCircle,
                     row.trials, uniforms, 2);
    UniformSequence expected(kStart);
    expected.Skip(row.perInputs * inputs.uncertain.size());
    EXPECT_EQ(uniforms.state(), expected.state());
}

INSTANTIATE_TEST_SUITE_P(SectionTrials, SectionTrialsConsumption,
                         testing::Values(ConsumptionRow{"MonteCarlo", false, 50, 50},
                                         ConsumptionRow{"Hypercube", true, 50, 99},
                                         ConsumptionRow{"NoTrial", false, 0, 0}),
                         RowName{});

struct PartsRow {
    std::string name;
    friend void PrintTo(const PartsRow& row, std::ostream* os) { *os << row.name; }
    SamplingChoices choices;
    int threads = 1;
    int parts = 3;
};

class SectionTrialsParts : public testing::TestWithParam<PartsRow> {};

// The parts of a split run, each drawn from where the whole run draws its range, hold the whole
// run's trials; given back to a merge they sum to its figures and out-of-range counts.
TEST_P(SectionTrialsParts, HoldTheWholeRunsTrialsAndMergeToItsFigures) {
    const PartsRow& row = GetParam();
    const SectionInputs inputs = ThreeSoilInputs("5");  // some trials out of range
    const std::size_t width = inputs.uncertain.size();
    constexpr int kTrials = 700;  // three chunks on two threads
    UniformSequence wholeUniforms(kStart);
    const SectionTrialsOutcome whole =
        RunSectionTrials(inputs, row.choices, kCircle, kTrials, wholeUniforms, row.threads);
    ASSERT_EQ(whole.statistics.outOfRange > 0, row.choices.parameters.empty())
        << "a c unbounded below draws out of range";
    TrialRecords records({0, kTrials}, kTrials, width);
    SectionTrialsOutcome joined;
    for (int k = 1; k <= row.parts; ++k) {
        const TrialRange range = PartRange(kTrials, {k, row.parts});
        UniformSequence uniforms(kStart);
        const SectionTrialsOutcome part = RunSectionTrials(inputs, row.choices, kCircle, nullptr,
                                                           kTrials, range, uniforms, row.threads);
        ASSERT_EQ(part.results.size(), static_cast<std::size_t>(range.count())) << "part " << k;
        if (k == row.parts) {
            EXPECT_EQ(uniforms.state(), wholeUniforms.state()) << "after the last part";
        }
        joined.drawn.insert(joined.drawn.end(), part.drawn.begin(), part.drawn.end());
        joined.factors.insert(joined.factors.end(), part.factors.begin(), part.factors.end());
        joined.results.insert(joined.results.end(), part.results.begin(), part.results.end());
        for (std::size_t i = 0; i < part.results.size(); ++i) {
            records.Add(std::span(part.drawn).subspan(i * width, width), part.factors[i],
                        static_cast<int>(part.results[i]));
        }
    }
    joined.statistics = whole.statistics;
    ExpectSameBits(joined, whole);
    const SectionTrialsOutcome merged = GivenSectionTrials(inputs, records);
    ExpectSameBits(merged, whole);
    EXPECT_EQ(merged.statistics.outOfRange, whole.statistics.outOfRange);
    ASSERT_EQ(merged.outOfRange.size(), whole.outOfRange.size());
    for (std::size_t k = 0; k < whole.outOfRange.size(); ++k) {
        EXPECT_EQ(merged.outOfRange[k].parameter, whole.outOfRange[k].parameter);
        EXPECT_EQ(merged.outOfRange[k].trials, whole.outOfRange[k].trials);
    }
}

INSTANTIATE_TEST_SUITE_P(SectionTrials, SectionTrialsParts,
                         testing::Values(PartsRow{"Plain1", {}, 1}, PartsRow{"Plain2", {}, 2},
                                         PartsRow{"CorrelatedBounded2", CorrelatedBounded(), 2},
                                         PartsRow{"Hypercube1", HypercubeCorrelated(), 1},
                                         PartsRow{"Hypercube2", HypercubeCorrelated(), 2},
                                         PartsRow{"ElevenParts", {}, 2, 11}),
                         RowName{});

// An empty part draws and works out nothing but leaves the sequence where the run would be.
TEST(SectionTrials, AnEmptyPartWorksOutNoTrial) {
    const SectionInputs inputs = ThreeSoilInputs();
    UniformSequence uniforms(kStart);
    const SectionTrialsOutcome part =
        RunSectionTrials(inputs, {}, kCircle, nullptr, 2, PartRange(2, {1, 3}), uniforms, 2);
    EXPECT_TRUE(part.results.empty());
    EXPECT_TRUE(part.drawn.empty());
    EXPECT_EQ(part.statistics.trials, 0);
    EXPECT_EQ(uniforms.state(), kStart);
}

// A merge takes a trial's status as its part gave it; one that names no TrialResult is refused
// rather than left out of every count.
TEST(SectionTrials, AGivenStatusThatIsNoTrialResultIsRefused) {
    const SectionInputs inputs = ThreeSoilInputs();
    const std::vector<double> values(inputs.uncertain.size(), 1.0);
    for (const int status : {-1, 4}) {
        TrialRecords records({0, 2}, 2, values.size());
        records.Add(values, 1.5, static_cast<int>(TrialResult::Usable));
        records.Add(values, 1.5, status);
        EXPECT_THROW(GivenSectionTrials(inputs, records), GivenTrialsMismatch) << status;
    }
}

// A fill whose c reaches below 0 in many a trial: those trials are counted, not solved.
TEST(SectionTrials, TrialsThatDrawOutsideARangeAreCountedApart) {
    const SectionInputs inputs = ThreeSoilInputs("5");
    const SectionTrialsOutcome outcome = RunFromStart(inputs, {}, 400, 2);
    ASSERT_EQ(outcome.outOfRange.size(), inputs.uncertain.size());
    EXPECT_EQ(outcome.outOfRange[0].parameter, "Fill.cohesion");
    const int outside = outcome.outOfRange[0].trials;
    EXPECT_GT(outside, 20);
    for (std::size_t k = 1; k < outcome.outOfRange.size(); ++k) {
        EXPECT_EQ(outcome.outOfRange[k].trials, 0) << outcome.outOfRange[k].parameter;
    }
    EXPECT_EQ(outcome.statistics.outOfRange, outside);
    EXPECT_EQ(outcome.statistics.usable, 400 - outside);
    for (std::size_t i = 0; i < outcome.results.size(); ++i) {
        if (outcome.results[i] == TrialResult::OutOfRange) {
            EXPECT_TRUE(std::isnan(outcome.factors[i])) << "trial " << i;
        }
    }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct SummaryRow {
    std::string name;
    std::vector<double> factors;
    std::vector<TrialResult> results;
    int usable, noFactor, smallMAlpha, outOfRange, failed;
    double failurePercent, mean;
};

class SectionTrialsSummary : public testing::TestWithParam<SummaryRow> {};

// Only usable trials enter the figures; the others are counted by what stopped them.
TEST_P(SectionTrialsSummary, CountsEachTrialOnceAndDescribesTheUsable) {
    const SummaryRow& row = GetParam();
    const SectionTrialStatistics s = SummariseSectionTrials(row.factors, row.results);
    EXPECT_EQ(s.trials, static_cast<int>(row.results.size()));
    EXPECT_EQ(s.usable, row.usable);
    EXPECT_EQ(s.noFactor, row.noFactor);
    EXPECT_EQ(s.smallMAlpha, row.smallMAlpha);
    EXPECT_EQ(s.outOfRange, row.outOfRange);
    EXPECT_EQ(s.failed, row.failed);
    EXPECT_DOUBLE_EQ(s.failurePercent, row.failurePercent);
    EXPECT_DOUBLE_EQ(s.distribution.mean, row.mean);
}

using R = TrialResult;
INSTANTIATE_TEST_SUITE_P(
    SectionTrials, SectionTrialsSummary,
    testing::Values(
        SummaryRow{"AllUsable",
                   {0.5, 1.5, 2.0, 0.8},
                   {R::Usable, R::Usable, R::Usable, R::Usable},
                   4,
                   0,
                   0,
                   0,
                   2,
                   50.0,
                   1.2},
        SummaryRow{"OthersLeftOut",
                   {0.5, kNaN, 0.1, kNaN, 1.5},
                   {R::Usable, R::NoFactor, R::SmallMAlpha, R::OutOfRange, R::Usable},
                   2,
                   1,
                   1,
                   1,
                   1,
                   50.0,
                   1.0},
        SummaryRow{
            "NoneUsable", {kNaN, kNaN}, {R::NoFactor, R::OutOfRange}, 0, 1, 0, 1, 0, 0.0, 0.0}),
    RowName{});

}  // namespace
}  // namespace vardolin::section

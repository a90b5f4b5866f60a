// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>

#include "TestSupport.h"
#include "analysis/OutOfRangeDraws.h"
#include "critical_circle/CircleEvaluation.h"
#include "critical_circle/CircleTrials.h"
#include "critical_circle/CriticalCircleFields.h"
#include "critical_circle/SoilValues.h"
#include "numerics/NormalSampler.h"

namespace vardolin::critical {
namespace {

using testing_support::ErrorOf;

const UncertainSoil kSoil{{600, 20, 120, 0.25}, {150, 3, 6, 0.08}};

// The given circle of the published check, at the means.
CircleSlices Slices() {
    return AnalyseCircle(*SimpleSlope::Make(40, 26.565051177078), kSoil.mean, {20, 70, 80}, 50)
        .slices;
}

// Trial i takes values 4i .. 4i + 3 for c, phi, gamma and ru and nothing else, on any number of
// threads: the figures of a loop over the trials in order, bit for bit.
TEST(CircleTrials, EachTrialDrawsCohesionFrictionWeightAndPorePressureInTurn) {
    const CircleSlices slices = Slices();
    constexpr int kTrials = 3000;  // a dozen chunks
    std::vector<double> expected;
    UniformSequence by(12345);
    TrialEvaluator evaluator(slices);
    for (int i = 0; i < kTrials; ++i) {
        SoilValues drawn;
        drawn.cohesion = SampleNormal(by, kSoil.mean.cohesion, kSoil.sd.cohesion);
        drawn.frictionAngle = SampleNormal(by, kSoil.mean.frictionAngle, kSoil.sd.frictionAngle);
        drawn.unitWeight = SampleNormal(by, kSoil.mean.unitWeight, kSoil.sd.unitWeight);
        drawn.poreRatio = SampleNormal(by, kSoil.mean.poreRatio, kSoil.sd.poreRatio);
        expected.push_back(evaluator.Evaluate(drawn).bishop);
    }
    for (int threads : {1, 2, 7}) {
        UniformSequence uniforms(12345);
        const CircleTrialsOutcome outcome =
            RunCircleTrials(slices, kSoil, kTrials, uniforms, threads);
        EXPECT_EQ(std::memcmp(outcome.factors.data(), expected.data(), kTrials * sizeof(double)), 0)
            << threads;
        EXPECT_EQ(outcome.statistics.usable, kTrials);
        EXPECT_EQ(uniforms.state(), by.state()) << threads;
    }
}

TEST(CircleTrials, WithoutSpreadEveryTrialHasTheFactorAtTheMeans) {
    const CircleSlices slices = Slices();
    const double atMeans = FactorEvaluator().Evaluate(slices).bishop;
    UniformSequence uniforms;
    const CircleTrialsOutcome outcome =
        RunCircleTrials(slices, {kSoil.mean, SoilValues{}}, 50, uniforms, 2);
    for (double factor : outcome.factors) {
        ASSERT_EQ(factor, atMeans);
    }
    EXPECT_EQ(outcome.statistics.standardDeviation, 0.0);
    EXPECT_FALSE(outcome.statistics.reliabilityIndex);
    EXPECT_EQ(outcome.statistics.failurePercent, 0.0);
}

// A deviation of 1e308 overflows for deviates beyond about 1.8, within the first chunk of trials;
// one of 6e307 beyond about 3, a few chunks later. The run stops at the first such draw with
// Overflow, its sequence just past it, as a loop over the trials in order stops.
TEST(CircleTrials, DrawThatOverflowsStopsAtTheSameStepOnAnyThreadCount) {
    const CircleSlices slices = Slices();
    for (const double sd : {1e308, 6e307}) {
        UncertainSoil soil = kSoil;
        soil.sd.unitWeight = sd;
        UniformSequence expected;
        EXPECT_EQ(ErrorOf([&] {
                      for (int i = 0; i < 4000; ++i) {
                          for (int p = 0; p < kDrawsPerTrial; ++p) {
                              DrawNormalDeviate(expected).Scale(120, p == 2 ? sd : 0.0);
                          }
                      }
                  }),
                  ErrorCode::Overflow);
        for (int threads : {1, 2, 7}) {
            UniformSequence uniforms;
            EXPECT_EQ(ErrorOf([&] { RunCircleTrials(slices, soil, 4000, uniforms, threads); }),
                      ErrorCode::Overflow);
            EXPECT_EQ(uniforms.state(), expected.state()) << sd << " " << threads;
        }
    }
}

TEST(CircleTrials, CountOutsideTheLimitsOrACancelLeavesTheSequenceAlone) {
    const CircleSlices slices = Slices();
    UniformSequence uniforms;
    for (int trials : {kMinTrials - 1, kMaxTrials + 1}) {
        EXPECT_TRUE(RunCircleTrials(slices, kSoil, trials, uniforms, 2).factors.empty());
    }
    RunProgress progress;
    progress.cancelRequested = true;
    EXPECT_THROW(RunCircleTrials(slices, kSoil, 100, uniforms, 2, &progress), RunCancelled);
    EXPECT_EQ(uniforms.state(), UniformSequence::kInitialState);
}

// Each parameter's range, its ends included or not, counted per trial and parameter.
TEST(CircleInputs, CountEachParameterAgainstItsOwnRange) {
    const SoilValues inside{0.0, 0.0, 1e-300, 0.0};
    std::vector<SoilValues> drawn{inside};
    const std::array<SoilValues, 7> outside{{
        {-1e-300, 30, 18, 0.1},  // c below 0
        {10, -1e-9, 18, 0.1},    // phi below 0
        {10, 90, 18, 0.1},       // phi at 90
        {10, 30, 0, 0.1},        // gamma at 0
        {10, 30, -18, 0.1},      // gamma below 0
        {10, 30, 18, 1.0},       // ru at 1
        {-5, 30, 18, -0.1},      // c and ru both
    }};
    drawn.insert(drawn.end(), outside.begin(), outside.end());
    const std::vector<NumberRange> ranges = DrawRanges(kCircleInputs, [](int) { return 0.0; });
    OutOfRangeTally tally;
    for (const SoilValues& soil : drawn) {
        std::array<double, 4> values{};
        for (std::size_t p = 0; p < kSoilParameters.size(); ++p) {
            values[p] = soil.*kSoilParameters[p];
        }
        tally.AddTrial(OutsideRanges(ranges, values));
    }
    const std::vector<OutOfRangeCount> counts = tally.Counts(kCircleInputs);
    ASSERT_EQ(counts.size(), 4u);
    const std::array<std::pair<std::string_view, int>, 4> expected{
        {{"cohesion", 2}, {"friction_angle", 2}, {"unit_weight", 2}, {"pore_ratio", 2}}};
    for (std::size_t p = 0; p < expected.size(); ++p) {
        EXPECT_EQ(counts[p].parameter, expected[p].first);
        EXPECT_EQ(counts[p].trials, expected[p].second) << expected[p].first;
    }
}

TEST(TrialStatistics, TakeOnlyUsableTrialsAndCountTheOthers) {
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    const std::vector<double> factors{0.5, 1.5, kNaN, 2.5, 0.9, kNaN};
    const std::vector<FactorStatus> statuses{
        FactorStatus::Valid, FactorStatus::Valid,       FactorStatus::NotConverged,
        FactorStatus::Valid, FactorStatus::SmallMAlpha, FactorStatus::NoDrivingMoment};
    const TrialStatistics s = SummariseTrials(factors, statuses);
    EXPECT_EQ(s.trials, 6);
    EXPECT_EQ(s.usable, 3);
    EXPECT_EQ(s.notConverged, 1);
    EXPECT_EQ(s.smallMAlpha, 1);
    EXPECT_EQ(s.noDrivingMoment, 1);
    EXPECT_EQ(s.failed, 1);
    EXPECT_DOUBLE_EQ(s.failurePercent, 100.0 / 3);
    EXPECT_DOUBLE_EQ(s.meanFactor, 1.5);
    EXPECT_DOUBLE_EQ(s.standardDeviation, 1.0);
    EXPECT_EQ(s.minimum, 0.5);
    EXPECT_EQ(s.maximum, 2.5);
    EXPECT_DOUBLE_EQ(*s.reliabilityIndex, 0.5);
    EXPECT_NEAR(*s.lognormalReliabilityIndex, 0.36543794026656445, 1e-14);
}

}  // namespace
}  // namespace vardolin::critical

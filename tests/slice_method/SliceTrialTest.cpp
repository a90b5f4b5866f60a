// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "numerics/Pi.h"
#include "slice_method/BishopSafetyFactor.h"
#include "slice_method/FaultPolicy.h"
#include "slice_method/SliceQuantities.h"
#include "slice_method/SliceTrials.h"

namespace vardolin {
namespace {

using testing_support::ErrorOf;
using testing_support::RowName;

// A grid of one centre at (E, H) with exact figures: R = hypot(E, H) and reach E, with the
// face steep enough (80 degrees) for the circle to pass the crest.
SliceInputs OneCentre(double reach, double height, double slices) {
    SliceInputs inputs = SliceInputs::Defaults();
    inputs.Set(slice_method::SlopeHeight, height);
    inputs.Set(slice_method::CentreY2, height);
    inputs.Set(slice_method::CentreX1, reach);
    inputs.Set(slice_method::CentreX2, reach);
    inputs.Set(slice_method::SlopeFaceAngle, 80);
    inputs.Set(slice_method::SliceCount, slices);
    return inputs;
}

struct PassRow {
    const char* name;
    double reach, height, slices;
    int processed;
};

class SlicePasses : public testing::TestWithParam<PassRow> {};

// n slices give n + 1 passes at x = b, 2b, ..., (n + 1)b; the last is a slice only if it
// stays within the radius, that is if 1.1 E <= R for ten slices.
TEST_P(SlicePasses, ProcessEveryPassWithinTheRadius) {
    const PassRow& row = GetParam();
    SliceInputs inputs = OneCentre(row.reach, row.height, row.slices);
    UniformSequence uniforms;
    SliceKeptTables kept;
    SliceTables tables;
    const SliceTrialsOutcome outcome = RunSliceTrials(1, inputs, uniforms, kept, tables);
    EXPECT_EQ(outcome.end, TrialEnd::Completed);
    EXPECT_EQ(outcome.processedSlices, row.processed);
    UniformSequence expected;
    for (int n = 0; n < 1 + 4 * row.processed; ++n) {
        expected.NextUniform();
    }
    EXPECT_EQ(uniforms.state(), expected.state());
    if (row.processed == 0) {
        EXPECT_EQ(tables.CircleSafetyFactors[1], 0.0);
        EXPECT_EQ(outcome.failures, 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layout, SlicePasses,
    testing::Values(PassRow{"LastPassWithinTheRadius", 10, 24, 10, 11},     // R = 26 >= 11
                    PassRow{"LastPassBeyondTheRadius", 40, 9, 10, 10},      // R = 41 < 44
                    PassRow{"FractionalCountEndsBeforeE", 10, 24, 2.5, 3},  // k = 0, 4, 8
                    PassRow{"NegativeCountMakesNoPass", 10, 24, -10, 0}),
    RowName());

// Trial 2 of a run gives the same factor as a first trial started where trial 1 left the
// sequence: its offsets, pass counter and sums start afresh.
TEST(SliceTrial, StartsItsOffsetsAndSumsAfresh) {
    SliceInputs inputs = SliceInputs::Defaults();
    SliceKeptTables kept;
    SliceTables run;
    UniformSequence together;
    RunSliceTrials(2, inputs, together, kept, run);

    UniformSequence alone;
    SliceTables first;
    SliceTables second;
    RunSliceTrial(1, inputs, alone, kept, first);
    RunSliceTrial(1, inputs, alone, kept, second);
    EXPECT_EQ(run.CircleSafetyFactors[2], second.CircleSafetyFactors[1]);
    EXPECT_NE(run.CircleSafetyFactors[2], run.CircleSafetyFactors[1]);
}

struct LoadRow {
    const char* name;
    double baseX, baseY, waterHeight;
    double height, poreHead;
};

class SliceLoad : public testing::TestWithParam<LoadRow> {};

// The section: toe at the origin, crest at (20, 10), level at 10 beyond. The slice's base
// point sits at (xc + x, yc - s); its height reaches up to the ground, its pore head is the
// drawn water height within 0..height.
TEST_P(SliceLoad, TakesHeightFromTheSectionAndPoreHeadFromTheWater) {
    const LoadRow& row = GetParam();
    SlipCircle circle{.centreX = row.baseX - 1,
                      .centreY = row.baseY + 3,
                      .radius = 8,
                      .crestDistance = 20,
                      .reach = 6};
    const SliceBase base{.depth = 3, .angle = 7, .length = 2.1};
    UncertainParameters drawn{
        .cohesion = 0, .frictionAngle = 0, .rockUnitWeight = 25, .waterHeight = row.waterHeight};
    SliceInputs inputs = SliceInputs::Defaults();
    inputs.Set(slice_method::WaterUnitWeight, 9800);
    StopAtFault policy;
    const SliceTerms terms = SliceTermsOf(policy, circle, 2, 10);

    const SliceLoads loads = SliceLoadsOf(policy, terms, 1, base, drawn, inputs);
    EXPECT_DOUBLE_EQ(loads.height, row.height);
    EXPECT_DOUBLE_EQ(loads.weight, 25 * row.height * 2);
    EXPECT_DOUBLE_EQ(loads.poreHead, row.poreHead);
    EXPECT_DOUBLE_EQ(loads.porePressure, 9800 * row.poreHead);
    // The crack's thrust on the whole mass, shared by width: this slice is b / E = 2 / 6 of it.
    EXPECT_DOUBLE_EQ(loads.waterThrust,
                     9800 * 0.5 * row.waterHeight * row.waterHeight * 5 / 8 * (2.0 / 6));
}

INSTANTIATE_TEST_SUITE_P(Section, SliceLoad,
                         testing::Values(LoadRow{"UnderTheFace", 8, -2, 2, 6, 2},
                                         LoadRow{"UnderTheLevelTop", 30, 4, 2, 6, 2},
                                         LoadRow{"LeftOfTheToe", -1, -3, 2, 3, 2},
                                         LoadRow{"BaseAboveTheGroundHasNoHeight", 8, 5, 2, 0, 0},
                                         LoadRow{"NegativeWaterGivesNoPressure", 8, -2, -1, 6, 0},
                                         LoadRow{"WaterAboveTheGroundIsCapped", 8, -2, 9, 6, 6}),
                         RowName());

constexpr double kDegree = kPi / 180;

// Without cohesion, water and thrust, a slice's Bishop factor is tan(phi) / tan(alpha), as for
// an infinite slope: F0 is the same ratio, and m-alpha then equals 1 / cos(alpha).
TEST(BishopSafetyFactor, DryCohesionlessSliceGivesTheInfiniteSlopeRatio) {
    StopAtFault policy;
    BishopSafetyFactor factor;
    const double f = factor.AddSlice(policy, {.baseRadians = 20 * kDegree,
                                              .baseCosine = std::cos(20 * kDegree),
                                              .width = 1,
                                              .baseLength = 1.06,
                                              .weight = 5000,
                                              .porePressure = 0,
                                              .waterThrust = 0,
                                              .drawn = {0, 30, 25000, 0}});
    EXPECT_NEAR(f, std::tan(30 * kDegree) / std::tan(20 * kDegree), 1e-12);
}

// The Bishop numerator takes the pore pressure over the slice's width, not the rock's weight
// of the water: with a flat base (m-alpha = 1) the factor is (c b + (W - u b) tan phi) / M.
TEST(BishopSafetyFactor, NumeratorTakesThePorePressureOverTheSliceWidth) {
    StopAtFault policy;
    BishopSafetyFactor factor;
    const double f = factor.AddSlice(policy, {.baseRadians = 0,
                                              .baseCosine = 1,
                                              .width = 2,
                                              .baseLength = 2,
                                              .weight = 5000,
                                              .porePressure = 400,
                                              .waterThrust = 100,
                                              .drawn = {300, 30, 25000, 7}});
    const double tanPhi = std::tan(30 * kPi / 180);
    EXPECT_EQ(f, (300.0 * 2 + (5000 - 400.0 * 2) * tanPhi) / 100);
}

// A slice without weight and base adds only its water thrust to the driving sums.
TEST(BishopSafetyFactor, WeightlessSliceAddsItsThrustAndFailsAsTheFirstSlice) {
    const BishopSlice weighty{.baseRadians = 20 * kDegree,
                              .baseCosine = std::cos(20 * kDegree),
                              .width = 1,
                              .baseLength = 1.06,
                              .weight = 5000,
                              .porePressure = 100,
                              .waterThrust = 30,
                              .drawn = {1000, 30, 25000, 1}};
    BishopSlice weightless = weighty;
    weightless.weight = weightless.baseLength = 0;

    StopAtFault policy;
    BishopSafetyFactor sums;
    sums.AddSlice(policy, weighty);
    const double resisting = sums.ordinaryResisting();
    const double driving = sums.ordinaryDriving();
    sums.AddSlice(policy, weightless);
    EXPECT_EQ(sums.ordinaryResisting(), resisting);
    EXPECT_EQ(sums.ordinaryDriving(), driving + 30);
    EXPECT_EQ(sums.bishopDriving(), driving + 30);

    // F0 = 0 / 30 = 0 divides tan(a) tan(p); with no thrust either, F0 is 0 / 0.
    EXPECT_EQ(ErrorOf([&] { BishopSafetyFactor().AddSlice(policy, weightless); }),
              ErrorCode::DivisionByZero);
    weightless.waterThrust = 0;
    EXPECT_EQ(ErrorOf([&] { BishopSafetyFactor().AddSlice(policy, weightless); }),
              ErrorCode::Overflow);
}

}  // namespace
}  // namespace vardolin

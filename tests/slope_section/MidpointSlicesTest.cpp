// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "critical_circle/CircleEvaluation.h"
#include "critical_circle/CircleSlices.h"
#include "critical_circle/SimpleSlope.h"
#include "critical_circle/SoilValues.h"
#include "slope_section/BishopMethod.h"
#include "slope_section/MidpointSlices.h"

namespace vardolin::section {
namespace {

constexpr double kTwoToOne = 26.565051177078;

// A trial's soil put on slices cut with another gives, field for field, the slices cut with it:
// the trials on a circle cut it once.
TEST(MidpointSlices, ASoilPutOnTheSlicesIsTheSoilTheyAreCutWith) {
    const critical::SimpleSlope slope = *critical::SimpleSlope::Make(40.0, kTwoToOne);
    const critical::Circle circle{20.0, 70.0, 80.0};
    const critical::SoilValues means{600.0, 20.0, 120.0, 0.25};
    const critical::SoilValues drawn{431.7, 23.9, 113.3, 0.381};
    const critical::CircleSlices cut = critical::AnalyseCircle(slope, means, circle, 50).slices;
    const critical::CircleSlices expected =
        critical::AnalyseCircle(slope, drawn, circle, 50).slices;
    SlicedMass put = cut.mass;
    SetMidpointSoil(critical::StrengthOf(drawn), put);
    ASSERT_EQ(put.slices.size(), expected.mass.slices.size());
    for (std::size_t i = 0; i < put.slices.size(); ++i) {
        const SectionSlice& a = put.slices[i];
        const SectionSlice& b = expected.mass.slices[i];
        EXPECT_EQ(a.weight, b.weight) << i;
        EXPECT_EQ(a.porePressure, b.porePressure) << i;
        EXPECT_EQ(a.cohesion, b.cohesion) << i;
        EXPECT_EQ(a.tanFriction, b.tanFriction) << i;
        EXPECT_EQ(a.centroidY, b.centroidY) << i;
    }
    EXPECT_NE(put.slices[7].weight, cut.mass.slices[7].weight);
}

// The circle's form about the centre, which the critical circle reports, and the general moment
// form (SolveBishop) about the centre give the same factor to about 1e-9 only: the general form
// sums c l - u l tan(phi) and N, with the arms about the centre worked out from the base's
// middle, and settles to 1e-9. Every circle of a grid on the published slope.
TEST(MidpointSlices, BishopAboutTheCentreIsTheGeneralFormsFactor) {
    const critical::SimpleSlope slope = *critical::SimpleSlope::Make(40.0, kTwoToOne);
    const critical::SoilValues soil{600.0, 20.0, 120.0, 0.25};
    critical::CircleAnalyser analyser(slope, soil, 40);
    MethodWorkspace workspace;
    int compared = 0;
    for (int i = 0; i < 12; ++i) {
        for (int j = 0; j < 12; ++j) {
            for (const double extra : {0.0, 7.0, 15.0}) {
                const double x = 10.0 + 6.0 * i;
                const double y = 45.0 + 6.0 * j;
                const critical::CircleEvaluation& circle =
                    analyser.Analyse({x, y, std::hypot(x, y) + extra});
                if (!circle.usable()) {
                    continue;
                }
                const MethodResult general = SolveBishop(circle.slices.mass, {-x, y}, workspace);
                EXPECT_NEAR(general.factor, circle.factors.bishop, 1e-8 * circle.factors.bishop)
                    << x << ", " << y;
                compared += 1;
            }
        }
    }
    EXPECT_GT(compared, 300);
}

TEST(MidpointSlices, RefuseASliceWithAVerticalBase) {
    const Polyline ground({{0.0, 0.0}, {10.0, 10.0}});
    SlicedMass mass;
    // No width; one slice whose middle lies level with the centre.
    EXPECT_EQ(LayOutMidpointSlices(ground, {5.0, 0.0, 5.0}, 5.0, 5.0, {}, 1, mass),
              SurfaceStatus::DegenerateSlice);
    EXPECT_EQ(LayOutMidpointSlices(ground, {0.0, 0.0, 5.0}, 0.0, 10.0, {}, 1, mass),
              SurfaceStatus::DegenerateSlice);
}

}  // namespace
}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "critical_circle/CircleOnSlope.h"
#include "critical_circle/CircleSlices.h"
#include "critical_circle/FactorEvaluator.h"
#include "critical_circle/SimpleSlope.h"
#include "critical_circle/SliceTerms.h"
#include "critical_circle/SoilValues.h"
#include "numerics/Pi.h"
#include "slope_section/MidpointSlices.h"

namespace vardolin::section {
namespace {

struct Case {
    double height, faceAngle;
    critical::Circle circle;
    int count;
};

// The critical circle's own slopes and circles, among them Fredlund and Krahn's (2:1, 40 high).
TEST(MidpointSlices, GiveTheCriticalCirclesSlicesToTheBit) {
    const critical::SoilValues soil{600.0, 20.0, 120.0, 0.25};
    const SoilStrength strength{soil.cohesion, TanOfDegrees(soil.frictionAngle), soil.unitWeight,
                                soil.poreRatio, false};
    int compared = 0;
    for (const Case& c :
         {Case{40.0, 26.565051177078, {40.0, 70.0, 80.0}, 50},
          Case{40.0, 26.565051177078, {55.3, 61.7, 58.9}, 33},
          Case{10.0, 45.0, {3.0, 14.0, 14.5}, 25}, Case{12.0, 63.4, {1.0, 17.0, 19.0}, 7},
          Case{8.0, 90.0, {0.5, 9.0, 9.4}, 1}}) {
        const critical::SimpleSlope slope = *critical::SimpleSlope::Make(c.height, c.faceAngle);
        const critical::CircleOnSlope located = critical::LocateCircle(slope, c.circle);
        ASSERT_EQ(located.status, critical::CircleStatus::Valid) << c.circle.centreX;
        critical::CircleSlices expected;
        ASSERT_EQ(critical::LayOutSlices(slope, c.circle, located, c.count, expected),
                  critical::CircleStatus::Valid);

        // The simple slope as a line: its face keeps the tangent of its angle.
        const double tangent = std::tan(c.faceAngle * kPi / 180.0);
        const Polyline ground({{0.0, 0.0}, {slope.crestX(), c.height}}, {tangent});
        SlicedMass mass;
        ASSERT_EQ(
            LayOutMidpointSlices(ground, {c.circle.centreX, c.circle.centreY, c.circle.radius},
                                 located.exitX, located.entryX, strength, c.count, mass),
            SurfaceStatus::Valid);
        ASSERT_TRUE(mass.mirrored);  // the simple slope faces left
        const auto n = static_cast<std::size_t>(c.count);
        ASSERT_EQ(mass.slices.size(), n);
        for (std::size_t i = 0; i < n; ++i) {
            // Counted from the exit as drawn, from the entry in the sliding frame.
            const SectionSlice& slice = mass.slices[n - 1 - i];
            const double h = expected.height[i];
            EXPECT_EQ(slice.baseX, -expected.middleX[i]) << i;
            EXPECT_EQ(slice.width, expected.width) << i;
            EXPECT_EQ(slice.weight,
                      critical::slice_terms::Weight(soil.unitWeight, h, expected.width))
                << i;
            EXPECT_EQ(slice.porePressure,
                      critical::slice_terms::PorePressure(soil.poreRatio, soil.unitWeight, h))
                << i;
            EXPECT_EQ(slice.sinBase, expected.sinBase[i]) << i;
            EXPECT_EQ(slice.cosBase, expected.cosBase[i]) << i;
            EXPECT_EQ(slice.baseLength, expected.baseLength[i]) << i;
            EXPECT_EQ(slice.tanFriction, critical::TanOfDegrees(soil.frictionAngle));
            compared += 1;
        }
    }
    EXPECT_EQ(compared, 50 + 33 + 25 + 7 + 1);
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

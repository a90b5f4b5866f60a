// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "critical_circle/CircleOnSlope.h"
#include "critical_circle/CircleSearch.h"
#include "critical_circle/CircleSlices.h"
#include "critical_circle/FactorEvaluator.h"
#include "critical_circle/SimpleSlope.h"
#include "critical_circle/SliceTerms.h"
#include "critical_circle/SoilValues.h"
#include "numerics/Pi.h"
#include "slope_section/BishopMethod.h"
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

// The critical circle's default run: a 45 degree slope 10 m high, c 10 kPa, phi 30 degrees,
// gamma 18 kN/m3, ru 0.1, 50 slices, the placed 20 x 20 grid with 20 radii, widened and
// deepened as the form's Auto sides let it. Its critical circle's Bishop factor is pinned at
// 1.13320198233504 by the critical circle's own tests.
critical::SearchResult DefaultSearch(const critical::SimpleSlope& slope,
                                     const critical::SoilValues& soil) {
    critical::SearchSettings settings;
    settings.grid = critical::AutoGrid(slope, 20, 20);
    settings.widen = {true, true, true, true};
    settings.deepen = true;
    settings.slices = 50;
    return critical::FindCriticalCircle(slope, soil, settings, 1);
}

// The section's circle Bishop (SolveBishopAboutCentre) on the midpoint slices gives the
// critical circle's Bishop factor to the bit: for the default search's critical circle, and
// for every circle of the published slope's grid. The general moment form (SolveBishop) gives
// the same factor to about 1e-9 only: it sums c l - u l tan(phi) and N, with the arms about
// the centre worked out from the base's middle, and settles to 1e-9.
TEST(MidpointSlices, BishopAboutTheCentreGivesTheCriticalCirclesFactorToTheBit) {
    const critical::SoilValues soil{10000.0, 30.0, 18000.0, 0.1};
    const critical::SimpleSlope slope = *critical::SimpleSlope::Make(10.0, 45.0);
    const critical::SearchResult search = DefaultSearch(slope, soil);
    ASSERT_EQ(search.status, critical::SearchStatus::Found);
    const critical::CircleEvaluation& critical = search.critical;
    EXPECT_NEAR(critical.factors.bishop, 1.13320198233504, 1e-14);

    const SoilStrength strength{soil.cohesion, TanOfDegrees(soil.frictionAngle), soil.unitWeight,
                                soil.poreRatio, false};
    const Polyline ground({{0.0, 0.0}, {slope.crestX(), 10.0}}, {std::tan(45.0 * kPi / 180.0)});
    MethodWorkspace workspace;
    SlicedMass mass;
    const auto bothFactors = [&](const critical::CircleEvaluation& circle) {
        const CircleSurface surface{circle.circle.centreX, circle.circle.centreY,
                                    circle.circle.radius};
        EXPECT_EQ(LayOutMidpointSlices(ground, surface, circle.located.exitX, circle.located.entryX,
                                       strength, 50, mass),
                  SurfaceStatus::Valid);
        // In the sliding frame (the simple slope faces left) the centre's x is mirrored.
        const MomentPoint centre{-surface.centreX, surface.centreY};
        const MethodResult aboutCentre =
            SolveBishopAboutCentre(mass, centre, surface.radius, workspace);
        const MethodResult general = SolveBishop(mass, centre, workspace);
        return std::pair{aboutCentre, general};
    };
    const auto [aboutCentre, general] = bothFactors(critical);
    EXPECT_EQ(aboutCentre.factor, critical.factors.bishop);
    EXPECT_EQ(aboutCentre.passes, critical.factors.iterations);
    EXPECT_EQ(aboutCentre.smallestMAlpha, critical.factors.smallestMAlpha);
    EXPECT_NEAR(general.factor, critical.factors.bishop, 1e-8);

    // Every circle of a grid on the published slope, usable or not.
    const critical::SoilValues published{600.0, 20.0, 120.0, 0.25};
    const critical::SimpleSlope twoToOne = *critical::SimpleSlope::Make(40.0, 26.565051177078);
    const SoilStrength publishedStrength{600.0, TanOfDegrees(20.0), 120.0, 0.25, false};
    const Polyline twoToOneGround({{0.0, 0.0}, {twoToOne.crestX(), 40.0}},
                                  {std::tan(26.565051177078 * kPi / 180.0)});
    int compared = 0;
    for (int i = 0; i < 12; ++i) {
        for (int j = 0; j < 12; ++j) {
            for (const double extra : {0.0, 7.0, 15.0}) {
                const double x = 10.0 + 6.0 * i;
                const double y = 45.0 + 6.0 * j;
                const critical::Circle circle{x, y, std::hypot(x, y) + extra};
                const critical::CircleEvaluation expected =
                    critical::AnalyseCircle(twoToOne, published, circle, 40);
                if (expected.located.status != critical::CircleStatus::Valid) {
                    continue;
                }
                ASSERT_EQ(LayOutMidpointSlices(twoToOneGround, {x, y, circle.radius},
                                               expected.located.exitX, expected.located.entryX,
                                               publishedStrength, 40, mass),
                          SurfaceStatus::Valid);
                const MethodResult got =
                    SolveBishopAboutCentre(mass, {-x, y}, circle.radius, workspace);
                if (std::isnan(expected.factors.bishop)) {
                    EXPECT_FALSE(got.solved()) << x << ", " << y;
                } else {
                    EXPECT_EQ(got.factor, expected.factors.bishop) << x << ", " << y;
                }
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

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "OneSoilSlicer.h"
#include "TestSupport.h"
#include "slope_section/JanbuMethod.h"
#include "slope_section/MomentCentre.h"

namespace vardolin::section {
namespace {

using testing_support::RowName;
using namespace test_slicer;

const std::vector<Point> kGround{{0, 60}, {60, 60}, {140, 20}, {180, 20}};

TEST(MomentCentre, OfACirclesSlicesIsTheCircleCentre) {
    const SlicedMass mass = SliceUnderCircle(kGround, {120, 600, 20}, {}, {120, 90}, 80, 0.5);
    const std::optional<MomentPoint> centre = DefaultMomentCentre(mass);
    ASSERT_TRUE(centre);
    EXPECT_NEAR(centre->x, 120.0, 1e-9);
    EXPECT_NEAR(centre->y, 90.0, 1e-9);
}

TEST(MomentCentre, APlaneOrNoSlicesHasNone) {
    const SlicedMass plane = SliceUnderLine(kGround, {120, 600, 20}, {}, {30, 60}, {140, 20}, 0.5);
    EXPECT_FALSE(DefaultMomentCentre(plane));
    EXPECT_FALSE(DefaultMomentCentre(SlicedMass{}));
    EXPECT_FALSE(CircleCentreThrough({0, 0}, {1, 1}, {3, 3}));
}

TEST(MomentCentre, ThroughThreePoints) {
    const std::optional<MomentPoint> centre = CircleCentreThrough({-5, 2}, {0, -3}, {5, 2});
    ASSERT_TRUE(centre);
    EXPECT_NEAR(centre->x, 0.0, 1e-12);
    EXPECT_NEAR(centre->y, 2.0, 1e-12);
}

// Janbu's correction against readings of his curves at d/L = 0.1 and 0.2.
struct CorrectionRow {
    const char* name;
    StrengthKind kind;
    double depthOverLength;
    double curve;
};

class JanbuCorrection : public testing::TestWithParam<CorrectionRow> {};

TEST_P(JanbuCorrection, FollowsJanbusCurves) {
    const CorrectionRow& row = GetParam();
    EXPECT_NEAR(JanbuCorrectionFactor(row.kind, row.depthOverLength), row.curve, 0.003);
}

INSTANTIATE_TEST_SUITE_P(
    Curves, JanbuCorrection,
    testing::Values(CorrectionRow{"CohesionOnlyShallow", StrengthKind::CohesionOnly, 0.1, 1.059},
                    CorrectionRow{"CohesionOnlyDeep", StrengthKind::CohesionOnly, 0.2, 1.099},
                    CorrectionRow{"BothShallow", StrengthKind::CohesionAndFriction, 0.1, 1.043},
                    CorrectionRow{"BothDeep", StrengthKind::CohesionAndFriction, 0.2, 1.072},
                    CorrectionRow{"FrictionOnlyShallow", StrengthKind::FrictionOnly, 0.1, 1.027},
                    CorrectionRow{"FrictionOnlyDeep", StrengthKind::FrictionOnly, 0.2, 1.045},
                    CorrectionRow{"Plane", StrengthKind::CohesionAndFriction, 0.0, 1.0}),
    RowName{});

struct KindRow {
    const char* name;
    double cohesion, frictionDegrees;
    StrengthKind kind;
};

class StrengthKinds : public testing::TestWithParam<KindRow> {};

TEST_P(StrengthKinds, TellTheSoilsApart) {
    const KindRow& row = GetParam();
    const SlicedMass mass =
        SliceUnderCircle(kGround, {120, row.cohesion, row.frictionDegrees}, {}, {120, 90}, 80, 0.5);
    EXPECT_EQ(StrengthAlong(mass), row.kind);
}

INSTANTIATE_TEST_SUITE_P(Soils, StrengthKinds,
                         testing::Values(KindRow{"Clay", 600, 0, StrengthKind::CohesionOnly},
                                         KindRow{"Sand", 0, 30, StrengthKind::FrictionOnly},
                                         KindRow{"Both", 600, 20,
                                                 StrengthKind::CohesionAndFriction}),
                         RowName{});

// The circle's d/L: entry (45.84, 60), exit (158.73, 20), lowest reach 80 - 33.75 ft from the
// centre's foot on the chord.
TEST(JanbuCorrection, DepthOverLengthOfACircle) {
    const SlicedMass mass = SliceUnderCircle(kGround, {120, 600, 20}, {}, {120, 90}, 80, 0.5);
    const double entryX = 120.0 - std::sqrt(80.0 * 80.0 - 30.0 * 30.0);
    const double exitX = 120.0 + std::sqrt(80.0 * 80.0 - 70.0 * 70.0);
    const double chordX = exitX - entryX;
    const double length = std::hypot(chordX, 40.0);
    // The centre's distance from the chord, taken from the radius.
    const double centreToChord =
        std::abs(-40.0 * (120.0 - entryX) - chordX * (90.0 - 60.0)) / length;
    EXPECT_NEAR(DepthOverLength(mass), (80.0 - centreToChord) / length, 1e-4);
}

}  // namespace
}  // namespace vardolin::section

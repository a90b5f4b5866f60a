// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

#include "TestSupport.h"
#include "slope_section/PreparedSection.h"
#include "slope_section/SectionExamples.h"
#include "slope_section/SlipSurface.h"

namespace vardolin::section {
namespace {

using testing_support::RowName;

// Fredlund and Krahn's circle (120, 90) R 80 leaves the crest's level ground where
// (x - 120)^2 + 30^2 = 80^2 and the toe's where (x - 120)^2 + 70^2 = 80^2; on the face,
// 60 - (x - 60) / 2, it would need 1.25 x^2 - 240 x + 8000 = 0, whose roots 42.9 and 149.1 lie
// beyond the face: the face lies wholly inside the circle.
const double kEntryX = 120.0 - std::sqrt(5500.0);
const double kExitX = 120.0 + std::sqrt(1500.0);

struct CircleRow {
    const char* name;
    bool mirrorSection;
    CircleSurface circle;
    SurfaceStatus status;
    SurfaceOnGround expected{};

    friend void PrintTo(const CircleRow& row, std::ostream* os) { *os << row.name; }
};

class LocateCircleRows : public testing::TestWithParam<CircleRow> {};

TEST_P(LocateCircleRows, FindsTheEndsAndTheDirectionOfSliding) {
    const CircleRow& row = GetParam();
    const Section drawn = examples::FredlundKrahn();
    const PreparedSection section(row.mirrorSection ? examples::Mirrored(drawn) : drawn);
    const SurfaceOnGround located = LocateCircle(section, row.circle);
    ASSERT_EQ(located.status, row.status);
    if (row.status != SurfaceStatus::Valid) {
        return;
    }
    EXPECT_NEAR(located.entryX, row.expected.entryX, 1e-12);
    EXPECT_NEAR(located.entryY, row.expected.entryY, 1e-12);
    EXPECT_NEAR(located.exitX, row.expected.exitX, 1e-12);
    EXPECT_NEAR(located.exitY, row.expected.exitY, 1e-12);
    EXPECT_EQ(located.mirrored, row.expected.mirrored);
}

INSTANTIATE_TEST_SUITE_P(
    FredlundKrahn, LocateCircleRows,
    testing::Values(
        CircleRow{"PublishedCircle",
                  false,
                  {120, 90, 80},
                  SurfaceStatus::Valid,
                  {SurfaceStatus::Valid, kEntryX, 60.0, kExitX, 20.0, false}},
        CircleRow{"PublishedCircleOnTheMirroredSection",
                  true,
                  {-120, 90, 80},
                  SurfaceStatus::Valid,
                  {SurfaceStatus::Valid, -kEntryX, 60.0, -kExitX, 20.0, true}},
        CircleRow{"ShallowCircleOnTheFace",
                  false,
                  {100, 60, 25},
                  SurfaceStatus::Valid,
                  // (x - 100)^2 + (30 - x / 2)^2 = 625, so x^2 - 184 x + 8220 = 0.
                  {SurfaceStatus::Valid, (184.0 - std::sqrt(976.0)) / 2.0,
                   90.0 - (184.0 - std::sqrt(976.0)) / 4.0, (184.0 + std::sqrt(976.0)) / 2.0,
                   90.0 - (184.0 + std::sqrt(976.0)) / 4.0, false}},
        CircleRow{"WhollyAbove", false, {120, 200, 80}, SurfaceStatus::MissesGround},
        CircleRow{"WhollyBelow", false, {100, -200, 50}, SurfaceStatus::MissesGround},
        CircleRow{
            "UnderTheCrestAboveItsCentre", false, {60, 50, 30}, SurfaceStatus::OverhangingEnd},
        CircleRow{"NoRadius", false, {120, 90, 0}, SurfaceStatus::BadSurface},
        CircleRow{"CentreNotANumber", false, {NAN, 90, 80}, SurfaceStatus::BadSurface}),
    RowName{});

TEST(LocateCircle, TellsTwoMassesUnderAHollowFromOne) {
    Section section = examples::FredlundKrahn();
    section.layers[0].points = {{0, 10}, {10, 10}, {15, 0}, {20, 10}, {30, 10}};
    const PreparedSection hollow(section);
    EXPECT_EQ(LocateCircle(hollow, {15, 20, 15}).status, SurfaceStatus::SeveralMasses);
    // Level ground and level ends: the section's own facing (right) decides.
    section.layers[0].points = {{-20, 0}, {20, 0}};
    const SurfaceOnGround level = LocateCircle(PreparedSection(section), {0, 5, 10});
    EXPECT_EQ(level.status, SurfaceStatus::Valid);
    EXPECT_FALSE(level.mirrored);
    EXPECT_NEAR(level.entryX, -std::sqrt(75.0), 1e-12);
}

struct PolylineRow {
    const char* name;
    std::vector<SectionPoint> surface;
    SurfaceStatus status;

    friend void PrintTo(const PolylineRow& row, std::ostream* os) { *os << row.name; }
};

class LocatePolylineRows : public testing::TestWithParam<PolylineRow> {};

TEST_P(LocatePolylineRows, TakesASurfaceThatStartsAndEndsAboveTheGround) {
    Section wedge = examples::FredlundKrahn();
    wedge.layers[0].points = {{0, 10}, {10, 10}, {20, 0}, {30, 0}};
    EXPECT_EQ(LocatePolyline(PreparedSection(wedge), GetParam().surface).status, GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    Wedge, LocatePolylineRows,
    testing::Values(
        PolylineRow{"PlaneFromCrestToToe", {{2, 10}, {20, 0}}, SurfaceStatus::Valid},
        PolylineRow{
            "OutOfTheGroundBothEnds", {{0, 12}, {5, 5}, {22, -1}, {28, 3}}, SurfaceStatus::Valid},
        PolylineRow{"EndsUnderTheToe", {{2, 10}, {25, -1}}, SurfaceStatus::EndsBelowGround},
        PolylineRow{"BackOutAndInAgain",
                    {{0, 12}, {5, 5}, {25, -1}, {28, 3}},
                    SurfaceStatus::SeveralMasses},
        PolylineRow{"AboveTheGround", {{0, 20}, {30, 20}}, SurfaceStatus::MissesGround},
        PolylineRow{"OnePoint", {{2, 10}}, SurfaceStatus::BadSurface},
        PolylineRow{"BackwardPoints", {{2, 10}, {1, 5}, {20, 0}}, SurfaceStatus::BadSurface}),
    RowName{});

}  // namespace
}  // namespace vardolin::section

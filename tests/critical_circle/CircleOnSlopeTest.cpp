// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "TestSupport.h"
#include "critical_circle/CircleOnSlope.h"
#include "critical_circle/CircleSlices.h"
#include "numerics/Square.h"
#include "slope_section/MidpointSlices.h"

namespace vardolin::critical {
namespace {

using testing_support::RowName;

constexpr double kTwoToOne = 26.565051177078;  // a face of 2 horizontal to 1 vertical
const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(SimpleSlope, RefusesHeightsAndAnglesWithoutAGroundLevel) {
    for (const auto& [height, angle] : {std::pair{0.0, 45.0},
                                        {-1.0, 45.0},
                                        {kNaN, 45.0},
                                        {HUGE_VAL, 45.0},
                                        {10.0, 0.0},
                                        {10.0, 90.5},
                                        {10.0, kNaN}}) {
        EXPECT_FALSE(SimpleSlope::Make(height, angle)) << height << " " << angle;
    }
    const SimpleSlope vertical = *SimpleSlope::Make(10.0, 90.0);
    EXPECT_GT(vertical.crestX(), 0.0);
    EXPECT_LT(vertical.crestX(), 1e-12);
    EXPECT_NEAR(SimpleSlope::Make(40.0, kTwoToOne)->crestX(), 80.0, 1e-9);
}

struct LocateRow {
    const char* name;
    double height, faceAngle;
    Circle circle;
    CircleStatus status;
    double exitX = 0.0;  // for a valid circle
    double entryX = 0.0;
};

class LocateCircleRows : public testing::TestWithParam<LocateRow> {};

TEST_P(LocateCircleRows, FindsTheSlidingMassOrSaysWhyThereIsNone) {
    const LocateRow& row = GetParam();
    const SimpleSlope slope = *SimpleSlope::Make(row.height, row.faceAngle);
    const CircleOnSlope located = LocateCircle(slope, row.circle);
    ASSERT_EQ(located.status, row.status);
    if (row.status != CircleStatus::Valid) {
        return;
    }
    EXPECT_NEAR(located.exitX, row.exitX, 1e-9);
    EXPECT_NEAR(located.entryX, row.entryX, 1e-9);

    // The slices' bases lie on the circle, slope down toward the toe left of the centre, and
    // fill the mass from the exit to the entry in equal widths.
    CircleSlices slices;
    ASSERT_EQ(LayOutSlices(GroundLine(slope), row.circle, located, StrengthOf({}), 7, slices),
              CircleStatus::Valid);
    const Circle& c = row.circle;
    EXPECT_NEAR(slices.width() * 7, located.entryX - located.exitX, 1e-9);
    ASSERT_TRUE(slices.mass.mirrored);  // the slope slides to the left
    for (const section::SectionSlice& slice : slices.mass.slices) {
        const double x = -slice.baseX;
        const double height = section::MidpointHeight(slice);
        const double baseY = slope.GroundLevel(x) - height;
        EXPECT_NEAR(std::hypot(x - c.centreX, baseY - c.centreY), c.radius, 1e-9) << x;
        EXPECT_GT(height, 0.0) << x;
        EXPECT_EQ(slice.sinBase < 0.0, x < c.centreX) << x;
        EXPECT_NEAR(Square(slice.sinBase) + Square(slice.cosBase), 1.0, 1e-12) << x;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Circles, LocateCircleRows,
    testing::Values(
        // The Fredlund and Krahn (1977) circle: out on the level ground beyond the toe, in on
        // the crest's.
        LocateRow{"BaseCircle",
                  40,
                  kTwoToOne,
                  {20, 70, 80},
                  CircleStatus::Valid,
                  20 - std::sqrt(1500.0),
                  20 + std::sqrt(5500.0)},
        LocateRow{"ToeCircleFromTheRight",
                  40,
                  kTwoToOne,
                  {30, 60, std::hypot(30.0, 60.0)},
                  CircleStatus::Valid,
                  0.0,
                  30 + std::sqrt(4100.0)},
        // Its arc touches the ground at the toe between two stretches inside it: one mass.
        LocateRow{"ToeCircleFromTheLeftPinchesAtTheToe",
                  40,
                  kTwoToOne,
                  {-10, 60, std::hypot(10.0, 60.0)},
                  CircleStatus::Valid,
                  -20.0,
                  32.0},
        LocateRow{"FaceCircle",
                  40,
                  kTwoToOne,
                  {30, 50, 40},
                  CircleStatus::Valid,
                  21.728942548679928,
                  66.271057451320047},
        LocateRow{"VerticalFace",
                  10,
                  90,
                  {10, 50, std::hypot(10.0, 50.0)},
                  CircleStatus::Valid,
                  0.0,
                  10 + std::sqrt(1000.0)},
        LocateRow{"WhollyAboveTheGround", 40, kTwoToOne, {40, 100, 30}, CircleStatus::MissesGround},
        LocateRow{"WhollyUnderground", 40, kTwoToOne, {40, -50, 20}, CircleStatus::MissesGround},
        LocateRow{
            "OnTheLevelGroundBeyondTheToe", 40, kTwoToOne, {-50, 5, 10}, CircleStatus::MissesFace},
        LocateRow{"OnTheLevelGroundBeyondTheCrest",
                  40,
                  kTwoToOne,
                  {150, 45, 10},
                  CircleStatus::MissesFace},
        LocateRow{"CentreBelowTheFace", 40, kTwoToOne, {40, 10, 15}, CircleStatus::OverhangingEnd},
        // Dips under the level ground left of the toe, then cuts the steep face again.
        LocateRow{"TwoMassesAcrossTheToe", 10, 80, {-1, 3, 3.1}, CircleStatus::SeveralMasses},
        LocateRow{"CentreNotANumber", 40, kTwoToOne, {kNaN, 70, 80}, CircleStatus::BadCircle},
        LocateRow{"RadiusZero", 40, kTwoToOne, {20, 70, 0}, CircleStatus::BadCircle},
        LocateRow{"RadiusInfinite", 40, kTwoToOne, {20, 70, HUGE_VAL}, CircleStatus::BadCircle}),
    RowName());

}  // namespace
}  // namespace vardolin::critical

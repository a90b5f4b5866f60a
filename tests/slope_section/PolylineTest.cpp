// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "slope_section/Polyline.h"

namespace vardolin::section {
namespace {

const std::vector<SectionPoint> kGround{{0, 60}, {60, 60}, {140, 20}, {180, 20}};

TEST(Polyline, IsLevelBeyondItsEndsAndStraightBetweenItsPoints) {
    const Polyline line(kGround);
    for (const auto& [x, y] : {std::pair{-1e9, 60.0},
                               {0.0, 60.0},
                               {30.0, 60.0},
                               {60.0, 60.0},
                               {100.0, 40.0},
                               {139.0, 20.5},
                               {180.0, 20.0},
                               {1e9, 20.0}}) {
        EXPECT_DOUBLE_EQ(line.Level(x), y) << x;
    }
    EXPECT_EQ(line.PieceIndexAt(-1.0), 0u);
    EXPECT_EQ(line.PieceIndexAt(60.0), 2u);  // a point belongs to the piece on its right
    EXPECT_EQ(line.PieceIndexAt(200.0), 4u);
}

TEST(Polyline, FindsThePieceFromTheLastOneAsItDoesFromTheStart) {
    // Points taken left to right, on the line's own points too, as drawn and mirrored: a point
    // belongs to the piece on its right as drawn either way.
    const Polyline ground(kGround);
    for (const Polyline& line : {ground, ground.Mirrored()}) {
        std::size_t piece = 0;
        for (const double x : {-1e9, -180.0, -140.0, -100.0, -60.0, -60.0, -5.0, 0.0, 0.0, 5.0,
                               60.0, 60.0, 99.0, 140.0, 180.0, 1e9}) {
            piece = line.PieceIndexFrom(piece, x);
            EXPECT_EQ(piece, line.PieceIndexAt(x)) << x;
        }
    }
}

TEST(Polyline, MirroredGivesTheSameLevelToTheBit) {
    // A face known by its angle keeps its tangent: x * tan, not one rebuilt from the crest.
    const double tangent = std::tan(33.7 * 3.14159265358979 / 180.0);
    const Polyline face({{0, 0}, {12.0 / tangent, 12.0}}, {tangent});
    for (const Polyline* line : {&face}) {
        const Polyline mirror = line->Mirrored();
        EXPECT_EQ(mirror.pointX(0), -line->pointX(1));
        for (const double x : {-3.0, 0.0, 0.1, 1.0 / 3.0, 7.77, 12.0 / tangent, 18.0, 40.0}) {
            EXPECT_EQ(mirror.Level(-x), line->Level(x)) << x;
        }
        for (const double x : {0.1, 1.0 / 3.0, 7.77}) {
            EXPECT_EQ(line->Level(x), x * tangent) << x;
        }
    }
    const Polyline ground(kGround);
    const Polyline mirror = ground.Mirrored();
    for (const double x : {-5.0, 0.0, 45.838, 60.0, 99.9, 140.0, 158.73, 190.0}) {
        EXPECT_EQ(mirror.Level(-x), ground.Level(x)) << x;
    }
    EXPECT_EQ(mirror.Mirrored().Level(99.9), ground.Level(99.9));
}

TEST(Polyline, FindsItsCrossingsWithALineAndWithTheLowerHalfOfACircle) {
    const Polyline ground(kGround);
    std::vector<double> xs;
    // The published case 5's piezometric line, 40 - x / 7, lies below the face and meets it
    // only at the toe (140, 20).
    const LinePiece water{0.0, 40.0, -20.0 / 140.0};
    ground.AppendCrossings(water, 0.0, 139.0, xs);
    EXPECT_TRUE(xs.empty());
    const LinePiece level{0.0, 50.0, 0.0};
    ground.AppendCrossings(level, 0.0, 180.0, xs);
    ASSERT_EQ(xs.size(), 1u);
    EXPECT_NEAR(xs[0], 80.0, 1e-12);

    // Circle (120, 90) R 80 against the ground: at y = 60 and y = 20 only (the face lies wholly
    // inside it); its upper half is not sought.
    xs.clear();
    ground.AppendCircleCrossings(120.0, 90.0, 80.0, 40.0, 200.0, xs);
    std::sort(xs.begin(), xs.end());
    ASSERT_EQ(xs.size(), 2u);
    EXPECT_NEAR(xs[0], 120.0 - std::sqrt(5500.0), 1e-12);
    EXPECT_NEAR(xs[1], 120.0 + std::sqrt(1500.0), 1e-12);
    xs.clear();
    AppendLineCircleCrossings({0.0, 100.0, 0.0}, 120.0, 90.0, 80.0, -1e9, 1e9, xs);
    EXPECT_TRUE(xs.empty());
}

}  // namespace
}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <ostream>
#include <set>
#include <vector>

#include "TestSupport.h"
#include "slope_section/SectionExamples.h"
#include "slope_section/SectionSlicer.h"

namespace vardolin::section {
namespace {

using testing_support::RowName;

const double kPiExact = std::acos(-1.0);
const double kEntryX = 120.0 - std::sqrt(5500.0);  // of Fredlund and Krahn's circle

// The weight of a mass and its centroid.
struct Weighed {
    double weight = 0.0;
    double x = 0.0;
    double y = 0.0;
};

Weighed Sum(const SlicedMass& mass) {
    Weighed sum;
    for (const SectionSlice& slice : mass.slices) {
        sum.weight += slice.weight;
        sum.x += slice.weight * slice.centroidX;
        sum.y += slice.weight * slice.centroidY;
    }
    sum.x /= sum.weight;
    sum.y /= sum.weight;
    return sum;
}

// A polygon's area and centroid by the shoelace formula, times a unit weight.
Weighed Polygon(const std::vector<SectionPoint>& points, double unitWeight) {
    double area = 0.0, cx = 0.0, cy = 0.0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const SectionPoint p = points[i];
        const SectionPoint q = points[(i + 1) % points.size()];
        const double cross = p.x * q.y - q.x * p.y;
        area += cross;
        cx += (p.x + q.x) * cross;
        cy += (p.y + q.y) * cross;
    }
    area /= 2.0;
    return {std::abs(area) * unitWeight, cx / (6.0 * area), cy / (6.0 * area)};
}

Weighed Combined(const std::vector<Weighed>& parts) {
    Weighed sum;
    for (const Weighed& part : parts) {
        sum.weight += part.weight;
        sum.x += part.weight * part.x;
        sum.y += part.weight * part.y;
    }
    sum.x /= sum.weight;
    sum.y /= sum.weight;
    return sum;
}

Section OneSoil(std::vector<SectionPoint> ground, double unitWeight) {
    Section section;
    section.soils = {{"Soil", SoilModel::MohrCoulomb, 10.0, 30.0, unitWeight, 0.0}};
    section.layers = {{"Soil", std::move(ground)}};
    section.water.unitWeight = 10.0;
    return section;
}

struct AreaRow {
    const char* name;
    Section section;
    std::vector<SectionPoint> polyline;  // or, when empty, the circle
    CircleSurface circle;
    Weighed expected;

    friend void PrintTo(const AreaRow& row, std::ostream* os) { *os << row.name; }
};

class ExactAreaRows : public testing::TestWithParam<AreaRow> {};

TEST_P(ExactAreaRows, WeighEachSoilsAreaExactlyWhateverTheSliceCount) {
    const AreaRow& row = GetParam();
    const PreparedSection section(row.section);
    SectionSlicer slicer(section);
    for (const int count : {1, 7, 40}) {
        SlicedMass mass;
        const SurfaceStatus status = row.polyline.empty()
                                         ? slicer.SliceCircle(row.circle, count, mass)
                                         : slicer.SlicePolyline(row.polyline, count, mass);
        ASSERT_EQ(status, SurfaceStatus::Valid) << count;
        const Weighed sum = Sum(mass);
        EXPECT_NEAR(sum.weight / row.expected.weight, 1.0, 1e-13) << count;
        EXPECT_NEAR(sum.x, row.expected.x, 1e-11) << count;
        EXPECT_NEAR(sum.y, row.expected.y, 1e-11) << count;
    }
}

Section TwoLayerWedge() {
    Section section = OneSoil({{0, 10}, {10, 10}, {20, 0}, {30, 0}}, 18.0);
    section.soils.push_back({"Lower", SoilModel::Undrained, 30.0, 0.0, 22.0, 0.0});
    section.layers.push_back({"Lower", {{0, 5}, {15, 5}, {20, 0}, {30, 0}}});
    return section;
}

// The segment under level ground y = 0 of the circle (0, 5) R 10: it subtends 2 pi / 3, and
// its chord c = 2 sqrt(75) has the centroid c^3 / (12 S) below the centre.
Weighed SegmentUnderLevelGround() {
    const double area = 50.0 * (2.0 * kPiExact / 3.0 - std::sin(2.0 * kPiExact / 3.0));
    const double chord = 2.0 * std::sqrt(75.0);
    return {area * 3.0, 0.0, 5.0 - chord * chord * chord / (12.0 * area)};
}

// Fredlund and Krahn's mass: the segment between the arc and the chord from the entry to the
// exit, less the polygon between the chord and the ground, which lies more below the chord
// than above it (the chord crosses the face; the shoelace sum is the signed integral).
Weighed PublishedMass() {
    const double entryX = kEntryX;
    const double exitX = 120.0 + std::sqrt(1500.0);
    Weighed polygon = Polygon({{entryX, 60}, {60, 60}, {140, 20}, {exitX, 20}}, 120.0);
    polygon.weight = -polygon.weight;
    const double chord = std::hypot(exitX - entryX, 40.0);
    const double theta = 2.0 * std::asin(chord / 160.0);
    const double area = 3200.0 * (theta - std::sin(theta));
    const double towardX = (entryX + exitX) / 2.0 - 120.0;
    const double towardY = 40.0 - 90.0;
    const double along = chord * chord * chord / (12.0 * area) / std::hypot(towardX, towardY);
    return Combined({polygon, {120.0 * area, 120.0 + along * towardX, 90.0 + along * towardY}});
}

INSTANTIATE_TEST_SUITE_P(
    Masses, ExactAreaRows,
    testing::Values(
        AreaRow{"TriangleWedge",
                OneSoil({{0, 10}, {10, 10}, {20, 0}, {30, 0}}, 20.0),
                {{2, 10}, {20, 0}},
                {},
                Polygon({{2, 10}, {20, 0}, {10, 10}}, 20.0)},
        AreaRow{"WedgeOfTwoLayers",
                TwoLayerWedge(),
                {{2, 10}, {20, 0}},
                {},
                // The boundary y = 5 meets the plane 10 - (x - 2) 10 / 18 at x = 11.
                Combined({Polygon({{2, 10}, {11, 5}, {15, 5}, {10, 10}}, 18.0),
                          Polygon({{11, 5}, {20, 0}, {15, 5}}, 22.0)})},
        AreaRow{"BlockUnderLevelGround",
                OneSoil({{0, 10}, {30, 10}}, 17.0),
                {{0, 10}, {1, 0}, {9, 0}, {10, 10}},
                {},
                Polygon({{0, 10}, {1, 0}, {9, 0}, {10, 10}}, 17.0)},
        AreaRow{"PublishedCircle", examples::FredlundKrahn(), {}, {120, 90, 80}, PublishedMass()},
        AreaRow{"CircularSegmentUnderLevelGround",
                OneSoil({{-20, 0}, {20, 0}}, 3.0),
                {},
                {0, 5, 10},
                SegmentUnderLevelGround()}),
    RowName{});

// Every field of two slices, which must be the same slice.
void ExpectSameSlices(const SlicedMass& a, const SlicedMass& b) {
    ASSERT_EQ(a.slices.size(), b.slices.size());
    for (std::size_t i = 0; i < a.slices.size(); ++i) {
        const SectionSlice& p = a.slices[i];
        const SectionSlice& q = b.slices[i];
        const double scale = 1e-12 * std::max(1.0, std::abs(p.weight));
        EXPECT_NEAR(p.left, q.left, 1e-11) << i;
        EXPECT_NEAR(p.right, q.right, 1e-11) << i;
        EXPECT_NEAR(p.weight, q.weight, scale) << i;
        EXPECT_NEAR(p.centroidX, q.centroidX, 1e-11) << i;
        EXPECT_NEAR(p.centroidY, q.centroidY, 1e-11) << i;
        EXPECT_NEAR(BaseAngle(p), BaseAngle(q), 1e-13) << i;
        EXPECT_NEAR(p.baseLength, q.baseLength, 1e-11) << i;
        EXPECT_NEAR(p.porePressure, q.porePressure, 1e-10) << i;
        EXPECT_EQ(p.baseSoil, q.baseSoil) << i;
        EXPECT_EQ(p.cohesion, q.cohesion) << i;
        EXPECT_NEAR(p.loadX, q.loadX, 1e-9) << i;
        EXPECT_NEAR(p.loadY, q.loadY, 1e-9) << i;
        EXPECT_NEAR(p.loadMoment, q.loadMoment, 1e-7) << i;
    }
}

TEST(SectionSlicer, MirroredSectionGivesTheSameSlicesInTheSlidingFrame) {
    Section drawn = examples::ThreeSoils();
    drawn.pressures = {{5.0, 15.0, 12.0}};
    drawn.lineLoads = {{25.0, 50.0, 60.0}, {50.0, 20.0, 180.0}};
    drawn.crack = TensionCrack{1.5, 0.5};
    const PreparedSection right(drawn);
    const PreparedSection left(examples::Mirrored(drawn));
    SectionSlicer rightSlicer(right);
    SectionSlicer leftSlicer(left);
    for (const CircleSurface& circle :
         {CircleSurface{38, 36, 32}, CircleSurface{30, 30, 22}, CircleSurface{45, 40, 33}}) {
        SlicedMass rightMass;
        SlicedMass leftMass;
        ASSERT_EQ(rightSlicer.SliceCircle(circle, 30, rightMass), SurfaceStatus::Valid);
        ASSERT_EQ(
            leftSlicer.SliceCircle({-circle.centreX, circle.centreY, circle.radius}, 30, leftMass),
            SurfaceStatus::Valid);
        EXPECT_FALSE(rightMass.mirrored);
        EXPECT_TRUE(leftMass.mirrored);
        ExpectSameSlices(rightMass, leftMass);
    }
}

// The x in (low, high) where f changes sign, by bisection over a fine grid.
std::vector<double> Roots(const std::function<double(double)>& f, double low, double high) {
    std::vector<double> roots;
    const int steps = 20000;
    for (int i = 0; i < steps; ++i) {
        double a = low + (high - low) * i / steps;
        double b = low + (high - low) * (i + 1) / steps;
        if ((f(a) < 0.0) == (f(b) < 0.0)) {
            continue;
        }
        for (int k = 0; k < 200; ++k) {
            const double m = (a + b) / 2.0;
            ((f(a) < 0.0) == (f(m) < 0.0) ? a : b) = m;
        }
        roots.push_back((a + b) / 2.0);
    }
    return roots;
}

TEST(SectionSlicer, PutsASliceBoundaryOnEveryCrossingAndPoint) {
    const PreparedSection section(examples::ThreeSoils());
    SectionSlicer slicer(section);
    SlicedMass mass;
    ASSERT_EQ(slicer.SliceCircle({38, 36, 32}, 30, mass), SurfaceStatus::Valid);
    ASSERT_EQ(mass.slices.size(), 30u);
    const double left = mass.slices.front().left;
    const double right = mass.slices.back().right;
    EXPECT_NEAR(left, 38.0 - std::sqrt(768.0), 1e-12);   // on the crest, y = 20
    EXPECT_NEAR(right, 38.0 + std::sqrt(348.0), 1e-12);  // on the toe's level, y = 10

    auto arc = [](double x) { return 36.0 - std::sqrt(1024.0 - (x - 38.0) * (x - 38.0)); };
    auto ground = [](double x) { return x < 20 ? 20.0 : x < 40 ? 30.0 - x / 2.0 : 10.0; };
    auto water = [](double x) {
        return x < 30 ? 16.0 - x * 2.0 / 15.0 : x < 45 ? 12.0 - (x - 30.0) / 15.0 : 11.0;
    };
    std::vector<double> expected{20.0, 40.0, 30.0, 45.0};  // the ground's and the water's points
    for (const auto& f : std::vector<std::function<double(double)>>{
             [&](double x) { return arc(x) - (15.0 - x / 6.0); },
             [&](double x) { return arc(x) - (8.0 - x / 15.0); },
             [&](double x) { return arc(x) - water(x); },
             [&](double x) { return ground(x) - water(x); }}) {
        for (const double root : Roots(f, left, right)) {
            expected.push_back(root);
        }
    }
    ASSERT_EQ(expected.size(), 4u + 2u + 2u + 1u + 1u);  // the arc meets both boundaries twice
    for (const double x : expected) {
        const bool onBoundary =
            std::any_of(mass.slices.begin(), mass.slices.end(),
                        [&](const SectionSlice& slice) { return std::abs(slice.left - x) < 1e-9; });
        EXPECT_TRUE(onBoundary) << x;
    }
    // Each base lies in one soil: the one just above its middle, read off the lines.
    for (const SectionSlice& slice : mass.slices) {
        const double x = slice.baseX;
        const int soil = arc(x) < 8.0 - x / 15.0 ? 2 : arc(x) < 15.0 - x / 6.0 ? 1 : 0;
        EXPECT_EQ(slice.baseSoil, soil) << x;
        EXPECT_EQ(slice.tanFriction, soil == 1 ? 0.0 : slice.tanFriction);
        EXPECT_NEAR(slice.porePressure, 9.81 * std::max(water(x) - slice.baseY, 0.0), 1e-9);
    }
    EXPECT_EQ(mass.horizontalSeismic, 0.1);
}

// A polyline surface under a 1:1 face 10 high, facing right, with water level at y = 5 that
// ponds 5 deep on the toe's level ground and over the face below y = 5.
Section PondedFace(double waterLeftY, double waterRightY) {
    Section section = OneSoil({{0, 10}, {10, 10}, {20, 0}, {40, 0}}, 20.0);
    section.water.model = WaterModel::PiezometricLine;
    section.water.piezometricLine = {{0, waterLeftY}, {40, waterRightY}};
    return section;
}

const std::vector<SectionPoint> kUnderTheFace{{2, 10}, {15, -2}, {30, -2}, {35, 0}};

TEST(SectionSlicer, PondedWaterPressesNormalToTheGround) {
    const PreparedSection section(PondedFace(5.0, 5.0));
    SectionSlicer slicer(section);
    SlicedMass mass;
    ASSERT_EQ(slicer.SlicePolyline(kUnderTheFace, 25, mass), SurfaceStatus::Valid);
    double loadX = 0.0, loadY = 0.0, moment = 0.0;
    for (const SectionSlice& slice : mass.slices) {
        loadX += slice.loadX;
        loadY += slice.loadY;
        moment += slice.loadMoment;
        if (slice.right <= 15.0) {
            EXPECT_EQ(slice.loadY, 0.0) << slice.baseX;  // no water above the crest
        }
        if (slice.left >= 20.0) {
            EXPECT_EQ(slice.loadX, 0.0) << slice.baseX;  // level ground: no thrust
        }
    }
    // Depth x - 15 over the face from 15 to 20 (12.5 of area), 5 over the toe to 35 (75).
    EXPECT_NEAR(loadY, -10.0 * (12.5 + 75.0), 1e-9);
    // The face's share, 12.5, pushes against the sliding: gamma_w 5^2 / 2.
    EXPECT_NEAR(loadX, -10.0 * 12.5, 1e-9);
    // x dFy - y dFx: over the face -gamma_w (x - 15)(2 x - 20), over the toe -gamma_w 5 x.
    EXPECT_NEAR(moment, -10.0 * (250.0 / 3.0 + 125.0 + 2062.5), 1e-7);
}

TEST(SectionSlicer, ReadsTheHeadPlainOrForAnInclinedLine) {
    for (const HeadMode mode : {HeadMode::Vertical, HeadMode::InclinedLine}) {
        Section drawn = PondedFace(8.0, 0.0);  // y = 8 - x / 5
        drawn.water.head = mode;
        const PreparedSection section(drawn);
        SectionSlicer slicer(section);
        SlicedMass mass;
        ASSERT_EQ(slicer.SlicePolyline(kUnderTheFace, 25, mass), SurfaceStatus::Valid);
        const double cos2 = mode == HeadMode::Vertical ? 1.0 : 1.0 / 1.04;
        for (const SectionSlice& slice : mass.slices) {
            const double head = std::max(8.0 - slice.baseX / 5.0 - slice.baseY, 0.0);
            EXPECT_NEAR(slice.porePressure, 10.0 * head * cos2, 1e-10) << slice.baseX;
        }
    }
}

TEST(SectionSlicer, ReadsPoreRatiosOnTheSoilColumnAboveTheBase) {
    Section drawn = examples::ThreeSoils();
    drawn.water.model = WaterModel::PoreRatio;
    drawn.soils[0].poreRatio = 0.2;
    drawn.soils[1].poreRatio = 0.3;
    drawn.soils[2].poreRatio = 0.4;
    const PreparedSection section(drawn);
    SectionSlicer slicer(section);
    SlicedMass mass;
    ASSERT_EQ(slicer.SliceCircle({38, 36, 32}, 30, mass), SurfaceStatus::Valid);
    std::vector<int> soilsMet;
    for (const SectionSlice& slice : mass.slices) {
        const double x = slice.baseX;
        const double lines[] = {slice.topY, 15.0 - x / 6.0, 8.0 - x / 15.0, slice.baseY};
        const double gammas[] = {19.0, 18.0, 20.0};
        double stress = 0.0;
        for (int k = 0; k < 3; ++k) {
            stress += gammas[k] * std::max(lines[k] - std::max(lines[k + 1], slice.baseY), 0.0);
        }
        EXPECT_NEAR(slice.porePressure, drawn.soils[slice.baseSoil].poreRatio * stress, 1e-9) << x;
        soilsMet.push_back(slice.baseSoil);
        EXPECT_EQ(slice.loadX, 0.0);  // no ponding without a piezometric line
    }
    EXPECT_EQ(std::set<int>(soilsMet.begin(), soilsMet.end()).size(), 3u);
}

TEST(SectionSlicer, CrackMovesTheUpperEndAndItsWaterPushesTheFirstSlice) {
    for (const double fill : {1.0, 0.5}) {
        Section drawn = examples::FredlundKrahn();
        drawn.crack = TensionCrack{5.0, fill};
        const PreparedSection section(drawn);
        SectionSlicer slicer(section);
        SlicedMass mass;
        ASSERT_EQ(slicer.SliceCircle({120, 90, 80}, 30, mass), SurfaceStatus::Valid);
        // The arc lies 5 below the crest, at y = 55, where (x - 120)^2 = 80^2 - 35^2.
        EXPECT_NEAR(mass.slices.front().left, 120.0 - std::sqrt(5175.0), 1e-9);
        const double water = 5.0 * fill;
        const double thrust = 62.4 * water * water / 2.0;
        EXPECT_NEAR(mass.slices.front().loadX, thrust, 1e-9);
        EXPECT_NEAR(mass.slices.front().loadMoment, -(55.0 + water / 3.0) * thrust, 1e-7);
        for (std::size_t i = 1; i < mass.slices.size(); ++i) {
            EXPECT_EQ(mass.slices[i].loadX, 0.0);
        }
        drawn.crack->depth = 100.0;
        EXPECT_EQ(SectionSlicer(PreparedSection(drawn)).SliceCircle({120, 90, 80}, 30, mass),
                  SurfaceStatus::ShallowerThanCrack);
    }
}

TEST(SectionSlicer, SurfacePressuresAndLineLoadsActOnTheSlicesUnderThem) {
    Section drawn = examples::FredlundKrahn();
    drawn.pressures = {{20.0, 50.0, 100.0}};  // partly behind the mass
    drawn.lineLoads = {{100.0, 1000.0, 90.0}, {150.0, 300.0, 0.0}, {170.0, 5.0, 90.0}};
    const PreparedSection section(drawn);
    SectionSlicer slicer(section);
    SlicedMass mass;
    ASSERT_EQ(slicer.SliceCircle({120, 90, 80}, 30, mass), SurfaceStatus::Valid);
    double loadX = 0.0, loadY = 0.0, moment = 0.0;
    for (const SectionSlice& slice : mass.slices) {
        loadX += slice.loadX;
        loadY += slice.loadY;
        moment += slice.loadMoment;
        if (slice.left == 100.0) {
            EXPECT_EQ(slice.loadY, -1000.0);
        }
    }
    const double covered = 50.0 - kEntryX;
    EXPECT_NEAR(loadY, -100.0 * covered - 1000.0, 1e-9);
    EXPECT_NEAR(loadX, 300.0, 1e-9);
    EXPECT_NEAR(moment, -100.0 * covered * (50.0 + kEntryX) / 2.0 - 100.0 * 1000.0 - 20.0 * 300.0,
                1e-6);
}

TEST(SectionSlicer, CompositeCircleFollowsTheTopOfTheBedrock) {
    Section drawn = examples::FredlundKrahn();
    const Weighed withoutRock = [&] {
        SlicedMass mass;
        const PreparedSection section(drawn);
        EXPECT_EQ(SectionSlicer(section).SliceCircle({120, 90, 80}, 30, mass),
                  SurfaceStatus::Valid);
        return Sum(mass);
    }();
    drawn.soils.push_back({"Rock", SoilModel::Impenetrable});
    drawn.layers.push_back({"Rock", {{0, 15}, {180, 15}}});
    const PreparedSection section(drawn);
    SectionSlicer slicer(section);
    SlicedMass mass;
    EXPECT_EQ(slicer.SliceCircle({120, 90, 80}, 30, mass), SurfaceStatus::EntersImpenetrable);
    ASSERT_EQ(slicer.SliceCircle({120, 90, 80, true}, 30, mass), SurfaceStatus::Valid);
    // The arc dips below y = 15 for (x - 120)^2 < 80^2 - 75^2: that segment is cut away.
    const double theta = 2.0 * std::acos(75.0 / 80.0);
    const double cut = 3200.0 * (theta - std::sin(theta));
    EXPECT_NEAR(Sum(mass).weight, withoutRock.weight - 120.0 * cut, 1e-8);
    int alongTheRock = 0;
    for (const SectionSlice& slice : mass.slices) {
        EXPECT_GE(slice.baseY, 15.0 - 1e-12);
        EXPECT_EQ(slice.baseSoil, 0);
        if (std::abs(slice.baseX - 120.0) < std::sqrt(775.0)) {
            alongTheRock += 1;
            EXPECT_EQ(slice.baseY, 15.0);
            EXPECT_EQ(BaseAngle(slice), 0.0);
        }
    }
    EXPECT_GT(alongTheRock, 3);
}

TEST(SectionSlicer, KeepsItsStorageFromSurfaceToSurface) {
    const PreparedSection section(examples::ThreeSoils());
    SectionSlicer slicer(section);
    SlicedMass mass;
    ASSERT_EQ(slicer.SliceCircle({38, 36, 32}, 30, mass), SurfaceStatus::Valid);
    const SectionSlice* storage = mass.slices.data();
    for (const CircleSurface& circle : {CircleSurface{30, 30, 22}, CircleSurface{45, 40, 33}}) {
        ASSERT_EQ(slicer.SliceCircle(circle, 30, mass), SurfaceStatus::Valid);
        EXPECT_EQ(mass.slices.data(), storage);
    }
}

TEST(SectionSlicer, LaysOutThePublishedCircleInTheSlidingFrame) {
    const PreparedSection section(examples::FredlundKrahn());
    SectionSlicer slicer(section);
    SlicedMass mass;
    ASSERT_EQ(slicer.SliceCircle({120, 90, 80}, 240, mass), SurfaceStatus::Valid);
    ASSERT_EQ(mass.slices.size(), 240u);
    EXPECT_GT(BaseAngle(mass.slices.front()), 0.0);  // falling under the crest
    EXPECT_LT(BaseAngle(mass.slices.back()), 0.0);   // rising under the toe
    for (const SectionSlice& slice : mass.slices) {
        EXPECT_NEAR(std::hypot(slice.baseX - 120.0, slice.baseY - 90.0), 80.0, 1e-9);
        EXPECT_NEAR(slice.sinBase, std::sin(BaseAngle(slice)), 1e-15);
        EXPECT_NEAR(slice.baseLength * slice.cosBase, slice.width, 1e-12);
        EXPECT_NEAR(slice.width, slice.right - slice.left, 1e-12);
        EXPECT_EQ(slice.cohesion, 600.0);
    }
}

}  // namespace
}  // namespace vardolin::section

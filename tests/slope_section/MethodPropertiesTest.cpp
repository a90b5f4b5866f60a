// SPDX-License-Identifier: MIT
// What the methods must give whatever the slicing: closed forms, the agreements between methods
// that theory requires, and the surfaces they must refuse.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "OneSoilSlicer.h"
#include "TestSupport.h"
#include "slope_section/BishopMethod.h"
#include "slope_section/GeneralLimitEquilibrium.h"
#include "slope_section/JanbuMethod.h"
#include "slope_section/OrdinaryMethod.h"

namespace vardolin::section {
namespace {

using testing_support::RowName;
using namespace test_slicer;

constexpr double kPiValue = 3.14159265358979;

// A 2:1 slope 40 ft high facing right (Fredlund and Krahn's).
const std::vector<Point> kGround{{0, 60}, {60, 60}, {140, 20}, {180, 20}};
constexpr OneSoil kSoil{120, 600, 20};
constexpr MomentPoint kCentre{120, 90};

SlicedMass CircleMass(const OneSoil& soil = kSoil, const Water& water = {}) {
    return SliceUnderCircle(kGround, soil, water, {kCentre.x, kCentre.y}, 80, 0.5);
}

// --- A plane through the toe: Culmann's wedge -------------------------------------------------

struct WedgeRow {
    const char* name;
    OneSoil soil;
    double kh, kv;
    double surcharge;  // a pressure on the crest's level part (psf)
};

class CulmannWedge : public testing::TestWithParam<WedgeRow> {};

// F = (c L + N' tan(phi)) / T with the wedge's forces resolved across and along the plane:
// N' = G cos(t) - kh W sin(t), T = G sin(t) + kh W cos(t), G = (1 - kv) W + Q.
TEST_P(CulmannWedge, EveryForceMethodGivesTheClosedForm) {
    const WedgeRow& row = GetParam();
    const double theta = 20.0 * kPiValue / 180.0;
    const Point toe{140, 20};
    const Point entry{toe.x - 40.0 / std::tan(theta), 60};
    SlicedMass mass = SliceUnderLine(kGround, row.soil, {}, entry, toe, 0.5);
    mass.horizontalSeismic = row.kh;
    mass.verticalSeismic = row.kv;
    for (SectionSlice& s : mass.slices) {
        if (s.right <= 60.0) {
            s.loadY = -row.surcharge * s.width;
            s.loadMoment = s.baseX * s.loadY;
        }
    }

    const double weight = row.soil.unitWeight * 0.5 * (60.0 - entry.x) * 40.0;
    const double load = row.surcharge * (60.0 - entry.x);
    const double length = 40.0 / std::sin(theta);
    const double gravity = (1.0 - row.kv) * weight + load;
    const double across = gravity * std::cos(theta) - row.kh * weight * std::sin(theta);
    const double along = gravity * std::sin(theta) + row.kh * weight * std::cos(theta);
    const double tanPhi = std::tan(row.soil.frictionDegrees * kPiValue / 180.0);
    const double expected = (row.soil.cohesion * length + across * tanPhi) / along;

    MethodWorkspace workspace;
    const MomentPoint point{100, 120};
    const MethodResult results[] = {
        SolveJanbu(mass, JanbuVariant::Uncorrected, workspace),
        SolveJanbu(mass, JanbuVariant::Corrected, workspace),
        SolveSpencer(mass, point, workspace),
        SolveMorgensternPrice(mass, InterforceShape::HalfSine, point, workspace),
    };
    for (const MethodResult& result : results) {
        ASSERT_TRUE(result.solved()) << "flags " << result.flags;
        EXPECT_NEAR(result.factor, expected, 1e-8 * expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, CulmannWedge,
                         testing::Values(WedgeRow{"CohesionAndFriction", kSoil, 0, 0, 0},
                                         WedgeRow{"FrictionOnly", {120, 0, 30}, 0, 0, 0},
                                         WedgeRow{"HorizontalEarthquake", kSoil, 0.15, 0, 0},
                                         WedgeRow{"BothEarthquakes", kSoil, 0.15, 0.05, 0},
                                         WedgeRow{"CrestSurcharge", kSoil, 0, 0, 500},
                                         WedgeRow{"SurchargeAndEarthquake", kSoil, 0.1, -0.05,
                                                  500}),
                         RowName{});

// --- Spencer's factor does not depend on where moments are taken ----------------------------

struct PointRow {
    const char* name;
    MomentPoint point;
};

class SpencerMomentPoint : public testing::TestWithParam<PointRow> {};

// The earthquake and a line load enter the moments; were any of their arms wrong, the factor
// would move with the point.
TEST_P(SpencerMomentPoint, FactorAndLambdaStayPut) {
    SlicedMass mass = CircleMass(kSoil, {Water::Kind::Ratio, 0.25, {}, 62.4});
    mass.horizontalSeismic = 0.1;
    mass.verticalSeismic = 0.05;
    // A line load of 8000 lbf/ft pressing down and along the sliding at (70, 55) on the face.
    for (SectionSlice& s : mass.slices) {
        if (s.left <= 70.0 && 70.0 < s.right) {
            s.loadX = 2000.0;
            s.loadY = -8000.0;
            s.loadMoment = 70.0 * s.loadY - 55.0 * s.loadX;
        }
    }
    MethodWorkspace workspace;
    const MethodResult atCentre = SolveSpencer(mass, kCentre, workspace);
    const MethodResult elsewhere = SolveSpencer(mass, GetParam().point, workspace);
    ASSERT_TRUE(atCentre.solved());
    ASSERT_TRUE(elsewhere.solved());
    EXPECT_NEAR(elsewhere.factor, atCentre.factor, 1e-8 * atCentre.factor);
    EXPECT_NEAR(elsewhere.lambda, atCentre.lambda, 1e-7);
}

INSTANTIATE_TEST_SUITE_P(Points, SpencerMomentPoint,
                         testing::Values(PointRow{"Origin", {0, 0}},
                                         PointRow{"HighAboveTheCrest", {40, 200}},
                                         PointRow{"BelowTheToe", {200, -50}},
                                         PointRow{"OnTheCircle", {120, 10}}),
                         RowName{});

// --- Agreements between methods ---------------------------------------------------------------

TEST(MethodAgreement, WithoutFrictionOrdinaryAndBishopAgreeOnACircle) {
    for (const double kh : {0.0, 0.2}) {
        SlicedMass mass = CircleMass({120, 600, 0});
        mass.horizontalSeismic = kh;
        MethodWorkspace workspace;
        const MethodResult ordinary = SolveOrdinary(mass, kCentre, workspace);
        const MethodResult bishop = SolveBishop(mass, kCentre, workspace);
        ASSERT_TRUE(ordinary.solved());
        ASSERT_TRUE(bishop.solved());
        EXPECT_NEAR(bishop.factor, ordinary.factor, 1e-12 * ordinary.factor) << "kh " << kh;
    }
}

// At lambda = 0 the curves are Janbu's uncorrected and Bishop's factors; at the solution they
// meet at its factor.
TEST(MethodAgreement, TheCurvesStartAtJanbuAndBishopAndMeetAtTheSolution) {
    const SlicedMass mass = CircleMass();
    MethodWorkspace workspace;
    const double janbu = SolveJanbu(mass, JanbuVariant::Uncorrected, workspace).factor;
    const double bishop = SolveBishop(mass, kCentre, workspace).factor;
    const MethodResult spencer = SolveSpencer(mass, kCentre, workspace);
    EXPECT_NEAR(ForceFactor(workspace, 0.0), janbu, 1e-8 * janbu);
    EXPECT_NEAR(MomentFactor(workspace, 0.0), bishop, 1e-8 * bishop);
    EXPECT_NEAR(ForceFactor(workspace, spencer.lambda), spencer.factor, 1e-8 * spencer.factor);
    EXPECT_NEAR(MomentFactor(workspace, spencer.lambda), spencer.factor, 1e-8 * spencer.factor);
}

struct SchemeRow {
    const char* name;
    InterforceShape shape;
    OneSoil soil;
    Water water;
    double kh, kv;
    Point centre;
    double radius;
};

const Water kPiezometricLine{Water::Kind::Piezometric, 0.0, {{0, 40}, {140, 20}, {180, 20}}, 62.4};

SlicedMass SchemeMass(const SchemeRow& row) {
    SlicedMass mass = SliceUnderCircle(kGround, row.soil, row.water, row.centre, row.radius, 2.0);
    mass.horizontalSeismic = row.kh;
    mass.verticalSeismic = row.kv;
    return mass;
}

class CrossingSchemes : public testing::TestWithParam<SchemeRow> {};

TEST_P(CrossingSchemes, NewtonAndTheCurvesFindTheSameCrossing) {
    const SchemeRow& row = GetParam();
    const SlicedMass mass = SchemeMass(row);
    const MomentPoint centre{row.centre.x, row.centre.y};
    MethodWorkspace workspace;
    const MethodResult newton = SolveGeneralLimitEquilibrium(mass, row.shape, centre, workspace);
    const MethodResult curves = SolveGeneralLimitEquilibrium(mass, row.shape, centre, workspace,
                                                             CrossingScheme::CurvesOnly);
    ASSERT_TRUE(newton.solved());
    ASSERT_TRUE(curves.solved());
    EXPECT_NEAR(curves.factor, newton.factor, 1e-8 * newton.factor);
    EXPECT_NEAR(curves.lambda, newton.lambda, 1e-6);
}

// The last row has a second solution of the equations at lambda 1.46, F 1.46, with small
// m_alpha and tension, on another branch than the curves'; Newton must not leap to it.
INSTANTIATE_TEST_SUITE_P(
    Rows, CrossingSchemes,
    testing::Values(
        SchemeRow{"SpencerDry", InterforceShape::Constant, kSoil, {}, 0, 0, {120, 90}, 80},
        SchemeRow{"HalfSineDry", InterforceShape::HalfSine, kSoil, {}, 0, 0, {120, 90}, 80},
        SchemeRow{"HalfSinePoreRatio",
                  InterforceShape::HalfSine,
                  kSoil,
                  {Water::Kind::Ratio, 0.25, {}, 62.4},
                  0,
                  0,
                  {120, 90},
                  80},
        SchemeRow{"HalfSineStrongEarthquakeTwoSolutions",
                  InterforceShape::HalfSine,
                  {120, 100, 35},
                  kPiezometricLine,
                  0.3,
                  -0.1,
                  {90, 66.5},
                  72.2807}),
    RowName{});

// A crossing just short of where a slice turns singular: found, and flagged.
TEST(CrossingSchemes, ACrossingNextToASingularSliceIsFoundAndFlagged) {
    const SchemeRow row{
        "",     InterforceShape::Constant, {120, 100, 35}, kPiezometricLine, 0.3, -0.1, {90, 65},
        67.2681};
    MethodWorkspace workspace;
    const MethodResult spencer = SolveSpencer(SchemeMass(row), {90, 65}, workspace);
    ASSERT_TRUE(spencer.solved());
    EXPECT_TRUE(spencer.Has(MethodFlag::SmallMAlpha));
    EXPECT_GT(spencer.smallestMAlpha, 0.0);
}

// The factor hardly depends on f(x); lambda does, as the half-sine is below 1 but at the middle.
TEST(MethodAgreement, HalfSineGivesSpencersFactorWithALargerLambda) {
    const SlicedMass mass = CircleMass();
    MethodWorkspace workspace;
    const MethodResult spencer = SolveSpencer(mass, kCentre, workspace);
    const MethodResult halfSine =
        SolveMorgensternPrice(mass, InterforceShape::HalfSine, kCentre, workspace);
    ASSERT_TRUE(halfSine.solved());
    EXPECT_NEAR(halfSine.factor, spencer.factor, 0.005 * spencer.factor);
    EXPECT_GT(halfSine.lambda, spencer.lambda);
}

// --- Surfaces without a factor ------------------------------------------------------------------

// The slope cut as if it faced left: nothing drives the mass along +x.
TEST(Refusals, AMassThatRisesAlongXHasNoDrivingForceByAnyMethod) {
    std::vector<Point> mirrored;
    for (auto it = kGround.rbegin(); it != kGround.rend(); ++it) {
        mirrored.push_back({180.0 - it->x, it->y});
    }
    const SlicedMass mass = SliceUnderCircle(mirrored, kSoil, {}, {60, 90}, 80, 0.5);
    const MomentPoint centre{60, 90};
    MethodWorkspace workspace;
    const MethodResult results[] = {
        SolveOrdinary(mass, centre, workspace),
        SolveBishop(mass, centre, workspace),
        SolveJanbu(mass, JanbuVariant::Corrected, workspace),
        SolveSpencer(mass, centre, workspace),
    };
    for (const MethodResult& result : results) {
        EXPECT_FALSE(result.solved());
        EXPECT_TRUE(result.Has(MethodFlag::NoDrivingForce)) << "flags " << result.flags;
    }
}

// A shallow circle that leaves the ground steeply beyond the toe, in a soil of high friction:
// m_alpha at the exit falls below 0.2. The factor is kept and the doubt named.
TEST(Refusals, ASteepExitIsFlaggedForSmallMAlphaWithItsFactorKept) {
    const MomentPoint centre{155, 32};
    const SlicedMass mass =
        SliceUnderCircle(kGround, {120, 50, 35}, {}, {centre.x, centre.y}, 40, 0.5);
    MethodWorkspace workspace;
    const MethodResult results[] = {
        SolveBishop(mass, centre, workspace),
        SolveJanbu(mass, JanbuVariant::Uncorrected, workspace),
        SolveSpencer(mass, centre, workspace),
    };
    for (const MethodResult& result : results) {
        EXPECT_TRUE(result.solved());
        EXPECT_LT(result.smallestMAlpha, kMinimumMAlpha);
        EXPECT_TRUE(result.Has(MethodFlag::SmallMAlpha)) << "flags " << result.flags;
    }
}

// A couple on the mass so large that no inclination of the interslice forces answers it before
// a slice turns singular: the rigorous methods give no factor, Bishop's (which needs no lambda)
// one.
TEST(Refusals, ACoupleTheInterslicesCannotAnswerHasNoCrossing) {
    SlicedMass mass = CircleMass();
    mass.slices[100].loadMoment = 1e7;
    MethodWorkspace workspace;
    const MethodResult spencer = SolveSpencer(mass, kCentre, workspace);
    const MethodResult halfSine =
        SolveMorgensternPrice(mass, InterforceShape::HalfSine, kCentre, workspace);
    for (const MethodResult& result : {spencer, halfSine}) {
        EXPECT_FALSE(result.solved());
        EXPECT_TRUE(result.Has(MethodFlag::NoCrossing)) << "flags " << result.flags;
    }
    EXPECT_TRUE(SolveBishop(mass, kCentre, workspace).solved());
}

// Under the crest, the thin slices carry more cohesion than weight: by Bishop's normal force,
// N = (W - c l sin(a) / F) / m_alpha, their base is in tension.
TEST(Refusals, TensionUnderTheCrestIsFlaggedWithTheFactorKept) {
    const SlicedMass mass = CircleMass();
    MethodWorkspace workspace;
    const MethodResult bishop = SolveBishop(mass, kCentre, workspace);
    EXPECT_TRUE(bishop.solved());
    EXPECT_TRUE(bishop.Has(MethodFlag::NegativeEffectiveNormal));
    EXPECT_LT(workspace.forces().normal.front(), 0.0);
    EXPECT_GT(workspace.forces().normal[mass.slices.size() / 2], 0.0);
}

// --- The workspace ----------------------------------------------------------------------------

TEST(Workspace, OnceItHasHeldASurfaceNoCallOnOneNoLargerAllocates) {
    const SlicedMass large = CircleMass();
    SlicedMass small = large;
    small.slices.resize(large.slices.size() / 2);
    MethodWorkspace workspace;
    SolveSpencer(large, kCentre, workspace);
    const double* normal = workspace.forces().normal.data();
    const double* sines = workspace.terms().sinBase.data();
    for (const SlicedMass* mass : {&std::as_const(small), &large}) {
        SolveOrdinary(*mass, kCentre, workspace);
        SolveBishop(*mass, kCentre, workspace);
        SolveJanbu(*mass, JanbuVariant::Corrected, workspace);
        SolveMorgensternPrice(*mass, InterforceShape::HalfSine, kCentre, workspace);
        EXPECT_EQ(workspace.forces().normal.data(), normal);
        EXPECT_EQ(workspace.terms().sinBase.data(), sines);
    }
}

// E and X at the last slice's right side close the mass; X is lambda E there.
TEST(Workspace, TheInterslicesOfTheSolutionCloseAtTheFarEnd) {
    const SlicedMass mass = CircleMass();
    MethodWorkspace workspace;
    const MethodResult spencer = SolveSpencer(mass, kCentre, workspace);
    const SliceForces& forces = workspace.forces();
    double largest = 0.0;
    for (std::size_t i = 0; i < mass.slices.size(); ++i) {
        largest = std::max(largest, std::abs(forces.interNormal[i]));
        EXPECT_NEAR(forces.interShear[i], spencer.lambda * forces.interNormal[i], 1e-12 * largest);
    }
    EXPECT_NEAR(forces.interNormal.back(), 0.0, 1e-7 * largest);
}

}  // namespace
}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
// What the section's slicer and methods must give together whatever the slicing: closed forms,
// the symmetries of the section, and the agreements between methods that theory requires.
#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <ostream>
#include <vector>

#include "TestSupport.h"
#include "numerics/Pi.h"
#include "slope_section/SectionExamples.h"
#include "slope_section/SurfaceEvaluation.h"

namespace vardolin::section {
namespace {

using testing_support::RowName;

constexpr SectionMethod kForceMethods[] = {
    SectionMethod::JanbuUncorrected, SectionMethod::JanbuCorrected, SectionMethod::Spencer,
    SectionMethod::MorgensternPriceConstant, SectionMethod::MorgensternPriceHalfSine};
constexpr SectionMethod kEveryMethodInTurn[] = {SectionMethod::Ordinary,
                                                SectionMethod::Bishop,
                                                SectionMethod::JanbuUncorrected,
                                                SectionMethod::JanbuCorrected,
                                                SectionMethod::Spencer,
                                                SectionMethod::MorgensternPriceConstant,
                                                SectionMethod::MorgensternPriceHalfSine};

// Fredlund and Krahn's slope (a 2:1 face 40 ft high facing right) in a soil of its own.
Section Slope(double cohesion, double friction, double unitWeight) {
    Section section = examples::FredlundKrahn();
    section.soils[0].cohesion = cohesion;
    section.soils[0].frictionAngle = friction;
    section.soils[0].unitWeight = unitWeight;
    return section;
}

// --- A plane through the toe: Culmann's wedge -------------------------------------------------

struct WedgeRow {
    const char* name;
    double cohesion, friction;
    double kh, kv;
    double surcharge;  // a pressure on the level crest (psf)

    friend void PrintTo(const WedgeRow& row, std::ostream* os) { *os << row.name; }
};

class CulmannWedgeThroughTheSlicer : public testing::TestWithParam<WedgeRow> {};

// F = (c L + N' tan(phi)) / T with the wedge's forces resolved across and along the plane:
// N' = G cos(t) - kh W sin(t), T = G sin(t) + kh W cos(t), G = (1 - kv) W + Q.
TEST_P(CulmannWedgeThroughTheSlicer, EveryForceMethodGivesTheClosedForm) {
    const WedgeRow& row = GetParam();
    Section drawn = Slope(row.cohesion, row.friction, 120.0);
    drawn.horizontalSeismic = row.kh;
    drawn.verticalSeismic = row.kv;
    if (row.surcharge > 0.0) {
        drawn.pressures = {{-100.0, 60.0, row.surcharge}};
    }
    const PreparedSection section(drawn);
    const double theta = 20.0 * kPi / 180.0;
    const double entryX = 140.0 - 40.0 / std::tan(theta);
    SurfaceEvaluator evaluator(section);
    const SurfaceEvaluation& evaluation =
        evaluator.EvaluatePolyline({{entryX, 60.0}, {140.0, 20.0}}, std::nullopt, {});
    ASSERT_EQ(evaluation.status, SurfaceStatus::Valid);

    const double weight = 120.0 * 0.5 * (60.0 - entryX) * 40.0;
    const double load = row.surcharge * (60.0 - entryX);
    const double length = 40.0 / std::sin(theta);
    const double gravity = (1.0 - row.kv) * weight + load;
    const double across = gravity * std::cos(theta) - row.kh * weight * std::sin(theta);
    const double along = gravity * std::sin(theta) + row.kh * weight * std::cos(theta);
    const double expected =
        (row.cohesion * length + across * std::tan(row.friction * kPi / 180.0)) / along;
    for (const SectionMethod method : kForceMethods) {
        const MethodResult& result = evaluation.result(method);
        ASSERT_TRUE(result.solved()) << MethodName(method) << " flags " << result.flags;
        EXPECT_NEAR(result.factor, expected, 1e-9 * expected) << MethodName(method);
    }
    // A plane has no centre of its own to take moments about.
    EXPECT_FALSE(evaluation.momentPoint.has_value());
    for (const SectionMethod method : {SectionMethod::Ordinary, SectionMethod::Bishop}) {
        EXPECT_FALSE(evaluation.result(method).solved());
        EXPECT_TRUE(evaluation.result(method).Has(MethodFlag::NoMomentPoint));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, CulmannWedgeThroughTheSlicer,
                         testing::Values(WedgeRow{"CohesionAndFriction", 600, 20, 0, 0, 0},
                                         WedgeRow{"FrictionOnly", 0, 30, 0, 0, 0},
                                         WedgeRow{"CohesionOnly", 600, 0, 0, 0, 0},
                                         WedgeRow{"HorizontalEarthquake", 600, 20, 0.15, 0, 0},
                                         WedgeRow{"BothEarthquakes", 600, 20, 0.15, 0.05, 0},
                                         WedgeRow{"CrestSurcharge", 600, 20, 0, 0, 500},
                                         WedgeRow{"SurchargeAndEarthquake", 600, 20, 0.1, -0.05,
                                                  500}),
                         RowName{});

// --- Surfaces used by the symmetries ----------------------------------------------------------

struct SurfaceRow {
    const char* name;
    Section (*section)();
    bool circle;
    CircleSurface arc;
    std::vector<SectionPoint> polyline;

    friend void PrintTo(const SurfaceRow& row, std::ostream* os) { *os << row.name; }
};

const SurfaceEvaluation& Evaluate(SurfaceEvaluator& evaluator, const SurfaceRow& row, bool mirror) {
    const EvaluationRequest request{kEveryMethod, 40, false};
    if (row.circle) {
        CircleSurface circle = row.arc;
        circle.centreX = mirror ? -circle.centreX : circle.centreX;
        return evaluator.EvaluateCircle(circle, request);
    }
    std::vector<SectionPoint> points;
    for (auto it = row.polyline.rbegin(); mirror && it != row.polyline.rend(); ++it) {
        points.push_back({-it->x, it->y});
    }
    return evaluator.EvaluatePolyline(mirror ? points : row.polyline, std::nullopt, request);
}

Section PublishedPiezometric() {
    Section section = examples::FredlundKrahn();
    section.water.model = WaterModel::PiezometricLine;
    section.water.piezometricLine = {{0, 40}, {140, 20}, {180, 20}};
    section.horizontalSeismic = 0.1;
    section.pressures = {{20, 50, 400}};
    section.lineLoads = {{100, 5000, 70}};
    return section;
}

const std::vector<SurfaceRow> kSurfaces{
    {"PublishedCircleWaterLoadsAndEarthquake", PublishedPiezometric, true, {120, 90, 80}, {}},
    {"PublishedPolyline",
     PublishedPiezometric,
     false,
     {},
     {{40, 60}, {70, 38}, {120, 16}, {160, 20}}},
    {"ThreeSoilsCircle", examples::ThreeSoils, true, {38, 36, 32}, {}},
    {"ThreeSoilsPolyline",
     examples::ThreeSoils,
     false,
     {},
     {{15, 20}, {25, 12}, {40, 7}, {52, 10}}},
};

// --- A mirrored section gives the same factors ------------------------------------------------

class MirroredSection : public testing::TestWithParam<SurfaceRow> {};

TEST_P(MirroredSection, GivesEveryMethodsFactorAndLambda) {
    const SurfaceRow& row = GetParam();
    const PreparedSection right(row.section());
    const PreparedSection left(examples::Mirrored(row.section()));
    SurfaceEvaluator rightEvaluator(right);
    SurfaceEvaluator leftEvaluator(left);
    const SurfaceEvaluation& a = Evaluate(rightEvaluator, row, false);
    const SurfaceEvaluation& b = Evaluate(leftEvaluator, row, true);
    ASSERT_EQ(a.status, SurfaceStatus::Valid);
    ASSERT_EQ(b.status, SurfaceStatus::Valid);
    EXPECT_FALSE(a.located.mirrored);
    EXPECT_TRUE(b.located.mirrored);
    EXPECT_NEAR(b.located.entryX, -a.located.entryX, 1e-9);
    for (const SectionMethod method : kEveryMethodInTurn) {
        const MethodResult& p = a.result(method);
        const MethodResult& q = b.result(method);
        ASSERT_TRUE(p.solved()) << MethodName(method) << " flags " << p.flags;
        EXPECT_NEAR(q.factor, p.factor, 1e-9 * p.factor) << MethodName(method);
        EXPECT_NEAR(q.lambda, p.lambda, 1e-9) << MethodName(method);
        EXPECT_EQ(q.flags, p.flags) << MethodName(method);
    }
}

INSTANTIATE_TEST_SUITE_P(Surfaces, MirroredSection, testing::ValuesIn(kSurfaces), RowName{});

// --- Spencer's factor does not depend on where moments are taken ----------------------------

class SpencerMomentPointThroughTheSlicer : public testing::TestWithParam<SurfaceRow> {};

// The earthquake, ponded water and loads enter the moments; were any of their arms wrong, the
// factor would move with the point.
TEST_P(SpencerMomentPointThroughTheSlicer, FactorAndLambdaStayPut) {
    const SurfaceRow& row = GetParam();
    const PreparedSection section(row.section());
    SurfaceEvaluator evaluator(section);
    const EvaluationRequest request{
        MethodBit(SectionMethod::Spencer) | MethodBit(SectionMethod::MorgensternPriceHalfSine), 40,
        false};
    const SurfaceEvaluation& first =
        evaluator.EvaluatePolyline(row.polyline, std::nullopt, request);
    ASSERT_EQ(first.status, SurfaceStatus::Valid);
    const MethodResult spencer = first.result(SectionMethod::Spencer);
    const MethodResult halfSine = first.result(SectionMethod::MorgensternPriceHalfSine);
    ASSERT_TRUE(spencer.solved());
    ASSERT_TRUE(halfSine.solved());
    for (const SectionPoint point :
         {SectionPoint{0, 0}, SectionPoint{30, 150}, SectionPoint{200, -50}, row.polyline[1]}) {
        const SurfaceEvaluation& other = evaluator.EvaluatePolyline(row.polyline, point, request);
        for (const MethodResult* expected : {&spencer, &halfSine}) {
            const MethodResult& got =
                other.result(expected == &spencer ? SectionMethod::Spencer
                                                  : SectionMethod::MorgensternPriceHalfSine);
            ASSERT_TRUE(got.solved()) << point.x << ", " << point.y;
            EXPECT_NEAR(got.factor, expected->factor, 1e-8 * expected->factor)
                << point.x << ", " << point.y;
            EXPECT_NEAR(got.lambda, expected->lambda, 1e-7) << point.x << ", " << point.y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Polylines, SpencerMomentPointThroughTheSlicer,
                         testing::Values(kSurfaces[1], kSurfaces[3]), RowName{});

}  // namespace
}  // namespace vardolin::section

namespace vardolin::section {
namespace {

// --- A slope under still water is the dry slope of the buoyant weight ------------------------

// Water ponded 20 ft over the crest of Fredlund and Krahn's slope: the water on the ground and
// the pore pressures on the surface close around the mass, and their resultant is its buoyancy.
// So each slice's forces are the buoyant slope's, and a method that keeps them as a whole
// gives its factor:
// - Janbu's (forces only) to the iteration's tolerance on a polyline; on a circle the soil
//   between each base's chord and its arc is weighed but the water on it pushes on the chord,
//   a difference that falls as the square of the slice width;
// - Bishop's also takes moments, with each base's pore-pressure force at the base's middle
//   where a pressure rising along the base puts it a little off: again the square of the width.
// Not held to it: the ordinary method, whose normal force W cos(a) - H sin(a) with u l taken
// away is known not to be the buoyant slope's (about 25 % here); Spencer and Morgenstern-Price,
// whose interslice shear is lambda f(x) times the whole interslice force, water's thrust on the
// slice's sides and all, where the buoyant slope has only the soil's (0.5 to 0.7 % here).
struct SubmergedRow {
    const char* name;
    bool circle;
    int slices;
    std::vector<SectionMethod> methods;
    double tolerance;  // the share of the factor

    friend void PrintTo(const SubmergedRow& row, std::ostream* os) { *os << row.name; }
};

class SubmergedSlope : public testing::TestWithParam<SubmergedRow> {};

TEST_P(SubmergedSlope, GivesTheDrySlopeOfTheBuoyantWeight) {
    const SubmergedRow& row = GetParam();
    Section submerged = Slope(600, 20, 120);
    submerged.water.model = WaterModel::PiezometricLine;
    submerged.water.piezometricLine = {{0, 80}, {180, 80}};
    const PreparedSection wet(submerged);
    const PreparedSection dry(Slope(600, 20, 120 - 62.4));
    SurfaceEvaluator wetEvaluator(wet);
    SurfaceEvaluator dryEvaluator(dry);
    const EvaluationRequest request{kEveryMethod, row.slices, false};
    const std::vector<SectionPoint> polyline{{40, 60}, {70, 38}, {120, 16}, {160, 20}};
    const SurfaceEvaluation& a =
        row.circle ? wetEvaluator.EvaluateCircle({120, 90, 80}, request)
                   : wetEvaluator.EvaluatePolyline(polyline, std::nullopt, request);
    const SurfaceEvaluation& b =
        row.circle ? dryEvaluator.EvaluateCircle({120, 90, 80}, request)
                   : dryEvaluator.EvaluatePolyline(polyline, std::nullopt, request);
    ASSERT_EQ(a.status, SurfaceStatus::Valid);
    ASSERT_EQ(b.status, SurfaceStatus::Valid);
    for (const SectionMethod method : row.methods) {
        ASSERT_TRUE(a.result(method).solved()) << MethodName(method);
        EXPECT_NEAR(a.result(method).factor, b.result(method).factor,
                    row.tolerance * b.result(method).factor)
            << MethodName(method);
    }
}

using M = SectionMethod;
INSTANTIATE_TEST_SUITE_P(
    Surfaces, SubmergedSlope,
    testing::Values(
        SubmergedRow{
            "CircleFine", true, 226, {M::Bishop, M::JanbuUncorrected, M::JanbuCorrected}, 1e-5},
        SubmergedRow{"PolylineBishopFine", false, 226, {M::Bishop}, 5e-5},
        SubmergedRow{
            "PolylineJanbuCoarse", false, 30, {M::JanbuUncorrected, M::JanbuCorrected}, 1e-9},
        SubmergedRow{
            "PolylineJanbuFine", false, 226, {M::JanbuUncorrected, M::JanbuCorrected}, 1e-9}),
    RowName{});

// --- Without friction, Ordinary and Bishop agree on a circle -------------------------------

struct FrictionlessRow {
    const char* name;
    double kh;
    bool pondedWater;

    friend void PrintTo(const FrictionlessRow& row, std::ostream* os) { *os << row.name; }
};

class FrictionlessCircle : public testing::TestWithParam<FrictionlessRow> {};

// With phi = 0 the shear on a base is c l / F whatever its normal force, so both factors are
// sum(c l R) over the driving moment; only the normal force's arm, 0 to rounding, parts them.
TEST_P(FrictionlessCircle, OrdinaryAndBishopAgree) {
    const FrictionlessRow& row = GetParam();
    Section drawn = examples::ThreeSoils();
    for (Soil& soil : drawn.soils) {
        soil.model = SoilModel::Undrained;
        soil.cohesion += 20.0;
    }
    drawn.horizontalSeismic = row.kh;
    if (!row.pondedWater) {
        drawn.water.model = WaterModel::None;
    }
    drawn.lineLoads = {{25, 30, 80}};
    const PreparedSection section(drawn);
    SurfaceEvaluator evaluator(section);
    for (const CircleSurface circle : {CircleSurface{38, 36, 32}, CircleSurface{30, 30, 22}}) {
        const SurfaceEvaluation& evaluation = evaluator.EvaluateCircle(
            circle, {MethodBit(M::Ordinary) | MethodBit(M::Bishop), 30, false});
        ASSERT_EQ(evaluation.status, SurfaceStatus::Valid);
        const MethodResult& ordinary = evaluation.result(M::Ordinary);
        const MethodResult& bishop = evaluation.result(M::Bishop);
        ASSERT_TRUE(ordinary.solved());
        ASSERT_TRUE(bishop.solved());
        EXPECT_NEAR(bishop.factor, ordinary.factor, 1e-12 * ordinary.factor) << circle.radius;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, FrictionlessCircle,
                         testing::Values(FrictionlessRow{"Dry", 0.0, false},
                                         FrictionlessRow{"Earthquake", 0.2, false},
                                         FrictionlessRow{"PondedWaterAndEarthquake", 0.1, true}),
                         RowName{});

}  // namespace
}  // namespace vardolin::section

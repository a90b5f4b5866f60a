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
constexpr SectionMethod kEveryMethodInTurn[] = {
    SectionMethod::Ordinary, SectionMethod::Bishop,
    SectionMethod::JanbuUncorrected, SectionMethod::JanbuCorrected,
    SectionMethod::Spencer, SectionMethod::MorgensternPriceConstant,
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

const SurfaceEvaluation& Evaluate(SurfaceEvaluator& evaluator, const SurfaceRow& row,
                                  bool mirror) {
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
    {"ThreeSoilsPolyline", examples::ThreeSoils, false, {}, {{15, 20}, {25, 12}, {40, 7}, {52, 10}}},
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
    const EvaluationRequest request{MethodBit(SectionMethod::Spencer) |
                                        MethodBit(SectionMethod::MorgensternPriceHalfSine),
                                    40, false};
    const SurfaceEvaluation& first = evaluator.EvaluatePolyline(row.polyline, std::nullopt, request);
    ASSERT_EQ(first.status, SurfaceStatus::Valid);
    const MethodResult spencer = first.result(SectionMethod::Spencer);
    const MethodResult halfSine = first.result(SectionMethod::MorgensternPriceHalfSine);
    ASSERT_TRUE(spencer.solved());
    ASSERT_TRUE(halfSine.solved());
    for (const SectionPoint point : {SectionPoint{0, 0}, SectionPoint{30, 150},
                                     SectionPoint{200, -50}, row.polyline[1]}) {
        const SurfaceEvaluation& other = evaluator.EvaluatePolyline(row.polyline, point, request);
        for (const MethodResult* expected : {&spencer, &halfSine}) {
            const MethodResult& got = other.result(expected == &spencer
                                                       ? SectionMethod::Spencer
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

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "TestSupport.h"
#include "numerics/RunTimeError.h"
#include "plane_failure/PlaneSafetyFactor.h"

namespace vardolin {
namespace {

// The form's defaults: H, psi_f, psi_p, z, gamma_w, c, phi, gamma_r, z_w.
struct Inputs {
    double H = 20, faceAngle = 60, planeAngle = 40, crackDepth = 3, waterUnitWeight = 9800;
    double cohesion = 10000, frictionAngle = 30, rockUnitWeight = 27000, waterHeight = 2;

    double Factor() const {
        return PlaneSafetyFactor(H, faceAngle, planeAngle, crackDepth, waterUnitWeight, cohesion,
                                 frictionAngle, rockUnitWeight, waterHeight);
    }
};

double Radians(double degrees) {
    return degrees * kPi / 180.0;
}

std::optional<ErrorCode> ErrorOf(const Inputs& in) {
    try {
        in.Factor();
    } catch (const RunTimeError& e) {
        return e.code();
    }
    return std::nullopt;
}

TEST(PlaneSafetyFactor, OfTheDefaultBlock) {
    EXPECT_NEAR(Inputs{}.Factor(), 0.7353825, 5e-8);
}

TEST(PlaneSafetyFactor, ReducesToTheRatioOfTangentsForADryCohesionlessPlane) {
    Inputs in;
    in.waterHeight = 0;
    in.cohesion = 0;
    EXPECT_NEAR(in.Factor(), 0.6880593, 5e-8);
    EXPECT_NEAR(in.Factor(), std::tan(Radians(30)) / std::tan(Radians(40)), 1e-15);
}

TEST(PlaneSafetyFactor, WithoutWaterOrCrackMatchesTheClosedForm) {
    Inputs in;
    in.waterHeight = 0;
    in.crackDepth = 0;
    const double psiP = Radians(40);
    const double A = 20 / std::sin(psiP);
    const double W = 0.5 * 27000 * 400 * (1 / std::tan(psiP) - 1 / std::tan(Radians(60)));
    const double expected =
        (10000 * A + W * std::cos(psiP) * std::tan(Radians(30))) / (W * std::sin(psiP));
    EXPECT_NEAR(in.Factor(), expected, 1e-12);
}

TEST(PlaneSafetyFactor, FallsAsTheCrackFillsWithWater) {
    Inputs dry, wet, wetter;
    dry.waterHeight = 0;
    wetter.waterHeight = 3;
    EXPECT_GT(dry.Factor(), wet.Factor());
    EXPECT_GT(wet.Factor(), wetter.Factor());
}

TEST(PlaneSafetyFactor, RaisesAtAZeroDivisorInsteadOfReturningInfinity) {
    Inputs flatPlane, noHeight, flatFace, noDrivingForce;
    flatPlane.planeAngle = 0;
    noHeight.H = 0;
    flatFace.faceAngle = 0;
    // The weight vanishes when the face is as steep as the plane; without water nothing drives.
    noDrivingForce.faceAngle = 40;
    noDrivingForce.crackDepth = 0;
    noDrivingForce.waterHeight = 0;
    EXPECT_EQ(ErrorOf(flatPlane), ErrorCode::DivisionByZero);
    EXPECT_EQ(ErrorOf(noHeight), ErrorCode::DivisionByZero);
    EXPECT_EQ(ErrorOf(flatFace), ErrorCode::DivisionByZero);
    EXPECT_EQ(ErrorOf(noDrivingForce), ErrorCode::DivisionByZero);
}

TEST(PlaneSafetyFactor, GivesANumberAtAnglesWhoseTangentIsOnlyNearlyZeroOrInfinite) {
    for (double angle : {90.0, 180.0, -40.0}) {
        Inputs in;
        in.planeAngle = angle;
        EXPECT_EQ(ErrorOf(in), std::nullopt) << angle;
        Inputs face;
        face.faceAngle = angle;
        EXPECT_EQ(ErrorOf(face), std::nullopt) << angle;
    }
}

TEST(PlaneSafetyFactor, RaisesOverflowForValuesBeyondTheDoubleRange) {
    Inputs in;
    in.rockUnitWeight = 1e300;
    in.H = 1e10;
    EXPECT_EQ(ErrorOf(in), ErrorCode::Overflow);
}

}  // namespace
}  // namespace vardolin

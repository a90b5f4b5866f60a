// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "circle/SliceAnalysis.h"
#include "circle/SliceFields.h"
#include "plane/PlaneAnalysis.h"
#include "plane/PlaneFields.h"
#include "shared/ContextSnapshot.h"
#include "shared/FieldTextMap.h"

namespace vardolin {
namespace {

FieldTextMap PlaneTexts() {
    using namespace plane;
    return {{SlopeHeight, "20"},
            {SlopeFaceAngle, "60"},
            {DiscontinuityAngle, "40"},
            {WaterUnitWeight, "9800"},
            {TensionCrackDepth, "3"},
            {CalculationCount, "50"},
            {plane::CohesionMean, "1e4"},
            {plane::CohesionStdDev, "200"},
            {plane::FrictionAngleMean, "30"},
            {plane::FrictionAngleStdDev, "5"},
            {plane::RockUnitWeightMean, "27000"},
            {plane::RockUnitWeightStdDev, "2000"},
            {plane::WaterHeightMean, "2"},
            {plane::WaterHeightStdDev, ".5"}};
}

FieldTextMap SliceTexts() {
    using namespace circle;
    return {{SlopeHeight, "20"},
            {CentreX1, "4"},
            {CentreX2, "8"},
            {CentreY2, "2"},
            {SlopeFaceAngle, "45"},
            {SliceCount, "10"},
            {WaterUnitWeight, "9800"},
            {CalculationCount, "500"},
            {circle::CohesionMean, "10000"},
            {circle::CohesionStdDev, "200"},
            {circle::FrictionAngleMean, "30"},
            {circle::FrictionAngleStdDev, "5"},
            {circle::RockUnitWeightMean, "27000"},
            {circle::RockUnitWeightStdDev, "2000"},
            {circle::WaterHeightMean, "2"},
            {circle::WaterHeightStdDev, ".5"}};
}

// Both runs change the sequence and the module; restoring undoes both exactly, so the next
// slice run gives the session's first figures again.
TEST(ContextSnapshot, RestoresTheSequenceAndEveryTableOfTheModule) {
    UniformSequence uniforms;
    MainModule module;
    AnalysisContext context{uniforms, module, {}};
    FieldTextMap slice = SliceTexts();
    RunSliceAnalysis(slice, context);
    const ContextSnapshot snapshot(context);
    const std::uint32_t state = uniforms.state();
    const double degrees = module.BaseAngleDegrees[7];
    const double total = module.BaseAngleRadianTotal[7];

    FieldTextMap plane = PlaneTexts();
    RunPlaneAnalysis(plane, context);
    FieldTextMap again = SliceTexts();
    RunSliceAnalysis(again, context);
    ASSERT_NE(module.TrialSafetyFactors[1], 0.0);
    ASSERT_NE(module.BaseAngleRadianTotal[7], total);

    snapshot.Restore(context);
    EXPECT_EQ(uniforms.state(), state);
    EXPECT_EQ(module.TrialSafetyFactors[1], 0.0);
    EXPECT_EQ(module.BaseAngleDegrees[7], degrees);
    EXPECT_EQ(module.BaseAngleRadianTotal[7], total);
    FieldTextMap next = SliceTexts();
    RunSliceAnalysis(next, context);
    EXPECT_EQ(next.text(circle::MeanSafetyFactor), "1.33182608285389");
}

}  // namespace
}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "TestSupport.h"
#include "slice_method/SlipCircle.h"

namespace vardolin {
namespace {

using testing_support::RowName;

// A sequence whose next value is r (a multiple of 2^-24): the generator's step run backwards.
std::uint32_t StateBefore(float r) {
    constexpr std::uint32_t kMultiplier = 16598013;
    constexpr std::uint32_t kIncrement = 12820163;
    std::uint32_t inverse = kMultiplier;  // Newton's iteration for the inverse mod 2^32
    for (int n = 0; n < 5; ++n) {
        inverse *= 2u - kMultiplier * inverse;
    }
    const auto next = static_cast<std::uint32_t>(r * 16777216.0f);
    return ((next - kIncrement) * inverse) & 0xFFFFFFu;
}

struct CentreRow {
    const char* name;
    double x1, x2, y2;
    float r;
    double centreX, centreY;
};

class SlipCircleCentre : public testing::TestWithParam<CentreRow> {};

// A steep face (80 degrees) keeps the crest near the toe, so the first candidate is accepted.
TEST_P(SlipCircleCentre, LiesOnTheGridDiagonalFromX1AndH) {
    const CentreRow& row = GetParam();
    SliceInputs inputs = SliceInputs::Defaults();
    inputs.Set(slice_method::SlopeHeight, 5);
    inputs.Set(slice_method::SlopeFaceAngle, 80);
    inputs.Set(slice_method::CentreX1, row.x1);
    inputs.Set(slice_method::CentreX2, row.x2);
    inputs.Set(slice_method::CentreY2, row.y2);
    UniformSequence uniforms(StateBefore(row.r));
    TrialTable radius;

    const CircleDraw draw = DrawSlipCircle(uniforms, inputs, radius, 7);
    ASSERT_TRUE(draw.circle);
    EXPECT_EQ(draw.rejected, 0);
    EXPECT_EQ(draw.circle->centreX, row.centreX);
    EXPECT_EQ(draw.circle->centreY, row.centreY);
    EXPECT_DOUBLE_EQ(draw.circle->radius, std::hypot(row.centreX, row.centreY));
    EXPECT_DOUBLE_EQ(draw.circle->reach,
                     std::sqrt(row.centreX * row.centreX + row.centreY * row.centreY - 25));
    EXPECT_EQ(radius[7], draw.circle->radius);
}

INSTANTIATE_TEST_SUITE_P(
    Grid, SlipCircleCentre,
    testing::Values(CentreRow{"ZeroGivesX1AndH", 4, 8, 2, 0.0f, 4, 5},
                    CentreRow{"SwappedBoundsStillStartAtX1", 8, 4, 2, 0.5f, 10, 6.5},
                    CentreRow{"Y2AboveHExtendsUpwardsToo", 4, 8, 11, 0.5f, 6, 8},
                    CentreRow{"EqualBoundsGiveAVerticalLine", 4, 4, 2, 0.75f, 4, 7.25}),
    RowName());

// On the default grid a circle passes the crest (E > D, D a little above 20) only for r above
// about 0.428; each rejected candidate takes one more value.
TEST(SlipCircle, DefaultGridRejectsCirclesThatDoNotPassTheCrest) {
    SliceInputs inputs = SliceInputs::Defaults();
    TrialTable radius;

    UniformSequence accepted(StateBefore(0.429f));
    const CircleDraw first = DrawSlipCircle(accepted, inputs, radius, 1);
    ASSERT_TRUE(first.circle);
    EXPECT_EQ(first.rejected, 0);
    EXPECT_GT(first.circle->reach, first.circle->crestDistance);
    EXPECT_GT(first.circle->crestDistance, 20.0);

    UniformSequence rejected(StateBefore(0.427f));
    const CircleDraw second = DrawSlipCircle(rejected, inputs, radius, 1);
    ASSERT_TRUE(second.circle);
    EXPECT_GE(second.rejected, 1);
    EXPECT_EQ(radius[1], second.circle->radius);
}

}  // namespace
}  // namespace vardolin

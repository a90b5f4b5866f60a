// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "slope_section/SectionExamples.h"
#include "slope_section/SurfaceEvaluation.h"

namespace vardolin::section {
namespace {

using M = SectionMethod;

// The three-soil section faces right; its mirror image faces left, so its table's x run the
// other way and are the drawn ones negated.
TEST(SurfaceEvaluation, TheSliceTableHoldsEachMethodsForcesAsDrawn) {
    for (const bool mirror : {false, true}) {
        const PreparedSection section(mirror ? examples::Mirrored(examples::ThreeSoils())
                                             : examples::ThreeSoils());
        SurfaceEvaluator evaluator(section);
        const CircleSurface circle{mirror ? -38.0 : 38.0, 36, 32};
        const SurfaceEvaluation& evaluation =
            evaluator.EvaluateCircle(circle, {kEveryMethod, 30, true});
        ASSERT_EQ(evaluation.status, SurfaceStatus::Valid);
        ASSERT_TRUE(evaluation.momentPoint.has_value());
        EXPECT_EQ(evaluation.momentPoint->x, circle.centreX);
        const SlicedMass& mass = evaluator.mass();
        const double sign = mirror ? -1.0 : 1.0;
        for (std::size_t m = 0; m < kSectionMethodCount; ++m) {
            const auto method = static_cast<SectionMethod>(m);
            const MethodResult& result = evaluation.result(method);
            ASSERT_TRUE(result.solved()) << MethodName(method);
            const std::vector<SliceRow>& rows = evaluation.rows(method);
            ASSERT_EQ(rows.size(), mass.slices.size()) << MethodName(method);
            // Janbu's shear is mobilised at its uncorrected factor.
            const double factor = result.factor / result.correction;
            const bool rigorous = result.lambda != 0.0;
            double largest = 0.0;
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const SliceRow& row = rows[i];
                EXPECT_EQ(row.x, sign * mass.slices[i].baseX);
                EXPECT_EQ(row.weight, mass.slices[i].weight);
                EXPECT_EQ(row.soils.back(), mass.slices[i].baseSoil);
                EXPECT_NEAR(row.shear * factor, row.strength, 1e-9 * std::abs(row.strength));
                largest = std::max(largest, std::abs(row.interNormal));
                if (!rigorous) {
                    EXPECT_EQ(row.interNormal, 0.0);
                    EXPECT_EQ(row.interShear, 0.0);
                }
            }
            if (rigorous) {
                EXPECT_GT(largest, 0.0);
                EXPECT_NEAR(rows.back().interNormal, 0.0, 1e-6 * largest) << MethodName(method);
            }
            // Entry to exit: from the crest side down to the toe.
            EXPECT_GT(sign * (rows.back().x - rows.front().x), 0.0);
        }
    }
}

TEST(SurfaceEvaluation, SolvesOnlyTheChosenMethodsAndNothingOnASurfaceWithoutSlices) {
    const PreparedSection section(examples::ThreeSoils());
    SurfaceEvaluator evaluator(section);
    const MethodSet chosen = MethodBit(M::Bishop) | MethodBit(M::Spencer);
    const SurfaceEvaluation& evaluation = evaluator.EvaluateCircle({38, 36, 32}, {chosen, 30});
    EXPECT_EQ(evaluation.methods, chosen);
    for (std::size_t m = 0; m < kSectionMethodCount; ++m) {
        const auto method = static_cast<SectionMethod>(m);
        EXPECT_EQ(evaluation.result(method).solved(), (chosen & MethodBit(method)) != 0)
            << MethodName(method);
        EXPECT_TRUE(evaluation.rows(method).empty());
    }
    // A circle above the ground.
    const SurfaceEvaluation& missed = evaluator.EvaluateCircle({30, 80, 5}, {kEveryMethod, 30});
    EXPECT_EQ(missed.status, SurfaceStatus::MissesGround);
    EXPECT_EQ(missed.methods, 0u);
    EXPECT_FALSE(missed.momentPoint.has_value());
}

// Bishop about a circle's centre in the critical circle's form: the general form's factor to
// its tolerance, and its forces in the table.
TEST(SurfaceEvaluation, BishopAboutTheCentreIsTheGeneralFormsFactor) {
    const PreparedSection section(examples::ThreeSoils());
    SurfaceEvaluator evaluator(section);
    EvaluationRequest request{MethodBit(M::Bishop), 30, true};
    const double general = evaluator.EvaluateCircle({38, 36, 32}, request).result(M::Bishop).factor;
    request.bishopAboutCentre = true;
    const SurfaceEvaluation& aboutCentre = evaluator.EvaluateCircle({38, 36, 32}, request);
    ASSERT_TRUE(aboutCentre.result(M::Bishop).solved());
    EXPECT_NE(aboutCentre.result(M::Bishop).factor, general);  // the other form was solved
    EXPECT_NEAR(aboutCentre.result(M::Bishop).factor, general, 1e-8 * general);
    EXPECT_EQ(aboutCentre.rows(M::Bishop).size(), evaluator.mass().slices.size());
}

TEST(SurfaceEvaluation, APolylineTakesMomentsAboutThePointGivenOrItsOwnCentre) {
    const PreparedSection section(examples::ThreeSoils());
    SurfaceEvaluator evaluator(section);
    const std::vector<SectionPoint> surface{{15, 20}, {25, 12}, {40, 7}, {52, 10}};
    const EvaluationRequest request{MethodBit(M::Bishop), 30};
    const SurfaceEvaluation& own = evaluator.EvaluatePolyline(surface, std::nullopt, request);
    ASSERT_TRUE(own.momentPoint.has_value());
    const SectionPoint centre{own.momentPoint->x, own.momentPoint->y};
    const double byDefault = own.result(M::Bishop).factor;
    EXPECT_EQ(evaluator.EvaluatePolyline(surface, centre, request).result(M::Bishop).factor,
              byDefault);
    const SurfaceEvaluation& elsewhere =
        evaluator.EvaluatePolyline(surface, SectionPoint{30, 60}, request);
    EXPECT_EQ(elsewhere.momentPoint->y, 60.0);
    EXPECT_NE(elsewhere.result(M::Bishop).factor, byDefault);  // Bishop's depends on it
}

// One evaluator per caller: once it has met the largest surface with every table, no further
// surface moves its storage.
TEST(SurfaceEvaluation, OnceWarmItAllocatesNothingPerSurface) {
    const PreparedSection section(examples::ThreeSoils());
    SurfaceEvaluator evaluator(section);
    const EvaluationRequest request{kEveryMethod, 40, true};
    evaluator.EvaluateCircle({38, 36, 32}, request);
    const SurfaceEvaluation& warm = evaluator.EvaluateCircle({38, 36, 32}, request);
    const SliceRow* rows = warm.rows(M::Spencer).data();
    const SectionSlice* slices = evaluator.mass().slices.data();
    for (const CircleSurface circle : {CircleSurface{30, 30, 22}, CircleSurface{40, 40, 34}}) {
        const SurfaceEvaluation& evaluation = evaluator.EvaluateCircle(circle, request);
        ASSERT_EQ(evaluation.status, SurfaceStatus::Valid);
        ASSERT_LE(evaluator.mass().slices.size(), 60u);
        EXPECT_EQ(evaluation.rows(M::Spencer).data(), rows);
        EXPECT_EQ(evaluator.mass().slices.data(), slices);
    }
}

}  // namespace
}  // namespace vardolin::section

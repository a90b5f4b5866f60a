// SPDX-License-Identifier: MIT
// The published figures through the section's own slicer and every method.
#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>
#include <ostream>

#include "TestSupport.h"
#include "slope_section/SectionExamples.h"
#include "slope_section/SurfaceEvaluation.h"

namespace vardolin::section {
namespace {

using testing_support::RowName;

// Fredlund, D. G. and Krahn, J. (1977), "Comparison of slope stability methods of analysis",
// Canadian Geotechnical Journal 14(3), 429-439, cases 1 (dry), 3 (ru 0.25) and 5 (a
// piezometric line). The section is examples::FredlundKrahn (ft, pcf, psf); the circle has its
// centre at (120, 90) and a radius of 80 ft. Their slices were 0.5 ft wide: the mass is
// 112.9 ft wide, so 226 slices. The paper's Spencer and Morgenstern-Price figures come from
// two procedures of their own; here both are the general formulation with f constant, one
// figure.
constexpr CircleSurface kCircle{120, 90, 80, false};
constexpr int kFineSlices = 226;

enum class Case { Dry, PoreRatio, Piezometric };

Section CaseSection(Case which) {
    Section section = examples::FredlundKrahn();
    if (which == Case::PoreRatio) {
        section.water.model = WaterModel::PoreRatio;  // the clay's ru is 0.25
    } else if (which == Case::Piezometric) {
        section.water.model = WaterModel::PiezometricLine;
        section.water.piezometricLine = {{0, 40}, {140, 20}, {180, 20}};
    }
    return section;
}

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
// Lambda moves with the slicing far more than F does: met within this share.
constexpr double kLambdaBand = 0.15;

struct PublishedRow {
    const char* name;
    Case which;
    SectionMethod method;
    double factor;      // published (NaN where the paper has none)
    double lambda;      // published (NaN where the method or the paper has none)
    double factorBand;  // the share of the published factor to meet it within
    double ours;        // this program's factor and lambda at 226 slices, pinned
    double oursLambda;

    friend void PrintTo(const PublishedRow& row, std::ostream* os) { *os << row.name; }
};

class FredlundKrahn1977ThroughTheSlicer : public testing::TestWithParam<PublishedRow> {};

TEST_P(FredlundKrahn1977ThroughTheSlicer, MeetsThePublishedFigures) {
    const PublishedRow& row = GetParam();
    const PreparedSection section(CaseSection(row.which));
    SurfaceEvaluator evaluator(section);
    const SurfaceEvaluation& evaluation =
        evaluator.EvaluateCircle(kCircle, {MethodBit(row.method), kFineSlices, false});
    ASSERT_EQ(evaluation.status, SurfaceStatus::Valid);
    ASSERT_EQ(evaluator.mass().slices.size(), static_cast<std::size_t>(kFineSlices));
    const MethodResult& result = evaluation.result(row.method);
    ASSERT_TRUE(result.solved()) << "flags " << result.flags;
    // The steep slices under the crest carry more cohesion than weight, so their effective
    // normal force is below 0 by every method but the ordinary one; no other doubt.
    EXPECT_FALSE(result.Has(MethodFlag::SmallMAlpha));
    if (!std::isnan(row.factor)) {
        EXPECT_NEAR(result.factor, row.factor, row.factorBand * row.factor);
    }
    if (!std::isnan(row.lambda)) {
        EXPECT_NEAR(result.lambda, row.lambda, kLambdaBand * row.lambda);
    }
    EXPECT_NEAR(result.factor, row.ours, 1e-12 * row.ours)
        << std::setprecision(17) << result.factor;
    EXPECT_NEAR(result.lambda, row.oursLambda, 1e-10) << std::setprecision(17) << result.lambda;
}

using M = SectionMethod;
INSTANTIATE_TEST_SUITE_P(
    Cases, FredlundKrahn1977ThroughTheSlicer,
    testing::Values(
        PublishedRow{"Dry_Ordinary", Case::Dry, M::Ordinary, 1.928, kNone, 0.002,
                     1.9276627561628377, 0},
        PublishedRow{"Dry_Bishop", Case::Dry, M::Bishop, 2.080, kNone, 0.005, 2.0756310191312748,
                     0},
        PublishedRow{"Dry_JanbuUncorrected", Case::Dry, M::JanbuUncorrected, kNone, kNone, 0,
                     1.8769656477247412, 0},
        PublishedRow{"Dry_JanbuCorrected", Case::Dry, M::JanbuCorrected, 2.041, kNone, 0.015,
                     2.0216197617724108, 0},
        PublishedRow{"Dry_Spencer", Case::Dry, M::Spencer, 2.073, 0.237, 0.005, 2.0718410396907116,
                     0.25765422927899406},
        PublishedRow{"Dry_MorgensternPrice", Case::Dry, M::MorgensternPriceConstant, 2.076, 0.254,
                     0.005, 2.0718410396907116, 0.25765422927899406},
        PublishedRow{"Dry_MorgensternPriceHalfSine", Case::Dry, M::MorgensternPriceHalfSine, kNone,
                     kNone, 0, 2.0713960733793049, 0.32328961465956002},
        PublishedRow{"PoreRatio_Ordinary", Case::PoreRatio, M::Ordinary, 1.607, kNone, 0.002,
                     1.6061761702184711, 0},
        PublishedRow{"PoreRatio_Bishop", Case::PoreRatio, M::Bishop, 1.766, kNone, 0.005,
                     1.7592047296511373, 0},
        PublishedRow{"PoreRatio_JanbuUncorrected", Case::PoreRatio, M::JanbuUncorrected, kNone,
                     kNone, 0, 1.5885952834086163, 0},
        PublishedRow{"PoreRatio_JanbuCorrected", Case::PoreRatio, M::JanbuCorrected, 1.735, kNone,
                     0.015, 1.7110252509364396, 0},
        PublishedRow{"PoreRatio_Spencer", Case::PoreRatio, M::Spencer, 1.761, 0.255, 0.005,
                     1.7573509423834059, 0.24948708015760696},
        PublishedRow{"PoreRatio_MorgensternPrice", Case::PoreRatio, M::MorgensternPriceConstant,
                     1.765, 0.244, 0.005, 1.7573509423834059, 0.24948708015760696},
        PublishedRow{"PoreRatio_MorgensternPriceHalfSine", Case::PoreRatio,
                     M::MorgensternPriceHalfSine, kNone, kNone, 0, 1.7566615871331845,
                     0.31295249686593851},
        PublishedRow{"Piezometric_Ordinary", Case::Piezometric, M::Ordinary, 1.693, kNone, 0.002,
                     1.6933514452423721, 0},
        PublishedRow{"Piezometric_Bishop", Case::Piezometric, M::Bishop, 1.834, kNone, 0.005,
                     1.8290001028147769, 0},
        PublishedRow{"Piezometric_JanbuUncorrected", Case::Piezometric, M::JanbuUncorrected, kNone,
                     kNone, 0, 1.6775930546301179, 0},
        PublishedRow{"Piezometric_JanbuCorrected", Case::Piezometric, M::JanbuCorrected, 1.827,
                     kNone, 0.015, 1.806881883896801, 0},
        PublishedRow{"Piezometric_Spencer", Case::Piezometric, M::Spencer, 1.830, 0.247, 0.005,
                     1.827550873781344, 0.23941951678502998},
        PublishedRow{"Piezometric_MorgensternPrice", Case::Piezometric, M::MorgensternPriceConstant,
                     1.833, 0.234, 0.005, 1.827550873781344, 0.23941951678502998},
        PublishedRow{"Piezometric_MorgensternPriceHalfSine", Case::Piezometric,
                     M::MorgensternPriceHalfSine, kNone, kNone, 0, 1.8267724920301303,
                     0.29814626477385153}),
    RowName{});

}  // namespace
}  // namespace vardolin::section

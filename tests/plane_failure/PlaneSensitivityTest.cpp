// SPDX-License-Identifier: MIT
// What a plane run hands on beside its results: its convergence, its sensitivity curves and
// what each trial drew.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "analysis/Sensitivity.h"
#include "fields/FieldTextMap.h"
#include "plane_failure/PlaneAnalysis.h"
#include "plane_failure/PlaneFailureDescription.h"
#include "plane_failure/PlaneFields.h"
#include "plane_failure/PlaneKeptTables.h"
#include "plane_failure/PlaneSafetyFactor.h"
#include "statistics/Convergence.h"

namespace vardolin {
namespace {

using namespace plane;

struct InputsRow {
    const char* name;
    std::vector<std::pair<int, std::string>> changes;  // to the form's defaults
    friend void PrintTo(const InputsRow& row, std::ostream* os) { *os << row.name; }
};

class PlaneSensitivity : public testing::TestWithParam<InputsRow> {
protected:
    FieldTextMap Texts() const {
        FieldTextMap texts = DefaultTexts(PlaneFailure());
        for (const auto& [field, text] : GetParam().changes) {
            texts.setText(field, text);
        }
        return texts;
    }
};

// The curves' common point, every parameter at its average, is the factor the fixed-data run
// reports for the same inputs with every deviation 0.
// With the comma as the user's separator: the curves' own texts use the point, which every
// locale reads.
TEST_P(PlaneSensitivity, AtZeroDeviationsIsTheFixedDataFactor) {
    const NumberLocale locale{","};
    UniformSequence uniforms;
    KeptTables kept;
    AnalysisContext context{uniforms, kept, locale};
    const std::optional<Sensitivity> s = SensitivityOf(PlaneFailure(), Texts(), context);
    ASSERT_TRUE(s.has_value());

    FieldTextMap fixed = Texts();
    for (int sd : {CohesionStdDev, FrictionAngleStdDev, RockUnitWeightStdDev, WaterHeightStdDev}) {
        fixed.setText(sd, "0");
    }
    ASSERT_EQ(RunPlaneAnalysis(fixed, context).end, RunOutcome::End::FixedData);
    EXPECT_EQ(DoubleToText(s->factorAtMeans, locale), fixed.text(MeanSafetyFactor));

    ASSERT_EQ(s->curves.size(), 4u);
    for (const SensitivityCurve& curve : s->curves) {
        ASSERT_EQ(curve.offsets.size(), 25u);
        // A point every quarter of a standard deviation, from -3 to 3.
        for (std::size_t k = 0; k < curve.offsets.size(); ++k) {
            EXPECT_EQ(curve.offsets[k], -3.0 + 0.25 * static_cast<double>(k)) << k;
        }
        ASSERT_TRUE(curve.factors[12].has_value());
        EXPECT_EQ(*curve.factors[12], s->factorAtMeans) << "curve of Text" << curve.meanField;
        EXPECT_EQ(curve.valueAt(0), curve.mean - 3 * curve.standardDeviation);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, PlaneSensitivity,
    testing::Values(InputsRow{"Defaults", {}},
                    InputsRow{"CommaSeparatedWaterDeviation", {{WaterHeightStdDev, "0,5"}}},
                    InputsRow{"WaterFilledCrack",
                              {{SlopeHeight, "60"},
                               {SlopeFaceAngle, "60"},
                               {DiscontinuityAngle, "45"},
                               {TensionCrackDepth, "14"},
                               {WaterHeightMean, "14"},
                               {CohesionMean, "55000"},
                               {FrictionAngleMean, "40"},
                               {RockUnitWeightMean, "27000"},
                               {WaterUnitWeight, "10000"}}},
                    InputsRow{"SmallAverageCohesion", {{CohesionMean, "500"}}}),
    testing_support::RowName{});

TEST(PlaneSensitivityRequest, LeavesTheSequenceTablesAndFieldsAsTheyWere) {
    UniformSequence uniforms;
    KeptTables kept;
    const NumberLocale locale{","};
    AnalysisContext context{uniforms, kept, locale};
    FieldTextMap fields = DefaultTexts(PlaneFailure());
    RunPlaneAnalysis(fields, context);
    const std::uint32_t state = uniforms.state();
    const auto& tables = kept.Of<PlaneKeptTables>().TrialSafetyFactors;
    const double lastTrial = tables[500];
    const auto texts = fields.texts();

    ASSERT_TRUE(SensitivityOf(PlaneFailure(), fields, context).has_value());
    EXPECT_EQ(uniforms.state(), state);
    EXPECT_EQ(tables[500], lastTrial);
    EXPECT_EQ(fields.texts(), texts);
    // The next run goes on as if no sensitivity had been asked for: the pinned second run.
    RunPlaneAnalysis(fields, context);
    EXPECT_EQ(fields.text(FailureProbability), "97,4");
}

// A watcher sees every evaluation counted (the averages, then 25 points a parameter) and may
// stop the curves between two of them.
TEST(PlaneSensitivityRequest, CountsItsEvaluationsForAWatcherWhoMayCancel) {
    const FieldTextMap fields = DefaultTexts(PlaneFailure());
    RunProgress progress;
    UniformSequence uniforms;
    KeptTables kept;
    const AnalysisContext context{uniforms, kept, {}, &progress};
    ASSERT_TRUE(SensitivityOf(PlaneFailure(), fields, context).has_value());
    EXPECT_EQ(progress.unit.load(), ProgressUnit::SensitivityPoint);
    EXPECT_EQ(progress.stepsTotal.load(), 101);
    EXPECT_EQ(progress.stepsDone.load(), 101);

    progress.cancelRequested = true;
    EXPECT_THROW(SensitivityOf(PlaneFailure(), fields, context), RunCancelled);
    EXPECT_EQ(progress.stepsDone.load(), 1);
}

TEST(PlaneRunHandsOn, EachTrialsDrawsAndTheConvergenceOfThePinnedRun) {
    UniformSequence uniforms;
    KeptTables kept;
    AnalysisContext context{uniforms, kept, {}};
    FieldTextMap fields = DefaultTexts(PlaneFailure());
    const RunOutcome outcome = RunPlaneAnalysis(fields, context);

    // Each kept row gives back its trial's factor.
    const ParameterDraws& draws = outcome.draws;
    ASSERT_EQ(draws.rows(), 500u);
    for (std::size_t row = 0; row < draws.rows(); ++row) {
        const double factor =
            PlaneSafetyFactor(20, 60, 40, 3, 9800, draws.column(0)[row], draws.column(1)[row],
                              draws.column(2)[row], draws.column(3)[row]);
        ASSERT_EQ(factor, outcome.trialFactors[static_cast<std::size_t>(draws.trialOf(row) - 1)])
            << "row " << row;
    }

    // 483 of 500 failed (96.6 %): p ± 1.96 √(p(1 − p)/n) by hand is 0.950114565766086 to
    // 0.981885434233914.
    const ConvergenceSummary summary = SummariseConvergence(outcome.trialFactors);
    EXPECT_EQ(summary.failures, 483);
    EXPECT_EQ(DoubleToText(summary.band.low), "0.950114565766086");
    EXPECT_EQ(DoubleToText(summary.band.high), "0.981885434233914");
    EXPECT_EQ(DoubleToText(summary.mean), fields.text(MeanSafetyFactor));
}

}  // namespace
}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "TestSupport.h"
#include "analysis/CommonInputChecks.h"
#include "analysis/RunMessages.h"
#include "critical_circle/AcceptanceVerdict.h"
#include "critical_circle/CircleTrials.h"
#include "critical_circle/CriticalCircleDescription.h"
#include "critical_circle/CriticalCircleFields.h"
#include "critical_circle/CriticalCircleKeptTables.h"
#include "critical_circle/CriticalCircleRun.h"
#include "fields/FieldTextMap.h"
#include "numerics/NumberText.h"

namespace vardolin {
namespace {

using namespace critical;

// Every test has its own sequence and tables, started as at program start.
class CriticalCircleRun : public testing::Test {
protected:
    RunOutcome Run() { return CriticalCircle().run(fields, context); }
    long Consumed() const { return testing_support::ConsumedBy(uniforms); }
    std::string Text(int field) const { return fields.text(field); }
    double Number(int field) const { return TextToDouble(fields.text(field)); }
    // The grid the form once had as its defaults, typed instead of placed by the search.
    void SetTypedGrid() {
        for (const auto& [field, text] : {std::pair{GridXFrom, "-5"},
                                          {GridXTo, "5"},
                                          {GridYFrom, "10"},
                                          {GridYTo, "20"},
                                          {DepthBelowToe, "5"}}) {
            fields.setText(field, text);
        }
    }
    void SetFixed() {
        for (const int sd :
             {SoilCohesionStdDev, FrictionStdDev, UnitWeightStdDev, PoreRatioStdDev}) {
            fields.setText(sd, "0");
        }
    }

    UniformSequence uniforms;
    KeptTables kept;
    AnalysisContext context{uniforms, kept, {}};
    FieldTextMap fields = DefaultTexts(CriticalCircle());
};

// Fredlund, D. G. and Krahn, J. (1977), "Comparison of slope stability methods of analysis",
// Canadian Geotechnical Journal 14(3): the given circle, mirrored so that the toe is at (0, 0):
// H = 40 ft, 2:1 face, c = 600 psf, phi = 20 degrees, gamma = 120 pcf, centre (20, 70), R = 80.
// Published ordinary 1.928 and 1.607, Bishop 2.080 and 1.766 (ru = 0 and 0.25). The form takes
// the feet and pounds as they are, as any consistent units; fixed data, 2,000 slices (the
// example file's 50 slices give 1.9264 / 2.0747 and 1.6049 / 1.7584).
struct PublishedCircle {
    const char* name;
    const char* poreRatio;
    double ordinary;
    double bishop;
    const char* meanText;  // this program's Bishop factor at 2,000 slices
};

class FredlundKrahnOnTheForm : public CriticalCircleRun,
                               public testing::WithParamInterface<PublishedCircle> {};

TEST_P(FredlundKrahnOnTheForm, GivesThePublishedFactorsAsFixedData) {
    const PublishedCircle& row = GetParam();
    for (const auto& [field, text] : {std::pair{SlopeHeight, "40"},
                                      {FaceAngle, "26.565051177078"},
                                      {SoilCohesionMean, "600"},
                                      {FrictionMean, "20"},
                                      {UnitWeightMean, "120"},
                                      {PoreRatioMean, row.poreRatio},
                                      {GivenCentreX, "20"},
                                      {GivenCentreY, "70"},
                                      {SliceCount, "2000"},
                                      {GivenRadius, "80"}}) {
        fields.setText(field, text);
    }
    SetFixed();
    const RunOutcome outcome = Run();
    EXPECT_EQ(outcome.end, RunOutcome::End::FixedData);
    // Bishop's factor above the default 1.5, nothing failed.
    EXPECT_EQ(Text(MessageField), kAcceptanceVerdicts[4]);
    EXPECT_EQ(Text(TrialCount), "1");
    EXPECT_EQ(Text(FailureProbability), "0");
    EXPECT_EQ(Text(MeanSafetyFactor), row.meanText);
    EXPECT_EQ(Text(BishopFactor), row.meanText);
    EXPECT_NEAR(Number(OrdinaryFactor), row.ordinary, row.ordinary * 0.001);
    EXPECT_NEAR(Number(BishopFactor), row.bishop, row.bishop * 0.005);
    EXPECT_EQ(Text(CriticalRadius), "80");
    EXPECT_EQ(Text(SearchWarning), "");
    EXPECT_EQ(Consumed(), 0);
    // The export's slice table is the given circle's.
    const ExportTables tables = CriticalCircle().exportTables(kept);
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(tables[0].name, "critical_circle_slices");
    EXPECT_EQ(std::count(tables[0].csv.begin(), tables[0].csv.end(), '\n'), 2001);
}

INSTANTIATE_TEST_SUITE_P(
    Published, FredlundKrahnOnTheForm,
    testing::Values(PublishedCircle{"Dry", "0", 1.928, 2.080, "2.07563235392441"},
                    PublishedCircle{"PoreRatio025", "0.25", 1.607, 1.766, "1.75921285549855"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(CriticalCircleRun, DefaultsSearchThenRunTheTrialsOnTheCriticalCircle) {
    RunProgress progress;
    context.progress = &progress;
    const RunOutcome outcome = Run();
    ASSERT_EQ(outcome.end, RunOutcome::End::Completed);
    EXPECT_EQ(outcome.trials, 1000);
    EXPECT_EQ(outcome.trialFactors.size(), 1000u);
    EXPECT_EQ(outcome.draws.rows(), 1000u);
    EXPECT_EQ(Consumed(), 4000);
    EXPECT_EQ(progress.stepsTotal.load(), 1000);
    EXPECT_EQ(progress.stepsDone.load(), 1000);
    EXPECT_EQ(Text(ExplanationField), "This Software Used in The Critical Circle (Bishop)");
    EXPECT_EQ(Text(BishopFactor), "1.13320198233504");
    EXPECT_EQ(Text(FailureProbability), "13.9");
    EXPECT_EQ(Text(MeanSafetyFactor), "1.13507339316235");
    EXPECT_EQ(Text(FactorStdDev), "0.125036572102978");
    EXPECT_EQ(Text(ReliabilityIndex), "1.08027108301648");
    EXPECT_EQ(Text(LognormalReliabilityIndex), "1.09871373858093");
    // 1.133 below the minimum 1.5 and 13.9 % above the maximum 5 %.
    EXPECT_EQ(Text(MessageField),
              "Not Acceptable: the Bishop Factor Is Below the Minimum and the Probability of "
              "Failure Is Above the Maximum");
    EXPECT_EQ(Text(SearchWarning),
              "Circles Tangent to the Ground in Front of the Toe Bound the Search Here.");
    EXPECT_NEAR(Number(ReliabilityIndex), (Number(MeanSafetyFactor) - 1.0) / Number(FactorStdDev),
                1e-12);

    // The draws are those of the core's trials on the same circle from the same state: one
    // uniform value per parameter, c, phi, gamma, ru, through the normal sampler.
    const auto& tables = kept.Of<CriticalCircleKeptTables>();
    UniformSequence fresh;
    const UncertainSoil soil{{10, 30, 18, 0.1}, {2, 3, 0.5, 0.02}};
    const CircleTrialsOutcome core = RunCircleTrials(tables.critical.slices, soil, 1000, fresh, 1);
    EXPECT_EQ(outcome.trialFactors, core.factors);
    EXPECT_EQ(fresh.state(), uniforms.state());
    // The diagram's colour map: one lowest factor per centre of the 20 x 20 grid.
    EXPECT_EQ(tables.centres.size(), 400u);
    // The defaults' draws stay well inside what a soil can hold.
    ASSERT_EQ(outcome.outOfRange.size(), 4u);
    EXPECT_EQ(outcome.outOfRange[3].parameter, "pore_ratio");
    for (const OutOfRangeCount& count : outcome.outOfRange) {
        EXPECT_EQ(count.trials, 0) << count.parameter;
    }
}

// A run works in any consistent set of units: the defaults converted to each system give the
// same figures, to every digit the form writes in Pa and kPa (the trials' factors differ in
// their last bit or two), to rounding in feet and pounds, and the same circle in the system's
// lengths.
TEST_F(CriticalCircleRun, GivesTheSameFactorInEveryUnitSystem) {
    Run();
    const FieldTextMap inKilopascals = fields;
    for (const UnitSystem system : {UnitSystem::SiPascal, UnitSystem::UsCustomary}) {
        UniformSequence sequence;
        KeptTables tables;
        AnalysisContext converted{sequence, tables, {}};
        FieldTextMap texts = DefaultTexts(CriticalCircle());
        ConvertInputs(CriticalCircle(), texts, UnitSystem::SiKilopascal, system);
        CriticalCircle().run(texts, converted);
        for (const int field : {FailureProbability, MeanSafetyFactor, BishopFactor, OrdinaryFactor,
                                FactorStdDev, ReliabilityIndex, MessageField, SearchWarning}) {
            if (system == UnitSystem::SiPascal) {
                EXPECT_EQ(texts.text(field), inKilopascals.text(field)) << field;
            } else if (field == MessageField || field == SearchWarning) {
                EXPECT_EQ(texts.text(field), inKilopascals.text(field)) << field;
            } else {
                const double expected = TextToDouble(inKilopascals.text(field));
                EXPECT_NEAR(TextToDouble(texts.text(field)), expected, 1e-9 * expected) << field;
            }
        }
        const double metres = TextToDouble(inKilopascals.text(CriticalRadius));
        const double length = system == UnitSystem::UsCustomary ? 0.3048 : 1.0;
        EXPECT_NEAR(TextToDouble(texts.text(CriticalRadius)) * length, metres, 1e-9 * metres);
    }
}

// A count above 1 runs its whole part, as the other forms do.
TEST_F(CriticalCircleRun, ACountOfOneAndAHalfRunsOneTrial) {
    fields.setText(TrialCount, "1.5");
    const RunOutcome outcome = Run();
    EXPECT_EQ(outcome.end, RunOutcome::End::Completed);
    EXPECT_EQ(outcome.trials, 1);
    EXPECT_EQ(Consumed(), 4);
}

TEST_F(CriticalCircleRun, GivesTheSameTextsOnAnyNumberOfThreads) {
    std::vector<FieldTextMap> results;
    for (const int threads : {1, 2, 7}) {
        UniformSequence sequence;
        KeptTables tables;
        AnalysisContext threaded{sequence, tables, {}, nullptr, threads};
        FieldTextMap texts = DefaultTexts(CriticalCircle());
        CriticalCircle().run(texts, threaded);
        results.push_back(texts);
    }
    for (const FieldFact& field : CriticalCircle().fields) {
        EXPECT_EQ(results[1].text(field.number), results[0].text(field.number)) << field.key;
        EXPECT_EQ(results[2].text(field.number), results[0].text(field.number)) << field.key;
    }
}

// Inputs no slope, soil or search can stand for stop before any draw and before the search,
// naming their field.
struct ImpossibleInput {
    const char* name;
    int field;
    const char* text;
    std::string_view message;
};

class CriticalCircleStops : public CriticalCircleRun,
                            public testing::WithParamInterface<ImpossibleInput> {};

TEST_P(CriticalCircleStops, BeforeAnyDrawNamingTheField) {
    const ImpossibleInput& row = GetParam();
    SetTypedGrid();
    fields.setText(row.field, row.text);
    const RunOutcome outcome = Run();
    EXPECT_EQ(outcome.end, RunOutcome::End::Stopped);
    EXPECT_EQ(outcome.stoppedAtField, row.field);
    EXPECT_EQ(Text(MessageField), row.message);
    EXPECT_EQ(Consumed(), 0);
    EXPECT_FALSE(kept.Of<CriticalCircleKeptTables>().hasCircle);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CriticalCircleStops,
    testing::Values(
        ImpossibleInput{"CountOne", TrialCount, "1", messages::kCircleCountNotAboveOne},
        ImpossibleInput{"CountAboveMillion", TrialCount, "1000001",
                        messages::kCircleCountAboveLimit},
        ImpossibleInput{"FlatSlope", SlopeHeight, "0", messages::kCircleSlopeHeightNotAboveZero},
        ImpossibleInput{"Overhang", FaceAngle, "90.5", messages::kCircleFaceAngleOutOfRange},
        ImpossibleInput{"NoSlices", SliceCount, "0", messages::kSliceCountOutOfRange},
        ImpossibleInput{"TooManySlices", SliceCount, "10001", messages::kSliceCountOutOfRange},
        ImpossibleInput{"HalfASlice", SliceCount, "2.5", messages::kSliceCountOutOfRange},
        ImpossibleInput{"NegativeCohesion", SoilCohesionMean, "-1",
                        messages::kSoilCohesionBelowZero},
        ImpossibleInput{"WeightlessSoil", UnitWeightMean, "0",
                        messages::kSoilUnitWeightNotAboveZero},
        ImpossibleInput{"PoreRatioOne", PoreRatioMean, "1", messages::kPoreRatioOutOfRange},
        ImpossibleInput{"NegativeDeviation", FrictionStdDev, "-2", messages::kDeviationBelowZero},
        ImpossibleInput{"GridXReversed", GridXFrom, "6", messages::kGridXOutOfOrder},
        ImpossibleInput{"NoCentres", CentresPerSide, "0", messages::kCentresOutOfRange},
        ImpossibleInput{"TooManyRadii", RadiiPerCentre, "1001", messages::kRadiiOutOfRange},
        ImpossibleInput{"TooManyCircles", CentresPerSide, "300", messages::kTooManyCircles},
        ImpossibleInput{"TooManySlicesInTheGrid", SliceCount, "10000", messages::kTooManyCircles},
        ImpossibleInput{"NoMinimumFactor", MinimumSafetyFactor, "0",
                        messages::kMinimumFactorNotAboveZero},
        ImpossibleInput{"MaximumAboveAll", MaximumFailurePercentage, "100.5",
                        messages::kMaximumPercentageOutOfRange},
        ImpossibleInput{"MaximumBelowNone", MaximumFailurePercentage, "-1",
                        messages::kMaximumPercentageOutOfRange},
        ImpossibleInput{"UnknownSearchMethod", SearchMethod, "Circles",
                        messages::kSearchMethodUnknown}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(CriticalCircleRun, AHalfGivenCircleNamesItsFirstEmptyField) {
    fields.setText(GivenCentreX, "3");
    EXPECT_EQ(Run().stoppedAtField, GivenCentreY);
}

TEST_F(CriticalCircleRun, AGivenCircleOffTheSlopeStopsAfterNoDraw) {
    fields.setText(GivenCentreX, "0");
    fields.setText(GivenCentreY, "100");
    fields.setText(GivenRadius, "5");
    const RunOutcome outcome = Run();
    EXPECT_EQ(outcome.stoppedAtField, GivenRadius);
    EXPECT_EQ(Text(MessageField), messages::kGivenCircleNoMass);
    EXPECT_EQ(Consumed(), 0);
}

TEST_F(CriticalCircleRun, AnEntryRangeTypedBackwardsStopsNamingItsStart) {
    fields.setText(SearchMethod, "Entry-Exit");
    fields.setText(EntryXFrom, "30");
    fields.setText(EntryXTo, "20");
    EXPECT_EQ(Run().stoppedAtField, EntryXFrom);
    EXPECT_EQ(Text(MessageField), messages::kEntryRangeOutOfOrder);
}

// The entry-exit search finds the grid's circle, and its diagram keeps the ranges it searched.
TEST_F(CriticalCircleRun, EntryExitSearchFindsTheGridsCircle) {
    SetFixed();
    Run();
    const double grid = Number(BishopFactor);
    fields.setText(SearchMethod, "Entry-Exit");
    Run();
    EXPECT_NEAR(Number(BishopFactor), grid, 5e-4 * grid);
    const auto& tables = kept.Of<CriticalCircleKeptTables>();
    EXPECT_TRUE(tables.entryExit.use);
    EXPECT_NEAR(tables.entryExit.entryFrom, 10.0, 1e-12);  // the crest
    EXPECT_EQ(tables.centres.size(), 400u);                // 20 entries by 20 exits
    EXPECT_GE(tables.refinedPath.size(), 2u);
}

// The caution says where the search ended against what bounds it and which input to move;
// it is empty only when nothing bounds the critical circle.
struct CautionRow {
    const char* name;
    std::vector<std::pair<int, const char*>> inputs;
    const char* caution;
};

class CriticalCircleCautions : public CriticalCircleRun,
                               public testing::WithParamInterface<CautionRow> {};

TEST_P(CriticalCircleCautions, SayWhatBoundsTheSearchAndWhatToDo) {
    SetFixed();
    SetTypedGrid();
    for (const auto& [field, text] : GetParam().inputs) {
        fields.setText(field, text);
    }
    Run();
    EXPECT_EQ(Text(SearchWarning), GetParam().caution);
}

// The cautions name the lengths in the unit of the model's system.
TEST_F(CriticalCircleRun, CautionsNameTheModelsUnitOfLength) {
    SetFixed();
    SetTypedGrid();
    fields.setText(FrictionMean, "0");
    fields.setText(FaceAngle, "30");
    context.units = UnitSystem::UsCustomary;
    Run();
    EXPECT_EQ(Text(SearchWarning),
              "The Lowest Circle Is on the Grid's Right Edge: Raise 'Centre x to' above 8.71 ft. "
              "The Critical Circle Reaches the Depth Limit: Set 'Depth below Toe' Deeper than 5 "
              "ft.");
}

// The method statement gives the lengths typed in the unit of the model's system.
TEST_F(CriticalCircleRun, MethodStatementNamesTheModelsUnitOfLength) {
    SetTypedGrid();
    const std::string us = CriticalCircle().methodStatement(fields, UnitSystem::UsCustomary);
    EXPECT_NE(us.find("x from -5 ft to 5 ft and y from 10 ft to 20 ft"), std::string::npos) << us;
    const std::string si = CriticalCircle().methodStatement(fields, UnitSystem::SiKilopascal);
    EXPECT_NE(si.find("depth below the toe 5 m;"), std::string::npos) << si;
}

constexpr const char* kTangent =
    "Circles Tangent to the Ground in Front of the Toe Bound the Search Here.";

// The 20 m slope: H 20, 2:1, c 5 kPa, phi 25 degrees, gamma 19 kN/m3, ru 0.2.
const std::vector<std::pair<int, const char*>> kTwentyMetres{
    {SlopeHeight, "20"},  {FaceAngle, "26.565051177078"}, {SoilCohesionMean, "5000"},
    {FrictionMean, "25"}, {UnitWeightMean, "19000"},      {PoreRatioMean, "0.2"}};

INSTANTIATE_TEST_SUITE_P(
    Grids, CriticalCircleCautions,
    testing::Values(
        CautionRow{"Defaults", {}, kTangent},
        CautionRow{"AutoGridTakesInTheTwentyMetreSlope",
                   [] {
                       auto inputs = kTwentyMetres;
                       for (const int side : {GridXFrom, GridXTo, GridYFrom, GridYTo}) {
                           inputs.emplace_back(side, " auto ");
                       }
                       return inputs;
                   }(),
                   kTangent},
        CautionRow{"MinimumAboveTheGridsTopEdge", kTwentyMetres,
                   "The Lowest Circle Is on the Grid's Top Edge: Raise 'Centre y to' above "
                   "58.4 m. Circles Tangent to the Ground in Front of the Toe Bound the Search "
                   "Here."},
        CautionRow{"MinimumLeftOfTheGrid",
                   {{GridXFrom, "3"}, {GridXTo, "8"}},
                   "The Lowest Circle Is on the Grid's Bottom Edge: Lower 'Centre y from' below "
                   "10 m. The Lowest Circle Is on the Grid's Left Edge: Lower 'Centre x from' "
                   "below -1.9 m. Circles Tangent to the Ground in Front of the Toe Bound the "
                   "Search Here."},
        CautionRow{"MinimumBelowTheGrid",
                   {{GridYFrom, "30"}, {GridYTo, "40"}},
                   "The Lowest Circle Is on the Grid's Bottom Edge: Lower 'Centre y from' below "
                   "14.6 m. Circles Tangent to the Ground in Front of the Toe Bound the Search "
                   "Here."},
        CautionRow{"NoFrictionReachesTheDepthLimit",
                   {{FrictionMean, "0"}, {FaceAngle, "30"}},
                   "The Lowest Circle Is on the Grid's Right Edge: Raise 'Centre x to' above "
                   "8.71 m. The Critical Circle Reaches the Depth Limit: Set 'Depth below Toe' "
                   "Deeper than 5 m."},
        CautionRow{"EntryExitSearch", {{SearchMethod, "entry-exit"}}, kTangent},
        CautionRow{"EntryExitWithAShortExitRange",
                   {{SearchMethod, "Entry-Exit"}, {ExitXFrom, "3"}, {ExitXTo, "5"}},
                   "The Lowest Circle Is at an End of the Exit Range: Lower 'Exit x from' below "
                   "0.139 m. Circles Tangent to the Ground in Front of the Toe Bound the Search "
                   "Here."},
        // A 2:1 slope in a weak wet soil: the lowest circle cuts the face and lies inside.
        CautionRow{"NothingBoundsTheCircle",
                   {{FaceAngle, "26.565051177078"},
                    {SoilCohesionMean, "3000"},
                    {FrictionMean, "19.6"},
                    {UnitWeightMean, "20000"},
                    {PoreRatioMean, "0.3"},
                    {GridXFrom, "0"},
                    {GridXTo, "20"},
                    {GridYFrom, "10"},
                    {GridYTo, "30"}},
                   ""}),
    testing_support::RowName());

}  // namespace
}  // namespace vardolin

// SPDX-License-Identifier: MIT
// The Slope Section form's run, from its field texts to its result fields: the published cases
// through the example model files, the same texts at any thread count, and the checks that stop a
// run at the field at fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "analysis/AnalysisCatalogue.h"
#include "analysis/KeptTables.h"
#include "analysis/SampledNames.h"
#include "fields/FieldTextMap.h"
#include "files/ModelReader.h"
#include "files/ModelWriter.h"
#include "files/ShortestText.h"
#include "slope_section/PreparedSection.h"
#include "slope_section/SectionInputReader.h"
#include "slope_section/SectionInputs.h"
#include "slope_section/SectionKeptTables.h"
#include "slope_section/SectionMessages.h"
#include "slope_section/SlopeSectionDescription.h"
#include "slope_section/SurfaceEvaluation.h"

namespace vardolin::section {
namespace {

const std::array<const AnalysisDescription*, 1> kSectionList{&SlopeSection()};

struct RunResult {
    RunOutcome outcome;
    FieldTextMap texts;
    ExportTables tables;
};

RunResult RunSection(FieldTextMap texts, int threads = 1) {
    UniformSequence uniforms;
    KeptTables kept;
    AnalysisContext context{uniforms, kept, {"."}};
    context.threads = threads;
    RunResult result;
    result.outcome = SlopeSection().run(texts, context);
    result.texts = std::move(texts);
    result.tables = SlopeSection().exportTables(kept);
    return result;
}

// A run with the sampling choices, as one part of a split run or as the merge of `given`.
RunResult RunSplit(FieldTextMap texts, int threads, const SamplingChoices& sampling,
                   std::optional<RunPart> part, const TrialRecords* given = nullptr) {
    UniformSequence uniforms;
    KeptTables kept;
    AnalysisContext context{uniforms, kept, {"."}};
    context.threads = threads;
    context.sampling = sampling;
    context.part = part;
    context.given = given;
    RunResult result;
    result.outcome = SlopeSection().run(texts, context);
    result.texts = std::move(texts);
    result.tables = SlopeSection().exportTables(kept);
    return result;
}

FieldTextMap ExampleTexts(const std::string& file) {
    const AnalysisCatalogue catalogue(kSectionList);
    const ModelRead read =
        ReadModelFile(std::string(VARDOLIN_SECTION_MODELS) + "/" + file, catalogue);
    EXPECT_TRUE(read.notes.empty()) << file;
    return FieldsOf(read.model);
}

// Fredlund and Krahn (1977): each method's factor on their circle, and the share it may differ
// by at fine slicing.
struct PublishedRow {
    const char* name;
    const char* file;
    double ordinary, bishop, janbuF0, spencer, morgensternPrice;
};

void PrintTo(const PublishedRow& row, std::ostream* os) {
    *os << row.name;
}

class PublishedExamples : public testing::TestWithParam<PublishedRow> {};

TEST_P(PublishedExamples, GiveThePublishedFactorsInTheirFieldsAndTables) {
    const PublishedRow& row = GetParam();
    const RunResult run = RunSection(ExampleTexts(row.file));
    ASSERT_EQ(run.outcome.end, RunOutcome::End::FixedData) << run.texts.text(MessageField);
    const auto factor = [&](int field) { return TextToDouble(run.texts.text(field)); };
    EXPECT_NEAR(factor(OrdinaryFactor), row.ordinary, 0.002 * row.ordinary);
    EXPECT_NEAR(factor(BishopFactor), row.bishop, 0.005 * row.bishop);
    EXPECT_NEAR(factor(JanbuF0Factor), row.janbuF0, 0.015 * row.janbuF0);
    EXPECT_NEAR(factor(SpencerFactor), row.spencer, 0.005 * row.spencer);
    EXPECT_NEAR(factor(MorgensternPriceFactor), row.morgensternPrice, 0.005 * row.morgensternPrice);
    // The first method listed governs the mean and the verdict; a method not chosen stays empty.
    EXPECT_EQ(run.texts.text(MeanSafetyFactor), run.texts.text(BishopFactor));
    EXPECT_EQ(run.texts.text(MessageField), messages::kVerdicts[4]);
    EXPECT_EQ(run.texts.text(JanbuFactor), "");
    EXPECT_EQ(run.texts.text(CriticalRadius), "80");
    // The methods' table, then one slice table per method: a row of 13 cells for each of the
    // 226 slices of half a foot.
    ASSERT_EQ(run.tables.size(), 6u);
    EXPECT_EQ(run.tables[0].name, "section_methods");
    EXPECT_EQ(std::count(run.tables[0].csv.begin(), run.tables[0].csv.end(), '\n'), 6);
    EXPECT_EQ(run.tables[1].name, "section_slices_bishop");
    for (std::size_t table = 1; table < run.tables.size(); ++table) {
        const std::string& csv = run.tables[table].csv;
        EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 227) << run.tables[table].name;
        EXPECT_EQ(std::count(csv.begin(), csv.end(), ','), 227 * 12) << run.tables[table].name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    FredlundKrahn, PublishedExamples,
    testing::Values(PublishedRow{"Case1Dry", "slope-section-fredlund-krahn-1-dry.vardolin", 1.928,
                                 2.080, 2.041, 2.073, 2.076},
                    PublishedRow{"Case3PoreRatio",
                                 "slope-section-fredlund-krahn-3-pore-ratio.vardolin", 1.607, 1.766,
                                 1.735, 1.761, 1.765},
                    PublishedRow{"Case5PiezometricLine",
                                 "slope-section-fredlund-krahn-5-piezometric.vardolin", 1.693,
                                 1.834, 1.827, 1.830, 1.833}));

// The search, the methods and the trials give every text the same on 1, 2 and 7 threads.
TEST(SlopeSectionRun, WritesTheSameTextsAtAnyThreadCount) {
    const RunResult one = RunSection(DefaultTexts(SlopeSection()), 1);
    ASSERT_EQ(one.outcome.end, RunOutcome::End::Completed) << one.texts.text(MessageField);
    EXPECT_EQ(one.outcome.trials, 1000);
    EXPECT_NE(one.texts.text(SpencerLambda), "");
    for (const int threads : {2, 7}) {
        const RunResult many = RunSection(DefaultTexts(SlopeSection()), threads);
        EXPECT_EQ(many.texts.texts(), one.texts.texts()) << threads << " threads";
        EXPECT_EQ(many.outcome.trialFactors, one.outcome.trialFactors) << threads << " threads";
    }
}

// An overall-slope run writes the same texts on 1, 2 and 7 threads, its overall failure
// percentage is never below the critical surface's, and it keeps the surfaces of its failed
// trials for the diagram.
TEST(SlopeSectionRun, WritesTheSameOverallSlopeTextsAtAnyThreadCount) {
    FieldTextMap texts = ExampleTexts("slope-section-three-soils.vardolin");
    texts.setText(OverallSlope, "yes");
    texts.setText(SurfacesPerTrial, "4");
    texts.setText(TrialCount, "40");
    UniformSequence uniforms;
    KeptTables kept;
    AnalysisContext context{uniforms, kept, {"."}};
    FieldTextMap one = texts;
    ASSERT_EQ(SlopeSection().run(one, context).end, RunOutcome::End::Completed)
        << one.text(MessageField);
    // Pinned, so that every build is held to the same figures.
    EXPECT_EQ(one.text(OverallMeanFactor), "0.930057156184872");
    EXPECT_EQ(one.text(OverallLognormalReliabilityIndex), "-0.57694248497668");
    EXPECT_GE(std::stod(one.text(OverallFailurePercentage)),
              std::stod(one.text(FailureProbability)));
    EXPECT_LE(std::stod(one.text(OverallMeanFactor)), std::stod(one.text(MeanSafetyFactor)));
    const auto& surfaces = kept.Of<SectionKeptTables>().failedSurfaces;
    EXPECT_EQ(static_cast<double>(surfaces.size()),
              std::round(std::stod(one.text(OverallFailurePercentage)) * 40 / 100));
    for (const int threads : {2, 7}) {
        const RunResult many = RunSection(texts, threads);
        EXPECT_EQ(many.texts.texts(), one.texts()) << threads << " threads";
    }
    // Without the option the overall figures stay empty.
    const RunResult plain = RunSection(DefaultTexts(SlopeSection()), 2);
    EXPECT_EQ(plain.texts.text(OverallFailurePercentage), "");
}

struct SplitRow {
    const char* name;
    SamplingMethod method;
    int threads;
    bool overall = false;  // an overall-slope run of 60 trials rather than the file's 1000
    const char* file = "slope-section-three-soils.vardolin";
};

void PrintTo(const SplitRow& row, std::ostream* os) {
    *os << row.name;
}

class SlopeSectionSplit : public testing::TestWithParam<SplitRow> {};

// Three parts, each running the search at the means and then its trials, merged: the merge
// writes every text, factor, out-of-range count and table of the whole run.
TEST_P(SlopeSectionSplit, MergesToTheWholeRunsTexts) {
    const SplitRow& row = GetParam();
    SamplingChoices sampling;
    sampling.method = row.method;
    sampling.correlation = -0.5;
    FieldTextMap texts = ExampleTexts(row.file);
    if (row.overall) {
        texts.setText(OverallSlope, "yes");
        texts.setText(TrialCount, "60");
    }
    const int runTrials = row.overall ? 60 : 1000;
    const RunResult whole = RunSplit(texts, row.threads, sampling, std::nullopt);
    ASSERT_EQ(whole.outcome.end, RunOutcome::End::Completed) << whole.texts.text(MessageField);
    TrialRecords records;
    for (const int k : {1, 2, 3}) {
        const RunResult part = RunSplit(texts, row.threads, sampling, RunPart{k, 3});
        ASSERT_TRUE(part.outcome.partTrials.has_value()) << part.texts.text(MessageField);
        const TrialRecords& trials = *part.outcome.partTrials;
        EXPECT_EQ(trials.range, PartRange(runTrials, {k, 3}));
        EXPECT_TRUE(trials.complete());
        if (k == 1) {
            records = TrialRecords({0, trials.runTrials}, trials.runTrials, trials.width);
        }
        for (int i = trials.range.begin; i < trials.range.end; ++i) {
            records.Add(trials.valuesOf(i), trials.factorOf(i), trials.statusOf(i));
        }
    }
    const RunResult merged = RunSplit(texts, 1, sampling, std::nullopt, &records);
    ASSERT_EQ(merged.outcome.end, RunOutcome::End::Completed);
    EXPECT_EQ(merged.texts.texts(), whole.texts.texts());
    EXPECT_EQ(merged.outcome.trialFactors, whole.outcome.trialFactors);
    EXPECT_EQ(merged.outcome.trials, whole.outcome.trials);
    ASSERT_EQ(merged.outcome.outOfRange.size(), whole.outcome.outOfRange.size());
    for (std::size_t k = 0; k < whole.outcome.outOfRange.size(); ++k) {
        EXPECT_EQ(merged.outcome.outOfRange[k].trials, whole.outcome.outOfRange[k].trials);
    }
    ASSERT_EQ(merged.tables.size(), whole.tables.size());
    for (std::size_t t = 0; t < whole.tables.size(); ++t) {
        EXPECT_EQ(merged.tables[t].csv, whole.tables[t].csv) << merged.tables[t].name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SlopeSectionSplit,
    testing::Values(SplitRow{"MonteCarlo1", SamplingMethod::MonteCarlo, 1},
                    SplitRow{"MonteCarlo2", SamplingMethod::MonteCarlo, 2},
                    SplitRow{"LatinHypercube1", SamplingMethod::LatinHypercube, 1},
                    SplitRow{"LatinHypercube2", SamplingMethod::LatinHypercube, 2},
                    SplitRow{"OverallSlope", SamplingMethod::MonteCarlo, 2, true},
                    SplitRow{"Polyline2", SamplingMethod::MonteCarlo, 2, false,
                             "slope-section-polyline.vardolin"}),
    testing_support::RowName());

// Given trials of another count or width are refused before anything is written from them.
TEST(SlopeSectionSplit, RefusesGivenTrialsThatAreNotTheRunsTrials) {
    const FieldTextMap texts = ExampleTexts("slope-section-three-soils.vardolin");
    const TrialRecords tooFew({0, 999}, 999, 8);
    EXPECT_THROW(RunSplit(texts, 1, {}, std::nullopt, &tooFew), GivenTrialsMismatch);
    // An overall-slope trial whose overall factor lies above its factor on the surface.
    FieldTextMap overall = texts;
    overall.setText(OverallSlope, "yes");
    overall.setText(TrialCount, "2");
    overall.setText(SurfacesPerTrial, "1");
    const RunResult part = RunSplit(overall, 1, {}, RunPart{1, 1});
    ASSERT_TRUE(part.outcome.partTrials.has_value()) << part.texts.text(MessageField);
    TrialRecords raised = *part.outcome.partTrials;
    ASSERT_EQ(raised.width, 12u);
    ASSERT_EQ(raised.statuses[0], 0);
    raised.values[8] = raised.factors[0] + 0.5;
    EXPECT_THROW(RunSplit(overall, 1, {}, std::nullopt, &raised), GivenTrialsMismatch);
}

// ---- A given polyline surface.

// The three soils' example with every method on its polyline through the clay.
FieldTextMap PolylineTexts() {
    FieldTextMap texts = ExampleTexts("slope-section-polyline.vardolin");
    texts.setText(Methods,
                  "spencer, ordinary, bishop, janbu, janbu_f0, morgenstern_price, "
                  "morgenstern_price_half_sine");
    texts.setText(TrialCount, "20");
    // Search fields that would stop a search are not read.
    texts.setText(SearchKindField, "spiral");
    return texts;
}

// The export's cell `column` of each method's row, by the method's key.
std::string MethodsCell(const ExportTables& tables, std::string_view key, int column) {
    const std::string& csv = tables.front().csv;
    const std::size_t row = csv.find("\n" + std::string(key) + ",");
    if (row == std::string::npos) {
        return "missing";
    }
    std::size_t from = row + 1;
    for (int c = 0; c < column; ++c) {
        from = csv.find(',', from) + 1;
    }
    return csv.substr(from, csv.find(',', from) - from);
}

TEST(SlopeSectionPolyline, EveryMethodGivesTheEvaluatorsFactorOnTheSurface) {
    const FieldTextMap texts = PolylineTexts();
    const RunResult run = RunSection(texts);
    ASSERT_EQ(run.outcome.end, RunOutcome::End::Completed) << run.texts.text(MessageField);
    const SectionInputs inputs = std::get<SectionInputs>(ReadSectionInputs(texts, {}));
    const PreparedSection prepared(inputs.section);
    SurfaceEvaluator evaluator(prepared);
    const SurfaceEvaluation& evaluation = evaluator.EvaluatePolyline(
        inputs.givenPolyline->points, std::nullopt, {kEveryMethod, inputs.sliceCount});
    ASSERT_EQ(evaluation.status, SurfaceStatus::Valid);
    for (const SectionMethodNames& method : kSectionMethods) {
        const MethodResult& result = evaluation.result(method.method);
        ASSERT_TRUE(result.solved()) << method.key;
        EXPECT_EQ(MethodsCell(run.tables, method.key, 1), ShortestText(result.factor))
            << method.key;
        EXPECT_EQ(MethodsCell(run.tables, method.key, 2), ShortestText(result.lambda))
            << method.key;
    }
    EXPECT_EQ(run.texts.text(MeanSafetyFactor) != "", true);
    for (const int field : {CriticalCentreX, CriticalCentreY, CriticalRadius}) {
        EXPECT_EQ(run.texts.text(field), "") << field;
    }
    EXPECT_EQ(run.texts.text(EntryX), "8");
    EXPECT_EQ(run.texts.text(ExitX), "54");
    // The surface's points are kept for the diagram, the export and the report.
    const auto surface =
        std::find_if(run.tables.begin(), run.tables.end(),
                     [](const ExportTable& table) { return table.name == "section_surface"; });
    ASSERT_NE(surface, run.tables.end());
    EXPECT_EQ(surface->csv, "x,y\r\n8,20\r\n16,12\r\n30,8\r\n44,7\r\n54,10\r\n");
}

// Many points on Fredlund and Krahn's circle, moments about its centre: Spencer's factor on the
// polyline is within 0.5 % of the circle's.
TEST(SlopeSectionPolyline, ManyPointsOnACircleGiveTheCirclesFactor) {
    const FieldTextMap circleTexts = ExampleTexts("slope-section-fredlund-krahn-1-dry.vardolin");
    const RunResult circle = RunSection(circleTexts);
    ASSERT_EQ(circle.outcome.end, RunOutcome::End::FixedData);
    FieldTextMap texts = circleTexts;
    texts.setText(GivenCentreX, "");
    texts.setText(GivenCentreY, "");
    texts.setText(GivenRadius, "");
    texts.setText(MomentPointX, "120");
    texts.setText(MomentPointY, "90");
    // From above the crest to above the toe's level, on the lower arc of centre (120, 90) and
    // radius 80.
    std::string points = "[";
    constexpr int kPoints = 200;
    for (int i = 0; i <= kPoints; ++i) {
        const double x = 45.0 + (159.0 - 45.0) * i / kPoints;
        const double y = 90.0 - std::sqrt(80.0 * 80.0 - (x - 120.0) * (x - 120.0));
        points += std::string(i == 0 ? "" : ",") + "[\"" + ShortestText(x) + "\",\"" +
                  ShortestText(y) + "\"]";
    }
    texts.setText(GivenSurfaceTable, points + "]");
    const RunResult polyline = RunSection(texts);
    ASSERT_EQ(polyline.outcome.end, RunOutcome::End::FixedData)
        << polyline.texts.text(MessageField);
    const double expected = TextToDouble(circle.texts.text(SpencerFactor));
    EXPECT_NEAR(TextToDouble(polyline.texts.text(SpencerFactor)), expected, 0.005 * expected);
    EXPECT_NEAR(TextToDouble(polyline.texts.text(BishopFactor)),
                TextToDouble(circle.texts.text(BishopFactor)), 0.005 * expected);
}

// A run that a check stops writes why, goes to the field at fault and leaves no result.
struct StopRow {
    const char* name;
    std::vector<std::pair<int, std::string>> edits;
    std::string message;  // the whole message, or its start for a fault that names its place
    int field;
};

void PrintTo(const StopRow& row, std::ostream* os) {
    *os << row.name;
}

class SlopeSectionStops : public testing::TestWithParam<StopRow> {};

TEST_P(SlopeSectionStops, AtTheFieldAtFaultWithItsMessage) {
    const StopRow& row = GetParam();
    FieldTextMap texts = DefaultTexts(SlopeSection());
    texts.setText(BishopFactor, "old");
    for (const auto& [field, text] : row.edits) {
        texts.setText(field, text);
    }
    const RunResult run = RunSection(texts);
    EXPECT_EQ(run.outcome.end, RunOutcome::End::Stopped);
    EXPECT_EQ(run.outcome.stoppedAtField, row.field);
    EXPECT_TRUE(run.texts.text(MessageField).starts_with(row.message))
        << run.texts.text(MessageField);
    EXPECT_TRUE(SlopeSection().IsMessage(run.texts.text(MessageField)));
    EXPECT_EQ(run.texts.text(BishopFactor), "");
    EXPECT_TRUE(run.tables.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SlopeSectionStops,
    testing::Values(StopRow{"CountOfOne",
                            {{TrialCount, "1"}},
                            std::string(messages::kCountNotAboveOne),
                            TrialCount},
                    StopRow{"CountAboveAMillion",
                            {{TrialCount, "1000001"}},
                            std::string(messages::kCountAboveLimit),
                            TrialCount},
                    StopRow{"UnknownSearch",
                            {{SearchKindField, "spiral"}},
                            std::string(messages::kSearchUnknown),
                            SearchKindField},
                    StopRow{"NoCentres",
                            {{CentresPerSide, "0"}},
                            std::string(messages::kCentresOutOfRange),
                            CentresPerSide},
                    StopRow{"TooManySlicesInTheSearch",
                            {{CentresPerSide, "150"}, {RadiiPerCentre, "1000"}},
                            std::string(messages::kTooManySlices),
                            CentresPerSide},
                    StopRow{"GivenSurfaceUnderTheGround",
                            {{GivenSurfaceTable, R"([["30","5"],["50","10"]])"}},
                            "Given Surface, row 1, y: ",
                            GivenSurfaceTable},
                    StopRow{"GivenSurfaceShallowerThanTheCrack",
                            {{GivenSurfaceTable, R"([["10","20"],["30","14"],["50","10"]])"},
                             {CrackDepth, "5"}},
                            std::string(messages::kGivenSurfaceNoMass),
                            GivenSurfaceTable},
                    StopRow{"MinimumFactorOfZero",
                            {{MinimumSafetyFactor, "0"}},
                            std::string(messages::kMinimumFactorNotAboveZero),
                            MinimumSafetyFactor},
                    StopRow{"GroundOutOfOrder",
                            {{GroundTable, R"([["0","20"],["-5","10"]])"}},
                            "Ground, row 2",
                            GroundTable},
                    StopRow{
                        "PiezometricLineOfOnePoint",
                        {{WaterModelField, "piezometric"}, {PiezometricTable, R"([["0","5"]])"}},
                        "Piezometric line: needs at least 2 rows",
                        PiezometricTable},
                    StopRow{"LevelGround",
                            {{GroundTable, R"([["0","10"],["60","10"]])"}},
                            std::string(messages::kNoFace),
                            GroundTable},
                    StopRow{"OverallSlopeNeitherYesNorNo",
                            {{OverallSlope, "maybe"}},
                            std::string(messages::kOverallSlopeUnknown),
                            OverallSlope},
                    StopRow{"OverallSlopeOfAGivenCircle",
                            {{OverallSlope, "yes"},
                             {GivenCentreX, "30"},
                             {GivenCentreY, "40"},
                             {GivenRadius, "30"}},
                            std::string(messages::kOverallNeedsSearch),
                            OverallSlope},
                    StopRow{"NoSurfacesPerTrial",
                            {{OverallSlope, "yes"}, {SurfacesPerTrial, "0"}},
                            std::string(messages::kSurfacesOutOfRange),
                            SurfacesPerTrial},
                    StopRow{"GivenCircleAboveTheGround",
                            {{GivenCentreX, "30"}, {GivenCentreY, "100"}, {GivenRadius, "5"}},
                            std::string(messages::kGivenCircleNoMass),
                            GivenRadius}),
    testing_support::RowName());

}  // namespace
}  // namespace vardolin::section

namespace vardolin::section {
namespace {

// The sampling choices name each soil's inputs as a run draws them; a model file keeps them, and
// a key of a soil or a value the section does not have is refused.
TEST(SlopeSectionSampling, NamesEachSoilsInputsAsTheRunDrawsThem) {
    const FieldTextMap texts = ExampleTexts("slope-section-three-soils.vardolin");
    const SampledNames names(SlopeSection(), texts);
    const SectionRead read = ReadSectionInputs(texts, {});
    const auto& inputs = std::get<SectionInputs>(read);
    ASSERT_EQ(names.keys().size(), inputs.uncertain.size());
    for (std::size_t i = 0; i < inputs.uncertain.size(); ++i) {
        EXPECT_EQ(names.keys()[i], inputs.uncertain[i].key);
        EXPECT_EQ(names.inputs()[i].label, inputs.uncertain[i].label);
    }
    const std::vector<ParameterPair> pairs(names.pairs().begin(), names.pairs().end());
    ASSERT_EQ(pairs.size(), 2u);  // the undrained clay has no φ
    EXPECT_EQ(pairs[1].first, "Sand.cohesion");
    EXPECT_EQ(pairs[1].second, "Sand.friction_angle");

    Model model = ModelFromFields(SlopeSection(), texts);
    for (const auto& [key, text] : std::vector<std::pair<std::string, std::string>>{
             {"method", "latin_hypercube"},
             {"Fill.cohesion.distribution", "lognormal"},
             {"Sand.friction_angle.lower", "20"},
             {"correlated", "Sand.cohesion,Sand.friction_angle"},
             {"correlation", "-0.5"}}) {
        EXPECT_FALSE(SetSamplingChoice(model.sampling, key, text, names.names())) << key;
    }
    for (const std::string key : {"Peat.cohesion.lower", "Clay.friction_angle.lower"}) {
        EXPECT_TRUE(SetSamplingChoice(model.sampling, key, "0", names.names())) << key;
    }
    const AnalysisCatalogue catalogue(kSectionList);
    const ModelRead again = ReadModel(WriteModel(model), "soils.vardolin", catalogue);
    EXPECT_EQ(again.model.sampling, model.sampling);
}

}  // namespace
}  // namespace vardolin::section

namespace vardolin::section {
namespace {

// Asked for, each further method's own search ends no higher than that method on the first
// method's circle, the export lists it, and the first method's results stay as they were.
TEST(SlopeSectionRun, FindsEachMethodsOwnCircleOnRequest) {
    FieldTextMap texts = ExampleTexts("slope-section-three-soils.vardolin");
    texts.setText(Methods, "bishop, ordinary, spencer");
    texts.setText(TrialCount, "10");
    const RunResult plain = RunSection(texts);
    texts.setText(OwnCircles, " Yes ");
    const RunResult own = RunSection(texts);
    ASSERT_EQ(own.outcome.end, RunOutcome::End::Completed) << own.texts.text(MessageField);
    for (const FieldFact& field : SlopeSection().fields) {
        if (field.number != OwnCircles) {
            EXPECT_EQ(own.texts.text(field.number), plain.texts.text(field.number)) << field.key;
        }
    }
    ASSERT_EQ(plain.tables.size(), 4u);
    ASSERT_EQ(own.tables.size(), 5u);
    EXPECT_EQ(own.tables[1].name, "section_own_circles");
    const std::string& csv = own.tables[1].csv;
    for (const auto& [method, field] :
         {std::pair{"ordinary", OrdinaryFactor}, std::pair{"spencer", SpencerFactor}}) {
        const std::size_t row = csv.find(std::string("\r\n") + method + ",");
        ASSERT_NE(row, std::string::npos) << method;
        const std::string line = csv.substr(row + 2, csv.find("\r\n", row + 2) - row - 2);
        const double factor = TextToDouble(line.substr(line.rfind(',') + 1));
        EXPECT_LE(factor, TextToDouble(own.texts.text(field)) * (1 + 1e-9)) << line;
    }
}

}  // namespace
}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "TestFolder.h"
#include "TestSupport.h"
#include "analysis/FieldRun.h"
#include "catalogue/ProgramCatalogue.h"
#include "files/ModelReader.h"
#include "files/ModelWriter.h"
#include "plane_failure/PlaneFailureDescription.h"
#include "plane_failure/PlaneFields.h"
#include "runner/BatchRun.h"
#include "runner/SavedRunCheck.h"
#include "slice_method/SliceFields.h"
#include "slice_method/SliceMethodDescription.h"
#include "statistics/TrialDistribution.h"

namespace vardolin::runner {
namespace {

const std::string kExamples = VARDOLIN_EXAMPLES;
const std::string kPlaneDefaults = kExamples + "/plane-failure-defaults.vardolin";
const std::string kSliceDefaults = kExamples + "/slice-method-defaults.vardolin";

struct Printed {
    int status;
    std::string out;
    std::string err;
};

// An analysis of the test's own that stops after two trials, as one that meets a message part
// way through its trials does.
// clang-format off
constexpr std::array<FieldFact, 4> kStopsFields{{{1, FieldRole::Count, "n", "", "5", "", ""},
    {2, FieldRole::Message, "message", "", "", "", ""}, {3, FieldRole::MeanSafetyFactor, "mean", "", "", "", ""},
    {4, FieldRole::FailurePercentage, "failed", "", "", "", ""}}};
constexpr std::array<std::string_view, 1> kStopsMessages{"Stopped at trial 3"};
constexpr AnalysisDescription kStops{"stops", "Stops", "Stops", kStopsFields,
    [](FieldTexts& fields, AnalysisContext&) {
        fields.setText(2, kStopsMessages[0]);
        RunOutcome outcome = RunOutcome::Stopped(2);
        outcome.trialFactors = {0.5, 1.5};
        return outcome;
    }, kStopsMessages};
// clang-format on
const std::array<const AnalysisDescription*, 1> kStopsList{&kStops};

Printed Runner(const std::vector<std::string>& arguments, int threads = 1,
               const AnalysisCatalogue& catalogue = ProgramCatalogue()) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunBatch(ParseArguments(arguments), catalogue, out, err, threads, {});
    return {status, out.str(), err.str()};
}

// The texts a window shows after typing `typed` and pressing "Calculation" on a fresh program.
FieldTextMap TypedAndRun(const AnalysisDescription& analysis, FieldTextMap typed,
                         UniformSequence& uniforms, KeptTables& kept) {
    AnalysisContext context{uniforms, kept, {}};
    RunOnFields(analysis, typed, context);
    return typed;
}

std::string Line(const std::string& file, const FieldTexts& fields, int percentage, int mean,
                 int message) {
    return file + "\t" + fields.text(percentage) + "\t" + fields.text(mean) + "\t" +
           fields.text(message) + "\n";
}

class BatchRun : public testing::Test {
protected:
    std::string Save(const std::string& name, const Model& model) const {
        const std::string path = (folder.path() / name).string();
        SaveModelFile(path, model);
        return path;
    }

    std::string SaveText(const std::string& name, const std::string& text) const {
        const std::string path = (folder.path() / name).string();
        std::ofstream(path) << text;
        return path;
    }

    testing_support::TestFolder folder;
};

TEST_F(BatchRun, DefaultModelsGiveThePinnedFiguresAndTheSliceRunContinuesTheSequence) {
    const Printed printed = Runner({kPlaneDefaults, kSliceDefaults});
    EXPECT_EQ(printed.status, kResults);
    EXPECT_EQ(printed.err, "");

    UniformSequence uniforms;
    KeptTables kept;
    TypedAndRun(PlaneFailure(), DefaultTexts(PlaneFailure()), uniforms, kept);
    const FieldTextMap slice =
        TypedAndRun(SliceMethod(), DefaultTexts(SliceMethod()), uniforms, kept);
    using namespace slice_method;
    EXPECT_EQ(slice.text(MeanSafetyFactor), "1.32257227909155");
    EXPECT_EQ(printed.out,
              kPlaneDefaults + "\t96.6\t0.73889069232438\tBlock is not Stable\n" +
                  Line(kSliceDefaults, slice, FailureProbability, MeanSafetyFactor, MessageField));
}

// A rock slope 60 m high with a 60 degree face, sliding on a 45 degree plane below a 14 m crack
// full of water (c = 55 kPa, phi = 40 degrees, 27 kN/m3, water 10 kN/m3): fixed data, whose
// factor the formula gives by hand as 0.7337507356331.
TEST_F(BatchRun, TheWaterFilledCrackExampleGivesItsHandCalculatedFactor) {
    const std::string model = kExamples + "/plane-failure-water-filled-crack.vardolin";
    const Printed printed = Runner({model});
    EXPECT_EQ(printed.status, kResults);
    EXPECT_EQ(printed.out,
              model + "\t100\t0.733750735633104\tThis Exprimentation Included Fix Data\n");
}

TEST_F(BatchRun, ResultsAreTheSameForAnyThreadCount) {
    const Printed sequential = Runner({kSliceDefaults, kPlaneDefaults, kSliceDefaults}, 1);
    EXPECT_EQ(Runner({kSliceDefaults, kPlaneDefaults, kSliceDefaults}, 3).out, sequential.out);
}

TEST_F(BatchRun, SavedModelRunsAsTypingItsTextsWould) {
    using namespace plane;
    FieldTextMap typed = DefaultTexts(PlaneFailure());
    typed.setText(SlopeHeight, " 25 ");
    typed.setText(WaterHeightMean, "4.5");
    typed.setText(CalculationCount, "2.5");
    const std::string file = Save("typed.vardolin", ModelFromFields(PlaneFailure(), typed));

    UniformSequence uniforms;
    KeptTables kept;
    const FieldTextMap shown = TypedAndRun(PlaneFailure(), typed, uniforms, kept);
    EXPECT_EQ(Runner({file}).out,
              Line(file, shown, FailureProbability, MeanSafetyFactor, MessageField));
}

TEST_F(BatchRun, OverridesAnInputOfEveryModel) {
    FieldTextMap typed = DefaultTexts(PlaneFailure());
    typed.setText(WaterHeightMean, "6");
    UniformSequence uniforms;
    KeptTables kept;
    const FieldTextMap shown = TypedAndRun(PlaneFailure(), typed, uniforms, kept);
    const FieldTextMap second = TypedAndRun(PlaneFailure(), typed, uniforms, kept);
    using namespace plane;
    EXPECT_EQ(Runner({"--set", "water_height_mean=6", kPlaneDefaults, kPlaneDefaults}).out,
              Line(kPlaneDefaults, shown, FailureProbability, MeanSafetyFactor, MessageField) +
                  Line(kPlaneDefaults, second, FailureProbability, MeanSafetyFactor, MessageField));
}

// With a seed every run starts from it, so equal models give equal figures, as a window with
// the same choices gives them; the program's starting state as seed gives a fresh start's run.
TEST_F(BatchRun, SeededRunsRepeatTheirFiguresWithTheChoicesOfTheCommandLine) {
    using namespace plane;
    const auto shown = [](const SamplingChoices& choices) {
        UniformSequence uniforms;
        uniforms.Skip(12345);  // wherever the sequence stands, the seed decides
        KeptTables kept;
        AnalysisContext context{uniforms, kept, {}};
        context.sampling = choices;
        FieldTextMap typed = DefaultTexts(PlaneFailure());
        RunOnFields(PlaneFailure(), typed, context);
        return Line(kPlaneDefaults, typed, FailureProbability, MeanSafetyFactor, MessageField);
    };
    SamplingChoices choices;
    choices.seed = UniformSequence::kInitialState;
    EXPECT_EQ(Runner({"--seed", "327680", kPlaneDefaults, kPlaneDefaults}).out,
              Runner({kPlaneDefaults}).out + Runner({kPlaneDefaults}).out);
    EXPECT_EQ(shown(choices), Runner({kPlaneDefaults}).out);

    choices.seed = 4242;
    choices.method = SamplingMethod::LatinHypercube;
    choices.Set("cohesion", {DistributionKind::Lognormal, std::nullopt, std::nullopt});
    const std::string line = shown(choices);
    EXPECT_NE(line, Runner({"--seed", "4242", kPlaneDefaults}).out);
    EXPECT_EQ(Runner({"--set", "sampling.method=latin_hypercube", "--seed", "4242", "--set",
                      "sampling.cohesion.distribution=lognormal", kPlaneDefaults, kPlaneDefaults})
                  .out,
              line + line);
}

// A slice run saved after a plane run started mid-sequence; alone on a fresh sequence it gives
// other figures, from its saved state the stored ones.
TEST_F(BatchRun, FromSavedStateReproducesTheStoredResults) {
    UniformSequence uniforms;
    KeptTables kept;
    AnalysisContext context{uniforms, kept, {}};
    FieldTextMap plane = DefaultTexts(PlaneFailure());
    RunOnFields(PlaneFailure(), plane, context);
    FieldTextMap slice = DefaultTexts(SliceMethod());
    const FieldRun run = RunOnFields(SliceMethod(), slice, context);
    Model model = ModelFromFields(SliceMethod(), slice);
    model.lastRun = SavedRunFromFields(SliceMethod(), slice, run.uniformStateAtStart,
                                       run.outcome->trialFactors);
    const std::string file = Save("saved.vardolin", model);

    using namespace slice_method;
    const std::string stored =
        Line(file, slice, FailureProbability, MeanSafetyFactor, MessageField);
    EXPECT_EQ(Runner({"--from-saved-state", file}).out, stored);
    EXPECT_NE(Runner({file}).out, stored);

    const auto json = nlohmann::json::parse(Runner({"--json", "--from-saved-state", file}).out);
    EXPECT_EQ(json[0]["uniform_state_at_start"], run.uniformStateAtStart);
    EXPECT_EQ(json[0]["trials"]["count"], 500);
    EXPECT_EQ(json[0]["trials"]["mean"], Describe(model.lastRun->trialFactors).mean);
}

TEST_F(BatchRun, JsonGivesTheTextsAndTheTrialStatistics) {
    FieldTextMap one = DefaultTexts(PlaneFailure());
    one.setText(plane::CalculationCount, "1");
    const std::string file = Save("one.vardolin", ModelFromFields(PlaneFailure(), one));
    const Printed printed = Runner({"--json", kPlaneDefaults, file});
    EXPECT_EQ(printed.status, kStoppedRun);
    const auto json = nlohmann::json::parse(printed.out);
    ASSERT_EQ(json.size(), 2u);
    EXPECT_EQ(json[0]["file"], kPlaneDefaults);
    EXPECT_EQ(json[0]["analysis"], "plane_failure");
    EXPECT_EQ(json[0]["failure_probability"], "96.6");
    EXPECT_EQ(json[0]["failure_probability_number"], 96.6);
    EXPECT_EQ(json[0]["mean_safety_factor"], "0.73889069232438");
    EXPECT_EQ(json[0]["mean_safety_factor_number"], 0.73889069232438);
    EXPECT_EQ(json[1]["inputs"].size(), 14u);
    EXPECT_EQ(json[1]["inputs"]["trial_count"], "1");
    EXPECT_EQ(json[0]["message"], "Block is not Stable");
    EXPECT_EQ(json[0]["stopped"], false);
    // The figures the histogram window shows.
    const auto& trials = json[0]["trials"];
    EXPECT_EQ(trials["count"], 500);
    EXPECT_NEAR(trials["mean"].get<double>(), 0.73889069232438, 1e-14);
    EXPECT_LT(trials["minimum"].get<double>(), trials["maximum"].get<double>());
    EXPECT_NEAR(trials["reliability_index"].get<double>(),
                (trials["mean"].get<double>() - 1.0) / trials["standard_deviation"].get<double>(),
                1e-12);
    // Per parameter, the trials that drew it out of its range: water above the 3 m crack.
    const auto& outOfRange = json[0]["trials_out_of_range"];
    EXPECT_EQ(outOfRange.size(), 4u);
    EXPECT_EQ(outOfRange["cohesion"], 0);
    EXPECT_GT(outOfRange["water_height"].get<int>(), 0);
    EXPECT_EQ(json[1]["message"], "Please Inter Namber of calculation Upper 1");
    EXPECT_EQ(json[1]["stopped"], true);
    EXPECT_TRUE(json[1]["trials"].is_null());
    EXPECT_TRUE(json[1]["mean_safety_factor_number"].is_null());
    EXPECT_FALSE(json[1].contains("trials_out_of_range"));
}

// Fredlund and Krahn's (1977) given circle with ru = 0.25 (the critical-circle example, 50
// slices): fixed data, Bishop's factor within 0.5 % of the published 1.766 (ordinary 1.607 is
// met within 0.1 % at 2,000 slices: FactorsTest); the probabilistic example searches
// and runs its trials. The JSON echoes every result of the form by its key.
TEST_F(BatchRun, CriticalCircleExamplesGiveTheirFiguresAndTheirCircleInTheJson) {
    const std::string given = kExamples + "/critical-circle-fredlund-krahn.vardolin";
    const std::string searched = kExamples + "/critical-circle-defaults.vardolin";
    EXPECT_EQ(Runner({given}).out,
              given +
                  "\t0\t1.75836331800873\tFixed Data. Acceptable: the Bishop Factor and the "
                  "Probability of Failure Meet the Criteria\n");
    const Printed printed = Runner({"--json", given, searched});
    EXPECT_EQ(printed.status, kResults);
    const auto json = nlohmann::json::parse(printed.out);
    const auto& circle = json[0]["results"];
    EXPECT_EQ(circle["critical_centre_x"], "20");
    EXPECT_EQ(circle["critical_radius"], "80");
    EXPECT_EQ(circle["bishop_factor"], json[0]["mean_safety_factor"]);
    EXPECT_EQ(circle["ordinary_factor"], "1.60487640799379");
    const auto& search = json[1]["results"];
    EXPECT_EQ(search["bishop_factor"], "1.13320184038537");
    EXPECT_EQ(search["failure_probability"], "13.9");
    EXPECT_EQ(search["reliability_index"], "1.08029764679271");
    EXPECT_EQ(json[1]["trials"]["count"], 1000);
}

// A section's --set units converts its tables with its fields, and its factors stay within the
// conversion's rounding.
TEST_F(BatchRun, UnitsSetOnTheCommandLineConvertASectionsTables) {
    const std::string dry = kExamples + "/slope-section-fredlund-krahn-1-dry.vardolin";
    const auto feet = nlohmann::json::parse(Runner({"--json", dry}).out)[0];
    const auto metres =
        nlohmann::json::parse(Runner({"--json", "--set", "units=si-kpa", dry}).out)[0];
    EXPECT_EQ(feet["units"], "us");
    EXPECT_EQ(metres["units"], "si-kpa");
    EXPECT_EQ(metres["inputs"]["ground"][2], (std::vector<std::string>{"42.672", "6.096"}));
    EXPECT_EQ(metres["inputs"]["soils"][0][2], "28.72815539");
    EXPECT_EQ(metres["inputs"]["circle_radius"], "24.384");
    const double bishop = std::stod(feet["results"]["bishop_factor"].get<std::string>());
    EXPECT_NEAR(std::stod(metres["results"]["bishop_factor"].get<std::string>()), bishop,
                1e-9 * bishop);
}

// --set units converts a model's inputs, before the inputs set beside it, and keeps its figures
// (the trials' factors, worked out from other numbers, may differ in their last bit); a cohesion
// typed in the wrong units draws the caution in the JSON.
TEST_F(BatchRun, UnitsSetOnTheCommandLineConvertTheInputsAndKeepTheFigures) {
    const std::string searched = kExamples + "/critical-circle-defaults.vardolin";
    const auto pascals = nlohmann::json::parse(Runner({"--json", searched}).out)[0];
    const auto kilo = nlohmann::json::parse(
        Runner({"--json", "--set", "units=si-kpa", "--set", "trial_count=1000", searched}).out)[0];
    EXPECT_EQ(pascals["units"], "si-pa");
    EXPECT_EQ(kilo["units"], "si-kpa");
    EXPECT_EQ(kilo["inputs"]["cohesion_mean"], "10");
    EXPECT_EQ(kilo["inputs"]["unit_weight_sd"], "0.5");
    for (const auto& [key, value] : pascals["results"].items()) {
        const std::string text = value.get<std::string>();
        const std::string converted = kilo["results"][key].get<std::string>();
        if (text.empty() || text.find_first_not_of("-0123456789.E+") != std::string::npos) {
            EXPECT_EQ(converted, text) << key;
        } else {
            EXPECT_NEAR(std::stod(converted), std::stod(text), 1e-12 * std::abs(std::stod(text)))
                << key;
        }
    }

    const auto mixed = nlohmann::json::parse(
        Runner({"--json", "--set", "units=si-kpa", "--set", "unit_weight_mean=19000", searched})
            .out)[0];
    EXPECT_TRUE(mixed["results"]["search_warning"].get<std::string>().starts_with(
        "c/(γH) = 0.000053: is the cohesion in kPa and the unit weight in N/m³? "));

    const Printed unknown = Runner({"--set", "units=mks", searched});
    EXPECT_EQ(unknown.status, kBadFileOrArgument);
    EXPECT_TRUE(unknown.err.ends_with("vardolin-run: --set units=mks: " + searched +
                                      " (critical_circle): the units are one of si-pa, si-kpa, "
                                      "us\n"));
    const Printed plane =
        Runner({"--set", "units=si-kpa", kExamples + "/plane-failure-defaults.vardolin"});
    EXPECT_EQ(plane.status, kBadFileOrArgument);
    EXPECT_NE(plane.err.find("no model of the batch chooses its units"), std::string::npos);
}

// A fixed-data model saved after its run holds the count "1" it wrote; it runs again, and
// gives the same figure every time.
TEST_F(BatchRun, AFixedDataModelSavedAfterItsRunRunsAgain) {
    FieldTextMap fixed = DefaultTexts(PlaneFailure());
    for (int sd : {CohesionStdDev, FrictionAngleStdDev, RockUnitWeightStdDev, WaterHeightStdDev}) {
        fixed.setText(sd, "0");
    }
    fixed.setText(plane::CalculationCount, "1");
    const std::string file = Save("fixed.vardolin", ModelFromFields(PlaneFailure(), fixed));
    const Printed printed = Runner({file, file, file});
    EXPECT_EQ(printed.status, kResults);
    const std::string line =
        file + "\t100\t0.735382455347463\tThis Exprimentation Included Fix Data\n";
    EXPECT_EQ(printed.out, line + line + line);
}

TEST_F(BatchRun, JsonAddsTheConvergenceBandAndOnRequestTheSensitivityCurves) {
    const auto json = nlohmann::json::parse(
        Runner({"--json", "--sensitivity", kPlaneDefaults, kSliceDefaults}).out);
    // 483 of 500 failed: 96.6 % ± 1.96 √(0.966 · 0.034 / 500), by hand 95.0114565766086 %
    // to 98.1885434233914 %.
    const auto& band = json[0]["convergence"];
    EXPECT_EQ(band["failures"], 483);
    EXPECT_NEAR(band["band_95_low_percentage"].get<double>(), 95.0114565766086, 1e-12);
    EXPECT_NEAR(band["band_95_high_percentage"].get<double>(), 98.1885434233914, 1e-12);
    const auto& curves = json[0]["sensitivity"]["curves"];
    ASSERT_EQ(curves.size(), 4u);
    EXPECT_EQ(curves[1]["parameter"], "friction_angle_mean");
    EXPECT_EQ(curves[1]["points"].size(), 25u);
    EXPECT_EQ(curves[1]["points"][0]["value"], 15.0);
    EXPECT_EQ(curves[1]["points"][12]["factor"], json[0]["sensitivity"]["factor_at_means"]);
    // The slice method draws a circle per trial: no one evaluation at the means.
    EXPECT_TRUE(json[1]["sensitivity"].is_null());
    EXPECT_FALSE(json[1]["convergence"].is_null());
}

TEST_F(BatchRun, ReportHandsTheWriterTheRunOfTheOneModel) {
    RunReport written;
    std::string where;
    const ReportWriter writer = [&](const RunReport& report, const std::string& path) {
        written = report;
        where = path;
        return std::string();
    };
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunBatch(ParseArguments({"--report", "r.pdf", kPlaneDefaults}), ProgramCatalogue(),
                       out, err, 1, {}, writer),
              kResults);
    EXPECT_EQ(where, "r.pdf");
    EXPECT_EQ(written.modelFile, "plane-failure-defaults.vardolin");
    EXPECT_EQ(written.texts.text(plane::FailureProbability), "96.6");
    ASSERT_TRUE(written.distribution.has_value());
    EXPECT_EQ(written.distribution->factors.size(), 500u);
    EXPECT_EQ(written.distribution->draws.rows(), 500u);
    // Without a writer (a build without Qt) --report is refused before anything runs.
    EXPECT_EQ(Runner({"--report", "r.pdf", kPlaneDefaults}).status, kBadFileOrArgument);
}

// The title block comes from --set report.KEY (every analysis takes it), and the critical
// circle's slice table from its run, with the title a report prints it under.
TEST_F(BatchRun, ReportHasTheTitleBlockGivenAndTheRunsTables) {
    RunReport written;
    const ReportWriter writer = [&](const RunReport& report, const std::string&) {
        written = report;
        return std::string();
    };
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunBatch(ParseArguments({"--report", "r.pdf", "--set", "report.project=North Dam",
                                       "--set", "report.checker=B. C.",
                                       kExamples + "/critical-circle-defaults.vardolin"}),
                       ProgramCatalogue(), out, err, 1, {}, writer),
              kResults)
        << err.str();
    EXPECT_EQ(written.details.project, "North Dam");
    EXPECT_EQ(written.details.checker, "B. C.");
    EXPECT_EQ(written.details.engineer, "");
    // A model file that names no units is in Pa, and its report says so.
    EXPECT_EQ(written.units, UnitSystem::SiPascal);
    ASSERT_FALSE(written.tables.empty());
    EXPECT_EQ(written.tables[0].name, "critical_circle_slices");
    EXPECT_FALSE(written.tables[0].reportTitle.empty());
    // A key of the title block that is none is refused like an input that is none.
    EXPECT_EQ(Runner({"--set", "report.client=X", kPlaneDefaults}).status, kBadFileOrArgument);
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Lines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST_F(BatchRun, WritesEveryTrialOfEveryModelToTheTrialsFile) {
    const std::string csv = (folder.path() / "trials.csv").string();
    EXPECT_EQ(Runner({"--trials-csv", csv, kPlaneDefaults, kSliceDefaults}).status, kResults);
    std::ifstream in(csv);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    // Each model's sampling choices (the plane's 15, the slice method's seed), then the trials.
    ASSERT_EQ(lines.size(), 1019u);
    EXPECT_EQ(lines[0], "model,sampling_choice,text\r");
    EXPECT_EQ(lines[1], kPlaneDefaults + ",seed,\r");
    EXPECT_EQ(lines[2], kPlaneDefaults + ",method,monte_carlo\r");
    EXPECT_EQ(lines[16], kSliceDefaults + ",seed,\r");
    EXPECT_EQ(lines[17], "\r");
    EXPECT_EQ(lines[18], "model,trial,factor_of_safety,failed\r");
    const auto failed = std::count_if(lines.begin() + 19, lines.begin() + 519,
                                      [](const auto& l) { return l.ends_with(",yes\r"); });
    EXPECT_EQ(failed, 483);  // 96.6 % of 500
    EXPECT_TRUE(lines[519].starts_with(kSliceDefaults + ",1,"));
}

// A checker reproduces a run from its record: the JSON and the trials file list every sampling
// choice, the defaults too, under the keys --set sampling.KEY takes.
TEST_F(BatchRun, TheJsonAndTheTrialsFileListTheSamplingChoicesInFull) {
    const std::string csv = (folder.path() / "trials.csv").string();
    const Printed printed =
        Runner({"--json", "--trials-csv", csv, "--set", "sampling.method=latin_hypercube", "--seed",
                "4242", "--set", "sampling.cohesion.lower=0.5", kPlaneDefaults, kSliceDefaults});
    ASSERT_EQ(printed.status, kResults) << printed.err;
    const auto json = nlohmann::ordered_json::parse(printed.out);
    EXPECT_EQ(json[0]["sampling"].dump(),
              R"({"seed":4242,"method":"latin_hypercube","correlation":0,)"
              R"("cohesion.distribution":"normal","cohesion.lower":0.5,"cohesion.upper":null,)"
              R"("friction_angle.distribution":"normal","friction_angle.lower":null,)"
              R"("friction_angle.upper":null,"rock_unit_weight.distribution":"normal",)"
              R"("rock_unit_weight.lower":null,"rock_unit_weight.upper":null,)"
              R"("water_height.distribution":"normal","water_height.lower":null,)"
              R"("water_height.upper":null})");
    EXPECT_EQ(json[1]["sampling"].dump(), R"({"seed":4242})");
    const std::vector<std::string> lines = Lines(csv);
    ASSERT_GT(lines.size(), 18u);
    EXPECT_EQ(lines[1], kPlaneDefaults + ",seed,4242\r");
    EXPECT_EQ(lines[2], kPlaneDefaults + ",method,latin_hypercube\r");
    EXPECT_EQ(lines[5], kPlaneDefaults + ",cohesion.lower,0.5\r");
    EXPECT_EQ(lines[16], kSliceDefaults + ",seed,4242\r");
}

// The trials file is checked before anything runs: a model named as it, by its own name or by
// another (a link), is never written over, and nothing is printed.
TEST_F(BatchRun, AModelNamedAsTheTrialsFileSurvivesByteForByte) {
    const std::string model = SaveText("a.vardolin", Bytes(kPlaneDefaults));
    const std::string other = SaveText("m.model", Bytes(kPlaneDefaults));
    const std::string link = (folder.path() / "t.csv").string();
    std::filesystem::create_hard_link(other, link);
    for (const auto& [csv, file] : {std::pair{model, model}, std::pair{link, other}}) {
        const Printed printed = Runner({"--trials-csv", csv, file});
        EXPECT_EQ(printed.status, kBadFileOrArgument) << csv;
        EXPECT_EQ(printed.out, "");
        EXPECT_NE(printed.err.find("a model is never written over"), std::string::npos);
        EXPECT_EQ(Bytes(file), Bytes(kPlaneDefaults));
    }
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"a.vardolin", "m.model", "t.csv"}));
}

// ANALYSIS.KEY goes to that analysis's models only, and the last --set for an input wins, as the
// inputs echoed show.
TEST_F(BatchRun, OverridesByAnalysisGoToItsModelsAndTheLastWins) {
    const auto json = nlohmann::json::parse(
        Runner({"--json", "--set", "slice_method.trial_count=70", "--set", "trial_count=50",
                "--set", "slice_method.trial_count=60", kPlaneDefaults, kSliceDefaults})
            .out);
    EXPECT_EQ(json[0]["inputs"]["trial_count"], "50");
    EXPECT_EQ(json[1]["inputs"]["trial_count"], "60");
    EXPECT_EQ(json[1]["trials"]["count"], 60);
}

// A saved run whose figures were changed afterwards: the check names each one and exits 1.
TEST_F(BatchRun, CheckListsEveryFigureThatDiffersFromTheSavedRun) {
    Model model =
        ReadModelFile(kExamples + "/plane-failure-saved-run.vardolin", ProgramCatalogue()).model;
    model.lastRun->results["mean_safety_factor"] = "0.7";
    model.lastRun->trialFactors[1] = 0.5;
    model.lastRun->trialFactors[2] = std::nextafter(model.lastRun->trialFactors[2], 1.0);
    const std::string file = Save("changed.vardolin", model);
    const Printed printed = Runner({"--check", file});
    EXPECT_EQ(printed.status, kStoppedRun);
    EXPECT_EQ(printed.err, "");
    EXPECT_TRUE(printed.out.starts_with(file + ": DIFFERS\n" + file +
                                        ": mean_safety_factor: saved \"0.7\", run "
                                        "\"0.73889069232438\"\n" +
                                        file + ": trial_factors[2]: saved \"0.5\", run \""))
        << printed.out;

    // One trial fewer: the same trials but the last, and the two changed ones, one by a bit.
    const auto fewer = nlohmann::json::parse(
        Runner({"--check", "--json", "--set", "trial_count=499", file}).out)[0]["check"];
    EXPECT_EQ(fewer["status"], "differs");
    EXPECT_EQ(fewer["differing_factors"], 2);
    EXPECT_NE(fewer["differences"].dump().find(R"("run":"499 factors")"), std::string::npos);
    // Another slope: every factor differs, and the first few are listed.
    const Printed other = Runner({"--check", "--set", "slope_height=21", file});
    EXPECT_NE(other.out.find(file + ": trial_factors[5]: saved"), std::string::npos);
    EXPECT_EQ(other.out.find(file + ": trial_factors[6]"), std::string::npos);
    EXPECT_TRUE(other.out.ends_with(file + ": trial_factors: 500 differ, the first 5 shown\n"));
}

// Fixed data computes one factor, and a run that stops after some trials has their factors:
// both reach the trials file and the statistics.
TEST_F(BatchRun, FixedDataAndAStoppedRunWriteTheTrialsTheyRan) {
    const std::string fixed = kExamples + "/plane-failure-water-filled-crack.vardolin";
    const std::string csv = (folder.path() / "trials.csv").string();
    const Printed printed = Runner({"--json", "--trials-csv", csv, fixed});
    EXPECT_EQ(printed.status, kResults);
    const std::vector<std::string> lines = Lines(csv);
    ASSERT_EQ(lines.size(), 19u);  // the header, 15 sampling choices, an empty row
    EXPECT_EQ(std::vector(lines.end() - 2, lines.end()),
              (std::vector<std::string>{"model,trial,factor_of_safety,failed\r",
                                        fixed + ",1,0.7337507356331036,yes\r"}));
    EXPECT_TRUE(nlohmann::json::parse(printed.out)[0]["trials"]["reliability_index"].is_null());

    const std::string stops = SaveText(
        "stops.vardolin", R"({"format_version": 1, "analysis": "stops", "inputs": {"n": "5"}})");
    const Printed stopped =
        Runner({"--json", "--trials-csv", csv, stops}, 1, AnalysisCatalogue(kStopsList));
    EXPECT_EQ(stopped.status, kStoppedRun);
    EXPECT_EQ(Lines(csv),
              (std::vector<std::string>{"model,sampling_choice,text\r", stops + ",seed,\r", "\r",
                                        "model,trial,factor_of_safety,failed\r",
                                        stops + ",1,0.5,yes\r", stops + ",2,1.5,no\r"}));
    EXPECT_EQ(nlohmann::json::parse(stopped.out)[0]["trials"]["count"], 2);
}

struct StatusRow {
    const char* name;
    std::vector<std::string> arguments;  // "{bad}" and "{folder}" stand for paths of the test
    int status;
    std::string out;  // a part of what is printed; empty: nothing is printed
    std::string err;  // a part of the errors; empty: none
};

class BatchRunStatus : public BatchRun, public testing::WithParamInterface<StatusRow> {};

TEST_P(BatchRunStatus, SaysWhatHappenedInTheExitStatusAndTheSameMessageAsTheWindow) {
    const std::string bad = SaveText("bad.vardolin", "{\"format_version\": 1,");
    const std::string partial = SaveText(
        "partial.vardolin",
        R"({"format_version": 1, "analysis": "plane_failure", "inputs": {"slope_height": 20}})");
    const std::string typo = SaveText("typo.vardolin", R"({"format_version": 1, "analysis":
        "plane_failure", "inputs": {"slope_height": "2O"}})");
    std::vector<std::string> arguments = GetParam().arguments;
    for (std::string& argument : arguments) {
        if (argument == "{typo}") {
            argument = typo;
        } else if (argument == "{bad}") {
            argument = bad;
        } else if (argument == "{partial}") {
            argument = partial;
        } else if (argument.starts_with("{folder}")) {
            argument = folder.path().string() + argument.substr(8);
        }
    }
    const Printed printed = Runner(arguments);
    EXPECT_EQ(printed.status, GetParam().status);
    if (GetParam().out.empty()) {
        EXPECT_EQ(printed.out, "");
    } else {
        EXPECT_NE(printed.out.find(GetParam().out), std::string::npos) << printed.out;
    }
    if (GetParam().err.empty()) {
        EXPECT_EQ(printed.err, "");
    } else {
        EXPECT_NE(printed.err.find(GetParam().err), std::string::npos) << printed.err;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BatchRunStatus,
    testing::Values(
        // A model's text that is no number stops its run as in the window; the runner names
        // the input. A --set text that is none is refused before anything runs.
        StatusRow{"RunTimeError",
                  {"{typo}"},
                  kStoppedRun,
                  "\t\t\tRun-time error '13': Type mismatch\n",
                  "typo.vardolin: Run-time error '13': Type mismatch in the input slope_height "
                  "(\"2O\"): a number is expected\n"},
        StatusRow{
            "SetTextIsNoNumber",
            {"--set", "cohesion_mean=10kPa", kExamples + "/critical-circle-defaults.vardolin"},
            kBadFileOrArgument,
            "",
            "--set cohesion_mean=10kPa: " + kExamples +
                "/critical-circle-defaults.vardolin (critical_circle): the input "
                "cohesion_mean (Cohesion: Average, in Pa) takes a number such as 10 or 2.5, "
                "written without its unit\n"},
        // An input whose default is a word takes any text, which its run checks.
        StatusRow{"SetTextOfAnInputOfWords",
                  {"--set", "search=spiral", kExamples + "/slope-section-three-soils.vardolin"},
                  kStoppedRun,
                  "\t\t\tPlease Enter Search as Grid or Entry-Exit\n",
                  ""},
        StatusRow{"SamplingKeyOfAnotherAnalysis",
                  {"--set", "sampling.rock_unit_weight.distribution=lognormal", kSliceDefaults,
                   kExamples + "/critical-circle-defaults.vardolin"},
                  kBadFileOrArgument,
                  "",
                  "--set sampling.rock_unit_weight.distribution=lognormal: no model of the batch "
                  "takes it; " +
                      kSliceDefaults +
                      " (slice_method) takes sampling.seed only (its "
                      "parameters are drawn its own way); " +
                      kExamples +
                      "/critical-circle-defaults.vardolin (critical_circle) takes sampling.seed, "
                      "method, correlation, and PARAMETER.distribution, .lower, .upper for "
                      "PARAMETER cohesion, friction_angle, unit_weight, pore_ratio\n"},
        // Slopes that cannot be stop with the window's message, before anything is drawn.
        StatusRow{"CrackDeeperThanTheSlope",
                  {"--set", "tension_crack_depth=40", "--set", "slope_height=30", kPlaneDefaults},
                  kStoppedRun,
                  "Please Enter Height of Tension Crack from 0 Under the Slope Height\n",
                  ""},
        StatusRow{"WaterAboveTheSlope",
                  {"--set", "water_height_mean=50", kSliceDefaults},
                  kStoppedRun,
                  "Please Enter Average of Water Height from 0 up to the Slope Height\n",
                  ""},
        StatusRow{"CountRejected",
                  {"--set", "trial_count=10000", kPlaneDefaults},
                  kStoppedRun,
                  "Please Inter Namber of calculation Under 10000\n",
                  ""},
        // Water 4 m high stands above the plane's 3 m crack, not above the 20 m slope.
        StatusRow{"FirstStopsTheSecondRuns",
                  {"--set", "water_height_mean=4", kPlaneDefaults, kSliceDefaults},
                  kStoppedRun,
                  "Tension Crack\n" + kSliceDefaults + "\t",
                  ""},
        // clang-format off
        // Each --set goes to the models that have its input; one that none has is an error.
        StatusRow{"KeyOfOneAnalysisOnly", {kPlaneDefaults, "--set", "slice_count=0", kSliceDefaults},
                  kStoppedRun, "Stable\n" + kSliceDefaults + "\t\t\tPlease Enter Number of Slice Upper 0\n", ""},
        StatusRow{"KeyOfAnAnalysisNotInTheBatch", {"--set", "slice_method.slope_height=5", kPlaneDefaults},
                  kBadFileOrArgument, "", "--set slice_method.slope_height=5: no model of the batch of slice_method"},
        StatusRow{"UnknownAnalysis", {"--set", "toppling.slope_height=3", kPlaneDefaults}, kBadFileOrArgument,
                  "", "--set toppling.slope_height: \"toppling\" is no analysis of this program: plane_failure, slice_method, critical_circle, slope_section\n"},
        // {partial} has one input, 20 as a number, and lacks 13.
        StatusRow{"MissingInputGivenBySet", {"--set", "plane_failure.water_height_sd=0.5", "{partial}"},
                  kResults, "\t96.6\t0.73889069232438\tBlock is not Stable\n",
                  "no \"water_height_sd\"; \"0.5\" of --set plane_failure.water_height_sd=0.5 is taken\n"},
        StatusRow{"MissingInputGivenByTheLastOfTwoSets", {"--set", "water_height_sd=9", "--set",
                  "plane_failure.water_height_sd=0.5", "{partial}"}, kResults, "\t96.6\t0.73889069232438\tBlock is not Stable\n",
                  "no \"water_height_sd\"; \"0.5\" of --set plane_failure.water_height_sd=0.5 is taken\n"},
        StatusRow{"StrictRefusesAMissingInput", {"--strict", "{partial}"}, kBadFileOrArgument, "",
                  "partial.vardolin: \"inputs\" lacks \"slope_face_angle\" and 12 more; every input must be given\n"},
        StatusRow{"CheckSavedRunsAndSkipTheOthers", {"--check", kExamples + "/plane-failure-saved-run.vardolin",
                  kPlaneDefaults}, kResults, "saved-run.vardolin: OK\n" + kPlaneDefaults + ": SKIPPED, no saved run\n", ""},
        // An output that cannot be written stops the batch before anything runs.
        StatusRow{"TrialsFileInAMissingFolder", {"--trials-csv", "{folder}/none/t.csv", kPlaneDefaults},
                  kBadFileOrArgument, "", "t.csv: cannot be saved (No such file or directory)"},
        StatusRow{"TrialsFileNamedAsAModel", {"--trials-csv", "{folder}/t.vardolin", kPlaneDefaults},
                  kBadFileOrArgument, "", "t.vardolin: ends in .vardolin, which is for models"},
        StatusRow{"SeedOnlyForTheSliceMethod", {"--set", "sampling.method=latin_hypercube", kSliceDefaults},
                  kBadFileOrArgument, "", "(slice_method) takes sampling.seed only"},
        StatusRow{"PairNotOfferedByTheForm", {"--set", "sampling.correlated=cohesion,water_height", kPlaneDefaults},
                  kBadFileOrArgument, "", "\"cohesion,water_height\" is no pair offered for correlation"},
        // clang-format on
        StatusRow{"NotAModel",
                  {kPlaneDefaults, "{bad}"},
                  kBadFileOrArgument,
                  "",
                  "bad.vardolin: not a model file: no valid JSON at line 1, column 22"},
        StatusRow{"NoSuchFile",
                  {"{folder}/none.vardolin"},
                  kBadFileOrArgument,
                  "",
                  "none.vardolin: cannot be opened (No such file or directory)\n"},
        StatusRow{"UnknownKey",
                  {"--set", "height=3", kPlaneDefaults},
                  kBadFileOrArgument,
                  "",
                  "--set height=3: no model of the batch has an input \"height\"; " +
                      kPlaneDefaults + " (plane_failure) has slope_height, slope_face_angle,"},
        StatusRow{"OverrideWithLineBreak",
                  {"--set", "slope_height=2\n0", kPlaneDefaults},
                  kBadFileOrArgument,
                  "",
                  "--set slope_height: the text holds a control character"},
        StatusRow{"NoSavedRun",
                  {"--from-saved-state", kPlaneDefaults},
                  kBadFileOrArgument,
                  "",
                  "plane-failure-defaults.vardolin: no saved run to take the sequence state from"}),
    testing_support::RowName());

}  // namespace
}  // namespace vardolin::runner

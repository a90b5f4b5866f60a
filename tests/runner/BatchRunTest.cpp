// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "TestFolder.h"
#include "TestSupport.h"
#include "analysis/FieldRun.h"
#include "catalogue/ProgramCatalogue.h"
#include "files/ModelWriter.h"
#include "plane_failure/PlaneFailureDescription.h"
#include "plane_failure/PlaneFields.h"
#include "runner/BatchRun.h"
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

Printed Runner(const std::vector<std::string>& arguments, int threads = 1) {
    std::ostringstream out;
    std::ostringstream err;
    const int status =
        RunBatch(ParseArguments(arguments), ProgramCatalogue(), out, err, threads, {});
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
    using namespace circle;
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

    using namespace circle;
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
    EXPECT_EQ(json[0]["mean_safety_factor"], "0.73889069232438");
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
    EXPECT_EQ(json[1]["message"], "Please Inter Namber of calculation Upper 1");
    EXPECT_EQ(json[1]["stopped"], true);
    EXPECT_TRUE(json[1]["trials"].is_null());
}

TEST_F(BatchRun, WritesEveryTrialOfEveryModelToTheTrialsFile) {
    const std::string csv = (folder.path() / "trials.csv").string();
    EXPECT_EQ(Runner({"--trials-csv", csv, kPlaneDefaults, kSliceDefaults}).status, kResults);
    std::ifstream in(csv);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 1001u);
    EXPECT_EQ(lines[0], "model,trial,factor_of_safety,failed\r");
    const auto failed = std::count_if(lines.begin() + 1, lines.begin() + 501,
                                      [](const auto& l) { return l.ends_with(",yes\r"); });
    EXPECT_EQ(failed, 483);  // 96.6 % of 500
    EXPECT_TRUE(lines[501].starts_with(kSliceDefaults + ",1,"));
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
    std::vector<std::string> arguments = GetParam().arguments;
    for (std::string& argument : arguments) {
        if (argument == "{bad}") {
            argument = bad;
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
        StatusRow{"RunTimeError",
                  {"--set", "slope_height=2O", kPlaneDefaults},
                  kStoppedRun,
                  "\t\t\tRun-time error '13': Type mismatch\n",
                  ""},
        StatusRow{"DivisionByZero",
                  {"--set", "slope_height=0", kSliceDefaults},
                  kStoppedRun,
                  "Run-time error '11': Division by zero",
                  ""},
        StatusRow{"CountRejected",
                  {"--set", "trial_count=10000", kPlaneDefaults},
                  kStoppedRun,
                  "Please Inter Namber of calculation Under 10000\n",
                  ""},
        // A 30 degree face: no circle of the slice grid passes its crest; the block still slides.
        StatusRow{"FirstStopsTheSecondRuns",
                  {"--set", "slope_face_angle=30", kSliceDefaults, kPlaneDefaults},
                  kStoppedRun,
                  "Passes Beyond the Crest\n" + kPlaneDefaults + "\t97.6\t",
                  ""},
        StatusRow{"KeyOfTheOtherAnalysis",
                  {kPlaneDefaults, "--set", "slice_count=0", kSliceDefaults},
                  kBadFileOrArgument,
                  "",
                  "has no input \"slice_count\""},
        StatusRow{"SeedOnlyForTheSliceMethod",
                  {"--set", "sampling.method=latin_hypercube", kSliceDefaults},
                  kBadFileOrArgument,
                  "",
                  "only the seed can be chosen"},
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
                  "--set height: plane_failure ("},
        StatusRow{"OverrideWithLineBreak",
                  {"--set", "slope_height=2\n0", kPlaneDefaults},
                  kBadFileOrArgument,
                  "",
                  "--set slope_height: the text holds a control character"},
        StatusRow{"NoSavedRun",
                  {"--from-saved-state", kPlaneDefaults},
                  kBadFileOrArgument,
                  "",
                  "plane-failure-defaults.vardolin: no saved run to take the sequence state from"},
        StatusRow{"TrialsFileInAMissingFolder",
                  {"--trials-csv", "{folder}/none/t.csv", kPlaneDefaults},
                  kBadFileOrArgument,
                  "96.6",
                  "t.csv: cannot be saved (No such file or directory)"}),
    testing_support::RowName());

}  // namespace
}  // namespace vardolin::runner

// SPDX-License-Identifier: MIT
// The tests' wedge without the windows: its run on the common machinery, its checks, its model
// file with the table, and vardolin-run's library on a catalogue that holds it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "TestFolder.h"
#include "TestSupport.h"
#include "analysis/FieldRun.h"
#include "fields/FieldTextMap.h"
#include "files/ModelReader.h"
#include "files/ModelWriter.h"
#include "numerics/Pi.h"
#include "runner/BatchRun.h"
#include "wedge_analysis/WedgeAnalysis.h"

namespace vardolin::testing_support::wedge {
namespace {

struct WedgeRun : testing::Test {
    FieldRun Run() { return RunOnFields(kWedgeAnalysis, texts, context); }

    FieldTextMap texts = DefaultTexts(kWedgeAnalysis);
    UniformSequence uniforms;
    KeptTables kept;
    AnalysisContext context{uniforms, kept, NumberLocale{}};
};

// Six draws a trial, each trial kept and counted against the six ranges, the mean of the trials'
// factors and the factor at the averages from the hand figures of the defaults:
// W = 20000 * 62.5 + 10000 * 20, cos psi = 0.8, sin psi = 0.6, L = 25.
TEST_F(WedgeRun, DrawsSixInputsATrialAndKeepsThemAll) {
    const FieldRun run = Run();
    ASSERT_TRUE(run.gaveResults()) << texts.text(Message);
    const RunOutcome& outcome = *run.outcome;
    EXPECT_EQ(outcome.trials, 200);
    EXPECT_EQ(ConsumedBy(uniforms), 6L * 200);
    ASSERT_EQ(outcome.outOfRange.size(), kWedgeInputs.size());
    ASSERT_EQ(outcome.draws.meanFields().size(), kWedgeInputs.size());
    EXPECT_EQ(outcome.draws.rows(), 200u);
    for (std::size_t k = 0; k < kWedgeInputs.size(); ++k) {
        EXPECT_EQ(outcome.outOfRange[k].parameter, kWedgeInputs[k].key);
        EXPECT_EQ(outcome.draws.meanFields()[k], kWedgeInputs[k].meanField);
    }
    const double w = 20000.0 * 62.5 + 10000.0 * 20.0;
    const double expected = (25000.0 * 25.0 + (w * 0.8 * 0.8 - 0.1 * w * 0.6) * std::tan(kPi / 6)) /
                            (w * 0.6 + 0.1 * w * 0.8);
    FieldTextMap atMeans = DefaultTexts(kWedgeAnalysis);
    EXPECT_NEAR(WedgeFactorAtMeans(atMeans, context), expected, 1e-12);
    EXPECT_NE(texts.text(MeanFactor), "");
    EXPECT_NE(texts.text(FailurePercentage), "");
}

// Each check stops the run before the first draw with its message and names the field at fault.
struct CheckRow {
    const char* name;
    int field;
    const char* text;
    std::string message;
    friend void PrintTo(const CheckRow& row, std::ostream* os) { *os << row.name; }
};

class WedgeCheck : public WedgeRun, public testing::WithParamInterface<CheckRow> {};

TEST_P(WedgeCheck, StopsBeforeAnyDrawAtItsField) {
    texts.setText(GetParam().field, GetParam().text);
    const FieldRun run = Run();
    ASSERT_TRUE(run.outcome.has_value());
    EXPECT_FALSE(run.gaveResults());
    EXPECT_EQ(texts.text(Message), GetParam().message);
    EXPECT_EQ(run.outcome->stoppedAtField, GetParam().field);
    EXPECT_EQ(ConsumedBy(uniforms), 0);
}

std::vector<CheckRow> CheckRows() {
    std::vector<CheckRow> rows{
        {"NotATable", Ground, "abc", "Ground points: is not a table of rows"},
        {"TwoPoints", Ground, R"([["0","0"],["1","1"]])", "Ground points: needs at least 3 rows"},
        {"NegativeX", Ground, R"([["0","0"],["-1","1"],["2","3"]])",
         "Ground points, row 2, x: must be at least 0"},
        {"GroundBelowThePlane", Ground, R"([["0","0"],["5","1"],["20","15"]])",
         std::string(kNoWedge)},
        {"FallingPlane", Ground, R"([["0","5"],["5","10"],["20","1"]])", std::string(kNoWedge)},
    };
    // Every input's average below its range, each with its own message.
    for (const UncertainInput& input : kWedgeInputs) {
        rows.push_back({input.key.data(), input.meanField, "-1", std::string(input.rangeMessage)});
    }
    rows.push_back({"WaterRatioAboveOne", 26, "1.5", std::string(kWedgeInputs[3].rangeMessage)});
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Wedge, WedgeCheck, testing::ValuesIn(CheckRows()), RowName());

// The model file keeps the table as rows and every input by its key, and reads back the same.
TEST(WedgeModelFile, KeepsTheTableAndTheSixInputs) {
    const TestFolder folder;
    const std::string path = (folder.path() / "w.vardolin").string();
    FieldTextMap texts = DefaultTexts(kWedgeAnalysis);
    texts.setText(Ground, R"([["0","0"],["4","9"],["12","14"],["25","16"]])");
    texts.setText(30, "0.15");
    SaveModelFile(path, ModelFromFields(kWedgeAnalysis, texts));
    const ModelRead read = ReadModelFile(path, CatalogueWithWedge());
    ASSERT_EQ(read.model.analysis, &kWedgeAnalysis);
    for (const FieldFact& field : kWedgeAnalysis.fields) {
        if (field.isInput()) {
            EXPECT_EQ(read.model.inputs.at(std::string(field.key)), texts.text(field.number))
                << field.key;
        }
    }
    std::stringstream bytes;
    bytes << std::ifstream(path).rdbuf();
    EXPECT_NE(bytes.str().find("\"format_version\": 3"), std::string::npos);
}

// The runner takes the table from a CSV file and a correlated pair by name, and lists the six
// inputs' counts and curves.
TEST(WedgeRunner, TakesTheTableFromCsvAndListsEachInput) {
    const TestFolder folder;
    const std::string model = (folder.path() / "w.vardolin").string();
    SaveModelFile(model, ModelFromFields(kWedgeAnalysis, DefaultTexts(kWedgeAnalysis)));
    const std::string csv = (folder.path() / "ground.csv").string();
    std::ofstream(csv) << "x,y\n0,0\n4,9\n12,14\n25,16\n";
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runner::RunBatch(
                  runner::ParseArguments({"--json", "--sensitivity", "--set", "ground=@" + csv,
                                          "--set", "sampling.correlated=unit_weight,water_ratio",
                                          "--set", "sampling.seismic.lower=0", model}),
                  CatalogueWithWedge(), out, err, 2, {}),
              runner::kResults)
        << err.str();
    const nlohmann::json run = nlohmann::json::parse(out.str())[0];
    EXPECT_EQ(run["inputs"]["ground"].size(), 4u);
    EXPECT_EQ(run["sampling"]["correlated"], "unit_weight,water_ratio");
    EXPECT_EQ(run["sampling"]["seismic.lower"], 0);
    ASSERT_EQ(run["trials_out_of_range"].size(), kWedgeInputs.size());
    ASSERT_EQ(run["sensitivity"]["curves"].size(), kWedgeInputs.size());
    for (const UncertainInput& input : kWedgeInputs) {
        EXPECT_TRUE(run["trials_out_of_range"].contains(input.key)) << input.key;
    }
}

// An analysis outside the program's catalogue splits through the same hook: three parts of a
// correlated, bounded run merge into the JSON and the trials file of the whole run.
TEST(WedgeRunner, ThreePartsMergeIntoTheWholeRun) {
    const TestFolder folder;
    const auto path = [&](const std::string& name) { return (folder.path() / name).string(); };
    const std::string model = path("w.vardolin");
    SaveModelFile(model, ModelFromFields(kWedgeAnalysis, DefaultTexts(kWedgeAnalysis)));
    const std::vector<std::string> choices{"--set", "sampling.correlated=unit_weight,water_ratio",
                                           "--set", "sampling.correlation=0.6",
                                           "--set", "sampling.seismic.lower=0"};
    const auto run = [&](std::vector<std::string> arguments, std::string& out) {
        std::ostringstream printed;
        std::ostringstream err;
        const int status = runner::RunBatch(runner::ParseArguments(arguments), CatalogueWithWedge(),
                                            printed, err, 1, {});
        out = printed.str();
        return status;
    };
    std::vector<std::string> whole = choices;
    whole.insert(whole.end(), {"--json", "--trials-csv", path("whole.csv"), model});
    std::string wholeJson;
    ASSERT_EQ(run(whole, wholeJson), runner::kResults);
    std::vector<std::string> merge{"--merge", "--json", "--trials-csv", path("merged.csv")};
    for (const char* k : {"1", "2", "3"}) {
        std::vector<std::string> part = choices;
        part.insert(part.end(), {"--part", std::string(k) + "/3", "--part-file",
                                 path(std::string(k) + ".json"), model});
        std::string printed;
        ASSERT_EQ(run(part, printed), runner::kResults);
        merge.push_back(path(std::string(k) + ".json"));
    }
    std::string mergedJson;
    ASSERT_EQ(run(merge, mergedJson), runner::kResults);
    EXPECT_TRUE(mergedJson == wholeJson);
    const auto contents = [](const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    EXPECT_TRUE(contents(path("merged.csv")) == contents(path("whole.csv")));
}

}  // namespace
}  // namespace vardolin::testing_support::wedge

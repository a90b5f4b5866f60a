// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "analysis/SampledNames.h"
#include "catalogue/ProgramCatalogue.h"
#include "files/Model.h"
#include "runner/RunnerOptions.h"

namespace vardolin::runner {
namespace {

TEST(RunnerOptions, TakesEveryOptionAndTheModelsInOrder) {
    const RunnerOptions options =
        ParseArguments({"--json", "b.vardolin", "--set", "slope_height=25", "--trials-csv", "t.csv",
                        "--from-saved-state", "--set", "message==x", "--check", "--strict", "--set",
                        "slice_method.grid_x1=2.5", "--seed", "7", "a.vardolin", "--", "--json"});
    EXPECT_TRUE(options.json);
    EXPECT_TRUE(options.fromSavedState && options.check && options.strict);
    EXPECT_EQ(options.trialsCsv, "t.csv");
    EXPECT_EQ(options.models, (std::vector<std::string>{"b.vardolin", "a.vardolin", "--json"}));
    const std::vector<Override> overrides{{"", "slope_height", "25"},
                                          {"", "message", "=x"},
                                          {"slice_method", "grid_x1", "2.5"},
                                          {"", "sampling.seed", "7"}};
    EXPECT_EQ(options.overrides, overrides);
}

// The help lists what the catalogue holds: every analysis, its inputs and its sampling keys.
TEST(RunnerOptions, HelpListsTheKeysOfEveryAnalysisOfTheCatalogue) {
    const std::string help = HelpText(ProgramCatalogue());
    EXPECT_TRUE(help.starts_with(kUsage));
    for (const AnalysisDescription* analysis : ProgramCatalogue()) {
        const std::size_t at = help.find("\n  " + std::string(analysis->id) + " (");
        ASSERT_NE(at, std::string::npos) << analysis->id;
        std::size_t end = help.find("\n  ", at + 1);
        while (end != std::string::npos && help[end + 3] == ' ') {
            end = help.find("\n  ", end + 1);
        }
        const std::string section = help.substr(at, end - at);
        for (const FieldFact& field : analysis->fields) {
            const std::string key = " " + std::string(field.key) + ",";
            EXPECT_EQ(section.find(key) != std::string::npos ||
                          section.find(" " + std::string(field.key) + "\n") != std::string::npos,
                      field.isInput())
                << analysis->id << ": " << field.key;
        }
        // Those of its default inputs, for an analysis that reads them from its tables.
        const SampledNames names(*analysis, DefaultTexts(*analysis));
        for (const std::string_view key : names.keys()) {
            EXPECT_NE(section.find("sampling." + std::string(key) + ".distribution"),
                      std::string::npos)
                << analysis->id << ": " << key;
        }
        EXPECT_NE(section.find("sampling.seed"), std::string::npos) << analysis->id;
        EXPECT_EQ(section.find("sampling.method") != std::string::npos, !names.keys().empty())
            << analysis->id;
    }
    // The title block's keys, which every model takes, once after the analyses.
    for (const std::string_view key : kReportDetailKeys) {
        EXPECT_NE(help.find("report." + std::string(key)), std::string::npos) << key;
    }
}

// A title-block text, like a sampling choice, names no analysis: "report.project" is a key.
TEST(RunnerOptions, ReportKeyIsNoAnalysis) {
    const RunnerOptions options =
        ParseArguments({"--set", "report.project=North Dam", "m.vardolin"});
    ASSERT_EQ(options.overrides.size(), 1u);
    EXPECT_EQ(options.overrides[0].analysis, "");
    EXPECT_EQ(options.overrides[0].key, "report.project");
    EXPECT_EQ(options.overrides[0].text, "North Dam");
}

struct UsageRow {
    const char* name;
    std::vector<std::string> arguments;
    const char* message;
};

class BadCommandLine : public testing::TestWithParam<UsageRow> {};

TEST_P(BadCommandLine, IsRefusedSayingWhy) {
    try {
        ParseArguments(GetParam().arguments);
        FAIL() << "accepted";
    } catch (const UsageError& e) {
        EXPECT_STREQ(e.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadCommandLine,
    testing::Values(UsageRow{"NoModel", {"--json"}, "no model file given"},
                    UsageRow{"NothingAtAll", {}, "no model file given"},
                    UsageRow{"UnknownOption", {"--sead", "m"}, "unknown option --sead"},
                    UsageRow{"SeedWithoutValue", {"m", "--seed"}, "--seed needs a value"},
                    UsageRow{"SetWithoutValue", {"m", "--set"}, "--set needs a value"},
                    UsageRow{"CsvWithoutFile", {"m", "--trials-csv"}, "--trials-csv needs a value"},
                    UsageRow{"SetWithoutEquals",
                             {"--set", "slope_height", "m"},
                             "--set needs [ANALYSIS.]KEY=TEXT, not \"slope_height\""},
                    UsageRow{"SetWithoutKey",
                             {"--set", "=20", "m"},
                             "--set needs [ANALYSIS.]KEY=TEXT, not \"=20\""},
                    UsageRow{"SetWithoutKeyAfterTheAnalysis",
                             {"--set", "plane_failure.=2", "m"},
                             "--set needs [ANALYSIS.]KEY=TEXT, not \"plane_failure.=2\""},
                    UsageRow{"SensitivityWithoutJson",
                             {"--sensitivity", "m"},
                             "--sensitivity adds to the JSON: give --json as well"},
                    UsageRow{"ReportOfTwoModels",
                             {"--report", "r.pdf", "a", "b"},
                             "--report writes the report of one model; 2 given"},
                    UsageRow{"ReportWithoutFile", {"m", "--report"}, "--report needs a value"}),
    testing_support::RowName());

}  // namespace
}  // namespace vardolin::runner

// SPDX-License-Identifier: MIT
// A table input through the runner: --set KEY=@rows.csv and --json.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "TableAnalysis.h"
#include "TestFolder.h"
#include "files/ModelWriter.h"
#include "runner/BatchRun.h"

namespace vardolin::runner {
namespace {

using testing_support::CatalogueWithPolylineAnalysis;
using testing_support::kPolylineAnalysis;

struct CsvRunRow {
    const char* name;
    std::string csv;  // the CSV file's text; none for a file that is not there
    int status;
    std::string out;  // what the printed line holds after the model's file name
    std::string err;  // a part of what is printed to the error stream
    friend void PrintTo(const CsvRunRow& row, std::ostream* os) { *os << row.name; }
};

class TableRun : public testing::TestWithParam<CsvRunRow> {
protected:
    std::string Path(const std::string& name) const { return (folder_.path() / name).string(); }

    testing_support::TestFolder folder_;
};

TEST_P(TableRun, SetsTheTableFromACsvFile) {
    const std::string model = Path("p.vardolin");
    SaveModelFile(model, ModelFromFields(kPolylineAnalysis, DefaultTexts(kPolylineAnalysis)));
    const std::string csv = Path("rows.csv");
    if (!GetParam().csv.empty()) {
        std::ofstream(csv, std::ios::binary) << GetParam().csv;
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunBatch(ParseArguments({"--set", "points=@" + csv, model}),
                                CatalogueWithPolylineAnalysis(), out, err, 1, {});
    EXPECT_EQ(status, GetParam().status);
    EXPECT_EQ(out.str(), GetParam().out.empty() ? "" : model + "\t" + GetParam().out + "\n");
    EXPECT_NE(err.str().find(GetParam().err), std::string::npos) << err.str();
}

INSTANTIATE_TEST_SUITE_P(
    Runner, TableRun,
    testing::Values(
        CsvRunRow{"Header", "x,y\n0,0\n1,1\n", 0, "0\t1.4142135623731\tBlock is Stable", ""},
        CsvRunRow{"PlainRows", "0,0\n6,8\n12,0\n", 0, "0\t1.66666666666667\tBlock is Stable", ""},
        // A table the checks refuse stops the run with the window's message, naming the cell.
        CsvRunRow{"CellOutOfRange", "x,y\n0,0\n-1,1\n", 1,
                  "\t\tPoints, row 2, x: must be at least 0", ""},
        CsvRunRow{"TooFewRows", "x,y\n0,0\n", 1, "\t\tPoints: needs at least 2 rows", ""},
        // A file that is no table stops the batch before anything runs.
        CsvRunRow{"Malformed", "x,y\n0,0\n1,\"1\n", 2, "",
                  "rows.csv: line 3, column 3: a quote opened here is never closed"},
        CsvRunRow{"Missing", "", 2, "", "rows.csv: cannot be opened"}),
    [](const auto& row) { return std::string(row.param.name); });

// --json lists a table as its rows, as the model file keeps it.
TEST(TableRunJson, ListsTheTableAsRows) {
    const testing_support::TestFolder folder;
    const std::string model = (folder.path() / "p.vardolin").string();
    SaveModelFile(model, ModelFromFields(kPolylineAnalysis, DefaultTexts(kPolylineAnalysis)));
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunBatch(ParseArguments({"--json", model}), CatalogueWithPolylineAnalysis(), out, err,
                       1, {}),
              0)
        << err.str();
    const nlohmann::json json = nlohmann::json::parse(out.str());
    EXPECT_EQ(json[0]["inputs"]["points"], nlohmann::json::parse(R"([["0","0"],["3","4"]])"));
    EXPECT_EQ(json[0]["inputs"]["trial_count"], "3");
    EXPECT_EQ(json[0]["mean_safety_factor"], "1.66666666666667");
}

// A text that starts with "@" is a file only for a table; a number input refuses it as it
// refuses any text that is not a number, before anything runs.
TEST(TableRunJson, AnAtSignIsNoFileForANumberInput) {
    const testing_support::TestFolder folder;
    const std::string model = (folder.path() / "p.vardolin").string();
    SaveModelFile(model, ModelFromFields(kPolylineAnalysis, DefaultTexts(kPolylineAnalysis)));
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunBatch(ParseArguments({"--set", "trial_count=@5", model}),
                       CatalogueWithPolylineAnalysis(), out, err, 1, {}),
              2);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("takes a number"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace vardolin::runner

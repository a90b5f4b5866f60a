// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "TestFolder.h"
#include "TestSupport.h"
#include "runner/OutputChecks.h"

namespace vardolin::runner {
namespace {

namespace fs = std::filesystem;

// In the arguments, "{f}" stands for the test's folder, which holds the model m.vardolin, a
// folder sub/, a link alias/ to the folder itself, a link link.pdf to the model and a second
// name hard.pdf of the model.
struct OutputRow {
    const char* name;
    friend void PrintTo(const OutputRow& row, std::ostream* os) { *os << row.name; }
    std::vector<std::string> arguments;
    std::string refusal;  // a part of the message; empty: accepted
};

class OutputChecks : public testing::TestWithParam<OutputRow> {
protected:
    OutputChecks() {
        const fs::path& f = folder.path();
        std::ofstream(f / "m.vardolin") << "{}";
        fs::create_directory(f / "sub");
        fs::create_directory_symlink(f, f / "alias");
        fs::create_symlink(f / "m.vardolin", f / "link.pdf");
        fs::create_hard_link(f / "m.vardolin", f / "hard.pdf");
    }

    testing_support::TestFolder folder;
};

TEST_P(OutputChecks, RefuseAnOutputOverAModelAnotherOutputOrNowhere) {
    const auto inFolder = [this](std::string text) {
        for (std::size_t at = text.find("{f}"); at != std::string::npos; at = text.find("{f}")) {
            text.replace(at, 3, folder.path().string());
        }
        return text;
    };
    std::vector<std::string> arguments;
    for (const std::string& argument : GetParam().arguments) {
        arguments.push_back(inFolder(argument));
    }
    const std::string refusal = inFolder(GetParam().refusal);
    try {
        CheckOutputs(ParseArguments(arguments));
        EXPECT_EQ(refusal, "") << "accepted";
    } catch (const UsageError& e) {
        EXPECT_NE(refusal, "") << e.what();
        EXPECT_NE(std::string(e.what()).find(refusal), std::string::npos) << e.what();
    }
    // A check leaves nothing behind, and the model is whole.
    EXPECT_EQ(folder.Names(),
              (std::vector<std::string>{"alias", "hard.pdf", "link.pdf", "m.vardolin", "sub"}));
    std::ifstream model(folder.path() / "m.vardolin");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(model), {}), "{}");
}

const std::string kModel = "{f}/m.vardolin";

INSTANTIATE_TEST_SUITE_P(
    Rows, OutputChecks,
    testing::Values(
        OutputRow{"CsvAndReportInTheirOwnFiles",
                  {"--trials-csv", "{f}/t.csv", "--report", "{f}/sub/r.pdf", kModel},
                  ""},
        OutputRow{"ReportIsTheModel",
                  {"--report", kModel, kModel},
                  "--report " + kModel + ": ends in .vardolin, which is for models"},
        OutputRow{"ReportIsTheModelByALink", {"--report", "{f}/link.pdf", kModel}, "is the model"},
        OutputRow{
            "ReportIsTheModelByASecondName", {"--report", "{f}/hard.pdf", kModel}, "is the model"},
        OutputRow{"CsvIsTheModelThroughALinkedFolder",
                  {"--trials-csv", "{f}/alias/sub/../hard.pdf", kModel},
                  "--trials-csv {f}/alias/sub/../hard.pdf: is the model"},
        OutputRow{"BothOutputsOneFile",
                  {"--trials-csv", "{f}/out.csv", "--report", "{f}/out.csv", kModel},
                  "--report {f}/out.csv: is the file of --trials-csv {f}/out.csv; give each "
                  "output a file of its own"},
        OutputRow{"BothOutputsOneFileSpelledTwoWays",
                  {"--trials-csv", "{f}/./sub/../out.csv", "--report", "{f}/alias/out.csv", kModel},
                  "is the file of --trials-csv"},
        OutputRow{"ReportInAMissingFolder",
                  {"--report", "{f}/nodir/r.pdf", kModel},
                  "--report " + std::string("{f}") +
                      "/nodir/r.pdf: cannot be saved (No such file or directory)"},
        OutputRow{"ReportIsAFolder", {"--report", "{f}/sub", kModel}, "--report {f}/sub"}),
    testing_support::RowName());

}  // namespace
}  // namespace vardolin::runner

// SPDX-License-Identifier: MIT
// The built vardolin-run, started as a shell would start it: its main() turns a refused command
// line into the usage status, which no test of the library below it can see.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>

#include "TestSupport.h"
#include "runner/BatchRun.h"

namespace vardolin::runner {
namespace {

struct CommandRow {
    const char* name;
    friend void PrintTo(const CommandRow& row, std::ostream* os) { *os << row.name; }
    std::string arguments;
    int status;
};

class RunnerProgram : public testing::TestWithParam<CommandRow> {};

TEST_P(RunnerProgram, ExitsWithTheStatusItsUsageNames) {
    const std::string command = "'" VARDOLIN_RUN "' " + GetParam().arguments + " >/dev/null 2>&1";
    const int result = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(result)) << command;
    EXPECT_EQ(WEXITSTATUS(result), GetParam().status) << command;
}

const std::string kModel = "'" VARDOLIN_EXAMPLES "/plane-failure-defaults.vardolin'";

INSTANTIATE_TEST_SUITE_P(
    Rows, RunnerProgram,
    testing::Values(CommandRow{"UnknownOption", "--bogus " + kModel, kBadFileOrArgument},
                    CommandRow{"NoModels", "", kBadFileOrArgument},
                    CommandRow{"Help", "--help", kResults},
                    // Built with Qt the report writer is linked in;
                    // without, --report is refused.
                    CommandRow{"Report",
                               "--report \"${TMPDIR:-/tmp}/"
                               "vardolin-run-report-test.pdf\" " +
                                   kModel,
                               VARDOLIN_RUN_WRITES_REPORTS ? kResults : kBadFileOrArgument},
                    // Refused before the run, as every output that cannot be written is.
                    CommandRow{
                        "ReportInAMissingFolder",
                        "--report \"${TMPDIR:-/tmp}/vardolin-run-no-folder/r.pdf\" " + kModel,
                        kBadFileOrArgument}),
    testing_support::RowName());

// The report of a critical-circle run, read back with pdftotext: the title block from --set,
// the page numbers, the method, the sampling choices and the slice table; and, where the runner
// cannot draw the diagram, a plain word that it is left out.
TEST(RunnerReport, HoldsTheTitleBlockMethodSamplingAndSliceTable) {
    if (!VARDOLIN_RUN_WRITES_REPORTS) {
        GTEST_SKIP() << "built without the report writer";
    }
    const std::string pdf = "${TMPDIR:-/tmp}/vardolin-run-report-text.pdf";
    const std::string text = "${TMPDIR:-/tmp}/vardolin-run-report-text.txt";
    const std::string command = "'" VARDOLIN_RUN "' --report \"" + pdf +
                                "\" --set 'report.project=North Dam' --set report.engineer=E.N. "
                                "--set sampling.seed=7 '" VARDOLIN_EXAMPLES
                                "/critical-circle-defaults.vardolin' >/dev/null && "
                                "pdftotext \"" +
                                pdf + "\" \"" + text + "\" && cat \"" + text + "\"";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string read;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        read.append(buffer, n);
    }
    ASSERT_EQ(pclose(pipe), 0) << command;
    for (const char* expected :
         {"North Dam", "E.N.", "Project", "Checker", "Page 1 of", "Method",
          "Bishop's simplified method", "seed 7", "method monte_carlo",
          "Slices of the critical circle at the averages", "bishop", "The diagram is left out"}) {
        EXPECT_NE(read.find(expected), std::string::npos) << expected;
    }
}

}  // namespace
}  // namespace vardolin::runner

// SPDX-License-Identifier: MIT
// The built vardolin-run, started as a shell would start it: its main() turns a refused command
// line into the usage status, which no test of the library below it can see.
#include <gtest/gtest.h>
#include <sys/wait.h>

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

}  // namespace
}  // namespace vardolin::runner

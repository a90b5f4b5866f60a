// SPDX-License-Identifier: MIT
// The report vardolin-run writes, read back from the PDF's text layer (pdftotext): an analysis
// that draws its diagram gets it drawn from the run, as the form's report has it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "TestFolder.h"

namespace vardolin::runner {
namespace {

class RunnerReport : public testing::Test {
protected:
    // Runs `command` in the test's folder; whether it succeeded.
    bool Shell(const std::string& command) const {
        return std::system(("cd '" + folder_.path().string() + "' && " + command).c_str()) == 0;
    }

    std::string Read(const std::string& name) const {
        std::ifstream in(folder_.path() / name);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    testing_support::TestFolder folder_;
};

TEST_F(RunnerReport, DrawsTheDiagramOfAnAnalysisThatDrawsOneFromTheRun) {
    if (!VARDOLIN_RUN_WRITES_REPORTS) {
        GTEST_SKIP() << "built without the report writer";
    }
    const std::string model = "'" VARDOLIN_EXAMPLES "/critical-circle-defaults.vardolin'";
    ASSERT_TRUE(Shell("'" VARDOLIN_RUN "' --json " + model + " > run.json"));
    ASSERT_TRUE(Shell("'" VARDOLIN_RUN "' --report report.pdf " + model + " > /dev/null"));
    ASSERT_TRUE(Shell("pdftotext report.pdf report.txt"));
    const std::string text = Read("report.txt");
    EXPECT_NE(text.find("Diagram"), std::string::npos);

    // The critical circle is labelled with its factor, to three places.
    const std::string json = Read("run.json");
    const std::size_t key = json.find("\"bishop_factor\": \"");
    ASSERT_NE(key, std::string::npos);
    const double bishop = std::stod(json.substr(key + 18));
    char label[32];
    std::snprintf(label, sizeof label, "F = %.3f", bishop);
    EXPECT_NE(text.find(label), std::string::npos) << label;
}

// The title block from --set, the page numbers, the method, the sampling choices and the slice
// table, beside the drawn diagram: nothing is left out.
TEST_F(RunnerReport, HoldsTheTitleBlockMethodSamplingAndSliceTable) {
    if (!VARDOLIN_RUN_WRITES_REPORTS) {
        GTEST_SKIP() << "built without the report writer";
    }
    ASSERT_TRUE(Shell("'" VARDOLIN_RUN "' --report report.pdf --set 'report.project=North Dam' "
                      "--set report.engineer=E.N. --set sampling.seed=7 '" VARDOLIN_EXAMPLES
                      "/critical-circle-defaults.vardolin' > /dev/null 2>&1"));
    ASSERT_TRUE(Shell("pdftotext report.pdf report.txt"));
    const std::string text = Read("report.txt");
    for (const char* expected :
         {"North Dam", "E.N.", "Project", "Checker", "Page 1 of", "Method",
          "Bishop's simplified method", "seed 7", "method monte_carlo",
          "Slices of the critical circle at the averages", "bishop", "Lowest F"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
    EXPECT_EQ(text.find("left out"), std::string::npos);
}

// A section's tables of methods and slices: a method's name stays beside its figures, and each
// slice is one row of the table.
TEST_F(RunnerReport, HoldsASectionsMethodsBesideTheirFigures) {
    if (!VARDOLIN_RUN_WRITES_REPORTS) {
        GTEST_SKIP() << "built without the report writer";
    }
    ASSERT_TRUE(Shell("'" VARDOLIN_RUN "' --report report.pdf '" VARDOLIN_EXAMPLES
                      "/slope-section-fredlund-krahn-1-dry.vardolin' > /dev/null 2>&1"));
    ASSERT_TRUE(Shell("pdftotext -layout report.pdf report.txt"));
    const std::string text = Read("report.txt");
    for (const char* expected :
         {"Methods on the critical circle at the averages", "Slices of the critical circle by"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
    // Each method's row: its name, then its factor, 1.93 to 2.08.
    for (const char* method : {"bishop", "ordinary", "janbu_f0", "spencer", "morgenstern_price"}) {
        const std::size_t row = text.find(std::string(method) + "  ");
        ASSERT_NE(row, std::string::npos) << method;
        const std::string line = text.substr(row, text.find('\n', row) - row);
        EXPECT_TRUE(line.find(" 1.9") != std::string::npos ||
                    line.find(" 2.0") != std::string::npos)
            << line;
    }
    // Slice 226's row ends the table, its x beside it.
    EXPECT_NE(text.find(" 226 "), std::string::npos);
}

}  // namespace
}  // namespace vardolin::runner

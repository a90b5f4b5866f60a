// SPDX-License-Identifier: MIT
// vardolin-run: runs model files without the windows. See kUsage.
#include <cstdlib>
#include <iostream>
#include <locale>
#include <string>
#include <vector>

#include "analysis/ThreadCount.h"
#include "catalogue/ProgramCatalogue.h"
#include "runner/BatchRun.h"
#include "runner/RunnerOptions.h"
#ifdef VARDOLIN_REPORT_WRITER
#include "catalogue/ProgramDrawings.h"
#include "report/ReportPdf.h"
#endif

namespace {

// The decimal separator of the user's locale, as the windows take it, so that a model saved
// with "0,5" in a field runs here as it ran there.
vardolin::NumberLocale UserNumberLocale() {
    try {
        const std::locale user("");
        return {std::string(1, std::use_facet<std::numpunct<char>>(user).decimal_point())};
    } catch (const std::runtime_error&) {
        return {};
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace vardolin::runner;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    RunnerOptions options;
    try {
        options = ParseArguments(arguments);
    } catch (const UsageError& e) {
        std::cerr << "vardolin-run: " << e.what() << "\n\n" << kUsage;
        return kBadFileOrArgument;
    }
    const int threads = vardolin::ThreadsFromEnvironment(std::getenv("VARDOLIN_THREADS"));
#ifdef VARDOLIN_REPORT_WRITER
    // The diagram drawn as the form draws it, for an analysis with a drawing; its picture else.
    const ReportWriter writeReport = [](const vardolin::RunReport& run, const std::string& path) {
        using namespace vardolin::report;
        static const DrawingCatalogue drawings = vardolin::ProgramDrawings();
        return WriteReportPdf(run, path, DiagramOf(drawings.Find(run.analysis->id), run));
    };
#else
    const ReportWriter writeReport;  // a build without Qt refuses --report
#endif
    return RunBatch(options, vardolin::ProgramCatalogue(), std::cout, std::cerr, threads,
                    UserNumberLocale(), writeReport);
}

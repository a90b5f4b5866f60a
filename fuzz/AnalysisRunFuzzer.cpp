// SPDX-License-Identifier: MIT
// A run of any analysis of the program on arbitrary texts: the first line names the analysis
// (its id), the following lines fill its input fields (the count, then the others in field
// order). Every run ends with results, one of its messages, or a run-time error.
#include <string_view>

#include "AnalysisRunCheck.h"
#include "catalogue/ProgramCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t end = input.find('\n');
    if (end == std::string_view::npos) {
        return 0;
    }
    const vardolin::AnalysisDescription* analysis =
        vardolin::ProgramCatalogue().FindById(input.substr(0, end));
    if (analysis == nullptr) {
        return 0;
    }
    return vardolin::fuzz::FuzzAnalysisRun(*analysis, data + end + 1, size - end - 1);
}

// SPDX-License-Identifier: MIT
// A slice-method run on arbitrary texts in all of its input fields (one line each: the count,
// then the others in field order) ends, promptly, with results, one of its messages, or a
// run-time error; a stopped run leaves the result fields alone.
#include "AnalysisRunCheck.h"
#include "circle/SliceMethodDescription.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return vardolin::fuzz::FuzzAnalysisRun(vardolin::SliceMethod(), data, size);
}

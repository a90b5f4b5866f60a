// SPDX-License-Identifier: MIT
// A plane-failure run on arbitrary texts in all of its input fields (one line each: the count,
// then the others in field order) ends with results, one of its messages, or a run-time error.
#include "AnalysisRunCheck.h"
#include "plane/PlaneFailureDescription.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return vardolin::fuzz::FuzzAnalysisRun(vardolin::PlaneFailure(), data, size);
}

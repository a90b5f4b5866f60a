// SPDX-License-Identifier: MIT
// Any bytes given to the part-file reader give a part or a refusal that names the file; a part
// read is whole (one factor, one status and its values for each trial of its range), and writing
// it and reading that back gives it again, every number to the bit. Merging it alone gives a run
// or a refusal, never a crash.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzFields.h"
#include "files/PartFile.h"

namespace {

using namespace vardolin;

bool SameBits(const std::vector<double>& a, const std::vector<double>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::bit_cast<std::uint64_t>(a[i]) != std::bit_cast<std::uint64_t>(b[i]) &&
            !(a[i] != a[i] && b[i] != b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    PartFile part;
    try {
        part = ReadPart(bytes, "fuzz.part.json");
    } catch (const PartFileError&) {
        return 0;
    }
    fuzz::Require(part.records.complete(), "a part without every trial of its range");
    const PartFile again = ReadPart(WritePart(part), "again.part.json");
    fuzz::Require(again.part == part.part, "the part's place changed on the way");
    fuzz::Require(again.model == part.model && again.modelDigest == part.modelDigest,
                  "the model changed on the way");
    fuzz::Require(again.uniformStateAtStart == part.uniformStateAtStart,
                  "the starting state changed on the way");
    fuzz::Require(again.records.statuses == part.records.statuses, "a status changed on the way");
    fuzz::Require(SameBits(again.records.factors, part.records.factors) &&
                      SameBits(again.records.values, part.records.values),
                  "a number changed on the way");
    try {
        MergeParts({part}, part.programVersion);
    } catch (const PartFileError&) {
    }
    return 0;
}

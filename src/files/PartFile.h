// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/SplitRun.h"
#include "files/Model.h"

namespace vardolin {

// The file of one part of a split run (vardolin-run --part K/N): JSON, with the model it ran in
// its canonical text, so that the merge needs nothing else; its digest, by which parts of one
// model are known; the program's version; which part of how many; the whole run's trial count
// and the sequence state it started from; and every trial of the part's range as drawn and
// worked out: its values, factor and status.
inline constexpr std::string_view kPartFormat = "vardolin-part";
inline constexpr int kPartFormatVersion = 1;

struct PartFile {
    std::string fileName;  // where it was read from, for messages; not written
    std::string programVersion;
    std::string modelFile;  // the model as the command line named it
    std::string model;      // CanonicalModelText
    std::string modelDigest;
    RunPart part;
    std::uint32_t uniformStateAtStart = 0;
    TrialRecords records;
};

// A file that is no part file, or parts that do not make one run; what() names the file.
class PartFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text of the model as run: its inputs as the run took them (overrides applied), its
// sampling choices and unit system, without a saved run, as this program writes it.
std::string CanonicalModelText(Model model);
// A hash of that text: "fnv1a64:" and 16 hexadecimal digits. It tells parts of one model from
// those of another, not a text made to collide.
std::string ModelDigest(std::string_view canonicalText);

std::string WritePart(const PartFile& part);
// Throws PartFileError naming `fileName` for a text that is no part file of this format.
PartFile ReadPart(std::string_view bytes, std::string_view fileName);
PartFile ReadPartFile(const std::filesystem::path& path);

// The run the parts make together: its model and every trial, 0 first.
struct MergedParts {
    std::string modelFile;
    std::string model;
    std::uint32_t uniformStateAtStart = 0;
    TrialRecords records;
};

// Puts the parts together, in any order given. Throws PartFileError for a part written by
// another program version than `programVersion`, a model text that does not give its digest,
// parts of different splits (N), models, model files or starting states, a part given twice,
// a part missing, and trials that are not those of the part's range.
MergedParts MergeParts(const std::vector<PartFile>& parts, std::string_view programVersion);

}  // namespace vardolin

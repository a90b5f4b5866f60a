// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/AnalysisCatalogue.h"
#include "files/Model.h"

namespace vardolin {

// A model as read, with what the reader had to fill in (an input the file lacks takes the form's
// default text, and the note says so).
struct ModelRead {
    Model model;
    std::vector<std::string> notes;
};

// Reads the text of a model file of one of the catalogue's analyses. `fileName` only names the
// file in messages. A file that is not
// a model of this program throws ModelFileError naming the file and the key or position, and
// gives nothing: not JSON, not an object, a later format, an unknown analysis, an unknown or
// repeated key, a value of the wrong type, a text longer than kMaxFieldTextBytes or with control
// characters, more than kMaxModelFileBytes, a saved run that is not one.
ModelRead ReadModel(std::string_view bytes, std::string_view fileName,
                    const AnalysisCatalogue& catalogue);

// Reads the file at `path` (refused unread if it is larger than kMaxModelFileBytes).
ModelRead ReadModelFile(const std::filesystem::path& path, const AnalysisCatalogue& catalogue);

}  // namespace vardolin

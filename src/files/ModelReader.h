// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/AnalysisCatalogue.h"
#include "files/Model.h"

namespace vardolin {

// A model as read, with what the reader had to fill in or take otherwise than as a text: an input
// the file lacks (the form's default text, or a text supplied from elsewhere), an input written
// as a JSON number. Each note says which text was taken and where it came from.
struct ModelRead {
    Model model;
    std::vector<std::string> notes;
};

// A text for an input, given other than by the file, and where it came from ("--set x=1").
struct SuppliedText {
    std::string text;
    std::string source;
};

struct ModelReadOptions {
    // An input the file lacks is an error rather than a default (a text supplied is taken).
    bool strict = false;
    // The text for an input the file lacks, if one is given elsewhere.
    std::function<std::optional<SuppliedText>(const AnalysisDescription&, std::string_view key)>
        supply;
};

// Reads the text of a model file of one of the catalogue's analyses. `fileName` only names the
// file in messages. A file that is not
// a model of this program throws ModelFileError naming the file and the key or position, and
// gives nothing: not JSON, not an object, a later format, an unknown analysis, an unknown or
// repeated key, a value of the wrong type (an input may be a text or a number: 20 is taken as
// "20", 0.5 as "0.5", the shortest decimal that reads back as the same double), a text longer than
// kMaxFieldTextBytes or with control characters, more than kMaxModelFileBytes, a saved run that is
// not one.
ModelRead ReadModel(std::string_view bytes, std::string_view fileName,
                    const AnalysisCatalogue& catalogue, const ModelReadOptions& options = {});

// Reads the file at `path` (refused unread if it is larger than kMaxModelFileBytes).
ModelRead ReadModelFile(const std::filesystem::path& path, const AnalysisCatalogue& catalogue,
                        const ModelReadOptions& options = {});

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "analysis/AnalysisDescription.h"

namespace vardolin {

// An input's text as a model file and `--json` give it: the text itself, or for a table input
// its rows as an array of arrays of texts.
nlohmann::ordered_json InputJson(const AnalysisDescription& analysis, const FieldFact& field,
                                 const std::string& text);

}  // namespace vardolin

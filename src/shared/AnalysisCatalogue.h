// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

#include "shared/AnalysisDescription.h"

namespace vardolin {

// Every analysis the program offers, in menu order. The one place that knows them all: the
// windows, the model files, the command-line runner and the tests find them here.
std::span<const AnalysisDescription* const> Analyses();

// The analysis of a model-file id or of a form name, or nullptr.
const AnalysisDescription* FindAnalysisById(std::string_view id);
const AnalysisDescription* FindAnalysisByForm(std::string_view formName);

}  // namespace vardolin

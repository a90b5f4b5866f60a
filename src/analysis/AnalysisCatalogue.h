// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

#include "analysis/AnalysisDescription.h"

namespace vardolin {

// The analyses a program offers, in menu order. The program's own list is made above the
// analyses (catalogue/); the windows, the model files and the runner are handed one, so that
// they work for any analysis it holds, a test's own included.
class AnalysisCatalogue {
public:
    // `analyses` must outlive the catalogue.
    explicit AnalysisCatalogue(std::span<const AnalysisDescription* const> analyses)
        : analyses_(analyses) {}

    std::span<const AnalysisDescription* const> analyses() const { return analyses_; }
    auto begin() const { return analyses_.begin(); }
    auto end() const { return analyses_.end(); }

    // The analysis of a model-file id or of a form name, or nullptr.
    const AnalysisDescription* FindById(std::string_view id) const;
    const AnalysisDescription* FindByForm(std::string_view formName) const;

private:
    std::span<const AnalysisDescription* const> analyses_;
};

}  // namespace vardolin

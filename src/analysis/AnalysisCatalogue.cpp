// SPDX-License-Identifier: MIT
#include "analysis/AnalysisCatalogue.h"

namespace vardolin {

const AnalysisDescription* AnalysisCatalogue::FindById(std::string_view id) const {
    for (const AnalysisDescription* analysis : analyses_) {
        if (analysis->id == id) {
            return analysis;
        }
    }
    return nullptr;
}

const AnalysisDescription* AnalysisCatalogue::FindByForm(std::string_view formName) const {
    for (const AnalysisDescription* analysis : analyses_) {
        if (formName == analysis->formName) {
            return analysis;
        }
    }
    return nullptr;
}

}  // namespace vardolin

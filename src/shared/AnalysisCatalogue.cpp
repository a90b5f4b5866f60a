// SPDX-License-Identifier: MIT
#include "shared/AnalysisCatalogue.h"

#include <array>

#include "circle/SliceMethodDescription.h"
#include "plane/PlaneFailureDescription.h"

namespace vardolin {

std::span<const AnalysisDescription* const> Analyses() {
    static const std::array kAnalyses{
        &PlaneFailure(),
        &SliceMethod(),
    };
    return kAnalyses;
}

const AnalysisDescription* FindAnalysisById(std::string_view id) {
    for (const AnalysisDescription* analysis : Analyses()) {
        if (analysis->id == id) {
            return analysis;
        }
    }
    return nullptr;
}

const AnalysisDescription* FindAnalysisByForm(std::string_view formName) {
    for (const AnalysisDescription* analysis : Analyses()) {
        if (formName == analysis->formName) {
            return analysis;
        }
    }
    return nullptr;
}

}  // namespace vardolin

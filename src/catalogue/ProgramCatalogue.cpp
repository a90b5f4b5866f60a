// SPDX-License-Identifier: MIT
#include "catalogue/ProgramCatalogue.h"

#include <array>

#include "catalogue/ProgramAnalyses.h"

namespace vardolin {

namespace {

template <class... Analysis>
std::span<const AnalysisDescription* const> DescriptionsOf(AnalysisList<Analysis...>) {
    static const std::array<const AnalysisDescription*, sizeof...(Analysis)> descriptions{
        &Analysis::Description()...};
    return descriptions;
}

}  // namespace

AnalysisCatalogue ProgramCatalogue() {
    return AnalysisCatalogue(DescriptionsOf(ProgramAnalyses{}));
}

}  // namespace vardolin

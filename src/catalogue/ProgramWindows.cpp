// SPDX-License-Identifier: MIT
#include "catalogue/ProgramWindows.h"

#include <array>

#include "catalogue/ProgramAnalyses.h"

namespace vardolin {

namespace {

template <class... Analysis>
std::span<const forms::AnalysisWindow* const> WindowsOf(AnalysisList<Analysis...>) {
    static const std::array<const forms::AnalysisWindow*, sizeof...(Analysis)> windows{
        &Analysis::Window()...};
    return windows;
}

}  // namespace

forms::WindowCatalogue ProgramWindows() {
    return forms::WindowCatalogue(WindowsOf(ProgramAnalyses{}));
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "forms/AnalysisWindow.h"

#include <stdexcept>
#include <string>

namespace vardolin::forms {

const AnalysisWindow& WindowCatalogue::Of(std::string_view id) const {
    for (const AnalysisWindow* window : windows_) {
        if (window->id == id) {
            return *window;
        }
    }
    throw std::logic_error("no window for the analysis " + std::string(id));
}

}  // namespace vardolin::forms

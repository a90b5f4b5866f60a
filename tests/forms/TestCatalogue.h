// SPDX-License-Identifier: MIT
// The catalogue the window suites walk: the program's analyses, then the tests' own, each with
// its window. Every suite that covers "each analysis" takes its rows from here and derives what
// it expects from each description, so a test analysis joins them all by its header's include
// and its line in kTestAnalyses.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ConstantAnalysis.h"
#include "catalogue/ProgramCatalogue.h"
#include "catalogue/ProgramWindows.h"
#include "forms/AnalysisWindow.h"
#include "forms/ControlTable.h"
#include "wedge_analysis/WedgeWindow.h"

namespace vardolin::forms::testing_support {

// Where the tests' own analyses are declared.
namespace test_analyses = vardolin::testing_support;

using vardolin::testing_support::kConstantAnalysis;
using vardolin::testing_support::kConstantCount;

inline constexpr DesignFont kConstantFont{};

// clang-format off
inline constexpr std::array kConstantControls{
    ControlRow{ControlKind::TextField, "Text1",    kNoIndex, nullptr, kNoIndex, 120,  120, 1200, 285, "",            kConstantFont, 0},
    ControlRow{ControlKind::TextField, "Text17",   kNoIndex, nullptr, kNoIndex, 120,  480, 1200, 285, "",            kConstantFont, 1},
    ControlRow{ControlKind::TextField, "Text6",    kNoIndex, nullptr, kNoIndex, 120,  840, 1200, 285, "",            kConstantFont, 2},
    ControlRow{ControlKind::TextField, "Text5",    kNoIndex, nullptr, kNoIndex, 120, 1200, 3000, 285, "",            kConstantFont, 3},
    ControlRow{ControlKind::TextField, "Text7",    kNoIndex, nullptr, kNoIndex, 120, 1560, 3000, 285, "",            kConstantFont, 4},
    ControlRow{ControlKind::Button,    "Command1", kNoIndex, nullptr, kNoIndex, 120, 1920, 1500, 495, "Calculation", kConstantFont, 5},
    ControlRow{ControlKind::Button,    "Command4", kNoIndex, nullptr, kNoIndex, 1800, 1920, 1500, 495, "Clear Data", kConstantFont, 6},
    ControlRow{ControlKind::Button,    "Command5", kNoIndex, nullptr, kNoIndex, 3480, 1920, 1500, 495, "Histogram",  kConstantFont, 7},
};
// clang-format on

inline constexpr AnalysisWindow kConstantWindow{
    .id = kConstantAnalysis.id,
    .menuCaption = "Constant Factor",
    .controls = kConstantControls,
    .clientWidthTwips = 5100,
    .clientHeightTwips = 2600,
    .navigation = {},
};

// A test analysis and its window.
struct TestAnalysis {
    const AnalysisDescription* description;
    const AnalysisWindow* window;
};

// The tests' own analyses, one line each, after the program's on the main menu.
inline constexpr std::array kTestAnalyses{
    TestAnalysis{&kConstantAnalysis, &kConstantWindow},
    TestAnalysis{&test_analyses::wedge::kWedgeAnalysis, &test_analyses::wedge::kWedgeWindow},
};

// The program's analyses, then the tests' own.
inline AnalysisCatalogue TestCatalogue() {
    static const std::vector<const AnalysisDescription*> analyses = [] {
        std::vector<const AnalysisDescription*> all(ProgramCatalogue().begin(),
                                                    ProgramCatalogue().end());
        for (const TestAnalysis& analysis : kTestAnalyses) {
            all.push_back(analysis.description);
        }
        return all;
    }();
    return AnalysisCatalogue(analyses);
}

// Their windows.
inline WindowCatalogue TestWindows() {
    static const std::vector<const AnalysisWindow*> windows = [] {
        std::vector<const AnalysisWindow*> all;
        const WindowCatalogue program = ProgramWindows();
        for (const AnalysisDescription* analysis : ProgramCatalogue()) {
            all.push_back(&program.Of(analysis->id));
        }
        for (const TestAnalysis& analysis : kTestAnalyses) {
            all.push_back(analysis.window);
        }
        return all;
    }();
    return WindowCatalogue(windows);
}

// The rows of a suite that covers each analysis of the test catalogue, named by its form.
inline std::vector<const AnalysisDescription*> TestAnalyses() {
    const AnalysisCatalogue catalogue = TestCatalogue();
    return {catalogue.begin(), catalogue.end()};
}

struct AnalysisRowName {
    std::string operator()(const ::testing::TestParamInfo<const AnalysisDescription*>& row) const {
        return row.param->formName;
    }
};

}  // namespace vardolin::forms::testing_support

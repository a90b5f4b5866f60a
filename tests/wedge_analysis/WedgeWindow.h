// SPDX-License-Identifier: MIT
// The tests' wedge's form: the count, the ground points' table, each input's average and
// standard deviation on a row, the report fields and the form's buttons.
#pragma once

#include <array>

#include "forms/AnalysisWindow.h"
#include "forms/ControlTable.h"
#include "wedge_analysis/WedgeAnalysis.h"

namespace vardolin::testing_support::wedge {

inline constexpr DesignFont kWedgeFont{};

// clang-format off
inline constexpr std::array kWedgeControls{
    ControlRow{ControlKind::TextField, "Text1",    kNoIndex, nullptr, kNoIndex,  120,  120, 1200,  285, "",            kWedgeFont,  0},
    ControlRow{ControlKind::TextField, "Text2",    kNoIndex, nullptr, kNoIndex,  120,  480, 4200, 2400, "",            kWedgeFont,  1},
    ControlRow{ControlKind::TextField, "Text20",   kNoIndex, nullptr, kNoIndex, 4560,  480, 1500,  285, "",            kWedgeFont,  2},
    ControlRow{ControlKind::TextField, "Text21",   kNoIndex, nullptr, kNoIndex, 6180,  480, 1500,  285, "",            kWedgeFont,  3},
    ControlRow{ControlKind::TextField, "Text22",   kNoIndex, nullptr, kNoIndex, 4560,  840, 1500,  285, "",            kWedgeFont,  4},
    ControlRow{ControlKind::TextField, "Text23",   kNoIndex, nullptr, kNoIndex, 6180,  840, 1500,  285, "",            kWedgeFont,  5},
    ControlRow{ControlKind::TextField, "Text24",   kNoIndex, nullptr, kNoIndex, 4560, 1200, 1500,  285, "",            kWedgeFont,  6},
    ControlRow{ControlKind::TextField, "Text25",   kNoIndex, nullptr, kNoIndex, 6180, 1200, 1500,  285, "",            kWedgeFont,  7},
    ControlRow{ControlKind::TextField, "Text26",   kNoIndex, nullptr, kNoIndex, 4560, 1560, 1500,  285, "",            kWedgeFont,  8},
    ControlRow{ControlKind::TextField, "Text27",   kNoIndex, nullptr, kNoIndex, 6180, 1560, 1500,  285, "",            kWedgeFont,  9},
    ControlRow{ControlKind::TextField, "Text28",   kNoIndex, nullptr, kNoIndex, 4560, 1920, 1500,  285, "",            kWedgeFont, 10},
    ControlRow{ControlKind::TextField, "Text29",   kNoIndex, nullptr, kNoIndex, 6180, 1920, 1500,  285, "",            kWedgeFont, 11},
    ControlRow{ControlKind::TextField, "Text30",   kNoIndex, nullptr, kNoIndex, 4560, 2280, 1500,  285, "",            kWedgeFont, 12},
    ControlRow{ControlKind::TextField, "Text31",   kNoIndex, nullptr, kNoIndex, 6180, 2280, 1500,  285, "",            kWedgeFont, 13},
    ControlRow{ControlKind::TextField, "Text17",   kNoIndex, nullptr, kNoIndex,  120, 3000, 1200,  285, "",            kWedgeFont, 14},
    ControlRow{ControlKind::TextField, "Text6",    kNoIndex, nullptr, kNoIndex,  120, 3360, 1200,  285, "",            kWedgeFont, 15},
    ControlRow{ControlKind::TextField, "Text5",    kNoIndex, nullptr, kNoIndex,  120, 3720, 7560,  285, "",            kWedgeFont, 16},
    ControlRow{ControlKind::TextField, "Text7",    kNoIndex, nullptr, kNoIndex,  120, 4080, 7560,  285, "",            kWedgeFont, 17},
    ControlRow{ControlKind::Button,    "Command1", kNoIndex, nullptr, kNoIndex,  120, 4440, 1500,  495, "Calculation", kWedgeFont, 18},
    ControlRow{ControlKind::Button,    "Command4", kNoIndex, nullptr, kNoIndex, 1800, 4440, 1500,  495, "Clear Data",  kWedgeFont, 19},
    ControlRow{ControlKind::Button,    "Command5", kNoIndex, nullptr, kNoIndex, 3480, 4440, 1500,  495, "Histogram",   kWedgeFont, 20},
};
// clang-format on

inline constexpr forms::AnalysisWindow kWedgeWindow{
    .id = kWedgeAnalysis.id,
    .menuCaption = "Test Wedge",
    .controls = kWedgeControls,
    .clientWidthTwips = 7800,
    .clientHeightTwips = 5100,
    .navigation = {},
};

}  // namespace vardolin::testing_support::wedge

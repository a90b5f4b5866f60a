// SPDX-License-Identifier: MIT
#include <array>

#include "forms/AnalysisWindow.h"
#include "slice_method/SliceMethodDescription.h"

namespace vardolin {

namespace {

using forms::AnalysisWindow;
using forms::NavigationButton;

using enum ControlKind;

constexpr DesignFont kDefault{};
constexpr int kNone = kNoIndex;

// Client area 12105 x 10560 twips. Every control lies inside the frame that contains it:
// Frame1 holds everything but the banner; the two data frames are the control array Frame2,
// "Statistical Data" (1) inside "Required Data" (0), which also holds the results. Within each
// container the rows are in stacking order, bottom first.
constexpr std::array kControls = {
    // clang-format off
    //          kind       name        idx   in          idx    left   top  width height text                                       font                         tab
    ControlRow{Label,     "Label1",   kNone, nullptr,   kNone, 4440,  120, 2535,  495, "VARDOLIN",                                 {"Arial Black", 21.75, false}, 36},
    ControlRow{Frame,     "Frame1",   kNone, nullptr,   kNone,  120,  600, 11775, 9855, "Method of Slice ",                        {"Arial", 9.75, true},        0},

    ControlRow{Frame,     "Frame2",       0, "Frame1",  kNone,  120,  240, 5415, 9495, "Required Data",                            {"Arial", 11.25, true},       1},
    ControlRow{Label,     "Label3",   kNone, "Frame2",      0,  120,  360, 1455,  255, "Slope Height :",                           kDefault,                    37},
    ControlRow{TextField, "Text2",    kNone, "Frame2",      0, 3960,  360, 1335,  285, "",                                         kDefault,                    41},
    ControlRow{Label,     "Label2",   kNone, "Frame2",      0,  120,  720, 1215,  495, "X1 :",                                     kDefault,                    46},
    ControlRow{TextField, "Text1",    kNone, "Frame2",      0, 3960,  720, 1335,  285, "",                                         kDefault,                    49},
    ControlRow{Label,     "Label5",   kNone, "Frame2",      0,  120, 1080, 1335,  495, "X2 :",                                     kDefault,                    47},
    ControlRow{TextField, "Text3",    kNone, "Frame2",      0, 3960, 1080, 1335,  285, "",                                         kDefault,                    50},
    ControlRow{Label,     "Label7",   kNone, "Frame2",      0,  120, 1440,  855,  255, "Y2 :",                                     kDefault,                    48},
    ControlRow{TextField, "Text4",    kNone, "Frame2",      0, 3960, 1440, 1335,  285, "",                                         kDefault,                    51},
    ControlRow{Label,     "Label13",  kNone, "Frame2",      0,  120, 1800, 1455,  375, "Angle :",                                  kDefault,                    53},
    ControlRow{TextField, "Text8",    kNone, "Frame2",      0, 3960, 1800, 1335,  285, "",                                         kDefault,                    52},
    ControlRow{Label,     "Label8",   kNone, "Frame2",      0,  120, 2160, 1695,  255, "Number of Slice :",                        kDefault,                    39},
    ControlRow{TextField, "Text19",   kNone, "Frame2",      0, 3960, 2160, 1335,  285, "",                                         kDefault,                    42},
    ControlRow{Label,     "Label4",   kNone, "Frame2",      0,  120, 2520, 1935,  375, "Unit Weight of Water :",                   kDefault,                    38},
    ControlRow{TextField, "Text20",   kNone, "Frame2",      0, 3960, 2520, 1335,  285, "",                                         kDefault,                    43},
    ControlRow{Label,     "Label9",   kNone, "Frame2",      0,  120, 2880, 1935,  375, "Number of Calculation :",                  kDefault,                    40},
    ControlRow{TextField, "Text21",   kNone, "Frame2",      0, 3960, 2880, 1335,  285, "",                                         kDefault,                    44},

    ControlRow{Frame,     "Frame2",       1, "Frame2",      0,  120, 3360, 5175, 3615, "Statistical Data",                         {"MS Sans Serif", 8.25, true}, 2},
    ControlRow{Frame,     "Frame3",   kNone, "Frame2",      1,  240,  240, 4695,  735, "Cohesion of Discontinuity Surface",        kDefault,                    18},
    ControlRow{Label,     "Label10",      0, "Frame3",  kNone,  120,  240, 1575,  375, "Average :",                                kDefault,                    22},
    ControlRow{TextField, "Text9",    kNone, "Frame3",  kNone,  960,  240,  975,  285, "",                                         kDefault,                    20},
    ControlRow{Label,     "Label11",      0, "Frame3",  kNone, 2040,  240, 1455,  375, "Standard deviation :",                     kDefault,                    21},
    ControlRow{TextField, "Text10",   kNone, "Frame3",  kNone, 3600,  240,  975,  285, "",                                         kDefault,                    19},
    ControlRow{Frame,     "Frame4",   kNone, "Frame2",      1,  240, 1080, 4695,  735, "Friction Angle of Discontinuty Surface",   kDefault,                    13},
    ControlRow{Label,     "Label10",      1, "Frame4",  kNone,  120,  240, 1575,  375, "Average :",                                kDefault,                    17},
    ControlRow{TextField, "Text11",   kNone, "Frame4",  kNone,  960,  210,  975,  285, "",                                         kDefault,                    15},
    ControlRow{Label,     "Label11",      1, "Frame4",  kNone, 2040,  240, 1455,  375, "Standard deviation :",                     kDefault,                    16},
    ControlRow{TextField, "Text12",   kNone, "Frame4",  kNone, 3600,  240,  975,  285, "",                                         kDefault,                    14},
    ControlRow{Frame,     "Frame5",   kNone, "Frame2",      1,  240, 1920, 4695,  735, "Unit Weight of Rock",                      kDefault,                     8},
    ControlRow{Label,     "Label10",      2, "Frame5",  kNone,  120,  240, 1575,  375, "Average :",                                kDefault,                    12},
    ControlRow{TextField, "Text13",   kNone, "Frame5",  kNone,  960,  240,  975,  285, "",                                         kDefault,                    10},
    ControlRow{Label,     "Label11",      2, "Frame5",  kNone, 2040,  240, 1455,  375, "Standard deviation :",                     kDefault,                    11},
    ControlRow{TextField, "Text14",   kNone, "Frame5",  kNone, 3600,  240,  975,  285, "",                                         kDefault,                     9},
    ControlRow{Frame,     "Frame6",   kNone, "Frame2",      1,  240, 2760, 4695,  735, "Water Height",                             kDefault,                     3},
    ControlRow{Label,     "Label10",      3, "Frame6",  kNone,  120,  240, 1575,  375, "Average :",                                kDefault,                     7},
    ControlRow{TextField, "Text15",   kNone, "Frame6",  kNone,  960,  240,  975,  285, "",                                         kDefault,                     5},
    ControlRow{Label,     "Label11",      3, "Frame6",  kNone, 2040,  240, 1455,  375, "Standard deviation :",                     kDefault,                     6},
    ControlRow{TextField, "Text16",   kNone, "Frame6",  kNone, 3600,  240,  975,  285, "",                                         kDefault,                     4},

    ControlRow{Frame,     "Frame7",   kNone, "Frame2",      0,  120, 6960, 5175, 2415, "Result of Safty factor :",                 kDefault,                    23},
    ControlRow{Label,     "Label12",  kNone, "Frame7",  kNone,  120,  360, 1815,  255, "Failure Probability (%):",                 kDefault,                    28},
    ControlRow{TextField, "Text17",   kNone, "Frame7",  kNone, 2640,  240, 2415,  375, "",                                         kDefault,                    25},
    ControlRow{Label,     "Label6",   kNone, "Frame7",  kNone,  120,  720, 1935,  255, "Saifty Factor :",                          kDefault,                    29},
    ControlRow{TextField, "Text6",    kNone, "Frame7",  kNone, 2640,  720, 2415,  375, "",                                         kDefault,                    26},
    ControlRow{Button,    "Command5", kNone, "Frame7",  kNone,  360, 1200, 1815,  495, "Histogram",                                kDefault,                    45},
    ControlRow{Button,    "Command1", kNone, "Frame7",  kNone, 3000, 1200, 1815, 1095, "Calculation",                              kDefault,                    24},
    ControlRow{Button,    "Command4", kNone, "Frame7",  kNone,  360, 1800, 1815,  495, "Clear Data",                               kDefault,                    27},

    ControlRow{Picture,   "Image1",   kNone, "Frame1",  kNone, 5760,  360, 5610, 5370, ":/diagrams/SliceDiagram.svg",                 kDefault,                 kNoTab},
    ControlRow{Frame,     "Frame10",  kNone, "Frame1",  kNone, 5760, 6000, 5655, 1095, "Massage :",                                kDefault,                    30},
    ControlRow{TextField, "Text5",    kNone, "Frame10", kNone,  240,  240, 5175,  735, "",                                         kDefault,                    33},
    ControlRow{Frame,     "Frame8",   kNone, "Frame1",  kNone, 5760, 7200, 5655, 1695, "Explanation :",                            kDefault,                    31},
    ControlRow{TextField, "Text7",    kNone, "Frame8",  kNone,  240,  240, 5175, 1215, "",                                         kDefault,                    32},
    ControlRow{Button,    "Command2", kNone, "Frame1",  kNone, 5760, 9120, 3735,  495, "Go to Limiting Equilibrium",               kDefault,                    34},
    ControlRow{Button,    "Command3", kNone, "Frame1",  kNone, 9720, 9120, 1815,  495, "Return",                                   kDefault,                    35},
    // clang-format on
};

constexpr std::array<NavigationButton, 2> kNavigation{{
    {"Command2", "Vardolin"},  // "Go to Limiting Equilibrium"
    {"Command3", "Form1"},     // "Return"
}};

constexpr AnalysisWindow kSliceMethodWindow{
    .id = "slice_method",
    .menuCaption = "Slice Method",
    .controls = kControls,
    .clientWidthTwips = 12105,
    .clientHeightTwips = 10560,
    .navigation = kNavigation,
};

}  // namespace

const forms::AnalysisWindow& SliceMethodAnalysis::Window() {
    return kSliceMethodWindow;
}

}  // namespace vardolin

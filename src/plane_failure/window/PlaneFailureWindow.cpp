// SPDX-License-Identifier: MIT
#include <array>

#include "forms/AnalysisWindow.h"
#include "plane_failure/PlaneFailureDescription.h"

namespace vardolin {

namespace {

using forms::AnalysisWindow;
using forms::NavigationButton;

using enum ControlKind;

constexpr DesignFont kDefault{};
constexpr int kNone = kNoIndex;

// Client area 12075 x 10440 twips. Within each container the rows are in stacking order, bottom
// first. Frame1 and Frame2 sit on the form, above Frame9, and Text5 sits in Frame9, above
// Frame10: on screen they appear nested although they are not each other's children.
constexpr std::array kControls = {
    // clang-format off
    //          kind       name        idx   in          idx    left   top  width height text                                       font                         tab
    ControlRow{Label,     "Label1",   kNone, nullptr,   kNone, 4680,    0, 2535,  615, "VARDOLIN",                                 {"Arial Black", 21.75, false}, 0},
    ControlRow{Frame,     "Frame9",   kNone, nullptr,   kNone,  240,  600, 11655, 9615, "Limiting Equilibrium",                    {"Arial", 9.75, true},       37},
    ControlRow{Picture,   "Image1",   kNone, "Frame9",  kNone, 5880,  360, 5625, 5385, ":/diagrams/PlaneDiagram.svg",                 kDefault,                 kNoTab},
    ControlRow{Frame,     "Frame10",  kNone, "Frame9",  kNone, 5880, 5880, 5655, 1095, "Massage :",                                kDefault,                    39},
    ControlRow{TextField, "Text5",    kNone, "Frame9",  kNone, 6120, 6120, 5175,  735, "",                                         kDefault,                    38},
    ControlRow{Frame,     "Frame8",   kNone, "Frame9",  kNone, 5880, 7080, 5655, 1695, "Explanation :",                            kDefault,                    46},
    ControlRow{TextField, "Text7",    kNone, "Frame8",  kNone,  240,  240, 5175, 1215, "",                                         kDefault,                    47},

    ControlRow{Frame,     "Frame1",   kNone, nullptr,   kNone,  360,  840, 5415, 9135, "Reguired Data",                            {"Arial", 11.25, true},       1},
    ControlRow{Label,     "Label2",   kNone, "Frame1",  kNone,  120,  360, 1335,  255, "Slope Height :",                           kDefault,                     2},
    ControlRow{TextField, "Text1",    kNone, "Frame1",  kNone, 4080,  360, 1215,  285, "",                                         kDefault,                     3},
    ControlRow{Label,     "Label3",   kNone, "Frame1",  kNone,  120,  720, 1815,  255, "Slope Face Angle :",                       kDefault,                     4},
    ControlRow{TextField, "Text2",    kNone, "Frame1",  kNone, 4080,  720, 1215,  285, "",                                         kDefault,                     5},
    ControlRow{Label,     "Label5",   kNone, "Frame1",  kNone,  120, 1080, 1695,  375, "Discontinuity Angle :",                    kDefault,                     7},
    ControlRow{TextField, "Text3",    kNone, "Frame1",  kNone, 4080, 1080, 1215,  285, "",                                         kDefault,                     6},
    ControlRow{Label,     "Label13",  kNone, "Frame1",  kNone,  120, 1440, 2055,  255, "Unit Weight of Water :",                   kDefault,                    30},
    ControlRow{TextField, "Text18",   kNone, "Frame1",  kNone, 4080, 1440, 1215,  285, "",                                         kDefault,                    31},
    ControlRow{Label,     "Label4",   kNone, "Frame1",  kNone,  120, 1800, 1935,  375, "Height :",                                 kDefault,                    35},
    ControlRow{TextField, "Text19",   kNone, "Frame1",  kNone, 4080, 1800, 1215,  285, "",                                         kDefault,                    33},
    ControlRow{Label,     "Label14",  kNone, "Frame1",  kNone,  120, 2160, 2775,  375, "Namber of Calculation :",                  kDefault,                    32},
    ControlRow{TextField, "Text4",    kNone, "Frame1",  kNone, 4080, 2160, 1215,  285, "",                                         kDefault,                    36},
    ControlRow{Frame,     "Frame7",   kNone, "Frame1",  kNone,  120, 6360, 5175, 2535, "Result of Safty factor :",                 kDefault,                    40},
    ControlRow{Label,     "Label12",  kNone, "Frame7",  kNone,  120,  360, 1815,  255, "Failure Probability (%):",                 kDefault,                    44},
    ControlRow{TextField, "Text17",   kNone, "Frame7",  kNone, 2640,  240, 2415,  375, "",                                         kDefault,                    49},
    ControlRow{Label,     "Label6",   kNone, "Frame7",  kNone,  120,  720, 1935,  255, "Saifty Factor :",                          kDefault,                    43},
    ControlRow{TextField, "Text6",    kNone, "Frame7",  kNone, 2640,  720, 2415,  375, "",                                         kDefault,                    42},
    ControlRow{Button,    "Command5", kNone, "Frame7",  kNone,  240, 1200, 1815,  495, "Histogram",                                kDefault,                    48},
    ControlRow{Button,    "Command1", kNone, "Frame7",  kNone, 3000, 1200, 1815, 1095, "Calculation",                              kDefault,                    45},
    ControlRow{Button,    "Command4", kNone, "Frame7",  kNone,  240, 1800, 1815,  495, "Clear Data",                               kDefault,                    41},

    ControlRow{Frame,     "Frame2",   kNone, nullptr,   kNone,  480, 3480, 5175, 3615, "Statistical Data",                         {"MS Sans Serif", 8.25, true}, 8},
    ControlRow{Frame,     "Frame3",   kNone, "Frame2",  kNone,  240,  240, 4695,  735, "Cohesion of Discontinuity Surface",        kDefault,                     9},
    ControlRow{Label,     "Label10",      0, "Frame3",  kNone,  120,  240, 1575,  375, "Average :",                                kDefault,                    13},
    ControlRow{TextField, "Text9",    kNone, "Frame3",  kNone,  960,  240,  975,  285, "",                                         kDefault,                    14},
    ControlRow{Label,     "Label11",      0, "Frame3",  kNone, 2040,  240, 1455,  375, "Standard deviation :",                     kDefault,                    15},
    ControlRow{TextField, "Text10",   kNone, "Frame3",  kNone, 3600,  240,  975,  285, "",                                         kDefault,                    16},
    ControlRow{Frame,     "Frame4",   kNone, "Frame2",  kNone,  240, 1080, 4695,  735, "Friction Angle of Discontinuty Surface",   kDefault,                    10},
    ControlRow{Label,     "Label10",      1, "Frame4",  kNone,  120,  240, 1575,  375, "Average :",                                kDefault,                    17},
    ControlRow{TextField, "Text11",   kNone, "Frame4",  kNone,  960,  210,  975,  285, "",                                         kDefault,                    19},
    ControlRow{Label,     "Label11",      1, "Frame4",  kNone, 2040,  240, 1455,  375, "Standard deviation :",                     kDefault,                    18},
    ControlRow{TextField, "Text12",   kNone, "Frame4",  kNone, 3600,  240,  975,  285, "",                                         kDefault,                    20},
    ControlRow{Frame,     "Frame5",   kNone, "Frame2",  kNone,  240, 1920, 4695,  735, "Unit Weight of Rock",                      kDefault,                    11},
    ControlRow{Label,     "Label10",      2, "Frame5",  kNone,  120,  240, 1575,  375, "Average :",                                kDefault,                    21},
    ControlRow{TextField, "Text13",   kNone, "Frame5",  kNone,  960,  240,  975,  285, "",                                         kDefault,                    25},
    ControlRow{Label,     "Label11",      2, "Frame5",  kNone, 2040,  240, 1455,  375, "Standard deviation :",                     kDefault,                    23},
    ControlRow{TextField, "Text14",   kNone, "Frame5",  kNone, 3600,  240,  975,  285, "",                                         kDefault,                    26},
    ControlRow{Frame,     "Frame6",   kNone, "Frame2",  kNone,  240, 2760, 4695,  735, "Water Height",                             kDefault,                    12},
    ControlRow{Label,     "Label10",      3, "Frame6",  kNone,  120,  240, 1575,  375, "Average :",                                kDefault,                    22},
    ControlRow{TextField, "Text15",   kNone, "Frame6",  kNone,  960,  240,  975,  285, "",                                         kDefault,                    27},
    ControlRow{Label,     "Label11",      3, "Frame6",  kNone, 2040,  240, 1455,  375, "Standard deviation :",                     kDefault,                    24},
    ControlRow{TextField, "Text16",   kNone, "Frame6",  kNone, 3600,  240,  975,  285, "",                                         kDefault,                    28},

    ControlRow{Button,    "Command2", kNone, nullptr,   kNone, 9840, 9480, 1695,  495, "Return",                                   kDefault,                    29},
    ControlRow{Button,    "Command3", kNone, nullptr,   kNone, 6120, 9480, 3615,  495, "Go to Method of Slice or Soil Mechanics",  kDefault,                    34},
    // clang-format on
};

constexpr std::array<NavigationButton, 2> kNavigation{{
    {"Command2", "Form1"},  // "Return"
    {"Command3", "vard2"},  // "Go to Method of Slice or Soil Mechanics"
}};

constexpr AnalysisWindow kPlaneFailureWindow{
    .id = "plane_failure",
    .menuCaption = "Plan Method",
    .controls = kControls,
    .clientWidthTwips = 12075,
    .clientHeightTwips = 10440,
    .navigation = kNavigation,
};

}  // namespace

const forms::AnalysisWindow& PlaneFailureAnalysis::Window() {
    return kPlaneFailureWindow;
}

}  // namespace vardolin

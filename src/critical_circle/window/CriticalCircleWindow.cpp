// SPDX-License-Identifier: MIT
#include <array>

#include "critical_circle/CriticalCircleDescription.h"
#include "critical_circle/drawing/CriticalCircleDiagram.h"
#include "forms/AnalysisWindow.h"

namespace vardolin {

namespace {

using forms::AnalysisWindow;
using forms::NavigationButton;

using enum ControlKind;

constexpr DesignFont kDefault{};
constexpr int kNone = kNoIndex;

// Client area 17400 x 10560 twips, in three columns inside the frame "Critical Circle": the
// data (slope, statistics, search grid), the given circle and the results, then the diagram
// (drawn from the inputs over the empty label Image1), the message, the explanation and the
// search method with the entry-exit search's ranges, and the acceptance criteria.
// Within each container the rows are in stacking order, bottom first.
constexpr std::array kControls = {
    // clang-format off
    //          kind              name        idx   in          idx    left   top  width height text                                       font                         tab
    ControlRow{Label,            "Label1",   kNone, nullptr,   kNone,  7432,    0,  2535,  615, "VARDOLIN",                                {"Arial Black", 21.75, false},  0},
    ControlRow{Frame,            "Frame9",   kNone, nullptr,   kNone,   240,  600, 16920, 9300, "Critical Circle",                         {"Arial", 9.75, true},          1},
    ControlRow{Frame,            "Frame1",   kNone, "Frame9",  kNone,   120,  240,  6240, 1800, "Required Data",                           {"Arial", 11.25, true},         2},
    ControlRow{Label,            "Label2",   kNone, "Frame1",  kNone,   120,  360,  2400,  255, "Slope Height :",                          kDefault,                       3},
    ControlRow{TextField,        "Text1",    kNone, "Frame1",  kNone,  3360,  360,  1215,  285, "",                                        kDefault,                       4},
    ControlRow{Label,            "Label3",   kNone, "Frame1",  kNone,   120,  720,  2400,  255, "Slope Face Angle :",                      kDefault,                       5},
    ControlRow{TextField,        "Text2",    kNone, "Frame1",  kNone,  3360,  720,  1215,  285, "",                                        kDefault,                       6},
    ControlRow{Label,            "Label4",   kNone, "Frame1",  kNone,   120, 1080,  2400,  255, "Number of Slices :",                      kDefault,                       7},
    ControlRow{TextField,        "Text3",    kNone, "Frame1",  kNone,  3360, 1080,  1215,  285, "",                                        kDefault,                       8},
    ControlRow{Label,            "Label5",   kNone, "Frame1",  kNone,   120, 1440,  2400,  255, "Number of Trials :",                      kDefault,                       9},
    ControlRow{TextField,        "Text4",    kNone, "Frame1",  kNone,  3360, 1440,  1215,  285, "",                                        kDefault,                      10},
    ControlRow{Frame,            "Frame2",   kNone, "Frame9",  kNone,   120, 2160,  6240, 3480, "Statistical Data",                        {"MS Sans Serif", 8.25, true}, 11},
    ControlRow{Frame,            "Frame3",   kNone, "Frame2",  kNone,   120,  240,  6000,  735, "Cohesion",                                kDefault,                      12},
    ControlRow{Label,            "Label10",  0,     "Frame3",  kNone,   120,  240,  1575,  375, "Average :",                               kDefault,                      13},
    ControlRow{TextField,        "Text9",    kNone, "Frame3",  kNone,   960,  240,   975,  285, "",                                        kDefault,                      14},
    ControlRow{Label,            "Label11",  0,     "Frame3",  kNone,  2700,  240,  1455,  375, "Standard deviation :",                    kDefault,                      15},
    ControlRow{TextField,        "Text10",   kNone, "Frame3",  kNone,  4260,  240,   975,  285, "",                                        kDefault,                      16},
    ControlRow{Frame,            "Frame4",   kNone, "Frame2",  kNone,   120, 1040,  6000,  735, "Friction Angle",                          kDefault,                      17},
    ControlRow{Label,            "Label10",  1,     "Frame4",  kNone,   120,  240,  1575,  375, "Average :",                               kDefault,                      18},
    ControlRow{TextField,        "Text11",   kNone, "Frame4",  kNone,   960,  240,   975,  285, "",                                        kDefault,                      19},
    ControlRow{Label,            "Label11",  1,     "Frame4",  kNone,  2700,  240,  1455,  375, "Standard deviation :",                    kDefault,                      20},
    ControlRow{TextField,        "Text12",   kNone, "Frame4",  kNone,  4260,  240,   975,  285, "",                                        kDefault,                      21},
    ControlRow{Frame,            "Frame5",   kNone, "Frame2",  kNone,   120, 1840,  6000,  735, "Unit Weight of Soil",                     kDefault,                      22},
    ControlRow{Label,            "Label10",  2,     "Frame5",  kNone,   120,  240,  1575,  375, "Average :",                               kDefault,                      23},
    ControlRow{TextField,        "Text13",   kNone, "Frame5",  kNone,   960,  240,   975,  285, "",                                        kDefault,                      24},
    ControlRow{Label,            "Label11",  2,     "Frame5",  kNone,  2700,  240,  1455,  375, "Standard deviation :",                    kDefault,                      25},
    ControlRow{TextField,        "Text14",   kNone, "Frame5",  kNone,  4260,  240,   975,  285, "",                                        kDefault,                      26},
    ControlRow{Frame,            "Frame6",   kNone, "Frame2",  kNone,   120, 2640,  6000,  735, "Pore-Pressure Ratio ru",                  kDefault,                      27},
    ControlRow{Label,            "Label10",  3,     "Frame6",  kNone,   120,  240,  1575,  375, "Average :",                               kDefault,                      28},
    ControlRow{TextField,        "Text15",   kNone, "Frame6",  kNone,   960,  240,   975,  285, "",                                        kDefault,                      29},
    ControlRow{Label,            "Label11",  3,     "Frame6",  kNone,  2700,  240,  1455,  375, "Standard deviation :",                    kDefault,                      30},
    ControlRow{TextField,        "Text16",   kNone, "Frame6",  kNone,  4260,  240,   975,  285, "",                                        kDefault,                      31},
    ControlRow{Frame,            "Frame11",  kNone, "Frame9",  kNone,   120, 5760,  6240, 3360, "Search Grid of Centres",                  {"MS Sans Serif", 8.25, true}, 32},
    ControlRow{Label,            "Label6",   kNone, "Frame11", kNone,   120,  300,  2400,  255, "Centre x from :",                         kDefault,                      33},
    ControlRow{TextField,        "Text18",   kNone, "Frame11", kNone,  3360,  300,  1215,  285, "",                                        kDefault,                      34},
    ControlRow{Label,            "Label7",   kNone, "Frame11", kNone,   120,  720,  2400,  255, "Centre x to :",                           kDefault,                      35},
    ControlRow{TextField,        "Text19",   kNone, "Frame11", kNone,  3360,  720,  1215,  285, "",                                        kDefault,                      36},
    ControlRow{Label,            "Label8",   kNone, "Frame11", kNone,   120, 1140,  2400,  255, "Centre y from :",                         kDefault,                      37},
    ControlRow{TextField,        "Text20",   kNone, "Frame11", kNone,  3360, 1140,  1215,  285, "",                                        kDefault,                      38},
    ControlRow{Label,            "Label9",   kNone, "Frame11", kNone,   120, 1560,  2400,  255, "Centre y to :",                           kDefault,                      39},
    ControlRow{TextField,        "Text21",   kNone, "Frame11", kNone,  3360, 1560,  1215,  285, "",                                        kDefault,                      40},
    ControlRow{Label,            "Label10",  kNone, "Frame11", kNone,   120, 1980,  2400,  255, "Centres per Side :",                      kDefault,                      41},
    ControlRow{TextField,        "Text22",   kNone, "Frame11", kNone,  3360, 1980,  1215,  285, "",                                        kDefault,                      42},
    ControlRow{Label,            "Label11",  kNone, "Frame11", kNone,   120, 2400,  2400,  255, "Radii per Centre :",                      kDefault,                      43},
    ControlRow{TextField,        "Text23",   kNone, "Frame11", kNone,  3360, 2400,  1215,  285, "",                                        kDefault,                      44},
    ControlRow{Label,            "Label12",  kNone, "Frame11", kNone,   120, 2820,  2400,  255, "Depth below Toe :",                       kDefault,                      45},
    ControlRow{TextField,        "Text24",   kNone, "Frame11", kNone,  3360, 2820,  1215,  285, "",                                        kDefault,                      46},
    ControlRow{Frame,            "Frame12",  kNone, "Frame9",  kNone,  6480,  240,  4920, 1560, "Given Circle (All Empty: Search)",        {"MS Sans Serif", 8.25, true}, 47},
    ControlRow{Label,            "Label13",  kNone, "Frame12", kNone,   120,  300,  2040,  255, "Centre x :",                              kDefault,                      48},
    ControlRow{TextField,        "Text25",   kNone, "Frame12", kNone,  2520,  300,  1560,  285, "",                                        kDefault,                      49},
    ControlRow{Label,            "Label14",  kNone, "Frame12", kNone,   120,  700,  2040,  255, "Centre y :",                              kDefault,                      50},
    ControlRow{TextField,        "Text26",   kNone, "Frame12", kNone,  2520,  700,  1560,  285, "",                                        kDefault,                      51},
    ControlRow{Label,            "Label15",  kNone, "Frame12", kNone,   120, 1100,  2040,  255, "Radius :",                                kDefault,                      52},
    ControlRow{TextField,        "Text27",   kNone, "Frame12", kNone,  2520, 1100,  1560,  285, "",                                        kDefault,                      53},
    ControlRow{Frame,            "Frame7",   kNone, "Frame9",  kNone,  6480, 1920,  4920, 7200, "Results",                                 kDefault,                      54},
    ControlRow{Label,            "Label16",  kNone, "Frame7",  kNone,   120,  300,  2280,  255, "Failure Probability (%):",                kDefault,                      55},
    ControlRow{TextField,        "Text17",   kNone, "Frame7",  kNone,  2520,  300,  1560,  285, "",                                        kDefault,                      56},
    ControlRow{Label,            "Label17",  kNone, "Frame7",  kNone,   120,  630,  2280,  255, "Mean Safety Factor :",                    kDefault,                      57},
    ControlRow{TextField,        "Text6",    kNone, "Frame7",  kNone,  2520,  630,  1560,  285, "",                                        kDefault,                      58},
    ControlRow{Label,            "Label18",  kNone, "Frame7",  kNone,   120,  960,  2280,  255, "Critical Centre x :",                     kDefault,                      59},
    ControlRow{TextField,        "Text28",   kNone, "Frame7",  kNone,  2520,  960,  1560,  285, "",                                        kDefault,                      60},
    ControlRow{Label,            "Label19",  kNone, "Frame7",  kNone,   120, 1290,  2280,  255, "Critical Centre y :",                     kDefault,                      61},
    ControlRow{TextField,        "Text29",   kNone, "Frame7",  kNone,  2520, 1290,  1560,  285, "",                                        kDefault,                      62},
    ControlRow{Label,            "Label20",  kNone, "Frame7",  kNone,   120, 1620,  2280,  255, "Critical Radius :",                       kDefault,                      63},
    ControlRow{TextField,        "Text30",   kNone, "Frame7",  kNone,  2520, 1620,  1560,  285, "",                                        kDefault,                      64},
    ControlRow{Label,            "Label21",  kNone, "Frame7",  kNone,   120, 1950,  2280,  255, "Entry Point x :",                         kDefault,                      65},
    ControlRow{TextField,        "Text31",   kNone, "Frame7",  kNone,  2520, 1950,  1560,  285, "",                                        kDefault,                      66},
    ControlRow{Label,            "Label22",  kNone, "Frame7",  kNone,   120, 2280,  2280,  255, "Entry Point y :",                         kDefault,                      67},
    ControlRow{TextField,        "Text32",   kNone, "Frame7",  kNone,  2520, 2280,  1560,  285, "",                                        kDefault,                      68},
    ControlRow{Label,            "Label23",  kNone, "Frame7",  kNone,   120, 2610,  2280,  255, "Exit Point x :",                          kDefault,                      69},
    ControlRow{TextField,        "Text33",   kNone, "Frame7",  kNone,  2520, 2610,  1560,  285, "",                                        kDefault,                      70},
    ControlRow{Label,            "Label24",  kNone, "Frame7",  kNone,   120, 2940,  2280,  255, "Exit Point y :",                          kDefault,                      71},
    ControlRow{TextField,        "Text34",   kNone, "Frame7",  kNone,  2520, 2940,  1560,  285, "",                                        kDefault,                      72},
    ControlRow{Label,            "Label25",  kNone, "Frame7",  kNone,   120, 3270,  2280,  255, "Ordinary Factor :",                       kDefault,                      73},
    ControlRow{TextField,        "Text35",   kNone, "Frame7",  kNone,  2520, 3270,  1560,  285, "",                                        kDefault,                      74},
    ControlRow{Label,            "Label26",  kNone, "Frame7",  kNone,   120, 3600,  2280,  255, "Bishop Factor :",                         kDefault,                      75},
    ControlRow{TextField,        "Text36",   kNone, "Frame7",  kNone,  2520, 3600,  1560,  285, "",                                        kDefault,                      76},
    ControlRow{Label,            "Label27",  kNone, "Frame7",  kNone,   120, 3930,  2280,  255, "Standard Deviation :",                    kDefault,                      77},
    ControlRow{TextField,        "Text37",   kNone, "Frame7",  kNone,  2520, 3930,  1560,  285, "",                                        kDefault,                      78},
    ControlRow{Label,            "Label28",  kNone, "Frame7",  kNone,   120, 4260,  2280,  255, "Reliability Index :",                     kDefault,                      79},
    ControlRow{TextField,        "Text38",   kNone, "Frame7",  kNone,  2520, 4260,  1560,  285, "",                                        kDefault,                      80},
    ControlRow{Label,            "Label29",  kNone, "Frame7",  kNone,   120, 4590,  2280,  255, "Lognormal Reliability Index :",           kDefault,                      81},
    ControlRow{TextField,        "Text39",   kNone, "Frame7",  kNone,  2520, 4590,  1560,  285, "",                                        kDefault,                      82},
    ControlRow{Label,            "Label30",  kNone, "Frame7",  kNone,   120, 4920,  1000,  255, "Caution :",                               kDefault,                      83},
    ControlRow{WrappedTextField, "Text40",   kNone, "Frame7",  kNone,   120, 5175,  4680,  735, "",                                        kDefault,                      84},
    ControlRow{Button,           "Command5", kNone, "Frame7",  kNone,   120, 6000,  1815,  495, "Histogram",                               kDefault,                      85},
    ControlRow{Button,           "Command1", kNone, "Frame7",  kNone,  2160, 6000,  1815, 1095, "Calculation",                             kDefault,                      86},
    ControlRow{Button,           "Command4", kNone, "Frame7",  kNone,   120, 6600,  1815,  495, "Clear Data",                              kDefault,                      87},
    ControlRow{Label,            "Image1",   kNone, "Frame9",  kNone, 11520,  240,  5280, 3920, "",                                        kDefault,                      88},
    ControlRow{Frame,            "Frame10",  kNone, "Frame9",  kNone, 11520, 4280,  5280, 1095, "Message :",                               kDefault,                      89},
    ControlRow{WrappedTextField, "Text5",    kNone, "Frame10", kNone,   120,  240,  5040,  735, "",                                        kDefault,                      90},
    ControlRow{Frame,            "Frame8",   kNone, "Frame9",  kNone, 11520, 5480,  5280, 1095, "Explanation :",                           kDefault,                      91},
    ControlRow{WrappedTextField, "Text7",    kNone, "Frame8",  kNone,   120,  240,  5040,  735, "",                                        kDefault,                      92},
    ControlRow{Frame,            "Frame13",  kNone, "Frame9",  kNone, 11520, 6680,  5280, 1200, "Search Method",                           {"MS Sans Serif", 8.25, true}, 93},
    ControlRow{Label,            "Label31",  kNone, "Frame13", kNone,   120,  240,  1800,  255, "Grid or Entry-Exit :",                    kDefault,                      94},
    ControlRow{TextField,        "Text41",   kNone, "Frame13", kNone,  1980,  240,  1215,  285, "",                                        kDefault,                      95},
    ControlRow{Label,            "Label32",  kNone, "Frame13", kNone,   120,  540,  1800,  255, "Entry x from, to :",                      kDefault,                      96},
    ControlRow{TextField,        "Text42",   kNone, "Frame13", kNone,  1980,  540,  1215,  285, "",                                        kDefault,                      97},
    ControlRow{TextField,        "Text43",   kNone, "Frame13", kNone,  3300,  540,  1215,  285, "",                                        kDefault,                      98},
    ControlRow{Label,            "Label33",  kNone, "Frame13", kNone,   120,  840,  1800,  255, "Exit x from, to :",                       kDefault,                      99},
    ControlRow{TextField,        "Text44",   kNone, "Frame13", kNone,  1980,  840,  1215,  285, "",                                        kDefault,                     100},
    ControlRow{TextField,        "Text45",   kNone, "Frame13", kNone,  3300,  840,  1215,  285, "",                                        kDefault,                     101},
    ControlRow{Frame,            "Frame14",  kNone, "Frame9",  kNone, 11520, 7980,  5280, 1140, "Acceptance Criteria",                     {"MS Sans Serif", 8.25, true}, 102},
    ControlRow{Label,            "Label34",  kNone, "Frame14", kNone,   120,  300,  3120,  255, "Minimum Factor of Safety :",              kDefault,                     103},
    ControlRow{TextField,        "Text50",   kNone, "Frame14", kNone,  3360,  300,  1560,  285, "",                                        kDefault,                     104},
    ControlRow{Label,            "Label35",  kNone, "Frame14", kNone,   120,  660,  3120,  255, "Maximum Probability of Failure (%) :",    kDefault,                     105},
    ControlRow{TextField,        "Text51",   kNone, "Frame14", kNone,  3360,  660,  1560,  285, "",                                        kDefault,                     106},
    ControlRow{Button,           "Command2", kNone, nullptr,   kNone, 15480, 9960,  1695,  495, "Return",                                  kDefault,                     107},
    // clang-format on
};

constexpr std::array<NavigationButton, 1> kNavigation{{
    {"Command2", "Form1"},  // "Return"
}};

constexpr AnalysisWindow kCriticalCircleWindow{
    .id = "critical_circle",
    .menuCaption = "Critical Circle",
    .controls = kControls,
    .clientWidthTwips = 17400,
    .clientHeightTwips = 10560,
    .navigation = kNavigation,
    .drawDiagram = critical::DrawCriticalCircleDiagram,
    .describeDiagramPoint = critical::DescribeCriticalCircleDiagramPoint,
};

}  // namespace

const forms::AnalysisWindow& CriticalCircleAnalysis::Window() {
    return kCriticalCircleWindow;
}

}  // namespace vardolin

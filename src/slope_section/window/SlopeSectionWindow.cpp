// SPDX-License-Identifier: MIT
#include <array>

#include "forms/AnalysisWindow.h"
#include "slope_section/SlopeSectionDescription.h"

namespace vardolin {

namespace {

using forms::AnalysisWindow;
using forms::NavigationButton;

using enum ControlKind;

constexpr DesignFont kDefault{};
constexpr int kNone = kNoIndex;

// Client area 19200 x 11280 twips (1280 x 752 px), in three columns inside the frame "Slope
// Section": the plain data (counts, methods, water, earthquake, crack, search, given circle,
// acceptance), the section's tables, and the results; the message and the explanation below.
constexpr std::array kControls = {
    // clang-format off
    ControlRow{Label,            "Label1",   kNone, nullptr,   kNone,  7800,     0,  3600,  615, "VARDOLIN",                            {"Arial Black", 21.75, false},   0},
    ControlRow{Frame,            "Frame9",   kNone, nullptr,   kNone,   120,   600, 18960, 9900, "Slope Section",                       {"Arial", 9.75, true},   1},
    ControlRow{Frame,            "Frame1",   kNone, "Frame9",  kNone,   120,   240,  4440, 6960, "Data",                                {"MS Sans Serif", 8.25, true},   2},
    ControlRow{Label,            "Label2",   kNone, "Frame1",  kNone,   120,   300,  2520,  255, "Number of Trials :",                  kDefault,   3},
    ControlRow{TextField,        "Text1",    kNone, "Frame1",  kNone,  2700,   300,  1620,  285, "",                                    kDefault,   4},
    ControlRow{Label,            "Label3",   kNone, "Frame1",  kNone,   120,   660,  2520,  255, "Number of Slices :",                  kDefault,   5},
    ControlRow{TextField,        "Text2",    kNone, "Frame1",  kNone,  2700,   660,  1620,  285, "",                                    kDefault,   6},
    ControlRow{Label,            "Label4",   kNone, "Frame1",  kNone,   120,  1020,  2520,  255, "Methods :",                           kDefault,   7},
    ControlRow{TextField,        "Text3",    kNone, "Frame1",  kNone,  2700,  1020,  1620,  285, "",                                    kDefault,   8},
    ControlRow{Label,            "Label5",   kNone, "Frame1",  kNone,   120,  1380,  2520,  255, "Water :",                             kDefault,   9},
    ControlRow{TextField,        "Text4",    kNone, "Frame1",  kNone,  2700,  1380,  1620,  285, "",                                    kDefault,  10},
    ControlRow{Label,            "Label6",   kNone, "Frame1",  kNone,   120,  1740,  2520,  255, "γw :",                                kDefault,  11},
    ControlRow{TextField,        "Text8",    kNone, "Frame1",  kNone,  2700,  1740,  1620,  285, "",                                    kDefault,  12},
    ControlRow{Label,            "Label7",   kNone, "Frame1",  kNone,   120,  2100,  2520,  255, "Head :",                              kDefault,  13},
    ControlRow{TextField,        "Text9",    kNone, "Frame1",  kNone,  2700,  2100,  1620,  285, "",                                    kDefault,  14},
    ControlRow{Label,            "Label8",   kNone, "Frame1",  kNone,   120,  2460,  2520,  255, "kh :",                                kDefault,  15},
    ControlRow{TextField,        "Text10",   kNone, "Frame1",  kNone,  2700,  2460,  1620,  285, "",                                    kDefault,  16},
    ControlRow{Label,            "Label9",   kNone, "Frame1",  kNone,   120,  2820,  2520,  255, "kv :",                                kDefault,  17},
    ControlRow{TextField,        "Text11",   kNone, "Frame1",  kNone,  2700,  2820,  1620,  285, "",                                    kDefault,  18},
    ControlRow{Label,            "Label10",  kNone, "Frame1",  kNone,   120,  3180,  2520,  255, "Tension Crack Depth :",               kDefault,  19},
    ControlRow{TextField,        "Text12",   kNone, "Frame1",  kNone,  2700,  3180,  1620,  285, "",                                    kDefault,  20},
    ControlRow{Label,            "Label11",  kNone, "Frame1",  kNone,   120,  3540,  2520,  255, "Crack Water Fill :",                  kDefault,  21},
    ControlRow{TextField,        "Text13",   kNone, "Frame1",  kNone,  2700,  3540,  1620,  285, "",                                    kDefault,  22},
    ControlRow{Label,            "Label12",  kNone, "Frame1",  kNone,   120,  3900,  2520,  255, "Search :",                            kDefault,  23},
    ControlRow{TextField,        "Text25",   kNone, "Frame1",  kNone,  2700,  3900,  1620,  285, "",                                    kDefault,  24},
    ControlRow{Label,            "Label13",  kNone, "Frame1",  kNone,   120,  4260,  2520,  255, "Centres per Side :",                  kDefault,  25},
    ControlRow{TextField,        "Text26",   kNone, "Frame1",  kNone,  2700,  4260,  1620,  285, "",                                    kDefault,  26},
    ControlRow{Label,            "Label14",  kNone, "Frame1",  kNone,   120,  4620,  2520,  255, "Radii per Centre :",                  kDefault,  27},
    ControlRow{TextField,        "Text27",   kNone, "Frame1",  kNone,  2700,  4620,  1620,  285, "",                                    kDefault,  28},
    ControlRow{Label,            "Label15",  kNone, "Frame1",  kNone,   120,  4980,  2520,  255, "Given Circle: Centre x :",            kDefault,  29},
    ControlRow{TextField,        "Text14",   kNone, "Frame1",  kNone,  2700,  4980,  1620,  285, "",                                    kDefault,  30},
    ControlRow{Label,            "Label16",  kNone, "Frame1",  kNone,   120,  5340,  2520,  255, "Given Circle: Centre y :",            kDefault,  31},
    ControlRow{TextField,        "Text15",   kNone, "Frame1",  kNone,  2700,  5340,  1620,  285, "",                                    kDefault,  32},
    ControlRow{Label,            "Label17",  kNone, "Frame1",  kNone,   120,  5700,  2520,  255, "Given Circle: Radius :",              kDefault,  33},
    ControlRow{TextField,        "Text16",   kNone, "Frame1",  kNone,  2700,  5700,  1620,  285, "",                                    kDefault,  34},
    ControlRow{Label,            "Label18",  kNone, "Frame1",  kNone,   120,  6060,  2520,  255, "Minimum Factor of Safety :",          kDefault,  35},
    ControlRow{TextField,        "Text28",   kNone, "Frame1",  kNone,  2700,  6060,  1620,  285, "",                                    kDefault,  36},
    ControlRow{Label,            "Label19",  kNone, "Frame1",  kNone,   120,  6420,  2520,  255, "Max. Probability of Failure (%) :",   kDefault,  37},
    ControlRow{TextField,        "Text29",   kNone, "Frame1",  kNone,  2700,  6420,  1620,  285, "",                                    kDefault,  38},
    ControlRow{Frame,            "Frame2",   kNone, "Frame9",  kNone,  4680,   240,  7320, 6960, "Section",                             {"MS Sans Serif", 8.25, true},  39},
    ControlRow{Label,            "Label20",  kNone, "Frame2",  kNone,   120,   240,  7080,  255, "Soils :",                             kDefault,  40},
    ControlRow{TextField,        "Text19",   kNone, "Frame2",  kNone,   120,   510,  7080, 1380, "",                                    kDefault,  41},
    ControlRow{Label,            "Label21",  kNone, "Frame2",  kNone,   120,  1980,  3480,  255, "Ground :",                            kDefault,  42},
    ControlRow{TextField,        "Text18",   kNone, "Frame2",  kNone,   120,  2250,  3480, 1380, "",                                    kDefault,  43},
    ControlRow{Label,            "Label22",  kNone, "Frame2",  kNone,  3720,  1980,  3480,  255, "Layers :",                            kDefault,  44},
    ControlRow{TextField,        "Text20",   kNone, "Frame2",  kNone,  3720,  2250,  3480, 1380, "",                                    kDefault,  45},
    ControlRow{Label,            "Label23",  kNone, "Frame2",  kNone,   120,  3720,  3480,  255, "Boundaries :",                        kDefault,  46},
    ControlRow{TextField,        "Text21",   kNone, "Frame2",  kNone,   120,  3990,  3480, 1380, "",                                    kDefault,  47},
    ControlRow{Label,            "Label24",  kNone, "Frame2",  kNone,  3720,  3720,  3480,  255, "Piezometric Line :",                  kDefault,  48},
    ControlRow{TextField,        "Text22",   kNone, "Frame2",  kNone,  3720,  3990,  3480, 1380, "",                                    kDefault,  49},
    ControlRow{Label,            "Label25",  kNone, "Frame2",  kNone,   120,  5460,  3480,  255, "Pressures :",                         kDefault,  50},
    ControlRow{TextField,        "Text23",   kNone, "Frame2",  kNone,   120,  5730,  3480, 1200, "",                                    kDefault,  51},
    ControlRow{Label,            "Label26",  kNone, "Frame2",  kNone,  3720,  5460,  3480,  255, "Line Loads :",                        kDefault,  52},
    ControlRow{TextField,        "Text24",   kNone, "Frame2",  kNone,  3720,  5730,  3480, 1200, "",                                    kDefault,  53},
    ControlRow{Frame,            "Frame7",   kNone, "Frame9",  kNone, 12120,   240,  6720, 6960, "Results",                             {"MS Sans Serif", 8.25, true},  54},
    ControlRow{Label,            "Label27",  kNone, "Frame7",  kNone,   120,   300,  1800,  255, "Ordinary :",                          kDefault,  55},
    ControlRow{TextField,        "Text37",   kNone, "Frame7",  kNone,  1980,   300,  1260,  285, "",                                    kDefault,  56},
    ControlRow{Label,            "Label28",  kNone, "Frame7",  kNone,   120,   660,  1800,  255, "Bishop Simplified :",                 kDefault,  57},
    ControlRow{TextField,        "Text38",   kNone, "Frame7",  kNone,  1980,   660,  1260,  285, "",                                    kDefault,  58},
    ControlRow{Label,            "Label29",  kNone, "Frame7",  kNone,   120,  1020,  1800,  255, "Janbu Simplified :",                  kDefault,  59},
    ControlRow{TextField,        "Text39",   kNone, "Frame7",  kNone,  1980,  1020,  1260,  285, "",                                    kDefault,  60},
    ControlRow{Label,            "Label30",  kNone, "Frame7",  kNone,   120,  1380,  1800,  255, "Janbu with f0 :",                     kDefault,  61},
    ControlRow{TextField,        "Text40",   kNone, "Frame7",  kNone,  1980,  1380,  1260,  285, "",                                    kDefault,  62},
    ControlRow{Label,            "Label31",  kNone, "Frame7",  kNone,   120,  1740,  1800,  255, "Spencer :",                           kDefault,  63},
    ControlRow{TextField,        "Text41",   kNone, "Frame7",  kNone,  1980,  1740,  1260,  285, "",                                    kDefault,  64},
    ControlRow{Label,            "Label32",  kNone, "Frame7",  kNone,   120,  2100,  1800,  255, "Spencer λ :",                         kDefault,  65},
    ControlRow{TextField,        "Text42",   kNone, "Frame7",  kNone,  1980,  2100,  1260,  285, "",                                    kDefault,  66},
    ControlRow{Label,            "Label33",  kNone, "Frame7",  kNone,   120,  2460,  1800,  255, "Morgenstern-Price :",                 kDefault,  67},
    ControlRow{TextField,        "Text43",   kNone, "Frame7",  kNone,  1980,  2460,  1260,  285, "",                                    kDefault,  68},
    ControlRow{Label,            "Label34",  kNone, "Frame7",  kNone,   120,  2820,  1800,  255, "M-P λ :",                             kDefault,  69},
    ControlRow{TextField,        "Text44",   kNone, "Frame7",  kNone,  1980,  2820,  1260,  285, "",                                    kDefault,  70},
    ControlRow{Label,            "Label35",  kNone, "Frame7",  kNone,   120,  3180,  1800,  255, "M-P Half-Sine :",                     kDefault,  71},
    ControlRow{TextField,        "Text45",   kNone, "Frame7",  kNone,  1980,  3180,  1260,  285, "",                                    kDefault,  72},
    ControlRow{Label,            "Label36",  kNone, "Frame7",  kNone,   120,  3540,  1800,  255, "M-P Half-Sine λ :",                   kDefault,  73},
    ControlRow{TextField,        "Text46",   kNone, "Frame7",  kNone,  1980,  3540,  1260,  285, "",                                    kDefault,  74},
    ControlRow{Label,            "Label37",  kNone, "Frame7",  kNone,  3360,   300,  1920,  255, "Centre x :",                          kDefault,  75},
    ControlRow{TextField,        "Text30",   kNone, "Frame7",  kNone,  5340,   300,  1260,  285, "",                                    kDefault,  76},
    ControlRow{Label,            "Label38",  kNone, "Frame7",  kNone,  3360,   660,  1920,  255, "Centre y :",                          kDefault,  77},
    ControlRow{TextField,        "Text31",   kNone, "Frame7",  kNone,  5340,   660,  1260,  285, "",                                    kDefault,  78},
    ControlRow{Label,            "Label39",  kNone, "Frame7",  kNone,  3360,  1020,  1920,  255, "Radius :",                            kDefault,  79},
    ControlRow{TextField,        "Text32",   kNone, "Frame7",  kNone,  5340,  1020,  1260,  285, "",                                    kDefault,  80},
    ControlRow{Label,            "Label40",  kNone, "Frame7",  kNone,  3360,  1380,  1920,  255, "Entry x :",                           kDefault,  81},
    ControlRow{TextField,        "Text33",   kNone, "Frame7",  kNone,  5340,  1380,  1260,  285, "",                                    kDefault,  82},
    ControlRow{Label,            "Label41",  kNone, "Frame7",  kNone,  3360,  1740,  1920,  255, "Entry y :",                           kDefault,  83},
    ControlRow{TextField,        "Text34",   kNone, "Frame7",  kNone,  5340,  1740,  1260,  285, "",                                    kDefault,  84},
    ControlRow{Label,            "Label42",  kNone, "Frame7",  kNone,  3360,  2100,  1920,  255, "Exit x :",                            kDefault,  85},
    ControlRow{TextField,        "Text35",   kNone, "Frame7",  kNone,  5340,  2100,  1260,  285, "",                                    kDefault,  86},
    ControlRow{Label,            "Label43",  kNone, "Frame7",  kNone,  3360,  2460,  1920,  255, "Exit y :",                            kDefault,  87},
    ControlRow{TextField,        "Text36",   kNone, "Frame7",  kNone,  5340,  2460,  1260,  285, "",                                    kDefault,  88},
    ControlRow{Label,            "Label44",  kNone, "Frame7",  kNone,  3360,  2820,  1920,  255, "Mean Factor :",                       kDefault,  89},
    ControlRow{TextField,        "Text6",    kNone, "Frame7",  kNone,  5340,  2820,  1260,  285, "",                                    kDefault,  90},
    ControlRow{Label,            "Label45",  kNone, "Frame7",  kNone,  3360,  3180,  1920,  255, "Standard Deviation :",                kDefault,  91},
    ControlRow{TextField,        "Text47",   kNone, "Frame7",  kNone,  5340,  3180,  1260,  285, "",                                    kDefault,  92},
    ControlRow{Label,            "Label46",  kNone, "Frame7",  kNone,  3360,  3540,  1920,  255, "Reliability Index :",                 kDefault,  93},
    ControlRow{TextField,        "Text48",   kNone, "Frame7",  kNone,  5340,  3540,  1260,  285, "",                                    kDefault,  94},
    ControlRow{Label,            "Label47",  kNone, "Frame7",  kNone,  3360,  3900,  1920,  255, "Lognormal Index :",                   kDefault,  95},
    ControlRow{TextField,        "Text49",   kNone, "Frame7",  kNone,  5340,  3900,  1260,  285, "",                                    kDefault,  96},
    ControlRow{Label,            "Label48",  kNone, "Frame7",  kNone,  3360,  4260,  1920,  255, "Failure Probability (%) :",           kDefault,  97},
    ControlRow{TextField,        "Text17",   kNone, "Frame7",  kNone,  5340,  4260,  1260,  285, "",                                    kDefault,  98},
    ControlRow{Label,            "Label49",  kNone, "Frame7",  kNone,   120,  4680,  1000,  255, "Caution :",                           kDefault,  99},
    ControlRow{WrappedTextField, "Text50",   kNone, "Frame7",  kNone,   120,  4935,  6480,  735, "",                                    kDefault, 100},
    ControlRow{Button,           "Command5", kNone, "Frame7",  kNone,   120,  5880,  1815,  495, "Histogram",                           kDefault, 101},
    ControlRow{Button,           "Command4", kNone, "Frame7",  kNone,  2040,  5880,  1815,  495, "Clear Data",                          kDefault, 102},
    ControlRow{Button,           "Command1", kNone, "Frame7",  kNone,  3960,  5880,  2640,  960, "Calculation",                         kDefault, 103},
    ControlRow{Frame,            "Frame10",  kNone, "Frame9",  kNone,   120,  7320,  9300, 1095, "Message :",                           kDefault, 104},
    ControlRow{WrappedTextField, "Text5",    kNone, "Frame10", kNone,   120,   240,  9060,  735, "",                                    kDefault, 105},
    ControlRow{Frame,            "Frame8",   kNone, "Frame9",  kNone,  9540,  7320,  9300, 1095, "Explanation :",                       kDefault, 106},
    ControlRow{WrappedTextField, "Text7",    kNone, "Frame8",  kNone,   120,   240,  9060,  735, "",                                    kDefault, 107},
    ControlRow{Button,           "Command2", kNone, nullptr,   kNone, 17280, 10620,  1695,  495, "Return",                              kDefault, 108},
    // clang-format on
};

constexpr std::array<NavigationButton, 1> kNavigation{{
    {"Command2", "Form1"},  // "Return"
}};

constexpr AnalysisWindow kSlopeSectionWindow{
    .id = "slope_section",
    .menuCaption = "Slope Section",
    .controls = kControls,
    .clientWidthTwips = 19200,
    .clientHeightTwips = 11280,
    .navigation = kNavigation,
};

}  // namespace

const forms::AnalysisWindow& SlopeSectionAnalysis::Window() {
    return kSlopeSectionWindow;
}

}  // namespace vardolin

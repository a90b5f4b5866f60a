// SPDX-License-Identifier: MIT
#include <QPointF>
#include <QRectF>
#include <array>
#include <optional>
#include <string>

#include "forms/AnalysisWindow.h"
#include "slope_section/SlopeSectionDescription.h"
#include "slope_section/drawing/SectionDiagram.h"
#include "slope_section/window/SectionChoices.h"
#include "slope_section/window/SectionImport.h"

namespace vardolin {

namespace {

using forms::AnalysisWindow;
using forms::DraggablePoint;
using forms::NavigationButton;

using enum ControlKind;

constexpr DesignFont kDefault{};
constexpr int kNone = kNoIndex;

// Client area 19080 x 10560 twips (1272 x 704 px: with its menu bar and a window's frame the
// form fits a screen of 1280 x 800), in three columns inside the frame "Slope Section": the
// plain data (counts, methods, water, earthquake, crack, surface, given circle, acceptance), the
// section's tables (the given surface's with its moment point) over the message and the
// explanation, and the diagram (drawn from the inputs over the empty label Image1) over the
// results; the buttons below the first two, and the
// overall slope's option and figures under them. The methods are check boxes, and the text boxes
// of the choices (the main method, the water, the head, the surface, each method's own circle)
// lie under their combo boxes (SectionChoices.h).
constexpr std::array kControls = {
    // clang-format off
    ControlRow{Frame,            "Frame9",   kNone, nullptr,   kNone,   120,    60, 18840, 10380, "Slope Section",                       {"Arial", 9.75, true},   0},
    ControlRow{Frame,            "Frame1",   kNone, "Frame9",  kNone,   120,   240,  4440, 7980, "Data",                                {"MS Sans Serif", 8.25, true},   1},
    ControlRow{Label,            "Label2",   kNone, "Frame1",  kNone,   120,   300,  2520,  255, "Number of Trials :",                  kDefault,   2},
    ControlRow{TextField,        "Text1",    kNone, "Frame1",  kNone,  2700,   300,  1620,  285, "",                                    kDefault,   3},
    ControlRow{Label,            "Label3",   kNone, "Frame1",  kNone,   120,   630,  2520,  255, "Number of Slices :",                  kDefault,   4},
    ControlRow{TextField,        "Text2",    kNone, "Frame1",  kNone,  2700,   630,  1620,  285, "",                                    kDefault,   5},
    ControlRow{Label,            "Label4",   kNone, "Frame1",  kNone,   120,   960,  1080,  255, "Methods :",                           kDefault,   6},
    ControlRow{CheckBox,         "Check1",   0,     "Frame1",  kNone,  1260,   960,  1500,  255, "Ordinary",                            kDefault,   6},
    ControlRow{CheckBox,         "Check1",   1,     "Frame1",  kNone,  2790,   960,  1500,  255, "Bishop",                              kDefault,   6},
    ControlRow{CheckBox,         "Check1",   2,     "Frame1",  kNone,  1260,  1290,  1500,  255, "Janbu",                               kDefault,   6},
    ControlRow{CheckBox,         "Check1",   3,     "Frame1",  kNone,  2790,  1290,  1500,  255, "Janbu f0",                            kDefault,   6},
    ControlRow{CheckBox,         "Check1",   4,     "Frame1",  kNone,  1260,  1620,  1500,  255, "Spencer",                             kDefault,   6},
    ControlRow{CheckBox,         "Check1",   5,     "Frame1",  kNone,  2790,  1620,  1500,  255, "M-P constant",                        kDefault,   6},
    ControlRow{CheckBox,         "Check1",   6,     "Frame1",  kNone,  1260,  1950,  1500,  255, "M-P half-sine",                       kDefault,   6},
    ControlRow{Label,            "Label51",  kNone, "Frame1",  kNone,   120,  2280,  1440,  255, "Main Method :",                       kDefault,   6},
    ControlRow{TextField,        "Text3",    kNone, "Frame1",  kNone,  1620,  2280,  2700,  285, "",                                    kDefault,   7},
    ControlRow{Label,            "Label5",   kNone, "Frame1",  kNone,   120,  2610,  1440,  255, "Water :",                             kDefault,   8},
    ControlRow{TextField,        "Text4",    kNone, "Frame1",  kNone,  1620,  2610,  2700,  285, "",                                    kDefault,   9},
    ControlRow{Label,            "Label6",   kNone, "Frame1",  kNone,   120,  2940,  2520,  255, "Unit Weight of Water :",              kDefault,  10},
    ControlRow{TextField,        "Text8",    kNone, "Frame1",  kNone,  2700,  2940,  1620,  285, "",                                    kDefault,  11},
    ControlRow{Label,            "Label7",   kNone, "Frame1",  kNone,   120,  3270,  1440,  255, "Head :",                              kDefault,  12},
    ControlRow{TextField,        "Text9",    kNone, "Frame1",  kNone,  1620,  3270,  2700,  285, "",                                    kDefault,  13},
    ControlRow{Label,            "Label8",   kNone, "Frame1",  kNone,   120,  3600,  2520,  255, "kh :",                                kDefault,  14},
    ControlRow{TextField,        "Text10",   kNone, "Frame1",  kNone,  2700,  3600,  1620,  285, "",                                    kDefault,  15},
    ControlRow{Label,            "Label9",   kNone, "Frame1",  kNone,   120,  3930,  2520,  255, "kv :",                                kDefault,  16},
    ControlRow{TextField,        "Text11",   kNone, "Frame1",  kNone,  2700,  3930,  1620,  285, "",                                    kDefault,  17},
    ControlRow{Label,            "Label10",  kNone, "Frame1",  kNone,   120,  4260,  2520,  255, "Tension Crack Depth :",               kDefault,  18},
    ControlRow{TextField,        "Text12",   kNone, "Frame1",  kNone,  2700,  4260,  1620,  285, "",                                    kDefault,  19},
    ControlRow{Label,            "Label11",  kNone, "Frame1",  kNone,   120,  4590,  2520,  255, "Crack Water Fill :",                  kDefault,  20},
    ControlRow{TextField,        "Text13",   kNone, "Frame1",  kNone,  2700,  4590,  1620,  285, "",                                    kDefault,  21},
    ControlRow{Label,            "Label12",  kNone, "Frame1",  kNone,   120,  4920,  1440,  255, "Surface :",                           kDefault,  22},
    ControlRow{TextField,        "Text25",   kNone, "Frame1",  kNone,  1620,  4920,  2700,  285, "",                                    kDefault,  23},
    ControlRow{Label,            "Label13",  kNone, "Frame1",  kNone,   120,  5250,  2520,  255, "Centres per Side :",                  kDefault,  24},
    ControlRow{TextField,        "Text26",   kNone, "Frame1",  kNone,  2700,  5250,  1620,  285, "",                                    kDefault,  25},
    ControlRow{Label,            "Label14",  kNone, "Frame1",  kNone,   120,  5580,  2520,  255, "Radii per Centre :",                  kDefault,  26},
    ControlRow{TextField,        "Text27",   kNone, "Frame1",  kNone,  2700,  5580,  1620,  285, "",                                    kDefault,  27},
    ControlRow{Label,            "Label50",  kNone, "Frame1",  kNone,   120,  5910,  2520,  255, "Each Method's Own Circle :",          kDefault,  28},
    ControlRow{TextField,        "Text51",   kNone, "Frame1",  kNone,  2700,  5910,  1620,  285, "",                                    kDefault,  29},
    ControlRow{Label,            "Label15",  kNone, "Frame1",  kNone,   120,  6240,  2520,  255, "Given Circle: Centre x :",            kDefault,  30},
    ControlRow{TextField,        "Text14",   kNone, "Frame1",  kNone,  2700,  6240,  1620,  285, "",                                    kDefault,  31},
    ControlRow{Label,            "Label16",  kNone, "Frame1",  kNone,   120,  6570,  2520,  255, "Given Circle: Centre y :",            kDefault,  32},
    ControlRow{TextField,        "Text15",   kNone, "Frame1",  kNone,  2700,  6570,  1620,  285, "",                                    kDefault,  33},
    ControlRow{Label,            "Label17",  kNone, "Frame1",  kNone,   120,  6900,  2520,  255, "Given Circle: Radius :",              kDefault,  34},
    ControlRow{TextField,        "Text16",   kNone, "Frame1",  kNone,  2700,  6900,  1620,  285, "",                                    kDefault,  35},
    ControlRow{Label,            "Label18",  kNone, "Frame1",  kNone,   120,  7230,  2520,  255, "Minimum Factor of Safety :",          kDefault,  36},
    ControlRow{TextField,        "Text28",   kNone, "Frame1",  kNone,  2700,  7230,  1620,  285, "",                                    kDefault,  37},
    ControlRow{Label,            "Label19",  kNone, "Frame1",  kNone,   120,  7560,  2520,  255, "Max. Probability of Failure (%) :",   kDefault,  38},
    ControlRow{TextField,        "Text29",   kNone, "Frame1",  kNone,  2700,  7560,  1620,  285, "",                                    kDefault,  39},
    ControlRow{Frame,            "Frame2",   kNone, "Frame9",  kNone,  4680,   240,  7200, 6600, "Section",                             {"MS Sans Serif", 8.25, true},  40},
    ControlRow{Tabs,             "Tabs1",    kNone, "Frame2",  kNone,    60,   240,  7080, 6240, "",                                    kDefault,  41},
    ControlRow{TabPage,          "Page1",    0,     "Tabs1",   kNone,     0,     0,     0,    0, "Soils",                              kDefault,  41},
    ControlRow{TextField,        "Text19",   kNone, "Page1",   0,        60,    60,  6840, 5700, "",                                    kDefault,  42},
    ControlRow{TabPage,          "Page1",    1,     "Tabs1",   kNone,     0,     0,     0,    0, "Ground",                             kDefault,  43},
    ControlRow{TextField,        "Text18",   kNone, "Page1",   1,        60,    60,  6840, 5700, "",                                    kDefault,  44},
    ControlRow{TabPage,          "Page1",    2,     "Tabs1",   kNone,     0,     0,     0,    0, "Layers",                             kDefault,  45},
    ControlRow{TextField,        "Text20",   kNone, "Page1",   2,        60,    60,  6840, 5700, "",                                    kDefault,  46},
    ControlRow{TabPage,          "Page1",    3,     "Tabs1",   kNone,     0,     0,     0,    0, "Boundaries",                         kDefault,  47},
    ControlRow{TextField,        "Text21",   kNone, "Page1",   3,        60,    60,  6840, 5700, "",                                    kDefault,  48},
    ControlRow{TabPage,          "Page1",    4,     "Tabs1",   kNone,     0,     0,     0,    0, "Piezometric",                        kDefault,  49},
    ControlRow{TextField,        "Text22",   kNone, "Page1",   4,        60,    60,  6840, 5700, "",                                    kDefault,  50},
    ControlRow{TabPage,          "Page1",    5,     "Tabs1",   kNone,     0,     0,     0,    0, "Pressures",                          kDefault,  51},
    ControlRow{TextField,        "Text23",   kNone, "Page1",   5,        60,    60,  6840, 5700, "",                                    kDefault,  52},
    ControlRow{TabPage,          "Page1",    6,     "Tabs1",   kNone,     0,     0,     0,    0, "Line Loads",                         kDefault,  53},
    ControlRow{TextField,        "Text24",   kNone, "Page1",   6,        60,    60,  6840, 5700, "",                                    kDefault,  54},
    ControlRow{TabPage,          "Page1",    7,     "Tabs1",   kNone,     0,     0,     0,    0, "Surface",                            kDefault,  55},
    ControlRow{TextField,        "Text59",   kNone, "Page1",   7,        60,    60,  6840, 4980, "",                                    kDefault,  56},
    ControlRow{Label,            "Label68",  kNone, "Page1",   7,        60,  5190,  1560,  255, "Moment Point x :",                    kDefault,  57},
    ControlRow{TextField,        "Text60",   kNone, "Page1",   7,      1680,  5160,  1200,  285, "",                                    kDefault,  58},
    ControlRow{Label,            "Label69",  kNone, "Page1",   7,      3060,  5190,  1560,  255, "Moment Point y :",                    kDefault,  59},
    ControlRow{TextField,        "Text61",   kNone, "Page1",   7,      4680,  5160,  1200,  285, "",                                    kDefault,  60},
    ControlRow{Label,            "Image1",   kNone, "Frame9",  kNone, 12000,   300,  6720, 4260, "",                                    kDefault,  61},
    ControlRow{Frame,            "Frame7",   kNone, "Frame9",  kNone, 12000,  4680,  6720, 5580, "Results",                             {"MS Sans Serif", 8.25, true},  62},
    ControlRow{Label,            "Label27",  kNone, "Frame7",  kNone,   120,   240,  1800,  255, "Ordinary :",                          kDefault,  63},
    ControlRow{TextField,        "Text37",   kNone, "Frame7",  kNone,  1980,   240,  1260,  285, "",                                    kDefault,  64},
    ControlRow{Label,            "Label28",  kNone, "Frame7",  kNone,   120,   570,  1800,  255, "Bishop Simplified :",                 kDefault,  65},
    ControlRow{TextField,        "Text38",   kNone, "Frame7",  kNone,  1980,   570,  1260,  285, "",                                    kDefault,  66},
    ControlRow{Label,            "Label29",  kNone, "Frame7",  kNone,   120,   900,  1800,  255, "Janbu Simplified :",                  kDefault,  67},
    ControlRow{TextField,        "Text39",   kNone, "Frame7",  kNone,  1980,   900,  1260,  285, "",                                    kDefault,  68},
    ControlRow{Label,            "Label30",  kNone, "Frame7",  kNone,   120,  1230,  1800,  255, "Janbu with f0 :",                     kDefault,  69},
    ControlRow{TextField,        "Text40",   kNone, "Frame7",  kNone,  1980,  1230,  1260,  285, "",                                    kDefault,  70},
    ControlRow{Label,            "Label31",  kNone, "Frame7",  kNone,   120,  1560,  1800,  255, "Spencer :",                           kDefault,  71},
    ControlRow{TextField,        "Text41",   kNone, "Frame7",  kNone,  1980,  1560,  1260,  285, "",                                    kDefault,  72},
    ControlRow{Label,            "Label32",  kNone, "Frame7",  kNone,   120,  1890,  1800,  255, "Spencer λ :",                         kDefault,  73},
    ControlRow{TextField,        "Text42",   kNone, "Frame7",  kNone,  1980,  1890,  1260,  285, "",                                    kDefault,  74},
    ControlRow{Label,            "Label33",  kNone, "Frame7",  kNone,   120,  2220,  1800,  255, "Morgenstern-Price :",                 kDefault,  75},
    ControlRow{TextField,        "Text43",   kNone, "Frame7",  kNone,  1980,  2220,  1260,  285, "",                                    kDefault,  76},
    ControlRow{Label,            "Label34",  kNone, "Frame7",  kNone,   120,  2550,  1800,  255, "M-P λ :",                             kDefault,  77},
    ControlRow{TextField,        "Text44",   kNone, "Frame7",  kNone,  1980,  2550,  1260,  285, "",                                    kDefault,  78},
    ControlRow{Label,            "Label35",  kNone, "Frame7",  kNone,   120,  2880,  1800,  255, "M-P Half-Sine :",                     kDefault,  79},
    ControlRow{TextField,        "Text45",   kNone, "Frame7",  kNone,  1980,  2880,  1260,  285, "",                                    kDefault,  80},
    ControlRow{Label,            "Label36",  kNone, "Frame7",  kNone,   120,  3210,  1800,  255, "M-P Half-Sine λ :",                   kDefault,  81},
    ControlRow{TextField,        "Text46",   kNone, "Frame7",  kNone,  1980,  3210,  1260,  285, "",                                    kDefault,  82},
    ControlRow{Label,            "Label37",  kNone, "Frame7",  kNone,  3360,   240,  1920,  255, "Centre x :",                          kDefault,  83},
    ControlRow{TextField,        "Text30",   kNone, "Frame7",  kNone,  5340,   240,  1260,  285, "",                                    kDefault,  84},
    ControlRow{Label,            "Label38",  kNone, "Frame7",  kNone,  3360,   570,  1920,  255, "Centre y :",                          kDefault,  85},
    ControlRow{TextField,        "Text31",   kNone, "Frame7",  kNone,  5340,   570,  1260,  285, "",                                    kDefault,  86},
    ControlRow{Label,            "Label39",  kNone, "Frame7",  kNone,  3360,   900,  1920,  255, "Radius :",                            kDefault,  87},
    ControlRow{TextField,        "Text32",   kNone, "Frame7",  kNone,  5340,   900,  1260,  285, "",                                    kDefault,  88},
    ControlRow{Label,            "Label40",  kNone, "Frame7",  kNone,  3360,  1230,  1920,  255, "Entry x :",                           kDefault,  89},
    ControlRow{TextField,        "Text33",   kNone, "Frame7",  kNone,  5340,  1230,  1260,  285, "",                                    kDefault,  90},
    ControlRow{Label,            "Label41",  kNone, "Frame7",  kNone,  3360,  1560,  1920,  255, "Entry y :",                           kDefault,  91},
    ControlRow{TextField,        "Text34",   kNone, "Frame7",  kNone,  5340,  1560,  1260,  285, "",                                    kDefault,  92},
    ControlRow{Label,            "Label42",  kNone, "Frame7",  kNone,  3360,  1890,  1920,  255, "Exit x :",                            kDefault,  93},
    ControlRow{TextField,        "Text35",   kNone, "Frame7",  kNone,  5340,  1890,  1260,  285, "",                                    kDefault,  94},
    ControlRow{Label,            "Label43",  kNone, "Frame7",  kNone,  3360,  2220,  1920,  255, "Exit y :",                            kDefault,  95},
    ControlRow{TextField,        "Text36",   kNone, "Frame7",  kNone,  5340,  2220,  1260,  285, "",                                    kDefault,  96},
    ControlRow{Label,            "Label44",  kNone, "Frame7",  kNone,  3360,  2550,  1920,  255, "Mean Factor :",                       kDefault,  97},
    ControlRow{TextField,        "Text6",    kNone, "Frame7",  kNone,  5340,  2550,  1260,  285, "",                                    kDefault,  98},
    ControlRow{Label,            "Label45",  kNone, "Frame7",  kNone,  3360,  2880,  1920,  255, "Standard Deviation :",                kDefault,  99},
    ControlRow{TextField,        "Text47",   kNone, "Frame7",  kNone,  5340,  2880,  1260,  285, "",                                    kDefault,  100},
    ControlRow{Label,            "Label46",  kNone, "Frame7",  kNone,  3360,  3210,  1920,  255, "Reliability Index :",                 kDefault,  101},
    ControlRow{TextField,        "Text48",   kNone, "Frame7",  kNone,  5340,  3210,  1260,  285, "",                                    kDefault,  102},
    ControlRow{Label,            "Label47",  kNone, "Frame7",  kNone,  3360,  3540,  1920,  255, "Lognormal Index :",                   kDefault,  103},
    ControlRow{TextField,        "Text49",   kNone, "Frame7",  kNone,  5340,  3540,  1260,  285, "",                                    kDefault,  104},
    ControlRow{Label,            "Label48",  kNone, "Frame7",  kNone,  3360,  3870,  1920,  255, "Failure Probability (%) :",           kDefault,  105},
    ControlRow{TextField,        "Text17",   kNone, "Frame7",  kNone,  5340,  3870,  1260,  285, "",                                    kDefault, 106},
    ControlRow{Label,            "Label49",  kNone, "Frame7",  kNone,   120,  4260,  1000,  255, "Caution :",                           kDefault, 107},
    ControlRow{WrappedTextField, "Text50",   kNone, "Frame7",  kNone,  1200,  4260,  5400,  735, "",                                    kDefault, 108},
    ControlRow{Frame,            "Frame10",  kNone, "Frame9",  kNone,  4680,  6960,  3540, 1095, "Message :",                           kDefault, 109},
    ControlRow{WrappedTextField, "Text5",    kNone, "Frame10", kNone,   120,   240,  3300,  735, "",                                    kDefault, 110},
    ControlRow{Frame,            "Frame8",   kNone, "Frame9",  kNone,  8340,  6960,  3540, 1095, "Explanation :",                       kDefault, 111},
    ControlRow{WrappedTextField, "Text7",    kNone, "Frame8",  kNone,   120,   240,  3300,  735, "",                                    kDefault, 112},
    ControlRow{Button,           "Command1", kNone, "Frame9",  kNone,   120,  8280,  2640,  960, "Calculation",                         kDefault, 113},
    ControlRow{Button,           "Command4", kNone, "Frame9",  kNone,  2880,  8280,  1815,  495, "Clear Data",                          kDefault, 114},
    ControlRow{Button,           "Command5", kNone, "Frame9",  kNone,  4815,  8280,  1815,  495, "Histogram",                           kDefault, 115},
    ControlRow{Button,           "Command2", kNone, "Frame9",  kNone, 10185,  8280,  1695,  495, "Return",                              kDefault, 116},
    ControlRow{Frame,            "Frame11",  kNone, "Frame9",  kNone,   120,  9300, 11760, 1020, "Overall Slope",                       {"MS Sans Serif", 8.25, true}, 117},
    ControlRow{Label,            "Label61",  kNone, "Frame11", kNone,   120,   240,  1680,  255, "Overall Slope :",                     kDefault, 118},
    ControlRow{TextField,        "Text52",   kNone, "Frame11", kNone,  1860,   240,  1140,  285, "",                                    kDefault, 119},
    ControlRow{Label,            "Label62",  kNone, "Frame11", kNone,  3020,   240,  1680,  255, "Surfaces per Trial :",                kDefault, 120},
    ControlRow{TextField,        "Text53",   kNone, "Frame11", kNone,  4760,   240,  1140,  285, "",                                    kDefault, 121},
    ControlRow{Label,            "Label63",  kNone, "Frame11", kNone,  5920,   240,  1680,  255, "Failure Probability (%) :",           kDefault, 122},
    ControlRow{TextField,        "Text54",   kNone, "Frame11", kNone,  7660,   240,  1140,  285, "",                                    kDefault, 123},
    ControlRow{Label,            "Label64",  kNone, "Frame11", kNone,  8820,   240,  1680,  255, "Mean Factor :",                       kDefault, 124},
    ControlRow{TextField,        "Text55",   kNone, "Frame11", kNone, 10560,   240,  1140,  285, "",                                    kDefault, 125},
    ControlRow{Label,            "Label65",  kNone, "Frame11", kNone,   120,   570,  1680,  255, "Standard Deviation :",                kDefault, 126},
    ControlRow{TextField,        "Text56",   kNone, "Frame11", kNone,  1860,   570,  1140,  285, "",                                    kDefault, 127},
    ControlRow{Label,            "Label66",  kNone, "Frame11", kNone,  3020,   570,  1680,  255, "Reliability Index :",                 kDefault, 128},
    ControlRow{TextField,        "Text57",   kNone, "Frame11", kNone,  4760,   570,  1140,  285, "",                                    kDefault, 129},
    ControlRow{Label,            "Label67",  kNone, "Frame11", kNone,  5920,   570,  1680,  255, "Lognormal Index :",                   kDefault, 130},
    ControlRow{TextField,        "Text58",   kNone, "Frame11", kNone,  7660,   570,  1140,  285, "",                                    kDefault, 131},
    // clang-format on
};

constexpr std::array<NavigationButton, 1> kNavigation{{
    {"Command2", "Form1"},  // "Return"
}};

// A vertex is taken within a few pixels, about half a fingertip on a touch screen.
constexpr double kVertexReach = 6.0;

std::optional<DraggablePoint> VertexAt(const QRectF& area, const QPointF& at,
                                       const FieldTexts& fields, const NumberLocale& locale,
                                       KeptTables& kept) {
    const std::optional<section::SectionVertex> vertex =
        section::SectionVertexAt(area, at, fields, locale, kept, kVertexReach);
    if (!vertex) {
        return std::nullopt;
    }
    return DraggablePoint{vertex->field, vertex->row, QPointF(vertex->x, vertex->y),
                          vertex->toSection, vertex->decimals};
}

std::optional<std::string> MoveVertex(const DraggablePoint& point, const QPointF& to,
                                      const FieldTexts& fields, const NumberLocale& locale) {
    section::SectionVertex vertex;
    vertex.field = point.field;
    vertex.row = point.row;
    vertex.decimals = point.decimals;
    return section::MoveSectionVertex(vertex, to.x(), to.y(), fields, locale);
}

constexpr AnalysisWindow kSlopeSectionWindow{
    .id = "slope_section",
    .menuCaption = "Slope Section",
    .controls = kControls,
    .clientWidthTwips = 19080,
    .clientHeightTwips = 10560,
    .navigation = kNavigation,
    .drawDiagram = section::DrawSectionDiagram,
    .describeDiagramPoint = section::DescribeSectionDiagramPoint,
    .importDrawingCommand = "Import &Section…",
    .importDrawing = section::ImportSectionDrawing,
    .pointAt = VertexAt,
    .movePoint = MoveVertex,
    .attachControls = section::AttachSectionChoices,
};

}  // namespace

const forms::AnalysisWindow& SlopeSectionAnalysis::Window() {
    return kSlopeSectionWindow;
}

}  // namespace vardolin

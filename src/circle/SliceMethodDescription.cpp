// SPDX-License-Identifier: MIT
#include "circle/SliceMethodDescription.h"

#include <array>

#include "circle/SliceAnalysis.h"
#include "circle/SliceFields.h"

namespace vardolin {

namespace {

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

constexpr std::string_view kCoordinates =
    "X, Y: the diagram's coordinates in m, with the origin (0,0) at the toe; X1, X2 and Y2 are "
    "given in them.";
constexpr std::string_view kGridOfCentres =
    "Grid of Bishop Method: the centres of the trial slip circles. Each trial draws its centre "
    "on the grid's diagonal, from (X1, Slope Height) across by the distance between X1 and X2 "
    "and up by the distance between Y2 and Slope Height.";

constexpr std::array<NavigationButton, 2> kNavigation{{
    {"Command2", "Vardolin"},  // "Go to Limiting Equilibrium"
    {"Command3", "Form1"},     // "Return"
}};

// The labelled quantities of SliceDiagram.svg: the boxes around their labels in its pixels,
// and last the grid of centres, around which X1, X2 and Y2 stand.
constexpr std::array<DiagramLabel, 18> kDiagramLabels{{
    {79, 45, 18, 17, circle::CentreX1},
    {105, 45, 18, 17, circle::CentreX2},
    {91, 28, 18, 17, circle::CentreY2},
    {19, 241, 33, 17, circle::SlopeFaceAngle},
    {3, 178, 17, 68, circle::SlopeHeight},
    {336, 126, 36, 17, circle::SlopeHeight},
    {320, 197, 17, 69, WaterHeightMean},
    {214, 249, 19, 20, 0, "Li: length of the base of slice i along the slip circle."},
    {115, 102, 14, 18, 0,
     "R: radius of the slip circle, from its centre in the grid to the toe; every trial "
     "circle passes through the toe."},
    {224, 166, 18, 17, 0,
     "Wi: weight of slice i, from its height, its width and the unit weight of rock."},
    {238, 112, 12, 18, 0,
     "b: width of each slice, the circle's span beyond the toe divided by the Number of "
     "Slice."},
    {249, 210, 19, 17, 0,
     "hw: height of the water above the base of slice i, from Water Height, at most up to "
     "the ground."},
    {360, 284, 12, 17, 0, kCoordinates},
    {60, 100, 12, 17, 0, kCoordinates},
    {29, 263, 27, 17, 0,
     "(0,0): the origin of X and Y, at the toe of the slope; every trial circle passes "
     "through it."},
    {89, 179, 53, 53, 0, "Slope Face: rises from the toe to the crest at the Angle."},
    {167, 24, 114, 17, 0, kGridOfCentres},
    {76, 44, 52, 34, 0, kGridOfCentres},
}};

constexpr AnalysisDescription kSliceMethod{
    .id = "slice_method",
    .formName = "vard2",
    .caption = "Method of Slice",
    .fields = circle::kFields,
    .run = RunSliceAnalysis,
    .controls = kControls,
    .clientWidthTwips = 12105,
    .clientHeightTwips = 10560,
    .navigation = kNavigation,
    .diagramLabels = kDiagramLabels,
};

}  // namespace

const AnalysisDescription& SliceMethod() {
    return kSliceMethod;
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "analysis/TableInput.h"
#include "analysis/UncertainInput.h"
#include "fields/FieldFacts.h"
#include "fields/ReportFields.h"
#include "slope_section/SectionMethod.h"

namespace vardolin::section {

// The inputs of a layered section as its form and its model files hold them: seven tables and a
// few plain fields. SectionInputReader.h reads them into a Section.
//
// The layers: "layers" names the soil of each layer from the top, one row each; the first lies
// under the ground ("ground"), the k-th further one under boundary k of "boundaries". That
// table holds every boundary's points, one row a point, with the boundary's number in its first
// column: the rows of boundary 1 first, left to right, then those of boundary 2, and so on. So
// a spreadsheet of (boundary, x, y) rows pastes in whole.
//
// A soil's row holds the mean and the SD of each of its uncertain values (c, φ, γ), whatever its
// model: the cells a model does not read (φ of an undrained soil, every value of an impenetrable
// one, ru unless the water is given by ratios) must still hold a number, and 0 will do.
enum SectionField : int {
    TrialCount = 1,
    SliceCount = 2,
    Methods = 3,
    WaterModelField = 4,
    // The report fields, as on every form.
    MessageField = 5,
    MeanSafetyFactor = 6,
    ExplanationField = 7,
    WaterUnitWeight = 8,
    HeadModeField = 9,
    HorizontalSeismic = 10,
    VerticalSeismic = 11,
    CrackDepth = 12,
    CrackWaterFill = 13,
    GivenCentreX = 14,
    GivenCentreY = 15,
    GivenRadius = 16,
    FailureProbability = 17,
    GroundTable = 18,
    SoilsTable = 19,
    LayersTable = 20,
    BoundariesTable = 21,
    PiezometricTable = 22,
    PressuresTable = 23,
    LineLoadsTable = 24,
    SearchKindField = 25,
    CentresPerSide = 26,
    RadiiPerCentre = 27,
    MinimumSafetyFactor = 28,
    MaximumFailurePercentage = 29,
    // The results beyond the report fields.
    CriticalCentreX = 30,
    CriticalCentreY = 31,
    CriticalRadius = 32,
    EntryX = 33,
    EntryY = 34,
    ExitX = 35,
    ExitY = 36,
    // Each method's factor (and the rigorous methods' lambda) on the critical circle, in the
    // order of kSectionMethods; empty for a method not chosen.
    OrdinaryFactor = 37,
    BishopFactor = 38,
    JanbuFactor = 39,
    JanbuF0Factor = 40,
    SpencerFactor = 41,
    SpencerLambda = 42,
    MorgensternPriceFactor = 43,
    MorgensternPriceLambda = 44,
    HalfSineFactor = 45,
    HalfSineLambda = 46,
    FactorStdDev = 47,
    ReliabilityIndex = 48,
    LognormalReliabilityIndex = 49,
    Caution = 50,
    OwnCircles = 51,
    // The overall slope: whether each trial searches for its own lowest surface, from how many
    // of the search's surfaces, and the figures of those trials.
    OverallSlope = 52,
    SurfacesPerTrial = 53,
    OverallFailurePercentage = 54,
    OverallMeanFactor = 55,
    OverallFactorStdDev = 56,
    OverallReliabilityIndex = 57,
    OverallLognormalReliabilityIndex = 58,
    // A given polyline surface, checked instead of a search or a given circle.
    GivenSurfaceTable = 59,
    MomentPointX = 60,
    MomentPointY = 61,
};

// The counts a section may have. Every one is bounded so that no file can make the reader or
// the slicer take memory or time without bound: the slicer's share of slices among the
// stretches of a surface costs up to the slice count times the stretches, and the stretches
// are bounded by the points of all lines.
inline constexpr std::size_t kMaxLinePoints = 1'000;
// Three uncertain inputs a soil, within the most inputs an analysis may draw.
inline constexpr std::size_t kMaxSoils = kMaxUncertainInputs / 3;
inline constexpr std::size_t kMaxLayers = 64;
inline constexpr std::size_t kMaxBoundaryRows = kMaxTableRows;
inline constexpr std::size_t kMaxPressures = 100;
inline constexpr std::size_t kMaxLineLoads = 100;
inline constexpr int kMaxSliceCount = 1'000;
inline constexpr std::size_t kMaxSoilNameCharacters = 40;

// The texts of the plain fields that choose (read with case aside).
inline constexpr std::string_view kWaterNone = "none";
inline constexpr std::string_view kWaterPiezometric = "piezometric";
inline constexpr std::string_view kWaterPoreRatio = "ru";
inline constexpr std::string_view kHeadVertical = "vertical";
inline constexpr std::string_view kHeadInclined = "inclined";
inline constexpr std::string_view kModelMohrCoulomb = "Mohr-Coulomb";
inline constexpr std::string_view kModelUndrained = "Undrained";
inline constexpr std::string_view kModelImpenetrable = "Impenetrable";
inline constexpr std::string_view kSearchGrid = "grid";
inline constexpr std::string_view kSearchEntryExit = "entry-exit";

// The search's counts, as the Critical Circle bounds them.
inline constexpr int kMaxCentresPerSide = 150;
inline constexpr int kMaxRadiiPerCentre = 1'000;

// clang-format off
inline constexpr std::array<TableColumn, 2> kPointColumns{{
    {"x", "x", "m", "Horizontal distance, growing from row to row.", NumberRange{}},
    {"y", "y", "m", "Height.", NumberRange{}},
}};
inline constexpr std::array<TableColumn, 9> kSoilColumns{{
    {"name", "Name", "", "The soil's name, by which the layers name it.", std::nullopt},
    {"model", "Model", "", "Mohr-Coulomb (c, φ, γ), Undrained (c as cu with φ = 0, γ) or Impenetrable (bedrock).", std::nullopt},
    {"c_mean", "c mean", "kPa", "Average cohesion (cu of an undrained soil): from 0.", NumberRange{}},
    {"c_sd", "c SD", "kPa", "Standard deviation of the cohesion; 0 keeps it at its average.", NumberRange::From(0.0)},
    {"phi_mean", "φ mean", "degrees", "Average friction angle: from 0, below 90.", NumberRange{}},
    {"phi_sd", "φ SD", "degrees", "Standard deviation of the friction angle.", NumberRange::From(0.0)},
    {"gamma_mean", "γ mean", "kN/m³", "Average unit weight: above 0.", NumberRange{}},
    {"gamma_sd", "γ SD", "kN/m³", "Standard deviation of the unit weight.", NumberRange::From(0.0)},
    {"ru", "ru", "", "Pore-pressure ratio, read when the water is given by ratios: from 0, below 1.", NumberRange{}},
}};
inline constexpr std::array<TableColumn, 1> kLayerColumns{{
    {"soil", "Soil", "", "The soil of the layer; the first row's lies under the ground, the next under boundary 1, and so on.", std::nullopt},
}};
inline constexpr std::array<TableColumn, 3> kBoundaryColumns{{
    {"boundary", "Boundary", "", "The boundary's number: 1 for the top of the second layer, 2 for the third's, and so on.", NumberRange::From(1.0)},
    {"x", "x", "m", "Horizontal distance, growing from row to row within a boundary.", NumberRange{}},
    {"y", "y", "m", "Height.", NumberRange{}},
}};
inline constexpr std::array<TableColumn, 3> kPressureColumns{{
    {"from_x", "From x", "m", "Where the pressure starts.", NumberRange{}},
    {"to_x", "To x", "m", "Where it ends, right of From x.", NumberRange{}},
    {"pressure", "Pressure", "kPa", "Vertical pressure on the ground, positive pressing down.", NumberRange{}},
}};
inline constexpr std::array<TableColumn, 3> kLineLoadColumns{{
    {"x", "x", "m", "Where the load acts on the ground.", NumberRange{}},
    {"force", "Force", "kN/m", "The load per unit length of slope.", NumberRange{}},
    {"angle", "Angle", "degrees", "Degrees below the horizontal toward +x: 90 presses straight down.", NumberRange{}},
}};

inline constexpr std::array<TableInput, 8> kSectionTables{{
    {GroundTable, kPointColumns, 2, kMaxLinePoints},
    {SoilsTable, kSoilColumns, 1, kMaxSoils},
    {LayersTable, kLayerColumns, 1, kMaxLayers},
    {BoundariesTable, kBoundaryColumns, 0, kMaxBoundaryRows},
    // Read only with that water, which then needs two points: empty otherwise.
    {PiezometricTable, kPointColumns, 0, kMaxLinePoints},
    {PressuresTable, kPressureColumns, 0, kMaxPressures},
    {LineLoadsTable, kLineLoadColumns, 0, kMaxLineLoads},
    // Empty for a circle; otherwise at least two points.
    {GivenSurfaceTable, kPointColumns, 0, kMaxLinePoints},
}};

// The units: lengths in m, c and pressures in kPa, unit weights in kN/m³ and line loads in kN/m,
// those of the default system; a model in another system converts them (UnitSystem.h).
//
// The inputs, in field order. The defaults: a 2:1 slope 10 high of one soil, dry, a search.
// The counts, the methods and the water come before the report fields, as the other forms' first
// inputs do; the rest of the plain fields after them; the tables last.
inline constexpr std::array<FieldFact, 4> kSectionLeadingFields{{
    {TrialCount,        FieldRole::Count, "trial_count",       "Number of Trials",   "1000", "count", "Monte Carlo trials on the critical surface."},
    {SliceCount,        FieldRole::Input, "slice_count",       "Number of Slices",   "50",   "count", "Slices across the sliding mass, at least one between two points of the section's lines: 1 to 1000."},
    {Methods,           FieldRole::Input, "methods",           "Methods",            "bishop, spencer", "", "The methods to report, separated by commas; a search minimises the first. Of: ordinary, bishop, janbu, janbu_f0, spencer, morgenstern_price, morgenstern_price_half_sine."},
    {WaterModelField,   FieldRole::Input, "water",             "Water",              "none", "",      "none, piezometric (the piezometric line) or ru (each soil's pore-pressure ratio)."},
}};
inline constexpr std::array<FieldFact, 9> kSectionPlainFields{{
    {WaterUnitWeight,   FieldRole::Input, "water_unit_weight", "γw",                 "9.81", "kN/m³",      "Unit weight of water, for the piezometric line and a water-filled crack: above 0."},
    {HeadModeField,     FieldRole::Input, "head",              "Head",               "vertical", "",  "How the head above a slice's base is read from the piezometric line: vertical (its height above the base, the default) or inclined (that height times cos² of the line's inclination)."},
    {HorizontalSeismic, FieldRole::Input, "kh",                "kh",                 "0",    "",      "Horizontal pseudo-static coefficient, toward the direction of sliding."},
    {VerticalSeismic,   FieldRole::Input, "kv",                "kv",                 "0",    "",      "Vertical pseudo-static coefficient, positive upward."},
    {CrackDepth,        FieldRole::Input, "crack_depth",       "Tension crack depth", "",    "m",      "Depth of a tension crack behind the crest, above 0; empty for none."},
    {CrackWaterFill,    FieldRole::Input, "crack_water_fill",  "Tension crack water fill", "0", "",   "The share of the crack's depth that holds water: 0 to 1."},
    {GivenCentreX,      FieldRole::Input, "circle_centre_x",   "Given circle: centre x", "", "m",      "Centre x of one circle to check instead of a search; leave the three empty to search."},
    {GivenCentreY,      FieldRole::Input, "circle_centre_y",   "Given circle: centre y", "", "m",      "Centre y of the circle to check."},
    {GivenRadius,       FieldRole::Input, "circle_radius",     "Given circle: radius", "",   "m",      "Radius of the circle to check: above 0."},
}};
inline constexpr std::array<FieldFact, 7> kSectionTableFields{{
    {GroundTable,       FieldRole::Input, "ground",            "Ground",             R"([["0","20"],["20","20"],["40","10"],["60","10"]])", "", "The ground surface, left to right, level beyond its ends."},
    {SoilsTable,        FieldRole::Input, "soils",             "Soils",              R"([["Clay","Mohr-Coulomb","10","2","30","3","19","0.5","0"]])", "", "One row per soil: its name, model, and the mean and SD of c, φ and γ; then ru."},
    {LayersTable,       FieldRole::Input, "layers",            "Layers",             R"([["Clay"]])", "", "The soil of each layer from the top: the first under the ground, the next under boundary 1, and so on."},
    {BoundariesTable,   FieldRole::Input, "boundaries",        "Boundaries",         "",     "",      "The points of the boundaries between layers: the boundary's number, x and y, boundary by boundary."},
    {PiezometricTable,  FieldRole::Input, "piezometric_line",  "Piezometric line",   "",     "",      "The piezometric line, left to right, within the ground's x."},
    {PressuresTable,    FieldRole::Input, "pressures",         "Pressures",          "",     "",      "Uniform vertical pressures on the ground, each over a range of x."},
    {LineLoadsTable,    FieldRole::Input, "line_loads",        "Line loads",         "",     "",      "Forces on the ground at a point, each with its angle."},
}};
inline constexpr std::array<FieldFact, 5> kSectionSearchFields{{
    {SearchKindField,   FieldRole::Input, "search",            "Search",             "grid", "",      "grid: circles from a grid of centres placed from the section's face; entry-exit: circles through a point behind the crest and a point on the face or in front of the toe. Either is then refined. Not read where a circle is given."},
    {CentresPerSide,    FieldRole::Input, "centres_per_side",  "Centres per Side",   "20",   "count", "Centres along each side of the grid (entry and exit points of each range): 1 to 150."},
    {RadiiPerCentre,    FieldRole::Input, "radii_per_centre",  "Radii per Centre",   "10",   "count", "Radii tried at each centre (circles for each entry-exit pair): 1 to 1000."},
    {MinimumSafetyFactor, FieldRole::Input, "minimum_safety_factor", "Acceptance: Minimum Factor of Safety", "1.5", "", "The lowest factor at the averages, by the first method, the slope is accepted with: above 0."},
    {MaximumFailurePercentage, FieldRole::Input, "maximum_failure_probability", "Acceptance: Maximum Probability of Failure (%)", "5", "%", "The highest probability of failure the slope is accepted with: 0 to 100 %."},
}};
inline constexpr std::array<FieldFact, 21> kSectionResultFields{{
    {CriticalCentreX,   FieldRole::Result, "critical_centre_x", "Critical Circle: Centre x", "", "m", "Centre x of the critical circle (the given one where a circle is given); empty for a given polyline.", FieldDisplay::Length},
    {CriticalCentreY,   FieldRole::Result, "critical_centre_y", "Critical Circle: Centre y", "", "m", "Centre y of the critical circle.", FieldDisplay::Length},
    {CriticalRadius,    FieldRole::Result, "critical_radius",   "Critical Circle: Radius",   "", "m", "Radius of the critical circle.", FieldDisplay::Length},
    {EntryX,            FieldRole::Result, "entry_x",           "Entry Point: x",            "", "m", "Where the critical surface enters the ground at the top of the sliding mass.", FieldDisplay::Length},
    {EntryY,            FieldRole::Result, "entry_y",           "Entry Point: y",            "", "m", "Height of the entry point.", FieldDisplay::Length},
    {ExitX,             FieldRole::Result, "exit_x",            "Exit Point: x",             "", "m", "Where the critical surface leaves the ground at the foot of the sliding mass.", FieldDisplay::Length},
    {ExitY,             FieldRole::Result, "exit_y",            "Exit Point: y",             "", "m", "Height of the exit point.", FieldDisplay::Length},
    {OrdinaryFactor,    FieldRole::Result, "ordinary_factor",   "Ordinary",                  "", "", "The ordinary (Fellenius) factor of the critical surface at the averages.", FieldDisplay::Factor},
    {BishopFactor,      FieldRole::Result, "bishop_factor",     "Bishop Simplified",         "", "", "Bishop's simplified factor of the critical surface at the averages.", FieldDisplay::Factor},
    {JanbuFactor,       FieldRole::Result, "janbu_factor",      "Janbu Simplified",          "", "", "Janbu's simplified factor, uncorrected.", FieldDisplay::Factor},
    {JanbuF0Factor,     FieldRole::Result, "janbu_f0_factor",   "Janbu Simplified with f0",  "", "", "Janbu's simplified factor with the f0 correction.", FieldDisplay::Factor},
    {SpencerFactor,     FieldRole::Result, "spencer_factor",    "Spencer",                   "", "", "Spencer's factor, in force and moment equilibrium.", FieldDisplay::Factor},
    {SpencerLambda,     FieldRole::Result, "spencer_lambda",    "Spencer: λ",                "", "", "The tangent of Spencer's interslice force inclination.", FieldDisplay::Factor},
    {MorgensternPriceFactor, FieldRole::Result, "morgenstern_price_factor", "Morgenstern-Price", "", "", "The Morgenstern-Price factor with f(x) constant.", FieldDisplay::Factor},
    {MorgensternPriceLambda, FieldRole::Result, "morgenstern_price_lambda", "Morgenstern-Price: λ", "", "", "Its λ.", FieldDisplay::Factor},
    {HalfSineFactor,    FieldRole::Result, "morgenstern_price_half_sine_factor", "Morgenstern-Price, Half-Sine", "", "", "The Morgenstern-Price factor with f(x) a half-sine.", FieldDisplay::Factor},
    {HalfSineLambda,    FieldRole::Result, "morgenstern_price_half_sine_lambda", "Morgenstern-Price, Half-Sine: λ", "", "", "Its λ.", FieldDisplay::Factor},
    {FactorStdDev,      FieldRole::Result, "factor_sd",         "Standard Deviation of Factor", "", "", "Standard deviation of the trials' factors.", FieldDisplay::Factor},
    {ReliabilityIndex,  FieldRole::Result, "reliability_index", "Reliability Index",         "", "", "(mean factor - 1) / standard deviation.", FieldDisplay::Factor},
    {LognormalReliabilityIndex, FieldRole::Result, "lognormal_reliability_index", "Lognormal Reliability Index", "", "", "The reliability index of a lognormally distributed factor of safety.", FieldDisplay::Factor},
    {Caution,           FieldRole::Result, "caution",           "Caution",                   "", "", "What bounds the search, the methods' doubts about the critical circle, and trials left out."},
}};
inline constexpr std::array<FieldFact, 1> kSectionOwnCirclesField{{
    {OwnCircles,        FieldRole::Input, "own_circles",       "Each Method's Own Circle", "no", "", "yes: a search also finds each further method's own critical circle, for the exported results and the report; no: the first method's circle only."},
}};
inline constexpr std::array<FieldFact, 2> kSectionOverallInputFields{{
    {OverallSlope,      FieldRole::Input, "overall_slope",     "Overall Slope",      "no",   "",      "yes: each trial also searches for its own lowest surface, refining from the search's lowest distinct surfaces with the trial's soils, for the overall slope's probability of failure; no: the trials on the critical surface only. Needs a search."},
    {SurfacesPerTrial,  FieldRole::Input, "surfaces_per_trial", "Surfaces Refined per Trial", "10", "count", "How many of the search's lowest distinct surfaces each trial of the overall slope refines from, the critical surface first: 1 to 100."},
}};
inline constexpr std::array<FieldFact, 5> kSectionOverallResultFields{{
    {OverallFailurePercentage, FieldRole::Result, "overall_failure_probability", "Overall Slope: Failure Probability (%)", "", "%", "Percentage of the trials whose own lowest surface has a factor below 1; never below the critical surface's.", FieldDisplay::Percentage},
    {OverallMeanFactor, FieldRole::Result, "overall_mean_factor", "Overall Slope: Mean Factor", "", "", "Mean of the trials' lowest factors.", FieldDisplay::Factor},
    {OverallFactorStdDev, FieldRole::Result, "overall_factor_sd", "Overall Slope: Standard Deviation of Factor", "", "", "Standard deviation of the trials' lowest factors.", FieldDisplay::Factor},
    {OverallReliabilityIndex, FieldRole::Result, "overall_reliability_index", "Overall Slope: Reliability Index", "", "", "(mean lowest factor - 1) / standard deviation.", FieldDisplay::Factor},
    {OverallLognormalReliabilityIndex, FieldRole::Result, "overall_lognormal_reliability_index", "Overall Slope: Lognormal Reliability Index", "", "", "The reliability index of lognormally distributed lowest factors.", FieldDisplay::Factor},
}};
inline constexpr std::array<FieldFact, 3> kSectionPolylineFields{{
    {GivenSurfaceTable, FieldRole::Input, "given_surface",     "Given Surface",      "",     "",      "The points of one polyline slip surface to check instead of a search, left to right, each end on or above the ground; empty for a circle."},
    {MomentPointX,      FieldRole::Input, "moment_point_x",    "Moment Point: x",    "",     "m",     "Where the methods that take moments take them on the given surface; leave x and y empty for the centre of the circle through its ends and its lowest point."},
    {MomentPointY,      FieldRole::Input, "moment_point_y",    "Moment Point: y",    "",     "m",     "Height of the moment point."},
}};
// clang-format on

inline constexpr int kMaxSurfacesPerTrial = 100;

inline constexpr auto kSectionInputFields = JoinFieldFacts(
    kSectionLeadingFields, kSectionPlainFields, kSectionTableFields, kSectionSearchFields,
    kSectionOwnCirclesField, kSectionOverallInputFields, kSectionPolylineFields);
// Every field of the section's form in field order: the inputs, the report fields and the
// results.
inline constexpr auto kSectionFields = JoinFieldFacts(
    kSectionLeadingFields, kVerdictFields, kSectionPlainFields, kFailurePercentageField,
    kSectionTableFields, kSectionSearchFields, kSectionResultFields, kSectionOwnCirclesField,
    kSectionOverallInputFields, kSectionOverallResultFields, kSectionPolylineFields);
static_assert(AreInFieldOrder(kSectionFields));

// The analysis's id in model files.
inline constexpr std::string_view kSectionAnalysisId = "slope_section";

}  // namespace vardolin::section

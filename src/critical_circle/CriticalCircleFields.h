// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

#include "analysis/UncertainInput.h"
#include "fields/FieldFacts.h"
#include "fields/ReportFields.h"
#include "sampling/SampledParameter.h"

namespace vardolin {
namespace messages {

// The checks of the soil's averages.
inline constexpr std::string_view kSoilCohesionBelowZero =
    "Please Enter an Average Cohesion from 0";
inline constexpr std::string_view kSoilFrictionAngleOutOfRange =
    "Please Enter an Average Friction Angle from 0 to below 90";
inline constexpr std::string_view kSoilUnitWeightNotAboveZero =
    "Please Enter an Average Unit Weight of Soil Above 0";
inline constexpr std::string_view kPoreRatioOutOfRange =
    "Please Enter an Average Pore-Pressure Ratio from 0 to below 1";

}  // namespace messages

namespace critical {

// The fields of the critical-circle form, by control number (Text1 is 1). The report fields
// (Text5, Text6, Text7, Text17) sit where the other forms have them.
enum Field : int {
    SlopeHeight = 1,
    FaceAngle = 2,
    SliceCount = 3,
    TrialCount = 4,
    MessageField = 5,
    MeanSafetyFactor = 6,
    ExplanationField = 7,
    SoilCohesionMean = 9,
    SoilCohesionStdDev = 10,
    FrictionMean = 11,
    FrictionStdDev = 12,
    UnitWeightMean = 13,
    UnitWeightStdDev = 14,
    PoreRatioMean = 15,
    PoreRatioStdDev = 16,
    FailureProbability = 17,
    GridXFrom = 18,
    GridXTo = 19,
    GridYFrom = 20,
    GridYTo = 21,
    CentresPerSide = 22,
    RadiiPerCentre = 23,
    DepthBelowToe = 24,
    GivenCentreX = 25,
    GivenCentreY = 26,
    GivenRadius = 27,
    // Results beyond the report fields.
    CriticalCentreX = 28,
    CriticalCentreY = 29,
    CriticalRadius = 30,
    EntryX = 31,
    EntryY = 32,
    ExitX = 33,
    ExitY = 34,
    OrdinaryFactor = 35,
    BishopFactor = 36,
    FactorStdDev = 37,
    ReliabilityIndex = 38,
    LognormalReliabilityIndex = 39,
    SearchWarning = 40,
    // The search's kind and the entry-exit search's ranges.
    SearchMethod = 41,
    EntryXFrom = 42,
    EntryXTo = 43,
    ExitXFrom = 44,
    ExitXTo = 45,
    // The acceptance criteria the verdict judges the run by.
    MinimumSafetyFactor = 50,
    MaximumFailurePercentage = 51,
};

// The report fields as this form names and shows them.
inline constexpr std::array<FieldFact, 3> kCircleVerdictFields{{
    {MessageField, FieldRole::Message, "message", "Message", "", "",
     "The verdict of the last run against the acceptance criteria, or why it stopped."},
    {MeanSafetyFactor, FieldRole::MeanSafetyFactor, "mean_safety_factor", "Mean Safety Factor", "",
     "", "Mean factor of safety of the trials, a ratio without unit; below 1 the slope fails.",
     FieldDisplay::Factor},
    {ExplanationField, FieldRole::Explanation, "explanation", "Explanation", "", "",
     "What the last run computed."},
}};

inline constexpr std::array<FieldFact, 1> kCircleFailurePercentageField{{
    {FailureProbability, FieldRole::FailurePercentage, "failure_probability",
     "Failure Probability (%)", "", "%",
     "Percentage of the trials whose factor of safety is below 1.", FieldDisplay::Percentage},
}};

// Every field of the form in field order, which is also the order "Clear Data" empties them.
// The defaults: a 10 m slope at 45 degrees in a soil of c = 10 kPa, phi = 30 degrees,
// gamma = 18 kN/m3 and ru = 0.1, searched over centres above the face. Units and defaults are
// those of SI in kPa and kN/m³; a model in another system converts them.
inline constexpr auto kFields = JoinFieldFacts(
    std::array<FieldFact, 4>{{
        {SlopeHeight, FieldRole::Input, "slope_height", "Slope Height", "10", "m",
         "Height of the slope from its toe at (0, 0) up to its crest. Any consistent set of "
         "units gives the same factor."},
        {FaceAngle, FieldRole::Input, "slope_face_angle", "Slope Face Angle", "45", "degrees",
         "Inclination of the slope face from the horizontal: above 0, at most 90."},
        {SliceCount, FieldRole::Input, "slice_count", "Number of Slices", "50", "count",
         "Slices of equal width across the whole sliding mass: 1 to 10000."},
        {TrialCount, FieldRole::Count, "trial_count", "Number of Trials", "1000", "count",
         "Number of Monte Carlo trials on the critical circle: more than 1 and at most "
         "1000000. A failure probability of 0.001 needs about 100000 trials to be known to "
         "10 %."},
    }},
    kCircleVerdictFields,
    std::array<FieldFact, 8>{{
        {SoilCohesionMean, FieldRole::StatisticsMean, "cohesion_mean", "Cohesion: Average", "10",
         "kPa",
         "Average cohesion c of the soil. Any consistent set of units gives the same factor."},
        {SoilCohesionStdDev, FieldRole::StatisticsStdDev, "cohesion_sd",
         "Cohesion: Standard deviation", "2", "kPa",
         "Standard deviation of the cohesion; 0 keeps it at its average."},
        {FrictionMean, FieldRole::StatisticsMean, "friction_angle_mean", "Friction Angle: Average",
         "30", "degrees", "Average friction angle phi of the soil: from 0, below 90."},
        {FrictionStdDev, FieldRole::StatisticsStdDev, "friction_angle_sd",
         "Friction Angle: Standard deviation", "3", "degrees",
         "Standard deviation of the friction angle; 0 keeps it at its average."},
        {UnitWeightMean, FieldRole::StatisticsMean, "unit_weight_mean",
         "Unit Weight of Soil: Average", "18", "kN/m³",
         "Average unit weight gamma of the soil. Any consistent set of units gives the same "
         "factor."},
        {UnitWeightStdDev, FieldRole::StatisticsStdDev, "unit_weight_sd",
         "Unit Weight of Soil: Standard deviation", "0.5", "kN/m³",
         "Standard deviation of the unit weight; 0 keeps it at its average."},
        {PoreRatioMean, FieldRole::StatisticsMean, "pore_ratio_mean",
         "Pore-Pressure Ratio ru: Average", "0.1", "",
         "Average pore-pressure ratio ru, without unit: the pore pressure on a slice's base is "
         "ru times the unit weight times the slice's height. From 0, below 1."},
        {PoreRatioStdDev, FieldRole::StatisticsStdDev, "pore_ratio_sd",
         "Pore-Pressure Ratio ru: Standard deviation", "0.02", "",
         "Standard deviation of the pore-pressure ratio; 0 keeps it at its average."},
    }},
    kCircleFailurePercentageField,
    std::array<FieldFact, 10>{{
        {GridXFrom, FieldRole::Input, "grid_x_from", "Grid of Centres: x from", "Auto", "m",
         "Left side of the grid of centres, measured from the toe (x grows toward the crest); "
         "Auto places it from the slope's height and face angle, and widens it where the "
         "lowest circle lies on it."},
        {GridXTo, FieldRole::Input, "grid_x_to", "Grid of Centres: x to", "Auto", "m",
         "Right side of the grid of centres, or Auto."},
        {GridYFrom, FieldRole::Input, "grid_y_from", "Grid of Centres: y from", "Auto", "m",
         "Lower side of the grid of centres, measured up from the toe, or Auto."},
        {GridYTo, FieldRole::Input, "grid_y_to", "Grid of Centres: y to", "Auto", "m",
         "Upper side of the grid of centres, or Auto."},
        {CentresPerSide, FieldRole::Input, "centres_per_side", "Centres per Side", "20", "count",
         "Centres along each side of the grid: 1 to 1000 (their square in all)."},
        {RadiiPerCentre, FieldRole::Input, "radii_per_centre", "Radii per Centre", "20", "count",
         "Radii tried at each centre, in equal steps from the circle through the toe out to the "
         "circle that touches the depth level: 1 to 1000."},
        {DepthBelowToe, FieldRole::Input, "depth_below_toe", "Depth below Toe", "Auto", "m",
         "How deep below the toe the circles may reach: the deepest circle of each centre "
         "touches this level. Auto: one slope height, deepened where the critical circle "
         "touches it."},
        {GivenCentreX, FieldRole::Input, "circle_centre_x", "Given Circle: Centre x", "", "m",
         "Centre x of one circle to check instead of a search; leave the three given-circle "
         "fields empty to search."},
        {GivenCentreY, FieldRole::Input, "circle_centre_y", "Given Circle: Centre y", "", "m",
         "Centre y of the circle to check."},
        {GivenRadius, FieldRole::Input, "circle_radius", "Given Circle: Radius", "", "m",
         "Radius of the circle to check."},
    }},
    std::array<FieldFact, 13>{{
        {CriticalCentreX, FieldRole::Result, "critical_centre_x", "Critical Circle: Centre x", "",
         "m", "Centre x of the critical circle (the given one in given-circle mode).",
         FieldDisplay::Length},
        {CriticalCentreY, FieldRole::Result, "critical_centre_y", "Critical Circle: Centre y", "",
         "m", "Centre y of the critical circle.", FieldDisplay::Length},
        {CriticalRadius, FieldRole::Result, "critical_radius", "Critical Circle: Radius", "", "m",
         "Radius of the critical circle.", FieldDisplay::Length},
        {EntryX, FieldRole::Result, "entry_x", "Entry Point: x", "", "m",
         "Where the critical circle enters the ground, toward the crest.", FieldDisplay::Length},
        {EntryY, FieldRole::Result, "entry_y", "Entry Point: y", "", "m",
         "Height of the entry point.", FieldDisplay::Length},
        {ExitX, FieldRole::Result, "exit_x", "Exit Point: x", "", "m",
         "Where the critical circle leaves the ground, toward the toe.", FieldDisplay::Length},
        {ExitY, FieldRole::Result, "exit_y", "Exit Point: y", "", "m", "Height of the exit point.",
         FieldDisplay::Length},
        {OrdinaryFactor, FieldRole::Result, "ordinary_factor", "Ordinary Factor", "", "",
         "The ordinary (Fellenius) factor of safety of the critical circle at the averages.",
         FieldDisplay::Factor},
        {BishopFactor, FieldRole::Result, "bishop_factor", "Bishop Factor", "", "",
         "Bishop's simplified factor of safety of the critical circle at the averages; the "
         "verdict holds it against the minimum factor of safety.",
         FieldDisplay::Factor},
        {FactorStdDev, FieldRole::Result, "factor_sd", "Standard Deviation of Factor", "", "",
         "Standard deviation of the trials' factors of safety.", FieldDisplay::Factor},
        {ReliabilityIndex, FieldRole::Result, "reliability_index", "Reliability Index", "", "",
         "(mean factor - 1) / standard deviation.", FieldDisplay::Factor},
        {LognormalReliabilityIndex, FieldRole::Result, "lognormal_reliability_index",
         "Lognormal Reliability Index", "", "",
         "The reliability index of a lognormally distributed factor of safety.",
         FieldDisplay::Factor},
        {SearchWarning, FieldRole::Result, "search_warning", "Caution", "", "",
         "A c/(γH) that suggests mixed-up units; what bounds the search and which input to "
         "move: the grid's edge (with the figure to "
         "move it past), the depth level, circles tangent to the ground in front of the toe; "
         "or trials left out."},
    }},
    std::array<FieldFact, 5>{{
        {SearchMethod, FieldRole::Input, "search_method", "Search Method", "Grid", "",
         "Grid: circles from a grid of centres; Entry-Exit: circles through a point of the entry "
         "range behind the crest and a point of the exit range on the face or in front of the "
         "toe. Either is then refined."},
        {EntryXFrom, FieldRole::Input, "entry_x_from", "Entry Range: x from", "Auto", "m",
         "Where the entry range on the ground behind the crest begins (Entry-Exit search); "
         "Auto: at the crest."},
        {EntryXTo, FieldRole::Input, "entry_x_to", "Entry Range: x to", "Auto", "m",
         "Where the entry range ends; Auto: the greater of the height and the face's run "
         "behind the crest."},
        {ExitXFrom, FieldRole::Input, "exit_x_from", "Exit Range: x from", "Auto", "m",
         "Where the exit range on the face or the ground in front of the toe begins; Auto: "
         "half a height in front of the toe."},
        {ExitXTo, FieldRole::Input, "exit_x_to", "Exit Range: x to", "Auto", "m",
         "Where the exit range ends; Auto: the middle of the face."},
    }},
    std::array<FieldFact, 2>{{
        {MinimumSafetyFactor, FieldRole::Input, "minimum_safety_factor",
         "Acceptance: Minimum Factor of Safety", "1.5", "",
         "The lowest Bishop factor at the averages the slope is accepted with: above 0. 1.5 by "
         "default, the upper value for an overall slope with a high consequence of failure in "
         "Read and Stacey's Guidelines for Open Pit Slope Design (2009)."},
        {MaximumFailurePercentage, FieldRole::Input, "maximum_failure_probability",
         "Acceptance: Maximum Probability of Failure (%)", "5", "%",
         "The highest probability of failure the slope is accepted with: 0 to 100 %. 5 % by "
         "default, as the same guidelines give for an overall slope with a high consequence of "
         "failure."},
    }});
static_assert(AreInFieldOrder(kFields), "one fact per field, the shared ones among the form's own");
static_assert(MessageField == kVerdictFields[0].number &&
                  MeanSafetyFactor == kVerdictFields[1].number &&
                  ExplanationField == kVerdictFields[2].number &&
                  FailureProbability == kFailurePercentageField[0].number,
              "the report fields sit where the other forms have them");

// A grid side or depth typed as "Auto" (in any case, blanks around it) is placed by the search.
inline bool IsAutoText(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return false;
    }
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    constexpr std::string_view kAuto = "auto";
    if (text.size() != kAuto.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((text[i] | 0x20) != kAuto[i]) {
            return false;
        }
    }
    return true;
}

// The search method typed as the entry-exit search: "Entry-Exit" in any case, with or without
// the hyphen, blanks or an underscore.
inline bool IsEntryExitText(std::string_view text) {
    constexpr std::string_view kWord = "entryexit";
    std::size_t matched = 0;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '-' || c == '_') {
            continue;
        }
        if (matched == kWord.size() || (c | 0x20) != kWord[matched]) {
            return false;
        }
        ++matched;
    }
    return matched == kWord.size();
}

// The soil's four uncertain inputs, in the order every trial draws them (kSoilParameters), with
// what a soil can hold: c >= 0, 0 <= phi < 90 degrees, gamma > 0 and 0 <= ru < 1.
inline constexpr std::array<UncertainInput, 4> kCircleInputs{{
    {"cohesion", "Cohesion", "kPa", SoilCohesionMean, SoilCohesionStdDev, NumberRange::From(0.0),
     messages::kSoilCohesionBelowZero},
    {"friction_angle", "Friction angle", "degrees", FrictionMean, FrictionStdDev,
     NumberRange::Between(0.0, true, 90.0, false), messages::kSoilFrictionAngleOutOfRange},
    {"unit_weight", "Unit weight of soil", "kN/m³", UnitWeightMean, UnitWeightStdDev,
     NumberRange::From(0.0, false), messages::kSoilUnitWeightNotAboveZero},
    {"pore_ratio", "Pore-pressure ratio ru", "", PoreRatioMean, PoreRatioStdDev,
     NumberRange::Between(0.0, true, 1.0, false), messages::kPoreRatioOutOfRange},
}};

// The pairs whose correlation the form offers: the strength parameters first.
inline constexpr std::array<ParameterPair, 2> kCirclePairs{{
    {"cohesion", "friction_angle"},
    {"unit_weight", "pore_ratio"},
}};

}  // namespace critical
}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "circle_search/Circle.h"
#include "circle_search/SearchSpace.h"
#include "slope_section/MethodResult.h"
#include "slope_section/MomentCentre.h"
#include "slope_section/SectionMethod.h"
#include "slope_section/SlipSurface.h"
#include "slope_section/SurfaceEvaluation.h"

namespace vardolin::section {

// One chosen method on the critical surface at the means, with its slice table.
struct KeptMethod {
    SectionMethod method = SectionMethod::Bishop;
    MethodResult result;
    std::vector<SliceRow> rows;
};

// A circle the search judged and its factor by the search's method.
struct JudgedCircle {
    CircleSurface circle;  // as drawn
    double factor = 0.0;
};

// A further method's own critical circle, from a search that minimised it.
struct OwnCircle {
    SectionMethod method = SectionMethod::Bishop;
    bool found = false;  // whether its search found a circle with a usable factor
    CircleSurface circle;
    double factor = 0.0;
};

// What the last run of a section found, for its diagram, its export and its report: the search's
// grid or ranges (none for a given surface), its lowest circles, and the critical surface with
// every chosen method on it. Replaced whole by each run that reaches its surface; a run stopped
// before that leaves hasSurface false.
struct SectionKeptTables {
    bool hasSurface = false;
    bool searched = false;                     // false: the circle or the polyline was given
    circle_search::SearchGrid grid;            // the grid searched last, as drawn
    circle_search::EntryExitRanges entryExit;  // the ranges of an entry-exit search
    // The lowest circle of each centre of the grid (or entry-exit pair), lowest factor first, at
    // most kKeptLowestCircles; the critical circle is not among them unless the grid met it.
    std::vector<JudgedCircle> lowest;
    CircleSurface critical;              // as drawn; not read where a polyline was given
    std::vector<SectionPoint> polyline;  // the given polyline surface, as drawn; empty otherwise
    SurfaceOnGround located;
    std::optional<MomentPoint> momentPoint;
    // The chosen methods in their order; the first is the one the search minimised.
    std::vector<KeptMethod> methods;
    std::vector<std::string> soilNames;  // by row, for the slice tables' soils
    // Each further chosen method's own critical circle, where the run was asked for them.
    std::vector<OwnCircle> ownCircles;
    // The overall slope's surfaces of the first kKeptFailedSurfaces trials, in trial order,
    // whose lowest factor is below 1, as drawn; empty unless the run searched each trial.
    std::vector<CircleSurface> failedSurfaces;
};

inline constexpr std::size_t kKeptLowestCircles = 20;
inline constexpr std::size_t kKeptFailedSurfaces = 200;

}  // namespace vardolin::section

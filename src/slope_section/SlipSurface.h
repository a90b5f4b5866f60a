// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <variant>
#include <vector>

#include "slope_section/Polyline.h"
#include "slope_section/PreparedSection.h"
#include "slope_section/SectionModel.h"

namespace vardolin::section {

// A circular slip surface: its lower arc. A composite one follows the top of an impenetrable
// soil wherever the arc would enter it.
struct CircleSurface {
    double centreX = 0.0;
    double centreY = 0.0;
    double radius = 0.0;
    bool composite = false;
};

// A given polyline surface, as drawn, x increasing, and the point its moment methods take moments
// about (nothing: DefaultMomentCentre).
struct PolylineSurface {
    std::vector<SectionPoint> points;
    std::optional<SectionPoint> momentPoint;
};

// The one surface a run checks and its trials evaluate: a circle or a polyline.
using SlipSurface = std::variant<CircleSurface, PolylineSurface>;

// Why a surface gives no slices. Not an error: a search meets such surfaces all the time and
// skips them.
enum class SurfaceStatus {
    Valid,
    BadSurface,          // a number that is not finite, a radius not above 0, a polyline of
                         // fewer than two points or with x not increasing
    MissesGround,        // no ground above the surface
    SeveralMasses,       // the ground leaves the surface and comes back: two sliding masses
    OverhangingEnd,      // a circle meets the ground above its centre's level
    EndsBelowGround,     // a polyline begins or ends under the ground
    EntersImpenetrable,  // the surface enters an impenetrable soil
    ShallowerThanCrack,  // the surface nowhere lies as deep as the tension crack
    DegenerateSlice,     // a slice of no width, with a vertical base, or of numbers not finite
};

// Where a surface meets the ground, as drawn: the sliding mass lies above the surface between
// the entry (its upper end) and the exit (its lower end). Sliding goes from the entry toward
// the exit; it goes toward -x as drawn when `mirrored`. Where both ends lie at one height the
// section's own facing decides (the ground's first point against its last; right when level).
struct SurfaceOnGround {
    SurfaceStatus status = SurfaceStatus::BadSurface;
    double entryX = 0.0;
    double entryY = 0.0;
    double exitX = 0.0;
    double exitY = 0.0;
    bool mirrored = false;
};

// The crossings of the ground with the surface bound stretches of ground above it or below it;
// the middle of each stretch tells which. A stretch below it shorter than a billionth of the
// surface's size between two above it is a touch, not a gap between two masses.
SurfaceOnGround LocateCircle(const PreparedSection& section, const CircleSurface& circle);
// The same, with the caller's storage for its working points (kept from one circle to the next).
SurfaceOnGround LocateCircle(const PreparedSection& section, const CircleSurface& circle,
                             std::vector<double>& points);
// A polyline surface starts and ends on or above the ground (to within a billionth of its
// size) and has its points' x increasing.
SurfaceOnGround LocatePolyline(const PreparedSection& section,
                               const std::vector<SectionPoint>& surface);

}  // namespace vardolin::section

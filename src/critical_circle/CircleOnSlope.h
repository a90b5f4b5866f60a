// SPDX-License-Identifier: MIT
#pragma once

#include "circle_search/Circle.h"
#include "critical_circle/SimpleSlope.h"

namespace vardolin::critical {

using circle_search::Circle;

// Why a circle gives no sliding mass, or none that slices can describe. Not an error: a search
// meets such circles all the time, skips them and counts them.
enum class CircleStatus {
    Valid,
    BadCircle,        // a centre or radius that is not a finite number, or a radius not above 0
    MissesGround,     // the circle lies wholly above or wholly below the ground
    SeveralMasses,    // the ground leaves the circle and enters it again: two sliding masses
    OverhangingEnd,   // the circle meets the ground above its centre's level, where its arc
                      // would curl back under the mass
    MissesFace,       // the mass lies wholly on the level ground beyond the toe or the crest
    DegenerateSlice,  // a slice of no height or with a vertical base (a sliver of a mass)
};

// Where a circle cuts the ground. The sliding mass is the ground inside the circle between the
// exit (the lower end, toward the toe) and the entry (the upper end, toward the crest), above
// the circle's lower arc; it slides down to the left.
struct CircleOnSlope {
    CircleStatus status = CircleStatus::BadCircle;
    double exitX = 0.0;
    double exitY = 0.0;
    double entryX = 0.0;
    double entryY = 0.0;
};

// The crossings of the circle with the three pieces of the ground bound the stretches of ground
// inside and outside the circle; the middle of each stretch tells which it is. The toe and the
// crest always bound stretches, so a crossing that rounding puts a hair beyond the end of its
// piece is never lost. An outside stretch shorter than a billionth of the radius between two
// inside ones is a pinch (a circle through the toe from a centre left of it touches the ground
// there), not a gap between two masses.
CircleOnSlope LocateCircle(const SimpleSlope& slope, const Circle& circle) noexcept;

}  // namespace vardolin::critical

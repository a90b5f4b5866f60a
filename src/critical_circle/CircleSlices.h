// SPDX-License-Identifier: MIT
#pragma once

#include "critical_circle/CircleOnSlope.h"
#include "critical_circle/SimpleSlope.h"
#include "critical_circle/SoilValues.h"
#include "slope_section/PreparedSection.h"
#include "slope_section/SectionSlice.h"

// The simple slope is a section of one soil: its circles are cut and solved by the section
// engine, whose midpoint slices and factors about the centre are this analysis's own figures.
namespace vardolin::critical {

// The slices of one circle: equal widths from the exit to the entry, each slice's height and
// base taken at its middle (section::LayOutMidpointSlices). The simple slope rises to the
// right and slides to the left, so the mass is mirrored into the section's sliding frame: its
// slices run from the entry to the exit, and a slice's base angle alpha has sin(alpha) =
// (x - centreX) / R as drawn, positive where the base rises toward the crest.
struct CircleSlices {
    Circle circle;
    section::SlicedMass mass;

    int count() const noexcept { return static_cast<int>(mass.slices.size()); }
    // b, common to every slice.
    double width() const noexcept { return mass.slices.empty() ? 0.0 : mass.slices.front().width; }
};

// The ground of the simple slope as a section's line: its face keeps the slope's own tangent,
// so that the line gives the slope's ground level to the bit.
section::Polyline GroundLine(const SimpleSlope& slope);

// The soil's values as a section's slices take them.
section::SoilStrength StrengthOf(const SoilValues& soil);

// Lays `count` (at least 1) slices under a circle that LocateCircle found valid, with the
// soil's values, into `slices` (whose storage is kept from one circle to the next). A slice
// whose middle lies on the circle's horizontal diameter (a vertical base), or whose numbers
// are not finite, makes the circle a DegenerateSlice; Valid otherwise.
CircleStatus LayOutSlices(const section::Polyline& ground, const Circle& circle,
                          const CircleOnSlope& located, const section::SoilStrength& soil,
                          int count, CircleSlices& slices);

}  // namespace vardolin::critical

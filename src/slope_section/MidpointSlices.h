// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>

#include "slope_section/Polyline.h"
#include "slope_section/PreparedSection.h"
#include "slope_section/SectionSlice.h"
#include "slope_section/SlipSurface.h"

namespace vardolin::section {

// The slices of a circle through one soil taken at their middles, as the critical circle of a
// simple slope takes them: `count` (at least 1) equal widths b from the exit to the entry, each
// slice's height h the ground above its base at its middle, W = gamma h b, u = ru gamma h,
// sin(alpha) = (x - centreX) / R as drawn (so (centreX - x) / R in the sliding frame),
// cos(alpha) the root over R and l = b / cos(alpha). The operations, and their order, are the
// critical circle's own, so its figures come out to the bit; the centroid is the slice's
// middle, half-way up, and there are no loads.
//
// `ground` and the ends are as drawn; the mass slides from the entry toward the exit and comes
// out in the sliding frame (mirrored when the entry lies right of the exit), each slice's
// width the common b. A slice whose middle lies on the circle's horizontal diameter, or whose
// numbers are not finite, makes the circle a DegenerateSlice.
SurfaceStatus LayOutMidpointSlices(const Polyline& ground, const CircleSurface& circle,
                                   double exitX, double entryX, const SoilStrength& soil, int count,
                                   SlicedMass& mass);

// A slice's height as LayOutMidpointSlices took it: the ground above the base's middle.
inline double MidpointHeight(const SectionSlice& slice) noexcept {
    return std::max(slice.topY - slice.baseY, 0.0);
}

// Puts `soil` on slices that LayOutMidpointSlices cut, as it puts it: from each slice's height
// (topY - baseY, not below 0) W = gamma h b and u = ru gamma h, with c and tan(phi). The
// figures are those of the circle cut afresh with this soil, to the bit, so that trials on one
// circle, whose geometry no draw changes, cut it once.
void SetMidpointSoil(const SoilStrength& soil, SlicedMass& mass) noexcept;

}  // namespace vardolin::section

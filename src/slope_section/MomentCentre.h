// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "slope_section/SectionSlice.h"

namespace vardolin::section {

// A point in the sliding frame, about which a method takes moments.
struct MomentPoint {
    double x = 0.0;
    double y = 0.0;
};

// The centre of the circle through three points, or nothing where they lie on one line.
std::optional<MomentPoint> CircleCentreThrough(MomentPoint a, MomentPoint b,
                                               MomentPoint c) noexcept;

// Where the moment methods take moments for a surface that is not a circle, unless told: the
// centre of the circle through its two ends and its lowest point (a slice base's end). For the
// slices of a circle that is the circle's centre, to the slicing's precision. Nothing where
// those points lie on one line (a planar surface), where an end is the lowest point, or where
// there are no slices.
std::optional<MomentPoint> DefaultMomentCentre(const SlicedMass& mass) noexcept;

}  // namespace vardolin::section

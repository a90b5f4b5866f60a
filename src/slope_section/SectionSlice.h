// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <vector>

namespace vardolin::section {

// One slice of a sliding mass, as the limit-equilibrium methods take it. The slicer lays every
// section out in one frame: x grows in the direction of sliding and y points up, so a slope
// facing left is mirrored before it is cut and the methods never ask which way it faces.
//
// alpha, the base angle, is positive where the base falls in the direction of sliding (under the
// crest of a circle) and negative where it rises (under the toe). Forces are in the frame's
// axes: x along the sliding, y up. Moments are counter-clockwise positive, which in this frame is
// the sense that drives the mass.
struct SectionSlice {
    double left = 0.0;   // x of the left side
    double right = 0.0;  // x of the right side; width b = right - left > 0
    double width = 0.0;

    double baseX = 0.0;  // the base's middle, where its angle, strength and pore pressure hold
    double baseY = 0.0;
    double baseLength = 0.0;  // l = b / cos(alpha)
    double topY = 0.0;        // the ground above the base's middle

    double weight = 0.0;     // W, of the soil above the base (ponded water is a load below)
    double centroidX = 0.0;  // where W acts, and the earthquake's kh W and kv W with it
    double centroidY = 0.0;

    double cohesion = 0.0;      // c' (or c_u) of the soil the base lies in
    double tanFriction = 0.0;   // tan(phi') (0 for an undrained soil)
    double porePressure = 0.0;  // u at the base's middle
    int baseSoil = -1;          // the soil's row, for the slice table

    // Every external force on the slice other than W and the earthquake (surface pressures, line
    // loads, ponded water on the ground, the water in a tension crack), as one resultant: its
    // components and its moment about the frame's origin, so that a method takes its moment
    // about any point (px, py) as loadMoment - px * loadY + py * loadX.
    double loadX = 0.0;
    double loadY = 0.0;  // a surcharge pressing down is negative
    double loadMoment = 0.0;

    // sin(alpha) and cos(alpha) as the slicer worked them out (for a circle (centreX - x) / R
    // and the root over R), so that the methods need no trigonometry and a circle's slices
    // give the same figures to the bit as the ratios they come from.
    double sinBase = 0.0;
    double cosBase = 1.0;
};

// alpha, radians, in (-pi/2, pi/2), for the slice table: the methods take sinBase and cosBase,
// and a search needs no angle.
inline double BaseAngle(const SectionSlice& slice) noexcept {
    return std::asin(slice.sinBase);
}

// The slices of one surface with what acts on all of them alike.
struct SlicedMass {
    std::vector<SectionSlice> slices;  // left to right in the sliding frame
    double horizontalSeismic = 0.0;    // kh: kh W acts at each centroid along +x
    double verticalSeismic = 0.0;      // kv: kv W acts at each centroid, positive upward
    bool mirrored = false;             // the section faced left and was mirrored to be cut
};

}  // namespace vardolin::section

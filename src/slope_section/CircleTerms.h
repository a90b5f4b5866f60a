// SPDX-License-Identifier: MIT
#pragma once

namespace vardolin::section {

// The terms of one slice of a circle taken at its middle, in the form of Bishop's moment about
// the centre divided by the radius. Written once for the midpoint slices, for the factors about
// the centre and for the critical circle's slice table, so that the table shows the very
// numbers the factors summed.
namespace circle_terms {

// W = gamma * h * b
inline double Weight(double unitWeight, double height, double width) noexcept {
    return unitWeight * height * width;
}

// u = ru * gamma * h
inline double PorePressure(double poreRatio, double unitWeight, double height) noexcept {
    return poreRatio * unitWeight * height;
}

// The ordinary method's resisting force on the base: c l + (N - u l) tan(phi), with the base's
// normal force N (W cos(alpha) where nothing but the weight acts).
inline double OrdinaryResisting(double cohesion, double baseLength, double normal,
                                double porePressure, double tanFriction) noexcept {
    return cohesion * baseLength + (normal - porePressure * baseLength) * tanFriction;
}

// Bishop's numerator: c b + (V - u b) tan(phi), with the vertical force V the base carries.
inline double BishopNumerator(double cohesion, double width, double vertical, double porePressure,
                              double tanFriction) noexcept {
    return cohesion * width + (vertical - porePressure * width) * tanFriction;
}

// m_alpha = cos(alpha) + sin(alpha) tan(phi) / F, with tanOverFactor = tan(phi) / F.
inline double MAlpha(double cosBase, double sinBase, double tanOverFactor) noexcept {
    return cosBase + sinBase * tanOverFactor;
}

}  // namespace circle_terms

}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
#pragma once

namespace vardolin::critical {

// The terms of one slice, written once for the factors and for the slice table, so that the
// table shows the very numbers the factors summed.
namespace slice_terms {

// W = gamma * h * b
inline double Weight(double unitWeight, double height, double width) noexcept {
    return unitWeight * height * width;
}

// u = ru * gamma * h
inline double PorePressure(double poreRatio, double unitWeight, double height) noexcept {
    return poreRatio * unitWeight * height;
}

// The ordinary method's resisting force on the base: c l + (W cos(alpha) - u l) tan(phi).
inline double OrdinaryResisting(double cohesion, double baseLength, double weight, double cosBase,
                                double porePressure, double tanFriction) noexcept {
    return cohesion * baseLength + (weight * cosBase - porePressure * baseLength) * tanFriction;
}

// Bishop's numerator: c b + (W - u b) tan(phi).
inline double BishopNumerator(double cohesion, double width, double weight, double porePressure,
                              double tanFriction) noexcept {
    return cohesion * width + (weight - porePressure * width) * tanFriction;
}

// m_alpha = cos(alpha) + sin(alpha) tan(phi) / F, with tanOverFactor = tan(phi) / F.
inline double MAlpha(double cosBase, double sinBase, double tanOverFactor) noexcept {
    return cosBase + sinBase * tanOverFactor;
}

// The driving force along the base: W sin(alpha).
inline double Driving(double weight, double sinBase) noexcept {
    return weight * sinBase;
}

}  // namespace slice_terms

}  // namespace vardolin::critical

// SPDX-License-Identifier: MIT
#include "slope_section/MomentCentre.h"

#include <cmath>

namespace vardolin::section {

std::optional<MomentPoint> CircleCentreThrough(MomentPoint a, MomentPoint b,
                                               MomentPoint c) noexcept {
    // The perpendicular bisectors of ab and ac meet at the centre.
    const double bx = b.x - a.x;
    const double by = b.y - a.y;
    const double cx = c.x - a.x;
    const double cy = c.y - a.y;
    const double twiceArea = 2.0 * (bx * cy - by * cx);
    const double scale = (bx * bx + by * by) + (cx * cx + cy * cy);
    if (!(std::abs(twiceArea) > 1e-12 * scale)) {
        return std::nullopt;
    }
    const double b2 = bx * bx + by * by;
    const double c2 = cx * cx + cy * cy;
    return MomentPoint{a.x + (cy * b2 - by * c2) / twiceArea,
                       a.y + (bx * c2 - cx * b2) / twiceArea};
}

std::optional<MomentPoint> DefaultMomentCentre(const SlicedMass& mass) noexcept {
    if (mass.slices.empty()) {
        return std::nullopt;
    }
    // A base is straight, so its ends lie half a width either side of its middle along alpha
    // (which is positive where the base falls towards +x): tan(alpha) is sinBase / cosBase.
    const auto leftEnd = [](const SectionSlice& s) {
        return MomentPoint{s.left, s.baseY + (s.sinBase / s.cosBase) * (s.baseX - s.left)};
    };
    const auto rightEnd = [](const SectionSlice& s) {
        return MomentPoint{s.right, s.baseY - (s.sinBase / s.cosBase) * (s.right - s.baseX)};
    };
    const MomentPoint entry = leftEnd(mass.slices.front());
    const MomentPoint exit = rightEnd(mass.slices.back());
    MomentPoint lowest = entry;
    for (const SectionSlice& slice : mass.slices) {
        const MomentPoint end = rightEnd(slice);
        if (end.y < lowest.y) {
            lowest = end;
        }
    }
    return CircleCentreThrough(entry, lowest, exit);
}

}  // namespace vardolin::section

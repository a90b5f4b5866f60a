// SPDX-License-Identifier: MIT
#include "critical_circle/SliceTable.h"

#include <cmath>

#include "numerics/Pi.h"
#include "slope_section/CircleTerms.h"
#include "slope_section/MidpointSlices.h"

namespace vardolin::critical {

std::vector<SliceRow> TabulateSlices(const CircleSlices& slices, const SoilValues& soil,
                                     double bishopFactor) {
    namespace terms = section::circle_terms;
    section::SlicedMass mass = slices.mass;
    section::SetMidpointSoil(StrengthOf(soil), mass);
    const std::size_t n = mass.slices.size();
    std::vector<SliceRow> rows(n);
    // From the exit, the last slice of the sliding frame.
    for (std::size_t i = 0; i < n; ++i) {
        const section::SectionSlice& s = mass.slices[n - 1 - i];
        const double tanFriction = s.tanFriction;
        SliceRow& row = rows[i];
        row.middleX = mass.mirrored ? -s.baseX : s.baseX;
        row.width = s.width;
        row.height = section::MidpointHeight(s);
        row.baseAngle = std::atan2(s.sinBase, s.cosBase) * 180.0 / kPi;
        row.baseLength = s.baseLength;
        row.weight = s.weight;
        row.porePressure = s.porePressure;
        row.ordinaryResisting = terms::OrdinaryResisting(
            s.cohesion, row.baseLength, row.weight * s.cosBase, row.porePressure, tanFriction);
        row.driving = row.weight * s.sinBase;
        row.bishopNumerator = terms::BishopNumerator(s.cohesion, row.width, row.weight,
                                                     row.porePressure, tanFriction);
        row.mAlpha = terms::MAlpha(s.cosBase, s.sinBase, tanFriction / bishopFactor);
        row.bishopResisting = row.bishopNumerator / row.mAlpha;
    }
    return rows;
}

}  // namespace vardolin::critical

// SPDX-License-Identifier: MIT
#include "critical_circle/SliceTable.h"

#include <cmath>

#include "critical_circle/FactorEvaluator.h"
#include "critical_circle/SliceTerms.h"
#include "numerics/Pi.h"

namespace vardolin::critical {

std::vector<SliceRow> TabulateSlices(const CircleSlices& slices, const SoilValues& soil,
                                     double bishopFactor) {
    const double tanFriction = TanOfDegrees(soil.frictionAngle);
    const double tanOverFactor = tanFriction / bishopFactor;
    const double b = slices.width;
    std::vector<SliceRow> rows(static_cast<std::size_t>(slices.count()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SliceRow& row = rows[i];
        row.middleX = slices.middleX[i];
        row.width = b;
        row.height = slices.height[i];
        row.baseAngle = std::atan2(slices.sinBase[i], slices.cosBase[i]) * 180.0 / kPi;
        row.baseLength = slices.baseLength[i];
        row.weight = slice_terms::Weight(soil.unitWeight, row.height, b);
        row.porePressure = slice_terms::PorePressure(soil.poreRatio, soil.unitWeight, row.height);
        row.ordinaryResisting =
            slice_terms::OrdinaryResisting(soil.cohesion, row.baseLength, row.weight,
                                           slices.cosBase[i], row.porePressure, tanFriction);
        row.driving = slice_terms::Driving(row.weight, slices.sinBase[i]);
        row.bishopNumerator = slice_terms::BishopNumerator(soil.cohesion, b, row.weight,
                                                           row.porePressure, tanFriction);
        row.mAlpha = slice_terms::MAlpha(slices.cosBase[i], slices.sinBase[i], tanOverFactor);
        row.bishopResisting = row.bishopNumerator / row.mAlpha;
    }
    return rows;
}

}  // namespace vardolin::critical

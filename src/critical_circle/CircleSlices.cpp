// SPDX-License-Identifier: MIT
#include "critical_circle/CircleSlices.h"

#include "slope_section/MidpointSlices.h"

namespace vardolin::critical {

section::Polyline GroundLine(const SimpleSlope& slope) {
    return section::Polyline({{0.0, 0.0}, {slope.crestX(), slope.height()}}, {slope.faceTan()});
}

section::SoilStrength StrengthOf(const SoilValues& soil) {
    return {soil.cohesion, section::TanOfDegrees(soil.frictionAngle), soil.unitWeight,
            soil.poreRatio, false};
}

CircleStatus LayOutSlices(const section::Polyline& ground, const Circle& circle,
                          const CircleOnSlope& located, const section::SoilStrength& soil,
                          int count, CircleSlices& slices) {
    slices.circle = circle;
    const section::SurfaceStatus status =
        section::LayOutMidpointSlices(ground, {circle.centreX, circle.centreY, circle.radius},
                                      located.exitX, located.entryX, soil, count, slices.mass);
    return status == section::SurfaceStatus::Valid ? CircleStatus::Valid
                                                   : CircleStatus::DegenerateSlice;
}

}  // namespace vardolin::critical

// SPDX-License-Identifier: MIT
#include "slice_method/SliceQuantities.h"

#include <algorithm>
#include <cmath>

#include "numerics/FloatingPointStatus.h"
#include "numerics/GenericArithmetic.h"
#include "numerics/Pi.h"
#include "numerics/SquareRoot.h"

namespace vardolin {

double GroundLevel(double x, double slopeHeight, double crestDistance) {
    if (x <= 0.0) {
        return 0.0;
    }
    if (x < crestDistance) {
        FloatingPointStatus status;
        const double level = status.Divide(status.Note(x * slopeHeight), crestDistance);
        status.Test();
        return level;
    }
    return slopeHeight;
}

SliceBase SliceBaseOf(double offset, double width, double radius) {
    using namespace generic;
    SliceBase base;
    base.depth = SquareRoot(Subtract(Square(radius), Square(offset)));
    const double tangent = Divide(offset, base.depth);

    FloatingPointStatus status;
    base.angle = status.Divide(std::atan(tangent) * 180.0, kPi);
    base.length = status.Divide(width, std::cos(status.Divide(base.angle * kPi, 180.0)));
    status.Test();
    return base;
}

SliceLoads SliceLoadsOf(const SlipCircle& circle, double offset, const SliceBase& base,
                        double width, const UncertainParameters& drawn, SliceInputs& inputs) {
    using namespace generic;
    FloatingPointStatus status;
    const double slopeHeight = inputs.SlopeHeight();
    const double halfHeight = status.Divide(slopeHeight, 2.0);
    status.Test();

    SliceLoads loads;
    const double baseX = status.Note(circle.centreX + offset);
    const double baseY = status.Note(circle.centreY - base.depth);
    status.Test();
    const double ground = GroundLevel(baseX, slopeHeight, circle.crestDistance);
    loads.height = std::max(status.Note(ground - baseY), 0.0);
    status.Test();
    loads.weight = Multiply(Multiply(drawn.rockUnitWeight, loads.height), width);

    const double waterUnitWeight = inputs.WaterUnitWeight();
    // The crack's thrust acts on the whole sliding mass; each slice carries the share of its
    // width in the circle's reach, so the sum over the slices does not grow with their number.
    const double wholeThrust =
        Multiply(Multiply(Multiply(waterUnitWeight, 0.5), Square(drawn.waterHeight)),
                 Divide(halfHeight, circle.radius));
    loads.waterThrust = Multiply(wholeThrust, Divide(width, circle.reach));

    loads.poreHead = std::clamp(drawn.waterHeight, 0.0, loads.height);
    loads.porePressure = status.Note(waterUnitWeight * loads.poreHead);
    status.Test();
    return loads;
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cmath>

#include "numerics/Pi.h"
#include "rock_statistics/RockStatistics.h"
#include "slice_method/FaultPolicy.h"
#include "slice_method/SliceInputs.h"
#include "slice_method/SlipCircle.h"

namespace vardolin {

// A processed slice's base and loads, each written once for either fault policy. The order of
// operations is fixed: results are compared to the last digit.

// What every slice of a trial shares, worked out once when its circle and its width are known.
// For an accepted circle none of them meets a bad value (H is finite, 0 < R, |H| <= R and
// b = E / n is finite), so working them out ahead of the first slice moves no error.
struct SliceTerms {
    SlipCircle circle;
    double width = 0.0;                // b
    double slopeHeight = 0.0;          // H
    double radiusSquared = 0.0;        // R^2
    double halfHeightPerRadius = 0.0;  // (H / 2) / R
    double widthShare = 0.0;           // b / E
};

template <FaultPolicy Policy>
SliceTerms SliceTermsOf(Policy& policy, const SlipCircle& circle, double width,
                        double slopeHeight) {
    SliceTerms terms{.circle = circle, .width = width, .slopeHeight = slopeHeight};
    terms.radiusSquared = policy.Square(circle.radius);
    const double halfHeight = policy.NoteQuotient(slopeHeight, 2.0);
    policy.Test();
    terms.halfHeightPerRadius = policy.Divide(halfHeight, circle.radius);
    terms.widthShare = policy.Divide(width, circle.reach);
    return terms;
}

// Ground level of the slope section at X: 0 up to the toe, rising along the face to H at the
// crest distance D, level at H beyond it.
template <FaultPolicy Policy>
double GroundLevel(Policy& policy, double x, double slopeHeight, double crestDistance) {
    if (x <= 0.0) {
        return 0.0;
    }
    if (x < crestDistance) {
        const double level = policy.NoteQuotient(policy.Note(x * slopeHeight), crestDistance);
        policy.Test();
        return level;
    }
    return slopeHeight;
}

// The base of a processed slice at offset x (x <= R) from the vertical through the centre.
struct SliceBase {
    double depth = 0.0;    // s = sqrt(R^2 - x^2): the base lies at Y = yc - s
    double angle = 0.0;    // alpha = atan(x / s) in degrees, i.e. asin(x / R)
    double radians = 0.0;  // alpha * pi / 180
    double cosine = 0.0;   // cos(alpha)
    double length = 0.0;   // l = b / cos(alpha)
};

// x = R makes x / s a division by zero (DivisionByZero).
template <FaultPolicy Policy>
SliceBase SliceBaseOf(Policy& policy, const SliceTerms& terms, double offset) {
    SliceBase base;
    base.depth = policy.SquareRoot(policy.Subtract(terms.radiusSquared, policy.Square(offset)));
    const double tangent = policy.Divide(offset, base.depth);

    base.angle = policy.NoteQuotient(std::atan(tangent) * 180.0, kPi);
    base.radians = policy.NoteQuotient(base.angle * kPi, 180.0);
    base.cosine = std::cos(base.radians);
    base.length = policy.NoteQuotient(terms.width, base.cosine);
    policy.Test();
    return base;
}

// What a processed slice loads its base with, once its parameters are drawn.
struct SliceLoads {
    double height = 0.0;        // h: ground level above the base, 0 where the base is above ground
    double weight = 0.0;        // W = gamma * h * b
    double waterThrust = 0.0;   // M = ((gamma_w * 0.5) * hw^2 * ((H / 2) / R)) * (b / E)
    double poreHead = 0.0;      // h_u: the drawn water height, kept within 0..h
    double porePressure = 0.0;  // u = gamma_w * h_u
};

// Reads gamma_w from the inputs once W is known, the step that first needs it.
template <FaultPolicy Policy>
SliceLoads SliceLoadsOf(Policy& policy, const SliceTerms& terms, double offset,
                        const SliceBase& base, const UncertainParameters& drawn,
                        SliceInputs& inputs) {
    const SlipCircle& circle = terms.circle;
    SliceLoads loads;
    const double baseX = policy.Note(circle.centreX + offset);
    const double baseY = policy.Note(circle.centreY - base.depth);
    policy.Test();
    const double ground = GroundLevel(policy, baseX, terms.slopeHeight, circle.crestDistance);
    loads.height = std::max(policy.Note(ground - baseY), 0.0);
    policy.Test();
    loads.weight =
        policy.Multiply(policy.Multiply(drawn.rockUnitWeight, loads.height), terms.width);

    const double waterUnitWeight = inputs.Number(slice_method::WaterUnitWeight);
    // The crack's thrust acts on the whole sliding mass; each slice carries the share of its
    // width in the circle's reach, so the sum over the slices does not grow with their number.
    const double wholeThrust = policy.Multiply(
        policy.Multiply(policy.Multiply(waterUnitWeight, 0.5), policy.Square(drawn.waterHeight)),
        terms.halfHeightPerRadius);
    loads.waterThrust = policy.Multiply(wholeThrust, terms.widthShare);

    loads.poreHead = std::clamp(drawn.waterHeight, 0.0, loads.height);
    loads.porePressure = policy.Note(waterUnitWeight * loads.poreHead);
    policy.Test();
    return loads;
}

}  // namespace vardolin

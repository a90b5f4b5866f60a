// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/UncertainParameters.h"
#include "slice_method/SliceInputs.h"
#include "slice_method/SlipCircle.h"

namespace vardolin {

// Ground level of the slope section at X: 0 up to the toe, rising along the face to H at the
// crest distance D, level at H beyond it.
double GroundLevel(double x, double slopeHeight, double crestDistance);

// The base of a processed slice at offset x (x <= R) from the vertical through the centre.
struct SliceBase {
    double depth = 0.0;   // s = sqrt(R^2 - x^2): the base lies at Y = yc - s
    double angle = 0.0;   // alpha = atan(x / s) in degrees, i.e. asin(x / R)
    double length = 0.0;  // l = b / cos(alpha)
};

// x = R makes x / s a division by zero (DivisionByZero).
SliceBase SliceBaseOf(double offset, double width, double radius);

// What a processed slice loads its base with, once its parameters are drawn.
struct SliceLoads {
    double height = 0.0;        // h: ground level above the base, 0 where the base is above ground
    double weight = 0.0;        // W = gamma * h * b
    double waterThrust = 0.0;   // M = ((gamma_w * 0.5) * hw^2 * ((H / 2) / R)) * (b / E)
    double poreHead = 0.0;      // h_u: the drawn water height, kept within 0..h
    double porePressure = 0.0;  // u = gamma_w * h_u
};

// Reads H (for H / 2) and then gamma_w (for M) from the inputs, at the steps that need them.
SliceLoads SliceLoadsOf(const SlipCircle& circle, double offset, const SliceBase& base,
                        double width, const UncertainParameters& drawn, SliceInputs& inputs);

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "numerics/UniformSequence.h"
#include "slice_method/SliceInputs.h"
#include "slice_method/SliceTables.h"

namespace vardolin {

// A trial slip circle. Coordinates: the toe of the slope at the origin, X to the right, Y up;
// the face rises from the toe to the crest at (D, H) and the upper surface is level beyond.
// Every circle passes through the toe.
struct SlipCircle {
    double centreX = 0.0;        // xc
    double centreY = 0.0;        // yc
    double radius = 0.0;         // R
    double crestDistance = 0.0;  // D = H / tan(beta)
    double reach = 0.0;          // E = sqrt(R^2 - H^2), the span the slices are laid over
};

// Candidates rejected in a row after which a trial gives up: a grid in which no centre passes
// the crest would otherwise be redrawn for ever.
inline constexpr int kMaxRejectedCircles = 100000;

struct CircleDraw {
    std::optional<SlipCircle> circle;  // empty when kMaxRejectedCircles were rejected in a row
    int rejected = 0;                  // candidates rejected before the accepted one
};

// Draws the circle of trial i from the grid of centres: one uniform value r per candidate
// sets both coordinates (xc = X1 + r|X1 - X2|, yc = H + r|Y2 - H|), so every centre lies on
// the grid's diagonal from (X1, H). A candidate is accepted when its reach E exceeds the crest
// distance D; each candidate's radius is stored in trialRadius(i). R < H stops the run with
// InvalidProcedureCall at the square root of R^2 - H^2; beta = 0 with DivisionByZero.
CircleDraw DrawSlipCircle(UniformSequence& uniforms, SliceInputs& inputs, TrialTable& trialRadius,
                          int trial);

}  // namespace vardolin

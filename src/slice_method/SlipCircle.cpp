// SPDX-License-Identifier: MIT
#include "slice_method/SlipCircle.h"

#include <cmath>

#include "numerics/FloatingPointStatus.h"
#include "numerics/GenericArithmetic.h"
#include "numerics/Pi.h"
#include "numerics/Square.h"
#include "numerics/SquareRoot.h"

namespace vardolin {

namespace {

// One candidate for the uniform value r, in the order of its steps. The grid widths, D and
// R^2 - H^2 are direct arithmetic with a status test each; the centre and the radius are
// generic.
SlipCircle CandidateCircle(float r, SliceInputs& inputs, TrialTable& trialRadius, int trial) {
    using namespace generic;
    FloatingPointStatus status;
    const double x1 = inputs.Number(slice_method::CentreX1);
    const double gridWidth = status.Note(std::fabs(x1 - inputs.Number(slice_method::CentreX2)));
    status.Test();
    const double y2 = inputs.Number(slice_method::CentreY2);
    const double H = inputs.Number(slice_method::SlopeHeight);
    const double gridHeight = status.Note(std::fabs(y2 - H));
    status.Test();

    SlipCircle c;
    c.centreX = Add(x1, Multiply(r, gridWidth));
    c.centreY = Add(H, Multiply(r, gridHeight));
    c.radius = SquareRoot(Add(generic::Square(c.centreX), generic::Square(c.centreY)));
    trialRadius[trial] = c.radius;

    const double beta = inputs.Number(slice_method::SlopeFaceAngle);
    c.crestDistance = status.Divide(H, std::tan(status.Divide(beta * kPi, 180.0)));
    status.Test();
    const double reachSquared = status.Note(vardolin::Square(c.radius) - vardolin::Square(H));
    status.Test();
    c.reach = SquareRoot(reachSquared);
    return c;
}

}  // namespace

CircleDraw DrawSlipCircle(UniformSequence& uniforms, SliceInputs& inputs, TrialTable& trialRadius,
                          int trial) {
    CircleDraw draw;
    while (draw.rejected < kMaxRejectedCircles) {
        const SlipCircle candidate =
            CandidateCircle(uniforms.NextUniform(), inputs, trialRadius, trial);
        if (candidate.reach > candidate.crestDistance) {
            draw.circle = candidate;
            return draw;
        }
        ++draw.rejected;
    }
    return draw;
}

}  // namespace vardolin

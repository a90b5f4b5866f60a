// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/UncertainParameters.h"
#include "numerics/UniformSequence.h"

namespace vardolin {

// The numbers a slice-method trial takes, each asked for at the step that needs it. The run
// answers from the form's fields, converting a field at its first use so that a bad text fails
// at exactly that step; the benchmark kernel and the tests answer from plain doubles. Both go
// through the same trial code.
class SliceInputs {
public:
    virtual ~SliceInputs() = default;

    virtual double SlopeHeight() = 0;     // H
    virtual double SlopeFaceAngle() = 0;  // beta, degrees
    virtual double CentreX1() = 0;
    virtual double CentreX2() = 0;
    virtual double CentreY2() = 0;
    virtual double SliceCount() = 0;       // n
    virtual double WaterUnitWeight() = 0;  // gamma_w

    // Cohesion, friction angle, unit weight of rock and water height of one slice, drawn in
    // this order with one uniform value each.
    virtual UncertainParameters DrawParameters(UniformSequence& uniforms) = 0;

protected:
    SliceInputs() = default;
    SliceInputs(const SliceInputs&) = default;
    SliceInputs& operator=(const SliceInputs&) = default;
};

// Every input of a slice-method trial as a double.
struct SliceInputValues {
    double slopeHeight = 0;
    double slopeFaceAngle = 0;
    double centreX1 = 0;
    double centreX2 = 0;
    double centreY2 = 0;
    double sliceCount = 0;
    double waterUnitWeight = 0;
    double cohesionMean = 0;
    double cohesionStdDev = 0;
    double frictionAngleMean = 0;
    double frictionAngleStdDev = 0;
    double rockUnitWeightMean = 0;
    double rockUnitWeightStdDev = 0;
    double waterHeightMean = 0;
    double waterHeightStdDev = 0;

    // The form's default texts as numbers.
    static SliceInputValues Defaults();
};

class FixedSliceInputs final : public SliceInputs {
public:
    explicit FixedSliceInputs(const SliceInputValues& values) : v_(values) {}

    double SlopeHeight() override { return v_.slopeHeight; }
    double SlopeFaceAngle() override { return v_.slopeFaceAngle; }
    double CentreX1() override { return v_.centreX1; }
    double CentreX2() override { return v_.centreX2; }
    double CentreY2() override { return v_.centreY2; }
    double SliceCount() override { return v_.sliceCount; }
    double WaterUnitWeight() override { return v_.waterUnitWeight; }
    UncertainParameters DrawParameters(UniformSequence& uniforms) override;

private:
    SliceInputValues v_;
};

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "slice_method/PlannedTrialKernel.h"

#include <algorithm>
#include <cmath>

#include "numerics/NormalSampler.h"
#include "numerics/Pi.h"
#include "numerics/UniformSequence.h"

namespace vardolin {

namespace {

// The status tests and the checked arithmetic of the trial code all stop at a value that is
// not finite (a finite non-zero value divided by zero is an infinity as well), and the square
// root at a negative argument. Here such a value is only noted: a faulted trial is discarded.
class Faults {
public:
    double Note(double value) noexcept {
        faulted_ |= !(value - value == 0.0);
        return value;
    }
    double SquareRoot(double value) noexcept {
        faulted_ |= value < 0.0;
        return std::sqrt(value);
    }
    bool any() const noexcept { return faulted_; }

private:
    bool faulted_ = false;
};

// SampleNormal with the checked Scale written out: mean -/+ sd * size.
double Draw(UniformSequence& uniforms, double mean, double sd, Faults& f) {
    const NormalDeviate z = FastNormalDeviateOf(uniforms.NextUniform());
    const double spread = f.Note(sd * z.size);
    return f.Note(z.lower ? mean - spread : mean + spread);
}

}  // namespace

PlannedTrialResult WorkOutPlannedTrial(const PlannedTrial& trial, const SliceInputValues& v,
                                       double radianTotal) {
    PlannedTrialResult result;
    result.radianTotal = radianTotal;
    if (trial.slices <= 0) {
        return result;
    }
    Faults f;
    const SlipCircle& circle = trial.circle;
    const double b = trial.width;
    const double H = v.slopeHeight;
    const double gammaW = v.waterUnitWeight;

    // Per trial: Power(R, 2), H / 2, (H / 2) / R, gamma_w * 0.5 and b / E, each exactly as every
    // slice computes it.
    const double radiusSquared = f.Note(circle.radius * circle.radius);
    const double halfHeight = f.Note(H / 2.0);
    const double halfHeightPerRadius = f.Note(halfHeight / circle.radius);
    const double halfGammaW = f.Note(gammaW * 0.5);
    const double widthShare = f.Note(b / circle.reach);

    UniformSequence uniforms(trial.slicesStart);
    double ordinaryResisting = 0.0;
    double ordinaryDriving = 0.0;
    double bishopResisting = 0.0;
    double bishopDriving = 0.0;
    double x = 0.0;
    // x grows with every pass, so the processed slices are the first passes of the trial.
    for (int slice = 0; slice < trial.slices; ++slice) {
        x = x + b;

        // SliceBaseOf: s, x / s, alpha in degrees, then l = b / cos(alpha in radians).
        const double depth = f.SquareRoot(f.Note(radiusSquared - f.Note(x * x)));
        const double tangent = f.Note(x / depth);
        const double angle = f.Note(std::atan(tangent) * 180.0 / kPi);
        const double a = f.Note(angle * kPi / 180.0);
        const double cosA = std::cos(a);
        const double baseLength = f.Note(b / cosA);
        result.lastBaseAngle = angle;
        radianTotal = f.Note(radianTotal + a);

        const double c = Draw(uniforms, v.cohesionMean, v.cohesionStdDev, f);
        const double phi = Draw(uniforms, v.frictionAngleMean, v.frictionAngleStdDev, f);
        const double gamma = Draw(uniforms, v.rockUnitWeightMean, v.rockUnitWeightStdDev, f);
        const double hw = Draw(uniforms, v.waterHeightMean, v.waterHeightStdDev, f);

        // SliceLoadsOf with GroundLevel.
        const double baseX = f.Note(circle.centreX + x);
        const double baseY = f.Note(circle.centreY - depth);
        double ground = H;
        if (baseX <= 0.0) {
            ground = 0.0;
        } else if (baseX < circle.crestDistance) {
            ground = f.Note(f.Note(baseX * H) / circle.crestDistance);
        }
        const double height = std::max(f.Note(ground - baseY), 0.0);
        const double weight = f.Note(f.Note(gamma * height) * b);
        const double wholeThrust =
            f.Note(f.Note(halfGammaW * f.Note(hw * hw)) * halfHeightPerRadius);
        const double waterThrust = f.Note(wholeThrust * widthShare);
        const double poreHead = std::clamp(hw, 0.0, height);
        const double porePressure = f.Note(gammaW * poreHead);

        // BishopSafetyFactor::AddSlice.
        const double p = f.Note(phi * kPi / 180.0);
        const double tanP = std::tan(p);
        const double bracket = f.Note((cosA * weight - baseLength * porePressure) * tanP);
        ordinaryResisting = f.Note(f.Note(ordinaryResisting + f.Note(c * baseLength)) + bracket);
        const double driving = f.Note(std::sin(a) * weight + waterThrust);
        ordinaryDriving = f.Note(ordinaryDriving + driving);
        const double ordinaryFactor = f.Note(ordinaryResisting / ordinaryDriving);
        const double resisting =
            f.Note(f.Note(c * b) + f.Note(f.Note(weight - f.Note(porePressure * b)) * tanP));
        const double tangents = f.Note(std::tan(a) * tanP);
        const double mAlpha = f.Note(cosA * f.Note(1.0 + f.Note(tangents / ordinaryFactor)));
        bishopDriving = f.Note(bishopDriving + driving);
        bishopResisting = f.Note(bishopResisting + f.Note(resisting / mAlpha));
        result.factor = f.Note(bishopResisting / bishopDriving);
    }
    result.radianTotal = radianTotal;
    result.faulted = f.any();
    return result;
}

}  // namespace vardolin

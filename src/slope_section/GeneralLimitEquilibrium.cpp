// SPDX-License-Identifier: MIT
#include "slope_section/GeneralLimitEquilibrium.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "slope_section/FactorIteration.h"
#include "slope_section/SliceChecks.h"

namespace vardolin::section {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Newton's steps before the solver turns to the curves, and halvings of a step that would make
// a slice singular.
constexpr int kNewtonSteps = 40;
constexpr int kStepHalvings = 12;
// The curves are searched for their crossing over |lambda| up to this (an interslice force
// inclined at 80 degrees for f = 1), in steps of kLambdaStep.
constexpr double kLambdaReach = 5.7;
constexpr double kLambdaStep = 0.1;
// Curves closer than this share of the factor at lambda = 0 that do not cross are taken to lie
// on each other.
constexpr double kIndeterminateGap = 1e-6;
// The longest step Newton takes in lambda.
constexpr double kLambdaStride = 0.25;

// The sums of one pass at (q = 1/F, lambda), N from the slices' march.
struct CurveSums {
    double forceResisting = 0.0;   // sum((K + N tan(phi)) cos(a))
    double forceDriving = 0.0;     // sum(N sin(a) + H)
    double momentResisting = 0.0;  // sum((K + N tan(phi)) armShear)
    double momentDriving = 0.0;    // sum(drive + N armNormal)
};

// One pass; false where a slice is singular.
bool March(const SliceTerms& t, double q, double lambda, CurveSums& sums) noexcept {
    CurveSums s;
    double eLeft = 0.0;
    double xLeft = 0.0;
    for (std::size_t i = 0; i < t.count; ++i) {
        const double sinA = t.sinBase[i];
        const double cosA = t.cosBase[i];
        const double tanF = t.tanFriction[i];
        const double k = t.cohesionTerm[i];
        const double v = t.vertical[i];
        const double h = t.horizontal[i];
        const double m = cosA + sinA * tanF * q;
        const double a = sinA - cosA * tanF * q;
        const double lf = lambda * t.shapeRight[i];
        const double d = m + lf * a;
        if (!(d > 0.0)) {
            return false;
        }
        const double eRight = (m * (eLeft + h) + a * (v + xLeft) - k * q) / d;
        const double xRight = lf * eRight;
        const double normal = sinA * (eRight - eLeft - h) + cosA * (v + xLeft - xRight);
        const double strength = k + normal * tanF;
        s.forceResisting += strength * cosA;
        s.forceDriving += normal * sinA + h;
        s.momentResisting += strength * t.armShear[i];
        s.momentDriving += t.drive[i] + normal * t.armNormal[i];
        eLeft = eRight;
        xLeft = xRight;
    }
    sums = s;
    return true;
}

// The two residuals at (q, lambda), the E left over at the mass's far end and the moment left
// over about the point, with their derivatives in q and lambda.
struct Residuals {
    double force = 0.0, forceQ = 0.0, forceL = 0.0;
    double moment = 0.0, momentQ = 0.0, momentL = 0.0;
};

// One pass of the march that carries the derivatives along; false where a slice is singular.
bool MarchWithDerivatives(const SliceTerms& t, double q, double lambda, Residuals& r) noexcept {
    double e = 0.0, eQ = 0.0, eL = 0.0;  // E on the left side and its derivatives
    double moment = 0.0, momentQ = 0.0, momentL = 0.0;
    double fLeft = 0.0;
    for (std::size_t i = 0; i < t.count; ++i) {
        const double sinA = t.sinBase[i];
        const double cosA = t.cosBase[i];
        const double tanF = t.tanFriction[i];
        const double k = t.cohesionTerm[i];
        const double v = t.vertical[i];
        const double h = t.horizontal[i];
        const double fRight = t.shapeRight[i];
        const double m = cosA + sinA * tanF * q;
        const double mQ = sinA * tanF;
        const double a = sinA - cosA * tanF * q;
        const double aQ = -cosA * tanF;
        const double xl = lambda * fLeft * e;
        const double xlQ = lambda * fLeft * eQ;
        const double xlL = fLeft * e + lambda * fLeft * eL;
        const double lf = lambda * fRight;
        const double d = m + lf * a;
        if (!(d > 0.0)) {
            return false;
        }
        const double dQ = mQ + lf * aQ;
        const double dL = fRight * a;
        const double num = m * (e + h) + a * (v + xl) - k * q;
        const double numQ = mQ * (e + h) + m * eQ + aQ * (v + xl) + a * xlQ - k;
        const double numL = m * eL + a * xlL;
        const double inverse = 1.0 / d;
        const double er = num * inverse;
        const double erQ = (numQ - er * dQ) * inverse;
        const double erL = (numL - er * dL) * inverse;
        const double xr = lf * er;
        const double xrQ = lf * erQ;
        const double xrL = fRight * er + lf * erL;
        const double normal = sinA * (er - e - h) + cosA * (v + xl - xr);
        const double normalQ = sinA * (erQ - eQ) + cosA * (xlQ - xrQ);
        const double normalL = sinA * (erL - eL) + cosA * (xlL - xrL);
        const double armN = t.armNormal[i];
        const double armS = t.armShear[i];
        const double strength = k + normal * tanF;
        moment += t.drive[i] + normal * armN - strength * q * armS;
        momentQ += normalQ * armN - tanF * normalQ * q * armS - strength * armS;
        momentL += normalL * armN - tanF * normalL * q * armS;
        e = er;
        eQ = erQ;
        eL = erL;
        fLeft = fRight;
    }
    r = {e, eQ, eL, moment, momentQ, momentL};
    return std::isfinite(e) && std::isfinite(eQ) && std::isfinite(eL) && std::isfinite(moment) &&
           std::isfinite(momentQ) && std::isfinite(momentL);
}

// The ordinary method's factor by forces along each base, where the solver starts (1 where it
// has none). It does not depend on the moment point, so neither does the solver's path.
double OrdinaryStart(const SliceTerms& t) noexcept {
    double resisting = 0.0;
    double driving = 0.0;
    for (std::size_t i = 0; i < t.count; ++i) {
        const double normal = t.vertical[i] * t.cosBase[i] - t.horizontal[i] * t.sinBase[i];
        resisting += t.cohesionTerm[i] + normal * t.tanFriction[i];
        driving += t.vertical[i] * t.sinBase[i] + t.horizontal[i] * t.cosBase[i];
    }
    const double factor = resisting / driving;
    return factor > 0.0 && factor < HUGE_VAL ? factor : 1.0;
}

// Newton's method on both residuals; the factor and lambda, or nothing.
struct Crossing {
    double factor = kNaN;
    double lambda = 0.0;
};

std::optional<Crossing> Newton(const SliceTerms& t, double start, int& passes) {
    double q = 1.0 / start;
    double lambda = 0.0;
    Residuals r;
    ++passes;
    if (!MarchWithDerivatives(t, q, lambda, r)) {
        return std::nullopt;
    }
    for (int step = 0; step < kNewtonSteps; ++step) {
        const double det = r.forceQ * r.momentL - r.forceL * r.momentQ;
        if (!(std::abs(det) > 0.0)) {
            return std::nullopt;
        }
        const double dq = -(r.force * r.momentL - r.forceL * r.moment) / det;
        const double dl = -(r.forceQ * r.moment - r.momentQ * r.force) / det;
        // A step moves lambda by at most kLambdaStride and F by at most half, so that Newton
        // walks from lambda = 0 to the nearest crossing rather than leaping to a far one.
        double scale = 1.0;
        if (std::abs(dl) > kLambdaStride) {
            scale = kLambdaStride / std::abs(dl);
        }
        if (std::abs(scale * dq) > 0.5 * q) {
            scale = 0.5 * q / std::abs(dq);
        }
        bool moved = false;
        double nextQ = q;
        double nextLambda = lambda;
        Residuals next;
        for (int halving = 0; halving <= kStepHalvings; ++halving) {
            nextQ = q + scale * dq;
            nextLambda = lambda + scale * dl;
            ++passes;
            if (nextQ > 0.0 && std::abs(nextLambda) <= kLambdaReach &&
                MarchWithDerivatives(t, nextQ, nextLambda, next)) {
                moved = true;
                break;
            }
            scale *= 0.5;
        }
        if (!moved) {
            return std::nullopt;
        }
        const bool settled =
            std::abs(scale * dq) <= 0.1 * kFactorTolerance * nextQ &&
            std::abs(scale * dl) <= 0.1 * kFactorTolerance * (1.0 + std::abs(nextLambda));
        q = nextQ;
        lambda = nextLambda;
        r = next;
        if (settled && scale == 1.0) {
            return Crossing{1.0 / q, lambda};
        }
    }
    return std::nullopt;
}

double CurveFactor(const SliceTerms& t, double lambda, double start, bool moment, int& passes) {
    const auto step = [&t, lambda, moment](double factor) {
        CurveSums s;
        if (!March(t, 1.0 / factor, lambda, s)) {
            return kNaN;
        }
        // About a point far from the mass, the moments that resist and drive may both be
        // negative; only their ratio means anything.
        const double ratio =
            moment ? s.momentResisting / s.momentDriving : s.forceResisting / s.forceDriving;
        return ratio > 0.0 && ratio < HUGE_VAL ? ratio : kNaN;
    };
    const std::optional<double> factor = SettleFactor(step, start, passes);
    return factor ? *factor : kNaN;
}

// The curves' crossing: lambda stepped out from 0 both ways until F_m - F_f changes sign, then
// the Illinois rule. Nothing where they do not cross before turning singular.
std::optional<Crossing> CurvesCrossing(const SliceTerms& t, double start, int& passes) {
    double warm = start;
    const auto gap = [&](double lambda, double& forceFactor) {
        forceFactor = CurveFactor(t, lambda, warm, false, passes);
        const double momentFactor = CurveFactor(t, lambda, warm, true, passes);
        if (std::isfinite(forceFactor)) {
            warm = forceFactor;
        }
        return momentFactor - forceFactor;
    };
    double factorAtZero = kNaN;
    const double gapAtZero = gap(0.0, factorAtZero);
    // Where the curves lie on each other (a plane in a soil without cohesion, where moments
    // do not fix lambda and only the slicing parts them), lambda = 0 is the answer.
    if (std::abs(gapAtZero) <= kIndeterminateGap * factorAtZero) {
        return Crossing{factorAtZero, 0.0};
    }
    double low = 0.0;
    double gapLow = gapAtZero;
    double high = 0.0;
    double gapHigh = gapAtZero;
    bool bracketed = false;
    double lastUp = gapAtZero;
    double lastDown = gapAtZero;
    bool upOpen = true;
    bool downOpen = true;
    for (int k = 1; !bracketed && (upOpen || downOpen) && k * kLambdaStep <= kLambdaReach; ++k) {
        for (const double sign : {1.0, -1.0}) {
            bool& open = sign > 0.0 ? upOpen : downOpen;
            double& last = sign > 0.0 ? lastUp : lastDown;
            if (!open || bracketed) {
                continue;
            }
            const double lambda = sign * k * kLambdaStep;
            double unused = kNaN;
            const double g = gap(lambda, unused);
            if (!std::isfinite(g)) {
                open = false;
                continue;
            }
            if (std::isfinite(last) && (g > 0.0) != (last > 0.0)) {
                low = lambda - sign * kLambdaStep;
                gapLow = last;
                high = lambda;
                gapHigh = g;
                bracketed = true;
            }
            last = g;
        }
    }
    if (!bracketed) {
        return std::nullopt;
    }
    int side = 0;
    for (int k = 0; k < 200; ++k) {
        const double lambda = (low * gapHigh - high * gapLow) / (gapHigh - gapLow);
        double forceFactor = kNaN;
        const double g = gap(lambda, forceFactor);
        if (!std::isfinite(g)) {
            return std::nullopt;
        }
        if (std::abs(g) <= kFactorTolerance * forceFactor || std::abs(high - low) <= 1e-12) {
            return Crossing{forceFactor, lambda};
        }
        if ((g > 0.0) == (gapLow > 0.0)) {
            low = lambda;
            gapLow = g;
            if (side == -1) {
                gapHigh *= 0.5;
            }
            side = -1;
        } else {
            high = lambda;
            gapHigh = g;
            if (side == 1) {
                gapLow *= 0.5;
            }
            side = 1;
        }
    }
    return std::nullopt;
}

}  // namespace

double ForceFactor(const MethodWorkspace& workspace, double lambda) {
    int passes = 0;
    const SliceTerms& t = workspace.terms();
    return CurveFactor(t, lambda, OrdinaryStart(t), false, passes);
}

double MomentFactor(const MethodWorkspace& workspace, double lambda) {
    int passes = 0;
    const SliceTerms& t = workspace.terms();
    return CurveFactor(t, lambda, OrdinaryStart(t), true, passes);
}

MethodResult SolveGeneralLimitEquilibrium(const SlicedMass& mass, InterforceShape shape,
                                          MomentPoint point, MethodWorkspace& workspace,
                                          CrossingScheme scheme) {
    workspace.Prepare(mass, point, shape);
    const SliceTerms& t = workspace.terms();
    SliceForces& forces = workspace.forces();
    MethodResult result;

    double driving = 0.0;
    for (std::size_t i = 0; i < t.count; ++i) {
        driving += t.vertical[i] * t.sinBase[i] + t.horizontal[i] * t.cosBase[i];
    }
    if (!(driving > 0.0 && driving < HUGE_VAL)) {
        result.Raise(MethodFlag::NoDrivingForce);
        return result;
    }

    const double start = OrdinaryStart(t);
    result.passes = 1;
    std::optional<Crossing> crossing;
    if (scheme == CrossingScheme::NewtonFirst) {
        crossing = Newton(t, start, result.passes);
    }
    if (!crossing) {
        crossing = CurvesCrossing(t, start, result.passes);
    }
    if (!crossing) {
        result.Raise(MethodFlag::NoCrossing);
        return result;
    }

    // The slices' forces at the crossing.
    const double q = 1.0 / crossing->factor;
    const double lambda = crossing->lambda;
    double eLeft = 0.0;
    double xLeft = 0.0;
    double smallest = HUGE_VAL;
    for (std::size_t i = 0; i < t.count; ++i) {
        const double sinA = t.sinBase[i];
        const double cosA = t.cosBase[i];
        const double tanF = t.tanFriction[i];
        const double m = cosA + sinA * tanF * q;
        const double a = sinA - cosA * tanF * q;
        const double lf = lambda * t.shapeRight[i];
        const double d = m + lf * a;
        smallest = std::min(smallest, d / std::sqrt(1.0 + lf * lf));
        const double eRight =
            (m * (eLeft + t.horizontal[i]) + a * (t.vertical[i] + xLeft) - t.cohesionTerm[i] * q) /
            d;
        const double xRight = lf * eRight;
        const double normal =
            sinA * (eRight - eLeft - t.horizontal[i]) + cosA * (t.vertical[i] + xLeft - xRight);
        forces.normal[i] = normal;
        forces.shear[i] = (t.cohesionTerm[i] + normal * tanF) * q;
        forces.interNormal[i] = eRight;
        forces.interShear[i] = xRight;
        eLeft = eRight;
        xLeft = xRight;
    }
    result.passes += 1;
    result.smallestMAlpha = smallest;
    if (!(smallest > 0.0)) {
        result.Raise(MethodFlag::SingularSlice);
        return result;
    }
    result.factor = crossing->factor;
    result.lambda = lambda;
    CheckSlices(t, forces, result);
    return result;
}

}  // namespace vardolin::section

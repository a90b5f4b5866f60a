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
// Halvings of a step of the curves that lands where a slice is singular.
constexpr int kSingularHalvings = 6;
// The share of the mass's loads and moments that may be left over at the solution.
constexpr double kClosure = 1e-6;
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

// The factor and lambda where both residuals vanish, or nothing.
struct Crossing {
    double factor = kNaN;
    double lambda = 0.0;
    bool momentFree = false;  // no lambda fixes the moments: the factor is the force curve's
};

// q on the force branch at lambda: Newton on the force residual from q, each step changing F by
// at most half. On success q is settled and r holds the residuals of the last pass (at most a
// tenth of the tolerance away from q, close enough for the outer step's slope).
bool SettleOnForceBranch(const SliceTerms& t, double lambda, double& q, Residuals& r, int& passes) {
    for (int step = 0; step < kNewtonSteps; ++step) {
        ++passes;
        if (!MarchWithDerivatives(t, q, lambda, r) || !(r.forceQ != 0.0)) {
            return false;
        }
        double dq = -r.force / r.forceQ;
        if (std::abs(dq) > 0.5 * q) {
            dq = std::copysign(0.5 * q, dq);
        }
        const double next = q + dq;
        if (!(next > 0.0)) {
            return false;
        }
        const bool settled = std::abs(dq) <= 0.1 * kFactorTolerance * next;
        q = next;
        if (settled) {
            return true;
        }
    }
    return false;
}

// Newton's method in lambda on the moment residual along the force branch, h(lambda) =
// M(q_f(lambda), lambda), whose slope the pass gives: h' = M_l - M_q E_l / E_q. The branch
// starts at Janbu's factor for lambda = 0 and is followed from there, so the crossing found is
// the one the curves reach first, not one on another branch of the equations. A step moves
// lambda by at most kLambdaStride, and is halved where the branch turns singular.
std::optional<Crossing> NewtonAlongForceBranch(const SliceTerms& t, double start, int& passes) {
    double q = 1.0 / start;
    double lambda = 0.0;
    Residuals r;
    if (!SettleOnForceBranch(t, lambda, q, r, passes)) {
        return std::nullopt;
    }
    for (int step = 0; step < kNewtonSteps; ++step) {
        const double qSlope = -r.forceL / r.forceQ;  // dq/dlambda along the branch
        const double slope = r.momentL + r.momentQ * qSlope;
        if (!(std::abs(slope) > 0.0)) {
            return std::nullopt;
        }
        double dl = -r.moment / slope;
        if (std::abs(dl) > kLambdaStride) {
            dl = std::copysign(kLambdaStride, dl);
        }
        bool moved = false;
        bool halved = false;
        double nextLambda = lambda;
        double nextQ = q;
        Residuals next;
        for (int halving = 0; halving <= kStepHalvings && !moved; ++halving) {
            halved = halving > 0;
            nextLambda = lambda + dl;
            nextQ = q + dl * qSlope;
            if (!(nextQ > 0.0)) {
                nextQ = q;
            }
            moved = std::abs(nextLambda) <= kLambdaReach &&
                    SettleOnForceBranch(t, nextLambda, nextQ, next, passes);
            if (!moved) {
                dl *= 0.5;
            }
        }
        if (!moved) {
            return std::nullopt;
        }
        const bool settled =
            !halved && std::abs(dl) <= 0.1 * kFactorTolerance * (1.0 + std::abs(nextLambda));
        lambda = nextLambda;
        q = nextQ;
        r = next;
        if (settled) {
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
    if (!std::isfinite(gapAtZero)) {
        return std::nullopt;
    }
    // Where the curves lie on each other (a plane in a soil without cohesion, where moments
    // do not fix lambda and only the slicing parts them), lambda = 0 is the answer.
    if (std::abs(gapAtZero) <= kIndeterminateGap * factorAtZero) {
        return Crossing{factorAtZero, 0.0};
    }
    // How far the force curve strays from its factor at lambda = 0 on the steps out. One that
    // does not move with lambda (a plane in a soil without cohesion) leaves lambda free; the
    // slicing alone keeps the moment curve a little off it, the more the coarser, and it may
    // meet it only where a slice is nearly singular. Where no proper crossing is found, its
    // factor is the answer.
    double forceStray = 0.0;
    const auto lambdaFree = [&]() -> std::optional<Crossing> {
        if (forceStray <= kFactorTolerance * factorAtZero) {
            return Crossing{factorAtZero, 0.0, true};
        }
        return std::nullopt;
    };
    double low = 0.0;
    double gapLow = gapAtZero;
    double high = 0.0;
    double gapHigh = gapAtZero;
    bool bracketed = false;
    // Each side steps out by kLambdaStep; where a step lands where the curves have no factor,
    // it is halved a few times, so that a crossing close to where a slice turns singular is
    // still found, and then that side ends.
    struct Side {
        double sign, lambda, gap;
        bool open;
    };
    Side sides[2] = {{1.0, 0.0, gapAtZero, true}, {-1.0, 0.0, gapAtZero, true}};
    while (!bracketed && (sides[0].open || sides[1].open)) {
        for (Side& side : sides) {
            if (!side.open || bracketed) {
                continue;
            }
            double stride = kLambdaStep;
            double lambda = side.lambda + side.sign * stride;
            double forceFactor = kNaN;
            double g = std::abs(lambda) <= kLambdaReach ? gap(lambda, forceFactor) : kNaN;
            for (int halving = 0; !std::isfinite(g) && halving < kSingularHalvings; ++halving) {
                stride *= 0.5;
                lambda = side.lambda + side.sign * stride;
                g = gap(lambda, forceFactor);
            }
            if (!std::isfinite(g)) {
                side.open = false;
                continue;
            }
            forceStray = std::max(forceStray, std::abs(forceFactor - factorAtZero));
            if ((g > 0.0) != (side.gap > 0.0)) {
                low = side.lambda;
                gapLow = side.gap;
                high = lambda;
                gapHigh = g;
                bracketed = true;
            }
            side.lambda = lambda;
            side.gap = g;
            side.open = stride == kLambdaStep;
        }
    }
    if (!bracketed) {
        return lambdaFree();
    }
    int side = 0;
    for (int k = 0; k < 200; ++k) {
        const double lambda = (low * gapHigh - high * gapLow) / (gapHigh - gapLow);
        double forceFactor = kNaN;
        const double g = gap(lambda, forceFactor);
        if (!std::isfinite(g)) {
            return lambdaFree();
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
    return lambdaFree();
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
        crossing = NewtonAlongForceBranch(t, start, result.passes);
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
    double moment = 0.0;
    double forceScale = 0.0;
    double momentScale = 0.0;
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
        moment += t.drive[i] + normal * t.armNormal[i] - forces.shear[i] * t.armShear[i];
        forceScale += std::abs(t.vertical[i]) + std::abs(t.horizontal[i]);
        momentScale += std::abs(t.drive[i]);
        eLeft = eRight;
        xLeft = xRight;
    }
    result.passes += 1;
    result.smallestMAlpha = smallest;
    if (!(smallest > 0.0)) {
        result.Raise(MethodFlag::SingularSlice);
        return result;
    }
    // Whatever found the crossing, the mass must close: no force left at its far end and no
    // moment left over, to well within what the factor's tolerance leaves.
    const bool momentsClose = crossing->momentFree || std::abs(moment) <= kClosure * momentScale;
    if (!(std::abs(eLeft) <= kClosure * forceScale && momentsClose)) {
        result.Raise(MethodFlag::NotConverged);
        return result;
    }
    result.factor = crossing->factor;
    result.lambda = lambda;
    CheckSlices(t, forces, result);
    return result;
}

}  // namespace vardolin::section

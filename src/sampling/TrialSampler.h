// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "numerics/UniformSequence.h"
#include "sampling/Distribution.h"
#include "sampling/SampledParameter.h"

namespace vardolin {

// Draws the parameters of a run's trials, trial by trial, in the order of the list.
//
// Each parameter of each trial starts from a probability p and its standard normal deviate z:
// - Monte Carlo: p is the next value of the sequence, one per parameter in list order, and z
//   the sampler's deviate of it, so all-normal unbounded parameters draw exactly as
//   SampleNormal does;
// - Latin hypercube: p comes from LatinHypercube, which draws every trial as the sampler is
//   made, and z is the deviate at p.
// The pair's second deviate becomes rho z1 + sqrt(1 - rho^2) z2 (its p then Phi of that). Under
// a Latin hypercube the pair's second parameter instead keeps its strata and takes them in the
// order of those mixed deviates, so that each parameter still has one trial per stratum.
//
// A bounded parameter is truncated by inverse transform: p is mapped into [F(lower), F(upper)]
// and the distribution's quantile taken there, clamped to the bounds against the approximation
// of the quantile. Every value thus costs one uniform value whatever the bounds, so the
// consumption of a run is fixed by its trial count, strata keep their meaning, and no draw can
// loop. Bounds that leave no probability raise InvalidProcedureCall as the sampler is made.
class TrialSampler {
public:
    TrialSampler(std::vector<SampledParameter> parameters, std::optional<CorrelatedPair> pair,
                 SamplingMethod method, int trials, UniformSequence& uniforms);

    // The values of the next trial, in the order of the parameters; valid until the next call.
    std::span<const double> Next();
    // Passes over the next `trials` trials as as many calls of Next() would.
    void Skip(int trials);

private:
    struct Unit {
        double p;
        NormalDeviate z;
    };
    struct Drawn {
        SampledParameter parameter;
        Distribution distribution;
        double low = 0.0;  // F(lower), F(upper): the probabilities a bounded value lies between
        double high = 1.0;
    };

    double ValueOf(const Drawn& drawn, const Unit& unit) const;
    void PairStrata();

    std::vector<Drawn> drawn_;
    std::optional<CorrelatedPair> pair_;
    SamplingMethod method_;
    UniformSequence& uniforms_;
    std::vector<std::vector<double>> strata_;  // Latin hypercube: [parameter][trial]
    std::size_t trial_ = 0;
    std::vector<Unit> units_;
    std::vector<double> values_;
};

}  // namespace vardolin

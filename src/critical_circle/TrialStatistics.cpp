// SPDX-License-Identifier: MIT
#include "critical_circle/TrialStatistics.h"

#include <algorithm>
#include <cmath>

#include "numerics/Square.h"

namespace vardolin::critical {

TrialStatistics SummariseTrials(std::span<const double> factors,
                                std::span<const FactorStatus> statuses) {
    TrialStatistics s;
    s.trials = static_cast<int>(factors.size());
    double sum = 0.0;
    for (std::size_t i = 0; i < factors.size(); ++i) {
        switch (statuses[i]) {
            case FactorStatus::Valid:
                s.minimum = s.usable == 0 ? factors[i] : std::min(s.minimum, factors[i]);
                s.maximum = s.usable == 0 ? factors[i] : std::max(s.maximum, factors[i]);
                s.usable += 1;
                sum += factors[i];
                if (factors[i] < 1.0) {
                    s.failed += 1;
                }
                break;
            case FactorStatus::NoDrivingMoment:
                s.noDrivingMoment += 1;
                break;
            case FactorStatus::NotConverged:
                s.notConverged += 1;
                break;
            case FactorStatus::SmallMAlpha:
                s.smallMAlpha += 1;
                break;
        }
    }
    if (s.usable == 0) {
        return s;
    }
    s.failurePercent = static_cast<double>(s.failed) / s.usable * 100.0;
    s.meanFactor = sum / s.usable;
    // Equal factors have no spread, though their mean may round an ulp away from them.
    if (s.maximum > s.minimum) {
        double squares = 0.0;
        for (std::size_t i = 0; i < factors.size(); ++i) {
            if (statuses[i] == FactorStatus::Valid) {
                squares += Square(factors[i] - s.meanFactor);
            }
        }
        s.standardDeviation = std::sqrt(squares / (s.usable - 1));
    }
    if (s.standardDeviation > 0.0) {
        s.reliabilityIndex = (s.meanFactor - 1.0) / s.standardDeviation;
        if (s.meanFactor > 0.0) {
            // ln(1 + V^2) by log1p, which keeps its digits for a small V.
            const double spread = std::log1p(Square(s.standardDeviation / s.meanFactor));
            s.lognormalReliabilityIndex =
                (std::log(s.meanFactor) - spread / 2.0) / std::sqrt(spread);
        }
    }
    return s;
}

}  // namespace vardolin::critical

// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <optional>

#include "slope_section/MethodResult.h"

namespace vardolin::section {

// The factor that a step maps to itself, F = step(F), for the methods whose factor is a ratio
// worked out from the factor before (Bishop, Janbu, and the GLE's force and moment factors at a
// fixed lambda). step returns NaN where F leaves it no answer (a slice turns singular).
//
// First plain steps from `start`; these settle in a few passes on ordinary surfaces. Where they
// leave the positive numbers, or do not settle in kFixedPointSteps, the root of step(F) - F is
// bracketed on a geometric ladder of factors from kLowestFactor up and closed in by the
// Illinois rule. Every pass over the slices is counted in `passes`.
inline constexpr int kFixedPointSteps = 60;
inline constexpr double kLowestFactor = 0.05;
inline constexpr double kHighestFactor = 100.0;

template <class Step>
std::optional<double> SettleFactor(Step&& step, double start, int& passes) {
    double factor = start;
    for (int k = 0; k < kFixedPointSteps; ++k) {
        const double next = step(factor);
        ++passes;
        if (!(next > 0.0 && next < HUGE_VAL)) {
            break;
        }
        if (std::abs(next - factor) <= kFactorTolerance * next) {
            return next;
        }
        factor = next;
    }

    // The ladder: the first rung where step(F) - F changes sign from a rung with an answer.
    double low = kLowestFactor;
    double gapLow = step(low) - low;
    ++passes;
    double high = low;
    double gapHigh = gapLow;
    bool bracketed = false;
    while (high < kHighestFactor) {
        const double rung = high * 1.25;
        const double gap = step(rung) - rung;
        ++passes;
        if (std::isfinite(gap) && std::isfinite(gapHigh) && (gap > 0.0) != (gapHigh > 0.0)) {
            low = high;
            gapLow = gapHigh;
            high = rung;
            gapHigh = gap;
            bracketed = true;
            break;
        }
        high = rung;
        gapHigh = gap;
    }
    if (!bracketed) {
        return std::nullopt;
    }
    // Illinois: false position that halves the stale end's value.
    int side = 0;
    for (int k = 0; k < 200; ++k) {
        const double guess = (low * gapHigh - high * gapLow) / (gapHigh - gapLow);
        const double gap = step(guess) - guess;
        ++passes;
        if (!std::isfinite(gap)) {
            return std::nullopt;
        }
        if (std::abs(high - low) <= kFactorTolerance * guess || gap == 0.0) {
            return guess;
        }
        if ((gap > 0.0) == (gapLow > 0.0)) {
            low = guess;
            gapLow = gap;
            if (side == -1) {
                gapHigh *= 0.5;
            }
            side = -1;
        } else {
            high = guess;
            gapHigh = gap;
            if (side == 1) {
                gapLow *= 0.5;
            }
            side = 1;
        }
    }
    return std::nullopt;
}

}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "critical_circle/CircleSlices.h"
#include "critical_circle/SoilValues.h"

namespace vardolin::critical {

// One slice of a circle as the export writes it, with the terms of both factors.
struct SliceRow {
    double middleX = 0.0;
    double width = 0.0;
    double height = 0.0;
    double baseAngle = 0.0;  // alpha in degrees, positive where the base rises to the crest
    double baseLength = 0.0;
    double weight = 0.0;
    double porePressure = 0.0;
    double ordinaryResisting = 0.0;  // c l + (W cos(alpha) - u l) tan(phi)
    double driving = 0.0;            // W sin(alpha)
    double bishopNumerator = 0.0;    // c b + (W - u b) tan(phi)
    double mAlpha = 0.0;             // at Bishop's factor
    double bishopResisting = 0.0;    // numerator / m_alpha
};

// The slices' rows, from the exit to the entry, for the given soil values put on them, with
// m_alpha at `bishopFactor`, in the arithmetic of the factors (section/CircleTerms.h): the
// resisting columns summed in slice order over the driving column summed give the ordinary factor
// to the last digit and Bishop's to within its tolerance.
std::vector<SliceRow> TabulateSlices(const CircleSlices& slices, const SoilValues& soil,
                                     double bishopFactor);

}  // namespace vardolin::critical

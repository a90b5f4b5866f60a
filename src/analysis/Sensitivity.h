// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "analysis/AnalysisDescription.h"
#include "analysis/RunProgress.h"
#include "numerics/NumberText.h"

namespace vardolin {

// How the factor of safety moves with each uncertain input alone: the factor at the
// averages while one average at a time moves across its mean ± 3 standard deviations.
//
// It is the analysis's own deterministic evaluation (AnalysisDescription::factorAtMeans) on a
// copy of the form's texts with every standard deviation set to 0, so it draws nothing: the
// uniform sequence, the kept tables and the form's fields stay as they were.
inline constexpr int kSensitivityStepsPerSd = 4;  // offsets -3, -2.75, …, 3: 25 points
inline constexpr int kSensitivitySpan = 3;        // standard deviations either side

struct SensitivityCurve {
    int meanField = 0;  // the parameter, by the field of its average
    int sdField = 0;
    double mean = 0.0;
    double standardDeviation = 0.0;
    std::vector<double> offsets;  // standard deviations from the mean, ascending; 0 among them
    // The factor at each offset; none where the evaluation raised a run-time error (a value
    // the formula cannot take, such as a division by zero).
    std::vector<std::optional<double>> factors;

    double valueAt(std::size_t point) const { return mean + offsets[point] * standardDeviation; }
};

struct Sensitivity {
    double factorAtMeans = 0.0;            // every parameter at its average: the fixed-data factor
    std::vector<SensitivityCurve> curves;  // one per uncertain input, in list order
};

// The curves of an analysis on `texts` (read, never written), evaluated in the run's `context`:
// its locale, its threads and its watcher; its sequence and tables stay as they were. None when
// the analysis has no deterministic factor (its trials are not one evaluation at drawn values).
// Raises the RunTimeError or NoFactorAtMeans of the evaluation at the averages, without which
// there is no curve to draw; a point of a curve without a factor is left undefined.
// The watcher sees the evaluations counted as SensitivityPoint and may cancel between two of
// them (RunCancelled): an analysis whose evaluation is a search may take a while over its curves.
std::optional<Sensitivity> SensitivityOf(const AnalysisDescription& analysis,
                                         const FieldTexts& texts, const AnalysisContext& context);

}  // namespace vardolin

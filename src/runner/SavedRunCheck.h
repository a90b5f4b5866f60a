// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <vector>

#include "analysis/AnalysisDescription.h"
#include "fields/FieldTexts.h"
#include "files/Model.h"

namespace vardolin::runner {

// One figure of a run that is not what its model file kept: "mean_safety_factor", or
// "trial_factors" (their count), or "trial_factors[3]" (trial 3, counted from 1).
struct Difference {
    std::string what;
    std::string saved;
    std::string run;
};

// A run from a saved state against the run the file kept.
struct SavedRunCheck {
    // The result texts that differ (in the order of the form's fields), then the count of the
    // trial factors if it differs, then the first kShownFactors factors that differ.
    std::vector<Difference> differences;
    int differingFactors = 0;  // of the trials both have, compared to the bit

    bool agrees() const { return differences.empty(); }
};

inline constexpr int kShownFactors = 5;

// Compares every result text the saved run holds with the run's fields, and its trial factors,
// if it kept any, with the run's `factors`.
SavedRunCheck CheckAgainstSaved(const AnalysisDescription& analysis, const SavedRun& saved,
                                const FieldTexts& fields, std::span<const double> factors);

}  // namespace vardolin::runner

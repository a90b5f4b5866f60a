// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <span>

#include "analysis/Sensitivity.h"

namespace vardolin::runner {

// Whether the trials were enough: the failure percentage with its 95 % band (Wald:
// p ± 1.96 √(p(1 − p)/n), clamped to 0..100 %) and the standard error of the mean factor.
nlohmann::ordered_json ConvergenceJson(std::span<const double> factors);

// The sensitivity curves as numbers: per parameter (by its average's key) the points
// {sd_offset, value, factor}, factor null where the formula could not take the value; null for
// an analysis without them.
nlohmann::ordered_json SensitivityJson(const AnalysisDescription& analysis,
                                       const std::optional<Sensitivity>& sensitivity);

}  // namespace vardolin::runner

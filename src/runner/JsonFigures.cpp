// SPDX-License-Identifier: MIT
#include "runner/JsonFigures.h"

#include "statistics/Convergence.h"

namespace vardolin::runner {

using nlohmann::ordered_json;

ordered_json ConvergenceJson(std::span<const double> factors) {
    const ConvergenceSummary s = SummariseConvergence(factors);
    ordered_json json;
    json["failures"] = s.failures;
    json["failure_percentage"] = s.band.probability * 100.0;
    json["standard_error_percentage"] = s.band.standardError * 100.0;
    json["band_95_low_percentage"] = s.band.low * 100.0;
    json["band_95_high_percentage"] = s.band.high * 100.0;
    json["band_is_degenerate"] = s.bandIsDegenerate();
    json["mean_standard_error"] = s.meanStandardError;
    return json;
}

ordered_json SensitivityJson(const AnalysisDescription& analysis,
                             const std::optional<Sensitivity>& sensitivity) {
    if (!sensitivity) {
        return nullptr;
    }
    ordered_json json;
    json["factor_at_means"] = sensitivity->factorAtMeans;
    ordered_json curves = ordered_json::array();
    for (const SensitivityCurve& curve : sensitivity->curves) {
        ordered_json points = ordered_json::array();
        for (std::size_t i = 0; i < curve.offsets.size(); ++i) {
            points.push_back({{"sd_offset", curve.offsets[i]},
                              {"value", curve.valueAt(i)},
                              {"factor", curve.factors[i] ? ordered_json(*curve.factors[i])
                                                          : ordered_json(nullptr)}});
        }
        const FieldFact* mean = analysis.findField(curve.meanField);
        curves.push_back({{"parameter", std::string(mean->key)},
                          {"mean", curve.mean},
                          {"standard_deviation", curve.standardDeviation},
                          {"points", std::move(points)}});
    }
    json["curves"] = std::move(curves);
    return json;
}

}  // namespace vardolin::runner

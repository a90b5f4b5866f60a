// SPDX-License-Identifier: MIT
#include "runner/SavedRunCheck.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "files/ShortestText.h"

namespace vardolin::runner {

SavedRunCheck CheckAgainstSaved(const AnalysisDescription& analysis, const SavedRun& saved,
                                const FieldTexts& fields, std::span<const double> factors) {
    SavedRunCheck check;
    for (const FieldFact& field : analysis.fields) {
        const auto kept = saved.results.find(field.key);
        if (field.isInput() || kept == saved.results.end()) {
            continue;
        }
        if (const std::string text = fields.text(field.number); text != kept->second) {
            check.differences.push_back({std::string(field.key), kept->second, text});
        }
    }
    // A run kept without its factors (one of fixed data, say) is checked by its texts alone.
    if (saved.trialFactors.empty()) {
        return check;
    }
    if (saved.trialFactors.size() != factors.size()) {
        check.differences.push_back({"trial_factors",
                                     std::to_string(saved.trialFactors.size()) + " factors",
                                     std::to_string(factors.size()) + " factors"});
    }
    const std::size_t both = std::min(saved.trialFactors.size(), factors.size());
    for (std::size_t i = 0; i < both; ++i) {
        // To the bit: a factor that reads back as another double is another run.
        if (std::bit_cast<std::uint64_t>(saved.trialFactors[i]) !=
            std::bit_cast<std::uint64_t>(factors[i])) {
            if (++check.differingFactors <= kShownFactors) {
                check.differences.push_back({"trial_factors[" + std::to_string(i + 1) + "]",
                                             ShortestText(saved.trialFactors[i]),
                                             ShortestText(factors[i])});
            }
        }
    }
    return check;
}

}  // namespace vardolin::runner

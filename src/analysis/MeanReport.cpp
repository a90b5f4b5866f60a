// SPDX-License-Identifier: MIT
#include "analysis/MeanReport.h"

#include "analysis/RunMessages.h"
#include "numerics/GenericArithmetic.h"

namespace vardolin {

double WriteMean(FieldValues& f, std::span<const double> trialFactors, int meanField) {
    double sum = 0.0;
    for (const double factor : trialFactors) {
        sum = generic::Add(sum, factor);
    }
    const double mean = generic::Divide(sum, static_cast<double>(trialFactors.size()));
    f.WriteNumber(meanField, mean);
    return mean;
}

void WriteMeanAndVerdict(FieldValues& f, std::span<const double> trialFactors, int meanField,
                         int messageField) {
    f.Write(messageField, messages::Verdict(WriteMean(f, trialFactors, meanField)));
}

}  // namespace vardolin

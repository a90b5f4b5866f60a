// SPDX-License-Identifier: MIT
#include "critical_circle/AcceptanceVerdict.h"

namespace vardolin::critical {

std::string_view AcceptanceVerdict(double bishopFactor, double failurePercentage,
                                   const AcceptanceCriteria& criteria, bool fixedData) {
    const bool factorFails = bishopFactor < criteria.minimumFactor;
    const bool probabilityFails = failurePercentage > criteria.maximumFailurePercentage;
    const std::size_t index =
        (fixedData ? 4U : 0U) + (factorFails ? 2U : 0U) + (probabilityFails ? 1U : 0U);
    return kAcceptanceVerdicts[index];
}

}  // namespace vardolin::critical

// SPDX-License-Identifier: MIT
#include "critical_circle/SoilDrawsOutOfRange.h"

#include "critical_circle/CriticalCircleFields.h"

namespace vardolin::critical {

std::vector<OutOfRangeCount> CountSoilDrawsOutOfRange(std::span<const SoilValues> drawn) {
    std::vector<OutOfRangeCount> counts;
    for (std::size_t p = 0; p < kSoilParameters.size(); ++p) {
        OutOfRangeCount count{kCircleInputs[p].name, 0};
        for (const SoilValues& soil : drawn) {
            count.trials += kSoilRanges[p].Contains(soil.*kSoilParameters[p]) ? 0 : 1;
        }
        counts.push_back(count);
    }
    return counts;
}

}  // namespace vardolin::critical

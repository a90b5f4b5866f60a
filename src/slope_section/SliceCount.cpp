// SPDX-License-Identifier: MIT
#include "slope_section/SliceCount.h"

#include <cstddef>

namespace vardolin::section {

void SplitSliceCount(const std::vector<double>& bounds, int count, std::vector<int>& slices) {
    const std::size_t stretches = bounds.size() < 2 ? 0 : bounds.size() - 1;
    slices.assign(stretches, 1);
    if (stretches == 0) {
        return;
    }
    for (auto total = static_cast<long>(stretches); total < count; ++total) {
        std::size_t widest = 0;
        double widestWidth = -1.0;
        for (std::size_t i = 0; i < stretches; ++i) {
            const double width = (bounds[i + 1] - bounds[i]) / slices[i];
            if (width > widestWidth) {
                widest = i;
                widestWidth = width;
            }
        }
        slices[widest] += 1;
    }
}

}  // namespace vardolin::section

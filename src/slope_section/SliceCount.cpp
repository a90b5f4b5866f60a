// SPDX-License-Identifier: MIT
#include "slope_section/SliceCount.h"

#include <cstddef>

namespace vardolin::section {
namespace {

// Slices wider by no more than this share are as wide.
constexpr double kEqualSlices = 1.0 + 1e-9;

}  // namespace

void SplitSliceCount(const std::vector<double>& bounds, int count, std::vector<int>& slices) {
    const std::size_t stretches = bounds.size() < 2 ? 0 : bounds.size() - 1;
    slices.assign(stretches, 1);
    if (stretches == 0) {
        return;
    }
    for (auto total = static_cast<long>(stretches); total < count; ++total) {
        // span_i / n_i > span_w / n_w, compared as span_i n_w > span_w n_i: no division in
        // the loop, which runs for every further slice of every surface. Slices equal but for
        // rounding (a bound found by a crossing in one frame and its mirror image in the other)
        // are equals, so that a mirrored section is cut alike.
        std::size_t widest = 0;
        for (std::size_t i = 1; i < stretches; ++i) {
            if ((bounds[i + 1] - bounds[i]) * slices[widest] >
                (bounds[widest + 1] - bounds[widest]) * slices[i] * kEqualSlices) {
                widest = i;
            }
        }
        slices[widest] += 1;
    }
}

}  // namespace vardolin::section

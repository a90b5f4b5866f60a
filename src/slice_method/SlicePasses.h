// SPDX-License-Identifier: MIT
#pragma once

#include "numerics/FloatingPointStatus.h"
#include "numerics/GenericArithmetic.h"
#include "slice_method/SlipCircle.h"

namespace vardolin {

// The width b = E / n of the slices of an accepted circle, with the status test of its
// division. A width of 0 would never advance the pass loop; callers stop the trial instead.
inline double SliceWidth(const SlipCircle& circle, double sliceCount) {
    FloatingPointStatus status;
    const double b = status.Divide(circle.reach, sliceCount);
    status.Test();
    return b;
}

// The pass loop of a trial, shared by the trial itself and by anything that counts its slices
// ahead of it. A pass counter k runs from 0 while k <= E, growing by b after each pass
// (repeated checked addition, so the accumulated rounding decides whether the pass with k ~ E
// runs): nominally n + 1 passes. Each pass first moves the offset x on by b (x = b, 2b, ...);
// a pass with x <= R is a slice and is handed to `slice(x)`. A negative width (a negative slice
// count) makes no pass at all.
template <typename Slice>
void ForEachProcessedSlice(const SlipCircle& circle, double b, Slice&& slice) {
    const auto passRuns = [&](double k) { return b > 0.0 ? k <= circle.reach : k >= circle.reach; };
    double x = 0.0;
    for (double k = 0.0; passRuns(k); k = generic::Add(k, b)) {
        x = generic::Add(x, b);
        if (x > circle.radius) {
            continue;
        }
        slice(x);
    }
}

}  // namespace vardolin

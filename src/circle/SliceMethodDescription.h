// SPDX-License-Identifier: MIT
#pragma once

#include "shared/AnalysisDescription.h"

namespace vardolin {

// Circular failure by Bishop's method of slices: the form "Method of Slice" (vard2), its fields
// and its run.
const AnalysisDescription& SliceMethod();

}  // namespace vardolin

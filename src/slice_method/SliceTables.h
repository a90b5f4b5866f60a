// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/CountLimit.h"
#include "numerics/CheckedTable.h"

namespace vardolin {

// A table of one value per trial, indices 0..10000.
using TrialTable = CheckedTable<0, kCountLimit>;

// The tables of one slice-method run, zero-filled when created and dropped when the run ends.
// They are indexed by trial: CircleSafetyFactors(i) is the factor of trial i after its last
// processed slice, TrialRadius(i) the radius of its last candidate circle.
struct SliceTables {
    TrialTable CircleSafetyFactors;
    TrialTable TrialRadius;
};

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include "numerics/CheckedTable.h"
#include "shared/MainModule.h"

namespace vardolin {

// A table of one value per trial, indices 0..10000.
using TrialTable = CheckedTable<0, MainModule::kMaxTrials>;

// The eight tables of one slice-method run, zero-filled when created and dropped when the run
// ends. They are indexed by trial, not by slice: every processed slice of trial i overwrites
// entry i, so once the trial is over TrialRadius(i) and CircleSafetyFactors(i) describe the
// trial and the others hold the values of its last processed slice.
struct SliceTables {
    TrialTable CircleSafetyFactors;
    TrialTable TrialRadius;
    TrialTable BaseLength;
    TrialTable SliceWeight;
    TrialTable WaterThrustTerm;
    TrialTable BasePorePressure;
    TrialTable SliceHeight;
    TrialTable PoreHead;
};

}  // namespace vardolin

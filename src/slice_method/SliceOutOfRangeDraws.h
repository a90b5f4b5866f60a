// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

#include "analysis/OutOfRangeDraws.h"
#include "slice_method/SliceInputs.h"

namespace vardolin {

// The trials of a completed run of `trials` trials from the sequence state `start` that drew a
// parameter outside its physical range in at least one slice (the water height outside 0 to the
// slope height), per parameter. The draws are replayed from the run's layout rather than noted
// by the trials, so the sequential and the threaded run give the same counts from the same
// values. A draw whose uniform value lies too near the middle for its deviate to reach a bound
// is passed over without working the deviate out: the deviate is below the variable t of the
// approximation, and t grows as the tail probability falls.
// `inputs` must all be numbers (SliceInputs::Converted).
std::vector<OutOfRangeCount> CountSliceDrawsOutOfRange(int trials, SliceInputs inputs,
                                                       std::uint32_t start);

}  // namespace vardolin

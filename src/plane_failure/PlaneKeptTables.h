// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/CountLimit.h"
#include "numerics/CheckedTable.h"

namespace vardolin {

// The plane-failure tables that outlive a run (KeptTables).
struct PlaneKeptTables {
    // Safety factor of trial i of the latest Monte Carlo run; entries above that run's trial
    // count keep what earlier runs wrote.
    CheckedTable<1, kCountLimit> TrialSafetyFactors;
};

}  // namespace vardolin

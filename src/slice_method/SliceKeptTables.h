// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/CountLimit.h"
#include "numerics/CheckedTable.h"

namespace vardolin {

// The slice method's tables that outlive a run (KeptTables): they live as long as the program
// and are never cleared.
struct SliceKeptTables {
    // Base angle in degrees of the last processed slice of trial i.
    CheckedTable<1, kCountLimit> BaseAngleDegrees;
    // Running total in radians of the base angles of trial i, over every run of the session.
    CheckedTable<0, kCountLimit> BaseAngleRadianTotal;
};

}  // namespace vardolin

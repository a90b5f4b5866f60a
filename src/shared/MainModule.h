// SPDX-License-Identifier: MIT
#pragma once

#include "numerics/CheckedTable.h"
#include "shared/CountLimit.h"

namespace vardolin {

// The tables that outlive a run. One instance is created at start-up and handed to both
// analyses; the tables live as long as the program and are never cleared.
struct MainModule {
    static constexpr int kMaxTrials = kCountLimit;

    MainModule() = default;
    MainModule(const MainModule&) = delete;
    MainModule& operator=(const MainModule&) = delete;

    // Safety factor of trial i of the latest plane-failure Monte Carlo run; entries above that
    // run's trial count keep what earlier runs wrote.
    CheckedTable<1, kMaxTrials> TrialSafetyFactors;
    // Base angle in degrees of the last processed slice of slice-method trial i.
    CheckedTable<1, kMaxTrials> BaseAngleDegrees;
    // Running total in radians of the base angles of trial i, over every run of the session.
    CheckedTable<0, kMaxTrials> BaseAngleRadianTotal;
};

}  // namespace vardolin

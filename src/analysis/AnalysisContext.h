// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/KeptTables.h"
#include "analysis/RunProgress.h"
#include "numerics/NumberText.h"
#include "numerics/UniformSequence.h"

namespace vardolin {

// What every analysis run shares with the rest of the process: the one uniform sequence, the
// one set of tables runs keep and the user's number conventions. Created once at start-up
// (tests make their own) and passed to the runs; nothing of it is global.
struct AnalysisContext {
    UniformSequence& uniforms;
    KeptTables& kept;
    NumberLocale locale;
    // Whoever watches the run (progress, cancel); none by default.
    RunProgress* progress = nullptr;
    // Threads a run may use; 1 takes the sequential path every other path is compared with.
    int threads = 1;
};

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include "numerics/NumberText.h"
#include "numerics/UniformSequence.h"
#include "shared/MainModule.h"
#include "shared/RunProgress.h"

namespace vardolin {

// What every analysis run shares with the rest of the process: the one uniform sequence,
// the one MainModule and the user's number conventions. Created once at start-up (tests make
// their own) and passed to the runs; nothing of it is global.
struct AnalysisContext {
    UniformSequence& uniforms;
    MainModule& module;
    NumberLocale locale;
    // Whoever watches the run (progress, cancel); none by default.
    RunProgress* progress = nullptr;
    // Threads a run may use; 1 takes the sequential path every other path is compared with.
    int threads = 1;
};

}  // namespace vardolin

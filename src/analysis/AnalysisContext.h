// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/KeptTables.h"
#include "analysis/RunProgress.h"
#include "fields/UnitSystem.h"
#include "numerics/NumberText.h"
#include "numerics/UniformSequence.h"
#include "sampling/SamplingChoices.h"

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
    // How the run samples its parameters; whoever starts a run sets them (a form's Sampling
    // dialog, a model file, the runner).
    SamplingChoices sampling = {};
    // The unit system of the model run, whose units the run's messages name ("above 26.7 ft");
    // the run itself works in the numbers as typed.
    UnitSystem units = UnitSystem::SiPascal;

    // Puts the sequence to the seed of the sampling choices, if they have one; called by
    // whoever starts a run, before the state it starts from is recorded.
    void StartSequence() {
        if (sampling.seed) {
            uniforms.Restore(*sampling.seed);
        }
    }
};

}  // namespace vardolin

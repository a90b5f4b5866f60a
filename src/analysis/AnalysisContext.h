// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "analysis/KeptTables.h"
#include "analysis/RunProgress.h"
#include "analysis/SplitRun.h"
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
    // One part of a split run (SplitRun.h), for an analysis whose description says it can be
    // split: the run draws and works out that part's trials only, from where the whole run
    // would draw them, and returns them in RunOutcome::partTrials without writing a figure.
    std::optional<RunPart> part = std::nullopt;
    // The trials of a whole run gathered from its parts: the run takes their values, factors
    // and statuses rather than drawing and working them out, and writes its figures from them
    // as a whole run writes them.
    const TrialRecords* given = nullptr;

    // The trials a run of `trials` trials draws and works out: all of them, or its part's.
    TrialRange TrialsToRun(int trials) const {
        return part ? PartRange(trials, *part) : TrialRange{0, trials};
    }
    // The given trials, which must be all `trials` of `width` values each; nullptr for none.
    const TrialRecords* GivenTrials(int trials, std::size_t width) const {
        if (given != nullptr &&
            (given->range != TrialRange{0, trials} || given->runTrials != trials ||
             given->width != width || !given->complete())) {
            throw GivenTrialsMismatch("the parts hold " + std::to_string(given->count()) +
                                      " trials; the model runs " + std::to_string(trials));
        }
        return given;
    }
};

}  // namespace vardolin

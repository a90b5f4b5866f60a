// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "analysis/AnalysisContext.h"
#include "analysis/AnalysisDescription.h"
#include "analysis/RunOutcome.h"
#include "fields/FieldTexts.h"
#include "numerics/RunTimeError.h"

namespace vardolin {

// One run of an analysis on field texts, ended as a window ends it: a run-time error writes its
// message into the message field and the fields keep what the run wrote before it.
struct FieldRun {
    std::uint32_t uniformStateAtStart = 0;
    std::optional<RunOutcome> outcome;  // none when a run-time error stopped the run
    std::optional<RunTimeError> error;  // that error

    // Results (a Monte Carlo run or the one evaluation of fixed data), rather than a message
    // that says why the run stopped.
    bool gaveResults() const { return outcome && outcome->gaveResults(); }
};

// A seed among the context's sampling choices puts the sequence to it first; uniformStateAtStart
// is the state the run then starts from.
FieldRun RunOnFields(const AnalysisDescription& analysis, FieldTexts& fields,
                     AnalysisContext& context);

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "numerics/CheckedTable.h"
#include "shared/AnalysisContext.h"
#include "shared/MainModule.h"

namespace vardolin {

// Everything of a context a run may change: the state of the uniform sequence and the three
// tables of the module. Taken before a run and restored when it is cancelled, so that the
// next run gives what it would have given had the cancelled one never started.
class ContextSnapshot {
public:
    explicit ContextSnapshot(const AnalysisContext& context);

    // Puts the sequence and the tables back exactly as they were when the snapshot was taken.
    void Restore(AnalysisContext& context) const;

private:
    std::uint32_t uniformState_;
    CheckedTable<1, MainModule::kMaxTrials> trialSafetyFactors_;
    CheckedTable<1, MainModule::kMaxTrials> baseAngleDegrees_;
    CheckedTable<0, MainModule::kMaxTrials> baseAngleRadianTotal_;
};

}  // namespace vardolin

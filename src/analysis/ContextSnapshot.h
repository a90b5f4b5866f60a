// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "analysis/AnalysisContext.h"
#include "analysis/KeptTables.h"

namespace vardolin {

// Everything of a context a run may change: the state of the uniform sequence and the tables
// runs keep. Taken before a run and restored when it is cancelled, so that the next run gives
// what it would have given had the cancelled one never started.
class ContextSnapshot {
public:
    explicit ContextSnapshot(const AnalysisContext& context)
        : uniformState_(context.uniforms.state()), kept_(context.kept) {}

    // Puts the sequence and the tables back exactly as they were when the snapshot was taken.
    void Restore(AnalysisContext& context) const {
        context.uniforms.Restore(uniformState_);
        context.kept = kept_;
    }

private:
    std::uint32_t uniformState_;
    KeptTables kept_;
};

}  // namespace vardolin

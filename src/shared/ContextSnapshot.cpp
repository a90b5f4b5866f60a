// SPDX-License-Identifier: MIT
#include "shared/ContextSnapshot.h"

namespace vardolin {

ContextSnapshot::ContextSnapshot(const AnalysisContext& context)
    : uniformState_(context.uniforms.state()),
      trialSafetyFactors_(context.module.TrialSafetyFactors),
      baseAngleDegrees_(context.module.BaseAngleDegrees),
      baseAngleRadianTotal_(context.module.BaseAngleRadianTotal) {}

void ContextSnapshot::Restore(AnalysisContext& context) const {
    context.uniforms.Restore(uniformState_);
    context.module.TrialSafetyFactors = trialSafetyFactors_;
    context.module.BaseAngleDegrees = baseAngleDegrees_;
    context.module.BaseAngleRadianTotal = baseAngleRadianTotal_;
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "analysis/FieldRun.h"

namespace vardolin {

FieldRun RunOnFields(const AnalysisDescription& analysis, FieldTexts& fields,
                     AnalysisContext& context) {
    FieldRun run;
    context.StartSequence();
    run.uniformStateAtStart = context.uniforms.state();
    try {
        run.outcome = analysis.run(fields, context);
    } catch (const RunTimeError& error) {
        fields.setText(analysis.fieldWith(FieldRole::Message).number, error.message());
        run.error = error;
    }
    return run;
}

}  // namespace vardolin

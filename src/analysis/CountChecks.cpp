// SPDX-License-Identifier: MIT
#include "analysis/CountChecks.h"

#include "analysis/CountLimit.h"
#include "analysis/RunMessages.h"

namespace vardolin {

bool RejectCountNotAboveOne(FieldValues& f, const CountFields& fields) {
    if (f.Number(fields.count) > 1.0) {
        return false;
    }
    f.Write(fields.message, fields.notAboveOne);
    f.Write(fields.count, "");
    f.Write(fields.failureProbability, "");
    f.Write(fields.meanSafetyFactor, "");
    return true;
}

bool RejectCountNotBelowLimit(FieldValues& f, const CountFields& fields) {
    if (f.Number(fields.count) < kCountLimit) {
        return false;
    }
    f.Write(fields.message, messages::kCountNotBelowLimit);
    f.Write(fields.failureProbability, "");
    f.Write(fields.count, "");
    return true;
}

}  // namespace vardolin

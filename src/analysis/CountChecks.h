// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "analysis/RunMessages.h"
#include "fields/FieldValues.h"

namespace vardolin {

// The fields of an analysis form that the checks of the number of calculations write.
struct CountFields {
    int count;
    int message;
    int failureProbability;
    int meanSafetyFactor;
    // What a count of 1 or less writes: the specified forms' words unless a form has its own.
    std::string_view notAboveOne = messages::kCountNotAboveOne;
};

// A count of 1 or less: fields.notAboveOne into the message field, then the count, the failure
// percentage and the mean emptied, in this order. Returns whether the run stops here.
bool RejectCountNotAboveOne(FieldValues& f, const CountFields& fields);

// A count of 10000 or more: "Under 10000" into the message field, then the failure percentage
// and the count emptied; the mean keeps its text. Returns whether the run stops here.
bool RejectCountNotBelowLimit(FieldValues& f, const CountFields& fields);

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "analysis/InputChecks.h"

#include "numerics/RunTimeError.h"

namespace vardolin {

std::optional<double> InputChecks::Value(int field) {
    try {
        return f_.Number(field);
    } catch (const RunTimeError&) {
        return std::nullopt;
    }
}

void InputChecks::RequireRange(int field, const NumberRange& range, std::string_view message) {
    const std::optional<double> value = Value(field);
    Require(field, value ? std::optional<bool>(range.Contains(*value)) : std::nullopt, message);
}

void InputChecks::RequireAveragesInRange(std::span<const UncertainInput> inputs) {
    for (const UncertainInput& input : inputs) {
        if (input.highestField == 0) {
            RequireRange(input.meanField, input.range, input.rangeMessage);
        } else if (const std::optional<double> highest = Value(input.highestField)) {
            RequireRange(input.meanField, DrawRange(input, *highest), input.rangeMessage);
        }
    }
}

void InputChecks::Require(int field, std::optional<bool> holds, std::string_view message) {
    if (!failure_ && holds == false) {
        failure_ = Failure{field, message};
    }
}

std::optional<RunOutcome> InputChecks::Stop(int messageField) {
    if (!failure_) {
        return std::nullopt;
    }
    f_.Write(messageField, failure_->message);
    return RunOutcome::StoppedAt(failure_->field);
}

}  // namespace vardolin

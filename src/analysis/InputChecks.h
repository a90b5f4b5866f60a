// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "analysis/NumberRange.h"
#include "analysis/RunOutcome.h"
#include "analysis/UncertainInput.h"
#include "fields/FieldValues.h"

namespace vardolin {

// Inputs that describe no slope a run could stand for (a sliding plane that does not daylight,
// water above the crack, …), stopped before the run draws anything. The first check that fails
// writes its message into the message field and names its field, so that the window takes the
// user to the text to correct. A text that is not a number passes every check: its own
// conversion error stops the run at the step that first reads it.
class InputChecks {
public:
    explicit InputChecks(FieldValues& fields) : f_(fields) {}

    // The field's number, or nothing when its text does not convert.
    std::optional<double> Value(int field);

    // `field` must hold a number in `range`.
    void RequireRange(int field, const NumberRange& range, std::string_view message);
    // The average of each input, in list order, must lie in its range, whose upper end is the
    // number of its highestField where it has one (no check when that text does not convert).
    void RequireAveragesInRange(std::span<const UncertainInput> inputs);
    // `field` must meet a condition of several fields: `holds` is nothing when one of their
    // texts does not convert.
    void Require(int field, std::optional<bool> holds, std::string_view message);

    bool failed() const { return failure_.has_value(); }

    // After a failed check: its message into `messageField`, and the stopped outcome naming its
    // field. Nothing when every check held.
    std::optional<RunOutcome> Stop(int messageField);

private:
    struct Failure {
        int field;
        std::string_view message;
    };
    FieldValues& f_;
    std::optional<Failure> failure_;
};

}  // namespace vardolin

// SPDX-License-Identifier: MIT
// Small helpers shared by the core's tests.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "numerics/RunTimeError.h"
#include "numerics/UniformSequence.h"

namespace vardolin::testing_support {

// The error an operation raises, or nothing if it completes.
template <typename Operation>
std::optional<ErrorCode> ErrorOf(Operation&& operation) {
    try {
        operation();
    } catch (const RunTimeError& e) {
        return e.code();
    }
    return std::nullopt;
}

// The run-time error an operation raises, or nothing if it completes.
template <typename Operation>
std::optional<RunTimeError> RaisedBy(Operation&& operation) {
    try {
        operation();
    } catch (const RunTimeError& e) {
        return e;
    }
    return std::nullopt;
}

// Uniform values a sequence has delivered since program start, or -1 if more than 2,000,000.
inline long ConsumedBy(const UniformSequence& uniforms) {
    UniformSequence probe;
    for (long n = 0; n < 2'000'000; ++n) {
        if (probe.state() == uniforms.state()) {
            return n;
        }
        probe.NextUniform();
    }
    return -1;
}

// Names data-driven cases after their row's `name`, so each row reads as a test of its own.
struct RowName {
    template <typename Row>
    std::string operator()(const testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};

}  // namespace vardolin::testing_support

namespace vardolin {

inline std::ostream& operator<<(std::ostream& os, ErrorCode code) {
    return os << "error " << static_cast<int>(code);
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
// Shared by the fuzz targets: turning fuzz input into field texts, and judging a run's outcome.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include "fields/FieldTextMap.h"
#include "numerics/NumberText.h"
#include "numerics/RunTimeError.h"

namespace vardolin::fuzz {

// Splits the input at newlines and gives the pieces, in order, to the fields named.
inline FieldTextMap FieldsFrom(const std::uint8_t* data, std::size_t size,
                               std::span<const int> fields) {
    FieldTextMap texts;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (int field : fields) {
        const std::size_t end = rest.find('\n');
        texts.setText(field, rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return texts;
}

// Keeps a run short: a count above `largest` and at most `acceptedUpTo` (the most any analysis
// accepts there) becomes `largest`; a larger one stays, for the run to refuse.
inline void LimitCount(FieldTextMap& texts, int countField, int largest, double acceptedUpTo) {
    try {
        const double count = TextToDouble(texts.text(countField));
        if (count > largest && count <= acceptedUpTo) {
            texts.setText(countField, std::to_string(largest));
        }
    } catch (const RunTimeError&) {
        // The run meets the bad count itself.
    }
}

[[noreturn]] inline void Fail(const char* why) {
    std::fprintf(stderr, "outcome check failed: %s\n", why);
    std::abort();
}

inline void Require(bool condition, const char* why) {
    if (!condition) {
        Fail(why);
    }
}

// A result text must read back as a finite number.
inline double RequireNumber(const std::string& text) {
    try {
        return TextToDouble(text);
    } catch (const RunTimeError&) {
        Fail("a result field holds no number");
    }
}

inline void RequireKnownError(const RunTimeError& e) {
    switch (e.code()) {
        case ErrorCode::InvalidProcedureCall:
        case ErrorCode::Overflow:
        case ErrorCode::SubscriptOutOfRange:
        case ErrorCode::DivisionByZero:
        case ErrorCode::TypeMismatch:
            return;
    }
    Fail("unknown error code");
}

}  // namespace vardolin::fuzz

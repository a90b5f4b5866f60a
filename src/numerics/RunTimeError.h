// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vardolin {

// Error policy of the whole core: a bad value never yields a result. The operation that meets
// it throws RunTimeError at that very step, carrying the number and description that the user
// sees ("Run-time error '13': Type mismatch"). Nothing in the core catches it; the caller of a
// run (a window, a test) decides what to show. Work done before the throw stays done.
enum class ErrorCode : int {
    InvalidProcedureCall = 5,  // logarithm of a non-positive value, root of a negative one
    Overflow = 6,              // a result beyond its type, or an invalid floating-point operation
    SubscriptOutOfRange = 9,   // a table index outside the table's bounds
    DivisionByZero = 11,       // a finite non-zero value divided by zero
    TypeMismatch = 13,         // a text that is not a number where a number is needed
};

class RunTimeError : public std::runtime_error {
public:
    explicit RunTimeError(ErrorCode code);
    // The error of reading the text of field `field` (the 2 of Text2), e.g. a type mismatch: the
    // same code and message, and the field whose text the user has to correct.
    RunTimeError(ErrorCode code, int field);

    ErrorCode code() const noexcept { return code_; }
    int number() const noexcept { return static_cast<int>(code_); }
    std::string_view description() const noexcept;

    // The text the user reads, e.g. "Run-time error '6': Overflow".
    std::string message() const { return what(); }

    // The field whose text caused the error, if a field's text did; nothing for an error of
    // the arithmetic on values that all converted.
    std::optional<int> field() const noexcept { return field_; }

private:
    ErrorCode code_;
    std::optional<int> field_;
};

// Description of a code, e.g. "Division by zero".
std::string_view DescriptionOf(ErrorCode code) noexcept;

}  // namespace vardolin

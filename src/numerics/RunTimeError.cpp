// SPDX-License-Identifier: MIT
#include "numerics/RunTimeError.h"

namespace vardolin {

namespace {

std::string MessageFor(ErrorCode code) {
    return "Run-time error '" + std::to_string(static_cast<int>(code)) +
           "': " + std::string(DescriptionOf(code));
}

}  // namespace

std::string_view DescriptionOf(ErrorCode code) noexcept {
    switch (code) {
        case ErrorCode::InvalidProcedureCall:
            return "Invalid procedure call or argument";
        case ErrorCode::Overflow:
            return "Overflow";
        case ErrorCode::SubscriptOutOfRange:
            return "Subscript out of range";
        case ErrorCode::DivisionByZero:
            return "Division by zero";
        case ErrorCode::TypeMismatch:
            return "Type mismatch";
    }
    return "Unknown error";
}

RunTimeError::RunTimeError(ErrorCode code) : std::runtime_error(MessageFor(code)), code_(code) {}

RunTimeError::RunTimeError(ErrorCode code, int field) : RunTimeError(code) {
    field_ = field;
}

std::string_view RunTimeError::description() const noexcept {
    return DescriptionOf(code_);
}

}  // namespace vardolin

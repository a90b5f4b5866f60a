// SPDX-License-Identifier: MIT
#include "numerics/FloatingPointStatus.h"

#include "numerics/RunTimeError.h"

namespace vardolin {

void FloatingPointStatus::Test() {
    const bool divisionByZero = divisionByZero_;
    const bool invalidOrOverflow = invalidOrOverflow_;
    divisionByZero_ = invalidOrOverflow_ = false;
    if (divisionByZero) {
        throw RunTimeError(ErrorCode::DivisionByZero);
    }
    if (invalidOrOverflow) {
        throw RunTimeError(ErrorCode::Overflow);
    }
}

}  // namespace vardolin

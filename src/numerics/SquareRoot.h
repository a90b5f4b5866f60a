// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

#include "numerics/RunTimeError.h"

namespace vardolin {

// The square root of the runs: a negative argument is an invalid argument, never a NaN.
inline double SquareRoot(double value) {
    if (value < 0.0) {
        throw RunTimeError(ErrorCode::InvalidProcedureCall);
    }
    return std::sqrt(value);
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "numerics/CheckedTable.h"

#include "numerics/RunTimeError.h"

namespace vardolin {

void ThrowSubscriptOutOfRange() {
    throw RunTimeError(ErrorCode::SubscriptOutOfRange);
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <vector>

namespace vardolin {

[[noreturn]] void ThrowSubscriptOutOfRange();

// A zero-filled table of doubles indexed Lower..Upper. Every access is checked: an index
// outside raises SubscriptOutOfRange rather than touching memory that is not the table's.
template <int Lower, int Upper>
class CheckedTable {
    static_assert(Lower <= Upper);

public:
    static constexpr int kLower = Lower;
    static constexpr int kUpper = Upper;

    CheckedTable() : values_(static_cast<std::size_t>(Upper - Lower + 1), 0.0) {}

    double& operator[](int index) {
        if (index < Lower || index > Upper) {
            ThrowSubscriptOutOfRange();
        }
        return values_[static_cast<std::size_t>(index - Lower)];
    }

    double operator[](int index) const { return const_cast<CheckedTable&>(*this)[index]; }

private:
    std::vector<double> values_;
};

}  // namespace vardolin

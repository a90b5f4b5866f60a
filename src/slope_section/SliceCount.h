// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

namespace vardolin::section {

// How many slices each stretch between two slice boundaries that must be (the sorted `bounds`,
// first and last the mass's ends) gets for `count` slices in all: every stretch starts with one,
// and each further slice up to the count goes to the stretch whose slices are the widest (the
// leftmost of equals, and of those within a billionth of the widest), which then splits into equal
// widths one more. So the count is met whenever it is at least the number of stretches, and every
// stretch is one slice otherwise; and no slice is wider than it must be. Fills `slices`, one entry
// per stretch.
void SplitSliceCount(const std::vector<double>& bounds, int count, std::vector<int>& slices);

}  // namespace vardolin::section

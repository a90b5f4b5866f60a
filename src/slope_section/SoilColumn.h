// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "slope_section/PreparedSection.h"

namespace vardolin::section {

// The soils of the column at x between `bottom` and `top`, from the top down, each once, by
// their rows in the soils: a point belongs to the soil of the deepest boundary above it. A
// slicer cuts at every point and crossing of the section's lines, so across a slice its lines
// keep their order and the column at the base's middle holds every soil of the slice.
std::vector<int> SoilColumn(const FramedSection& frame, double x, double bottom, double top);

}  // namespace vardolin::section

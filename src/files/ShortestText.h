// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vardolin {

// The fewest digits that read back as the same double, always with a point ("20", "0.5",
// "0.73889069232438034"): how files and reports write a number that must survive the trip.
std::string ShortestText(double value);

}  // namespace vardolin

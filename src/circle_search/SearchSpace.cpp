// SPDX-License-Identifier: MIT
#include "circle_search/SearchSpace.h"

#include <algorithm>

namespace vardolin::circle_search {

EntryExitRanges AutoEntryExit(double height, double crestX) noexcept {
    const double h = height;
    const double run = crestX;
    return {true, run, run + std::max(h, run), -h / 2.0, run / 2.0};
}

SearchGrid AutoGrid(double height, double crestX, int centres, int radii) noexcept {
    const double h = height;
    const double run = crestX;
    SearchGrid grid;
    grid.xFrom = -std::max(h, run / 2.0);
    grid.xTo = run + h / 2.0;
    grid.yFrom = h / 2.0;
    grid.yTo = h + 2.0 * std::max(h, run);
    grid.centresPerSide = centres;
    grid.radiiPerCentre = radii;
    grid.depthBelowToe = h;
    return grid;
}

}  // namespace vardolin::circle_search

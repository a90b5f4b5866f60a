// SPDX-License-Identifier: MIT
#include "circle_search/SearchGround.h"

#include <cmath>

#include "numerics/Square.h"

namespace vardolin::circle_search {

Circle ChordCircle(const SearchGround& ground, double exitX, double entryX, double radius) {
    const double exitY = ground.GroundLevel(exitX);
    const double entryY = ground.GroundLevel(entryX);
    const double dx = entryX - exitX;
    const double dy = entryY - exitY;
    const double chord = std::sqrt(Square(dx) + Square(dy));
    const double rise = std::sqrt(Square(radius) - Square(chord / 2.0));
    return {(exitX + entryX) / 2.0 - rise * dy / chord, (exitY + entryY) / 2.0 + rise * dx / chord,
            radius};
}

}  // namespace vardolin::circle_search

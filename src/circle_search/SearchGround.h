// SPDX-License-Identifier: MIT
#pragma once

#include "circle_search/Circle.h"

namespace vardolin::circle_search {

// Where a circle meets the ground, along x: its lower end (toward the toe) and its upper end.
struct CircleEnds {
    double exitX = 0.0;
    double entryX = 0.0;
};

// The ground as the search sees it: its toe at (0, 0), rising to the right to its crest at
// (crestX, height), level with the toe in front of it and with the crest beyond it. Between
// them it may take any shape. The search places its circles, its radii and its steps from these
// figures alone; whatever lies under the ground is the judge's business.
class SearchGround {
public:
    virtual ~SearchGround() = default;

    virtual double height() const noexcept = 0;
    virtual double crestX() const noexcept = 0;
    // The height of the ground above x.
    virtual double GroundLevel(double x) const noexcept = 0;
    // Where the circle cuts the ground; any figures where it does not cut it once.
    virtual CircleEnds Locate(const Circle& circle) const noexcept = 0;
};

// The circle through the ground's points above exitX and entryX with this radius, its centre
// above the chord between them (nothing usable where the radius is shorter than half the chord).
Circle ChordCircle(const SearchGround& ground, double exitX, double entryX, double radius);

}  // namespace vardolin::circle_search

// SPDX-License-Identifier: MIT
#pragma once

namespace vardolin::circle_search {

struct Circle {
    double centreX = 0.0;
    double centreY = 0.0;
    double radius = 0.0;
};

}  // namespace vardolin::circle_search

// SPDX-License-Identifier: MIT
#include "slope_section/SoilColumn.h"

#include <algorithm>
#include <functional>

namespace vardolin::section {

std::vector<int> SoilColumn(const FramedSection& frame, double x, double bottom, double top) {
    std::vector<double> cuts{top, bottom};
    for (const Polyline& boundary : frame.boundaries) {
        const double level = boundary.Level(x);
        if (level > bottom && level < top) {
            cuts.push_back(level);
        }
    }
    std::sort(cuts.begin(), cuts.end(), std::greater<>());
    std::vector<int> soils;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        if (!(cuts[i] > cuts[i + 1])) {
            continue;  // two lines meet here: a layer of no thickness
        }
        const double middle = (cuts[i] + cuts[i + 1]) / 2.0;
        for (std::size_t k = frame.boundaries.size(); k-- > 0;) {
            if (frame.boundaries[k].Level(x) >= middle) {
                const int soil = frame.layerSoils[k];
                if (std::find(soils.begin(), soils.end(), soil) == soils.end()) {
                    soils.push_back(soil);
                }
                break;
            }
        }
    }
    return soils;
}

}  // namespace vardolin::section

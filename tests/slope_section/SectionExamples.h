// SPDX-License-Identifier: MIT
// Sections the slope-section tests share.
#pragma once

#include <vector>

#include "slope_section/SectionModel.h"

namespace vardolin::section::examples {

// Fredlund and Krahn (1977): a 2:1 slope 40 ft high facing right, one soil (pcf, psf).
inline Section FredlundKrahn() {
    Section section;
    section.soils = {{"Clay", SoilModel::MohrCoulomb, 600.0, 20.0, 120.0, 0.25}};
    section.layers = {{"Clay", {{0, 60}, {60, 60}, {140, 20}, {180, 20}}}};
    section.water.unitWeight = 62.4;
    return section;
}

// The same section mirrored (x -> -x): it faces left.
inline Section Mirrored(Section section) {
    auto mirror = [](std::vector<SectionPoint>& points) {
        std::vector<SectionPoint> mirrored;
        for (auto it = points.rbegin(); it != points.rend(); ++it) {
            mirrored.push_back({-it->x, it->y});
        }
        points = mirrored;
    };
    for (Layer& layer : section.layers) {
        mirror(layer.points);
    }
    mirror(section.water.piezometricLine);
    for (SurfacePressure& pressure : section.pressures) {
        pressure = {-pressure.toX, -pressure.fromX, pressure.pressure};
    }
    for (LineLoad& load : section.lineLoads) {
        load.x = -load.x;
        load.angle = 180.0 - load.angle;
    }
    return section;
}

// Three soils under a 2:1 face 10 high facing right, a piezometric line that ponds 1 deep
// over the level ground at the toe, and kh.
inline Section ThreeSoils() {
    Section section;
    section.soils = {{"Fill", SoilModel::MohrCoulomb, 5.0, 30.0, 19.0, 0.0},
                     {"Clay", SoilModel::Undrained, 40.0, 0.0, 18.0, 0.0},
                     {"Sand", SoilModel::MohrCoulomb, 0.0, 35.0, 20.0, 0.0}};
    section.layers = {{"Fill", {{0, 20}, {20, 20}, {40, 10}, {60, 10}}},
                      {"Clay", {{0, 15}, {60, 5}}},
                      {"Sand", {{0, 8}, {60, 4}}}};
    section.water.model = WaterModel::PiezometricLine;
    section.water.unitWeight = 9.81;
    section.water.piezometricLine = {{0, 16}, {30, 12}, {45, 11}, {60, 11}};
    section.horizontalSeismic = 0.1;
    return section;
}

}  // namespace vardolin::section::examples

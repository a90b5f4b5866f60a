// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "slope_section/SectionModel.h"

namespace vardolin::section {

// Where a section cannot be, and why: the table, its row (from 1) and its column as the
// section's form names them, and a sentence for the engineer.
//
// The tables: "Soils" (Name, Model, c, φ, γ, ru), "Layers" (Soil), the points (x, y) of each
// layer's boundary in "Ground" for the first layer and "Layer k boundary" for the k-th,
// "Water" (γw), "Piezometric line" (x, y), "Pressures" (From x, To x, Pressure), "Line loads"
// (x, Force, Angle), "Earthquake" (kh, kv) and "Tension crack" (Depth, Water fill).
struct SectionFault {
    std::string table;
    int row = 0;
    std::string column;
    std::string message;

    bool operator==(const SectionFault&) const = default;
};

// The name of the table of the points of the layer at `index` (from 0, the ground's first).
std::string LayerPointsTable(std::size_t index);

// The first fault of a section, or nothing for a section that can be cut. The tables are checked
// in this order: soils, layers and their points, tension crack, water, loads and earthquake. A
// boundary may touch the one above it (a layer that thins out) but not rise above it, to within a
// billionth of the section's size.
std::optional<SectionFault> CheckSection(const Section& section);

}  // namespace vardolin::section

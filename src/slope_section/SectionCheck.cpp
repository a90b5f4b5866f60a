// SPDX-License-Identifier: MIT
#include "slope_section/SectionCheck.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string_view>

#include "slope_section/Polyline.h"

namespace vardolin::section {

namespace {

using Fault = std::optional<SectionFault>;

constexpr std::string_view kNotANumber = "The value must be a finite number.";
constexpr double kTouchShare = 1e-9;

Fault At(std::string table, std::size_t row, std::string column, std::string message) {
    return SectionFault{std::move(table), static_cast<int>(row) + 1, std::move(column),
                        std::move(message)};
}

Fault CheckNumber(double value, const std::string& table, std::size_t row,
                  const std::string& column) {
    if (!std::isfinite(value)) {
        return At(table, row, column, std::string(kNotANumber));
    }
    return std::nullopt;
}

// At least two points, finite, x increasing.
Fault CheckPoints(const std::vector<SectionPoint>& points, const std::string& table) {
    if (points.size() < 2) {
        return At(table, points.size(), "x", "A line needs at least two points.");
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        for (const auto& [value, column] : {std::pair{points[i].x, "x"}, {points[i].y, "y"}}) {
            if (Fault fault = CheckNumber(value, table, i, column)) {
                return fault;
            }
        }
        if (i > 0 && !(points[i].x > points[i - 1].x)) {
            return At(table, i, "x", "x must be greater than in the row above.");
        }
    }
    return std::nullopt;
}

Fault CheckSoils(const Section& section) {
    const std::string table = "Soils";
    std::set<std::string> names;
    for (std::size_t i = 0; i < section.soils.size(); ++i) {
        const Soil& soil = section.soils[i];
        if (soil.name.empty()) {
            return At(table, i, "Name", "A soil needs a name.");
        }
        if (!names.insert(soil.name).second) {
            return At(table, i, "Name", "Another soil above has the same name.");
        }
        if (soil.model == SoilModel::Impenetrable) {
            continue;
        }
        if (Fault fault = CheckNumber(soil.cohesion, table, i, "c")) {
            return fault;
        }
        if (soil.cohesion < 0.0) {
            return At(table, i, "c", "c must not be negative.");
        }
        if (soil.model == SoilModel::MohrCoulomb) {
            if (Fault fault = CheckNumber(soil.frictionAngle, table, i, "φ")) {
                return fault;
            }
            if (!(soil.frictionAngle >= 0.0 && soil.frictionAngle < 90.0)) {
                return At(table, i, "φ", "φ must be at least 0° and below 90°.");
            }
        }
        if (Fault fault = CheckNumber(soil.unitWeight, table, i, "γ")) {
            return fault;
        }
        if (!(soil.unitWeight > 0.0)) {
            return At(table, i, "γ", "γ must be greater than 0.");
        }
        if (section.water.model == WaterModel::PoreRatio) {
            if (Fault fault = CheckNumber(soil.poreRatio, table, i, "ru")) {
                return fault;
            }
            if (!(soil.poreRatio >= 0.0 && soil.poreRatio < 1.0)) {
                return At(table, i, "ru", "ru must be at least 0 and below 1.");
            }
        }
    }
    return std::nullopt;
}

// The size of the section, for the tolerance of a touch.
double SectionSize(const Section& section) {
    double size = 1.0;
    for (const Layer& layer : section.layers) {
        for (const SectionPoint& point : layer.points) {
            size = std::max({size, std::abs(point.x), std::abs(point.y)});
        }
    }
    return size;
}

// A boundary below the one above it, everywhere: both are straight between their points, so
// comparing them at the points of both suffices.
Fault CheckBelow(const std::vector<SectionPoint>& points, const Polyline& above,
                 const std::vector<SectionPoint>& abovePoints, const std::string& table,
                 const std::string& message, double tolerance) {
    const Polyline line(points);
    std::vector<double> xs;
    for (const SectionPoint& point : points) {
        xs.push_back(point.x);
    }
    for (const SectionPoint& point : abovePoints) {
        xs.push_back(point.x);
    }
    std::sort(xs.begin(), xs.end());
    for (const double x : xs) {
        if (line.Level(x) > above.Level(x) + tolerance) {
            // The row of the point at x or, between two, of the next one.
            const auto next = std::lower_bound(
                points.begin(), points.end(), x,
                [](const SectionPoint& point, double value) { return point.x < value; });
            const auto row = static_cast<std::size_t>(
                std::min(next - points.begin(), static_cast<std::ptrdiff_t>(points.size()) - 1));
            return At(table, row, "y", message);
        }
    }
    return std::nullopt;
}

Fault CheckLayers(const Section& section) {
    if (section.layers.empty()) {
        return At("Layers", 0, "Soil", "The section needs at least the ground's layer.");
    }
    for (std::size_t i = 0; i < section.layers.size(); ++i) {
        const Layer& layer = section.layers[i];
        const bool known = std::any_of(section.soils.begin(), section.soils.end(),
                                       [&](const Soil& soil) { return soil.name == layer.soil; });
        if (!known) {
            return At("Layers", i, "Soil", "There is no soil named \"" + layer.soil + "\".");
        }
        if (Fault fault = CheckPoints(layer.points, LayerPointsTable(i))) {
            return fault;
        }
    }
    const double tolerance = SectionSize(section) * kTouchShare;
    for (std::size_t i = 1; i < section.layers.size(); ++i) {
        const std::vector<SectionPoint>& above = section.layers[i - 1].points;
        const std::string message =
            i == 1 ? "The boundary rises above the ground."
                   : "The boundary rises above the boundary of layer " + std::to_string(i) + ".";
        if (Fault fault = CheckBelow(section.layers[i].points, Polyline(above), above,
                                     LayerPointsTable(i), message, tolerance)) {
            return fault;
        }
    }
    return std::nullopt;
}

bool NeedsWaterUnitWeight(const Section& section) {
    return section.water.model == WaterModel::PiezometricLine ||
           (section.crack && section.crack->waterFill > 0.0);
}

Fault CheckWater(const Section& section) {
    const Water& water = section.water;
    if (NeedsWaterUnitWeight(section)) {
        if (Fault fault = CheckNumber(water.unitWeight, "Water", 0, "γw")) {
            return fault;
        }
        if (!(water.unitWeight > 0.0)) {
            return At("Water", 0, "γw", "γw must be greater than 0.");
        }
    }
    if (water.model != WaterModel::PiezometricLine) {
        return std::nullopt;
    }
    const std::string table = "Piezometric line";
    if (Fault fault = CheckPoints(water.piezometricLine, table)) {
        return fault;
    }
    const std::vector<SectionPoint>& ground = section.layers.front().points;
    for (std::size_t i = 0; i < water.piezometricLine.size(); ++i) {
        const double x = water.piezometricLine[i].x;
        if (x < ground.front().x || x > ground.back().x) {
            return At(table, i, "x",
                      "The point lies outside the section: x must lie within the ground's.");
        }
    }
    return std::nullopt;
}

Fault CheckLoads(const Section& section) {
    for (std::size_t i = 0; i < section.pressures.size(); ++i) {
        const SurfacePressure& pressure = section.pressures[i];
        for (const auto& [value, column] : {std::pair{pressure.fromX, "From x"},
                                            {pressure.toX, "To x"},
                                            {pressure.pressure, "Pressure"}}) {
            if (Fault fault = CheckNumber(value, "Pressures", i, column)) {
                return fault;
            }
        }
        if (!(pressure.toX > pressure.fromX)) {
            return At("Pressures", i, "To x", "To x must be greater than From x.");
        }
    }
    for (std::size_t i = 0; i < section.lineLoads.size(); ++i) {
        const LineLoad& load = section.lineLoads[i];
        for (const auto& [value, column] :
             {std::pair{load.x, "x"}, {load.force, "Force"}, {load.angle, "Angle"}}) {
            if (Fault fault = CheckNumber(value, "Line loads", i, column)) {
                return fault;
            }
        }
    }
    for (const auto& [value, column] :
         {std::pair{section.horizontalSeismic, "kh"}, {section.verticalSeismic, "kv"}}) {
        if (Fault fault = CheckNumber(value, "Earthquake", 0, column)) {
            return fault;
        }
    }
    return std::nullopt;
}

Fault CheckCrack(const Section& section) {
    if (!section.crack) {
        return std::nullopt;
    }
    const std::string table = "Tension crack";
    const TensionCrack& crack = *section.crack;
    if (!(std::isfinite(crack.depth) && crack.depth > 0.0)) {
        return At(table, 0, "Depth", "The depth must be a number greater than 0.");
    }
    if (!(crack.waterFill >= 0.0 && crack.waterFill <= 1.0)) {
        return At(table, 0, "Water fill", "The water fill must lie between 0 and 1.");
    }
    return std::nullopt;
}

}  // namespace

std::string LayerPointsTable(std::size_t index) {
    return index == 0 ? "Ground" : "Layer " + std::to_string(index + 1) + " boundary";
}

std::optional<SectionFault> CheckSection(const Section& section) {
    for (auto check : {CheckSoils, CheckLayers, CheckCrack, CheckWater, CheckLoads}) {
        if (Fault fault = check(section)) {
            return fault;
        }
    }
    return std::nullopt;
}

}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vardolin::section {

// A layered cross-section as an engineer draws it, in any consistent units, with x to the
// right and y up as drawn. Every value is a plain number: the means, or one trial's draws.
//
// Every line (the ground, a layer's boundary, the piezometric line) is a polyline with x
// increasing from point to point, level beyond its first and last points.
//
// The layers go from the top down. The first layer's boundary is the ground itself: its points
// are the ground surface and its soil the one just under the ground. Each further layer's
// boundary is a line at or below the one above it, and its soil fills the ground below that
// line down to the next boundary (the last one's without end). So a point belongs to the soil
// of the deepest boundary above it.

struct SectionPoint {
    double x = 0.0;
    double y = 0.0;
};

enum class SoilModel {
    MohrCoulomb,   // c', phi', gamma
    Undrained,     // c_u with phi = 0, gamma (the friction angle is not read)
    Impenetrable,  // bedrock: no slip surface may enter it (no value is read)
};

struct Soil {
    std::string name;
    SoilModel model = SoilModel::MohrCoulomb;
    double cohesion = 0.0;       // c' or c_u
    double frictionAngle = 0.0;  // phi', degrees
    double unitWeight = 0.0;     // gamma
    double poreRatio = 0.0;      // ru, read when the water is given by pore-pressure ratios
};

struct Layer {
    std::string soil;                  // the name of a row of the soils
    std::vector<SectionPoint> points;  // the boundary on top of it (the ground for the first)
};

enum class WaterModel {
    None,
    PiezometricLine,  // u = gamma_w * (head above the base)
    PoreRatio,        // u = ru of the base's soil * the vertical stress of the soil above
};

// How the head above a slice's base is read from the piezometric line.
enum class HeadMode {
    // The line's height above the base (the default, as the published benchmarks take it).
    Vertical,
    // That height times cos^2 of the line's inclination over the base, for seepage parallel to
    // an inclined line, whose equipotentials are normal to it.
    InclinedLine,
};

struct Water {
    WaterModel model = WaterModel::None;
    std::vector<SectionPoint> piezometricLine;
    double unitWeight = 0.0;  // gamma_w, also the water's in a tension crack
    HeadMode head = HeadMode::Vertical;
};

// A uniform vertical pressure on the ground between two x (force per horizontal length,
// positive pressing down).
struct SurfacePressure {
    double fromX = 0.0;
    double toX = 0.0;
    double pressure = 0.0;
};

// A force on the ground at x. Its direction is `angle` degrees below the horizontal toward +x
// as drawn: 90 presses straight down, 0 pushes toward +x, 180 toward -x.
struct LineLoad {
    double x = 0.0;
    double force = 0.0;
    double angle = 90.0;
};

// A tension crack behind the crest: where the slip surface, followed from its upper end, first
// lies `depth` below the ground, it rises vertically to the ground instead, and the crack holds
// water to `waterFill` (0 to 1) of its depth.
struct TensionCrack {
    double depth = 0.0;
    double waterFill = 0.0;
};

struct Section {
    std::vector<Soil> soils;
    std::vector<Layer> layers;  // the first one's points are the ground
    Water water;
    std::vector<SurfacePressure> pressures;
    std::vector<LineLoad> lineLoads;
    double horizontalSeismic = 0.0;  // kh, toward the direction of sliding
    double verticalSeismic = 0.0;    // kv, positive upward
    std::optional<TensionCrack> crack;
};

}  // namespace vardolin::section

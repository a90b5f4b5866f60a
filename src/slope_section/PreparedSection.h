// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "slope_section/Polyline.h"
#include "slope_section/SectionModel.h"

namespace vardolin::section {

// A soil's values as a slice's base takes them.
struct SoilStrength {
    double cohesion = 0.0;
    double tanFriction = 0.0;  // tan(phi * kPi / 180); 0 for an undrained soil
    double unitWeight = 0.0;
    double poreRatio = 0.0;
    bool impenetrable = false;
};

// A force on the ground at x, by its components.
struct PointForce {
    double x = 0.0;
    double forceX = 0.0;
    double forceY = 0.0;
};

// The section's lines and loads in one frame: as drawn, or mirrored (x -> -x).
struct FramedSection {
    std::vector<Polyline> boundaries;  // from the top; the first is the ground
    std::vector<int> layerSoils;       // the soil under each boundary, by its row in the soils
    Polyline piezometricLine;          // empty without one
    Polyline crackLine;                // the ground lowered by the crack's depth; empty without
    std::vector<SurfacePressure> pressures;  // fromX < toX in the frame
    std::vector<PointForce> lineLoads;

    const Polyline& ground() const noexcept { return boundaries.front(); }
};

// A section that CheckSection passed, laid out once for every surface cut from it: its soils
// resolved to their rows and its lines in both frames.
class PreparedSection {
public:
    // Raises std::invalid_argument with the fault's message for a section CheckSection refuses.
    explicit PreparedSection(const Section& section);

    // Takes each soil's c, phi, gamma and ru from `soils`, row for row, as the constructor does,
    // so that a trial's draws reach a section laid out once. The rows must be the section's own
    // (the same count and models) with their values in CheckSection's ranges.
    void SetSoilValues(std::span<const Soil> soils);

    const FramedSection& frame(bool mirrored) const noexcept {
        return mirrored ? mirrored_ : drawn_;
    }
    const std::vector<SoilStrength>& soils() const noexcept { return soils_; }
    WaterModel waterModel() const noexcept { return waterModel_; }
    HeadMode headMode() const noexcept { return headMode_; }
    double waterUnitWeight() const noexcept { return waterUnitWeight_; }
    const std::optional<TensionCrack>& crack() const noexcept { return crack_; }
    double horizontalSeismic() const noexcept { return horizontalSeismic_; }
    double verticalSeismic() const noexcept { return verticalSeismic_; }
    // The ground's first point is lower than its last: the section, as a whole, faces left.
    bool facesLeft() const noexcept { return facesLeft_; }

private:
    FramedSection drawn_;
    FramedSection mirrored_;
    std::vector<SoilStrength> soils_;
    WaterModel waterModel_ = WaterModel::None;
    HeadMode headMode_ = HeadMode::Vertical;
    double waterUnitWeight_ = 0.0;
    std::optional<TensionCrack> crack_;
    double horizontalSeismic_ = 0.0;
    double verticalSeismic_ = 0.0;
    bool facesLeft_ = false;
};

// tan(degrees * kPi / 180), the program's one conversion.
double TanOfDegrees(double degrees) noexcept;

}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
#include "slope_section/PreparedSection.h"

#include <cmath>
#include <stdexcept>

#include "numerics/Pi.h"
#include "slope_section/SectionCheck.h"

namespace vardolin::section {

namespace {

FramedSection Mirror(const FramedSection& drawn) {
    FramedSection mirror;
    for (const Polyline& boundary : drawn.boundaries) {
        mirror.boundaries.push_back(boundary.Mirrored());
    }
    mirror.layerSoils = drawn.layerSoils;
    if (!drawn.piezometricLine.empty()) {
        mirror.piezometricLine = drawn.piezometricLine.Mirrored();
    }
    if (!drawn.crackLine.empty()) {
        mirror.crackLine = drawn.crackLine.Mirrored();
    }
    for (const SurfacePressure& pressure : drawn.pressures) {
        mirror.pressures.push_back({-pressure.toX, -pressure.fromX, pressure.pressure});
    }
    for (const PointForce& load : drawn.lineLoads) {
        mirror.lineLoads.push_back({-load.x, -load.forceX, load.forceY});
    }
    return mirror;
}

SoilStrength StrengthOf(const Soil& soil, WaterModel water) {
    SoilStrength strength;
    strength.impenetrable = soil.model == SoilModel::Impenetrable;
    if (!strength.impenetrable) {
        strength.cohesion = soil.cohesion;
        strength.tanFriction =
            soil.model == SoilModel::MohrCoulomb ? TanOfDegrees(soil.frictionAngle) : 0.0;
        strength.unitWeight = soil.unitWeight;
        strength.poreRatio = water == WaterModel::PoreRatio ? soil.poreRatio : 0.0;
    }
    return strength;
}

}  // namespace

double TanOfDegrees(double degrees) noexcept {
    return std::tan(degrees * kPi / 180.0);
}

PreparedSection::PreparedSection(const Section& section) {
    if (const std::optional<SectionFault> fault = CheckSection(section)) {
        throw std::invalid_argument(fault->table + ", row " + std::to_string(fault->row) + ", " +
                                    fault->column + ": " + fault->message);
    }
    for (const Soil& soil : section.soils) {
        soils_.push_back(StrengthOf(soil, section.water.model));
    }
    for (const Layer& layer : section.layers) {
        drawn_.boundaries.emplace_back(layer.points);
        for (std::size_t soil = 0; soil < section.soils.size(); ++soil) {
            if (section.soils[soil].name == layer.soil) {
                drawn_.layerSoils.push_back(static_cast<int>(soil));
                break;
            }
        }
    }
    waterModel_ = section.water.model;
    headMode_ = section.water.head;
    waterUnitWeight_ = section.water.unitWeight;
    if (waterModel_ == WaterModel::PiezometricLine) {
        drawn_.piezometricLine = Polyline(section.water.piezometricLine);
    }
    crack_ = section.crack;
    if (crack_) {
        drawn_.crackLine = drawn_.ground().Lowered(crack_->depth);
    }
    drawn_.pressures = section.pressures;
    for (const LineLoad& load : section.lineLoads) {
        const double angle = load.angle * kPi / 180.0;
        drawn_.lineLoads.push_back(
            {load.x, load.force * std::cos(angle), -(load.force * std::sin(angle))});
    }
    horizontalSeismic_ = section.horizontalSeismic;
    verticalSeismic_ = section.verticalSeismic;
    const std::vector<SectionPoint>& ground = section.layers.front().points;
    facesLeft_ = ground.front().y < ground.back().y;
    mirrored_ = Mirror(drawn_);
}

void PreparedSection::SetSoilValues(std::span<const Soil> soils) {
    for (std::size_t i = 0; i < soils.size() && i < soils_.size(); ++i) {
        soils_[i] = StrengthOf(soils[i], waterModel_);
    }
}

}  // namespace vardolin::section

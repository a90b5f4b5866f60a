// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>

#include "TestSupport.h"
#include "slope_section/PreparedSection.h"
#include "slope_section/SectionCheck.h"
#include "slope_section/SectionExamples.h"

namespace vardolin::section {
namespace {

using testing_support::RowName;

struct FaultRow {
    const char* name;
    std::function<void(Section&)> spoil;
    SectionFault fault;

    friend void PrintTo(const FaultRow& row, std::ostream* os) { *os << row.name; }
};

class SectionCheckRows : public testing::TestWithParam<FaultRow> {};

TEST_P(SectionCheckRows, NamesTheTableRowAndColumnOfAnImpossibleSection) {
    Section section = examples::ThreeSoils();
    ASSERT_EQ(CheckSection(section), std::nullopt);
    GetParam().spoil(section);
    EXPECT_EQ(CheckSection(section), GetParam().fault);
    try {
        PreparedSection prepared(section);
        ADD_FAILURE() << "a section with a fault was prepared";
    } catch (const std::invalid_argument& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().fault.message), std::string::npos);
    }
}

const double kNaN = std::nan("");

INSTANTIATE_TEST_SUITE_P(
    Faults, SectionCheckRows,
    testing::Values(
        FaultRow{"UnnamedSoil",
                 [](Section& s) { s.soils[1].name.clear(); },
                 {"Soils", 2, "Name", "A soil needs a name."}},
        FaultRow{"TwoSoilsOfOneName",
                 [](Section& s) { s.soils[2].name = "Fill"; },
                 {"Soils", 3, "Name", "Another soil above has the same name."}},
        FaultRow{"NegativeCohesion",
                 [](Section& s) { s.soils[1].cohesion = -1.0; },
                 {"Soils", 2, "c", "c must not be negative."}},
        FaultRow{"CohesionNotANumber",
                 [](Section& s) { s.soils[0].cohesion = kNaN; },
                 {"Soils", 1, "c", "The value must be a finite number."}},
        FaultRow{"FrictionBelowZero",
                 [](Section& s) { s.soils[0].frictionAngle = -0.5; },
                 {"Soils", 1, "φ", "φ must be at least 0° and below 90°."}},
        FaultRow{"FrictionOfNinety",
                 [](Section& s) { s.soils[2].frictionAngle = 90.0; },
                 {"Soils", 3, "φ", "φ must be at least 0° and below 90°."}},
        FaultRow{"UnitWeightOfZero",
                 [](Section& s) { s.soils[2].unitWeight = 0.0; },
                 {"Soils", 3, "γ", "γ must be greater than 0."}},
        FaultRow{"NegativeUnitWeight",
                 [](Section& s) { s.soils[1].unitWeight = -18.0; },
                 {"Soils", 2, "γ", "γ must be greater than 0."}},
        FaultRow{"PoreRatioOfOne",
                 [](Section& s) {
                     s.water.model = WaterModel::PoreRatio;
                     s.soils[1].poreRatio = 1.0;
                 },
                 {"Soils", 2, "ru", "ru must be at least 0 and below 1."}},
        FaultRow{"UnknownSoil",
                 [](Section& s) { s.layers[2].soil = "Silt"; },
                 {"Layers", 3, "Soil", "There is no soil named \"Silt\"."}},
        FaultRow{"NoLayers",
                 [](Section& s) { s.layers.clear(); },
                 {"Layers", 1, "Soil", "The section needs at least the ground's layer."}},
        FaultRow{"GroundOfOnePoint",
                 [](Section& s) { s.layers[0].points.resize(1); },
                 {"Ground", 2, "x", "A line needs at least two points."}},
        FaultRow{"GroundPointsOutOfOrder",
                 [](Section& s) { s.layers[0].points[2].x = 20.0; },
                 {"Ground", 3, "x", "x must be greater than in the row above."}},
        FaultRow{"BoundaryPointsOutOfOrder",
                 [](Section& s) { s.layers[2].points[1].x = -1.0; },
                 {"Layer 3 boundary", 2, "x", "x must be greater than in the row above."}},
        FaultRow{"BoundaryPointNotANumber",
                 [](Section& s) { s.layers[1].points[0].y = kNaN; },
                 {"Layer 2 boundary", 1, "y", "The value must be a finite number."}},
        FaultRow{"BoundaryCrossingTheGround",
                 [](Section& s) { s.layers[1].points[1].y = 12.0; },
                 {"Layer 2 boundary", 2, "y", "The boundary rises above the ground."}},
        FaultRow{"BoundaryCrossingTheGroundBetweenItsPoints",
                 [](Section& s) {
                     s.layers[1].points = {{0, 15}, {30, 16}, {60, 5}};
                 },
                 {"Layer 2 boundary", 2, "y", "The boundary rises above the ground."}},
        FaultRow{"BoundariesCrossingEachOther",
                 [](Section& s) { s.layers[2].points[0].y = 16.0; },
                 {"Layer 3 boundary", 1, "y", "The boundary rises above the boundary of layer 2."}},
        FaultRow{"CrackOfNoDepth",
                 [](Section& s) {
                     s.crack = TensionCrack{0.0, 0.5};
                 },
                 {"Tension crack", 1, "Depth", "The depth must be a number greater than 0."}},
        FaultRow{"CrackFilledAboveItsTop",
                 [](Section& s) {
                     s.crack = TensionCrack{2.0, 1.5};
                 },
                 {"Tension crack", 1, "Water fill", "The water fill must lie between 0 and 1."}},
        FaultRow{"WaterWithoutUnitWeight",
                 [](Section& s) { s.water.unitWeight = 0.0; },
                 {"Water", 1, "γw", "γw must be greater than 0."}},
        FaultRow{"PiezometricLineOutsideTheSection",
                 [](Section& s) {
                     s.water.piezometricLine.push_back({70, 11});
                 },
                 {"Piezometric line", 5, "x",
                  "The point lies outside the section: x must lie within the ground's."}},
        FaultRow{"PiezometricLineOutOfOrder",
                 [](Section& s) { s.water.piezometricLine[1].x = 0.0; },
                 {"Piezometric line", 2, "x", "x must be greater than in the row above."}},
        FaultRow{"PressureOverNoRange",
                 [](Section& s) {
                     s.pressures = {{10.0, 10.0, 5.0}};
                 },
                 {"Pressures", 1, "To x", "To x must be greater than From x."}},
        FaultRow{"LineLoadNotANumber",
                 [](Section& s) {
                     s.lineLoads = {{5.0, 1.0, 90.0}, {5.0, HUGE_VAL, 90.0}};
                 },
                 {"Line loads", 2, "Force", "The value must be a finite number."}},
        FaultRow{"SeismicNotANumber",
                 [](Section& s) { s.verticalSeismic = kNaN; },
                 {"Earthquake", 1, "kv", "The value must be a finite number."}}),
    RowName{});

TEST(SectionCheck, TakesWhatAnEngineerMayDraw) {
    // A boundary touching the ground and thinning out against the one above, a dry undrained
    // soil without a friction angle, bedrock without values, and a crack without water.
    Section section = examples::ThreeSoils();
    section.soils[1].frictionAngle = kNaN;
    section.soils.push_back({"Rock", SoilModel::Impenetrable, kNaN, kNaN, kNaN, kNaN});
    section.layers[1].points = {{0, 15}, {20, 20}, {40, 10}, {60, 5}};
    section.layers[2].points = {{0, 8}, {60, 5}};
    section.layers.push_back({"Rock", {{0, 0}, {60, 0}}});
    section.water = {};
    section.crack = TensionCrack{2.0, 0.0};
    EXPECT_EQ(CheckSection(section), std::nullopt);
}

}  // namespace
}  // namespace vardolin::section

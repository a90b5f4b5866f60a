// SPDX-License-Identifier: MIT
// The section's drawing import: DXF files written here, read through dxflib into the texts of
// the ground, boundaries and piezometric line tables, or refused with the layer at fault.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "SectionDxf.h"
#include "TestFolder.h"
#include "slope_section/SectionDrawingImport.h"

namespace vardolin::section {
namespace {

using testing_support::DxfDrawing;
using testing_support::DxfLine;
using testing_support::DxfLwPolyline;
using testing_support::DxfPoints;
using testing_support::DxfPolyline;
using testing_support::TestFolder;

struct ImportCase {
    const char* name;
    std::string file;                     // the file's whole text
    std::optional<LayerMapping> mapping;  // nothing: the suggested one
    SectionTableTexts texts;              // when accepted
    std::string refusal;                  // what the message holds, when refused
    friend void PrintTo(const ImportCase& row, std::ostream* os) { *os << row.name; }
};

const std::string kGround = DxfLwPolyline("Ground", {{60, 10}, {40, 10}, {20, 20}, {0, 20}});
const std::string kSand = DxfPolyline("Sand", {{0, 15}, {30, 10}, {60, 7}});
const std::string kRock = DxfLine("ROCK", {0, 5}, {30, 4}) + DxfLine("ROCK", {60, 3}, {30, 4});
const std::string kWater = DxfLwPolyline("Piezo", {{0, 16}, {60, 9.5}});

DxfPoints Many(std::size_t count) {
    DxfPoints points;
    for (std::size_t i = 0; i < count; ++i) {
        points.emplace_back(static_cast<double>(i), 1.0);
    }
    return points;
}

class SectionDrawingImport : public testing::TestWithParam<ImportCase> {};

TEST_P(SectionDrawingImport, GivesTheTablesOrRefusesNamingTheLayer) {
    const TestFolder folder;
    const auto path = folder.path() / "section.dxf";
    testing_support::WriteText(path.string(), GetParam().file);
    std::optional<SectionTableTexts> texts;
    std::string refusal;
    try {
        const SectionDrawing drawing = ReadSectionDrawing(path);
        texts = ImportSectionTables(
            drawing, GetParam().mapping.value_or(SuggestLayerMapping(drawing)), NumberLocale{","});
    } catch (const SectionDrawingError& e) {
        refusal = e.what();
    }
    if (GetParam().refusal.empty()) {
        ASSERT_TRUE(texts) << refusal;
        EXPECT_EQ(texts->ground, GetParam().texts.ground);
        EXPECT_EQ(texts->boundaries, GetParam().texts.boundaries);
        EXPECT_EQ(texts->water, GetParam().texts.water);
    } else {
        EXPECT_FALSE(texts);
        EXPECT_NE(refusal.find(GetParam().refusal), std::string::npos) << refusal;
    }
}

const std::string kGroundText = R"([["0","20"],["20","20"],["40","10"],["60","10"]])";

INSTANTIATE_TEST_SUITE_P(
    Drawings, SectionDrawingImport,
    testing::Values(
        // Drawn right to left, the boundaries ordered by height, a chain of LINEs joined.
        ImportCase{"GroundTwoBoundariesAndWater",
                   DxfDrawing(kRock + kWater + kGround + kSand),
                   std::nullopt,
                   {kGroundText,
                    R"([["1","0","15"],["1","30","10"],["1","60","7"],)"
                    R"(["2","0","5"],["2","30","4"],["2","60","3"]])",
                    R"([["0","16"],["60","9,5"]])"},
                   ""},
        ImportCase{"ChosenLayersOnly",
                   DxfDrawing(kRock + kWater + kGround + kSand),
                   LayerMapping{"Ground", {"ROCK"}, ""},
                   {kGroundText, R"([["1","0","5"],["1","30","4"],["1","60","3"]])", ""},
                   ""},
        ImportCase{"NoLine", DxfDrawing(""), std::nullopt, {}, "holds no polyline or line"},
        ImportCase{"EmptyFile",
                   "",
                   std::nullopt,
                   {},
                   "section.dxf: the drawing holds no polyline or line"},
        ImportCase{"Garbage", "\x01\x02 not a drawing\n\n\n7\n", std::nullopt, {}, "section.dxf: "},
        ImportCase{"GroundOfOnePoint",
                   DxfDrawing(DxfLwPolyline("Ground", {{0, 0}}) + kSand),
                   std::nullopt,
                   {},
                   R"(layer "Ground": no usable polyline)"},
        ImportCase{"BoundaryCrossesGround",
                   DxfDrawing(kGround + DxfLwPolyline("Sand", {{0, 15}, {60, 12}})),
                   std::nullopt,
                   {},
                   R"(layer "Sand": its line crosses the ground)"},
        ImportCase{"BoundariesCross",
                   DxfDrawing(kGround + kSand + DxfLwPolyline("Rock", {{0, 5}, {60, 9}})),
                   std::nullopt,
                   {},
                   R"(layer "Rock": its line crosses that of layer "Sand")"},
        ImportCase{"LineTurnsBack",
                   DxfDrawing(DxfLwPolyline("Ground", {{0, 20}, {20, 20}, {15, 10}, {60, 10}})),
                   std::nullopt,
                   {},
                   R"(layer "Ground": a line turns back)"},
        ImportCase{"ClosedOutline",
                   DxfDrawing(DxfLwPolyline("Ground", {{0, 20}, {60, 10}, {60, 0}}, true)),
                   std::nullopt,
                   {},
                   R"(layer "Ground": a line turns back)"},
        ImportCase{"LinesWithAGap",
                   DxfDrawing(DxfLine("Ground", {0, 20}, {20, 20}) +
                              DxfLine("Ground", {21, 19}, {60, 10})),
                   std::nullopt,
                   {},
                   R"(layer "Ground": its lines do not join)"},
        ImportCase{"TooManyPoints",
                   DxfDrawing(DxfLwPolyline("Ground", Many(1001))),
                   std::nullopt,
                   {},
                   R"(layer "Ground": more than 1000 points)"},
        ImportCase{"MissingLayer",
                   DxfDrawing(kGround),
                   LayerMapping{"Ground", {"Clay"}, ""},
                   {},
                   R"(layer "Clay": not in the drawing)"},
        ImportCase{"LayerChosenTwice",
                   DxfDrawing(kGround + kSand),
                   LayerMapping{"Ground", {"Sand"}, "Sand"},
                   {},
                   R"(layer "Sand": chosen for two lines)"},
        ImportCase{"NoGroundChosen",
                   DxfDrawing(kGround),
                   LayerMapping{"", {}, ""},
                   {},
                   "No layer is chosen for the ground"}),
    [](const auto& row) { return std::string(row.param.name); });

// Names first, then height: a drawing without a ground by name takes its highest layer.
TEST(SectionLayerMapping, SuggestsByNameThenByHeight) {
    const SectionDrawing named{{{"B", {{{0, 1}, {1, 1}}}},
                                {"Water table", {{{0, 9}, {1, 9}}}},
                                {"Top SURFACE", {{{0, 5}, {1, 5}}}},
                                {"A", {{{0, 3}, {1, 3}}}}}};
    const LayerMapping byName = SuggestLayerMapping(named);
    EXPECT_EQ(byName.ground, "Top SURFACE");
    EXPECT_EQ(byName.water, "Water table");
    EXPECT_EQ(byName.boundaries, (std::vector<std::string>{"A", "B"}));

    const SectionDrawing unnamed{{{"0", {{{0, 1}, {1, 1}}}}, {"1", {{{0, 5}, {1, 5}}}}}};
    const LayerMapping byHeight = SuggestLayerMapping(unnamed);
    EXPECT_EQ(byHeight.ground, "1");
    EXPECT_EQ(byHeight.water, "");
    EXPECT_EQ(byHeight.boundaries, (std::vector<std::string>{"0"}));
}

}  // namespace
}  // namespace vardolin::section

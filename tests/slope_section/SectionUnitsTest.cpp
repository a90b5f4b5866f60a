// SPDX-License-Identifier: MIT
// A section's units: the unit of each field and table column in each system, a model converted
// there and back (its tables and sampling bounds included), the published figures unchanged by a
// change of system, and the system a file names or leaves unnamed.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "analysis/AnalysisCatalogue.h"
#include "analysis/KeptTables.h"
#include "analysis/Tooltips.h"
#include "fields/FieldTextMap.h"
#include "fields/TableText.h"
#include "files/ModelReader.h"
#include "slope_section/SectionInputs.h"
#include "slope_section/SlopeSectionDescription.h"

namespace vardolin::section {
namespace {

using enum UnitSystem;

const std::array<const AnalysisDescription*, 1> kSectionList{&SlopeSection()};

Model ExampleModel(const std::string& file) {
    const AnalysisCatalogue catalogue(kSectionList);
    return ReadModelFile(std::string(VARDOLIN_SECTION_MODELS) + "/" + file, catalogue).model;
}

const FieldFact& Field(int number) {
    return *SlopeSection().findField(number);
}

// The unit a column or a field shows in a system.
struct LabelRow {
    const char* name;
    int field;
    const char* column;  // a table's column key; empty for the field itself
    UnitSystem system;
    const char* unit;
};

class SectionUnitLabels : public testing::TestWithParam<LabelRow> {};

TEST_P(SectionUnitLabels, NameTheSystemsUnit) {
    const LabelRow& row = GetParam();
    if (*row.column == '\0') {
        EXPECT_EQ(UnitIn(Field(row.field), row.system), row.unit);
        EXPECT_NE(FieldTooltip(Field(row.field), row.system).find(std::string("Unit: ") + row.unit),
                  std::string::npos);
        return;
    }
    const TableInput* table = FindTableInput(SlopeSection().tables, row.field);
    ASSERT_NE(table, nullptr);
    const std::optional<std::size_t> column = FindColumn(*table, row.column);
    ASSERT_TRUE(column);
    EXPECT_EQ(UnitIn(table->columns[*column], row.system), row.unit);
    const std::string tip = ColumnTooltip(table->columns[*column], row.system);
    EXPECT_EQ(tip.find("Unit: "), *row.unit == '\0' ? std::string::npos : tip.find('\n') + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SectionUnitLabels,
    testing::Values(
        LabelRow{"GroundXInFeet", GroundTable, "x", UsCustomary, "ft"},
        LabelRow{"BoundaryYInMetres", BoundariesTable, "y", SiPascal, "m"},
        LabelRow{"BoundaryNumberHasNone", BoundariesTable, "boundary", UsCustomary, ""},
        LabelRow{"CohesionInPascals", SoilsTable, "c_mean", SiPascal, "Pa"},
        LabelRow{"CohesionSdInPsf", SoilsTable, "c_sd", UsCustomary, "psf"},
        LabelRow{"FrictionInDegrees", SoilsTable, "phi_mean", UsCustomary, "degrees"},
        LabelRow{"UnitWeightInPcf", SoilsTable, "gamma_sd", UsCustomary, "pcf"},
        LabelRow{"RuHasNone", SoilsTable, "ru", SiKilopascal, ""},
        LabelRow{"PressureInKilopascals", PressuresTable, "pressure", SiKilopascal, "kPa"},
        LabelRow{"LineLoadInPoundsPerFoot", LineLoadsTable, "force", UsCustomary, "lb/ft"},
        LabelRow{"LineLoadInNewtonsPerMetre", LineLoadsTable, "force", SiPascal, "N/m"},
        LabelRow{"LineLoadAngleInDegrees", LineLoadsTable, "angle", UsCustomary, "degrees"},
        LabelRow{"WaterInPcf", WaterUnitWeight, "", UsCustomary, "pcf"},
        LabelRow{"CrackInFeet", CrackDepth, "", UsCustomary, "ft"},
        LabelRow{"GivenRadiusInMetres", GivenRadius, "", SiPascal, "m"},
        LabelRow{"CriticalRadiusInFeet", CriticalRadius, "", UsCustomary, "ft"}),
    [](const testing::TestParamInfo<LabelRow>& row) { return std::string(row.param.name); });

// The three-soil section with a pressure and a line load, and bounds on a soil's c and γ:
// converted to each system and back, every text and bound is as it was; there, the tables'
// lengths, stresses, unit weights and loads are converted and their other columns stay.
class SectionRoundTrip : public testing::TestWithParam<UnitSystem> {};

TEST_P(SectionRoundTrip, GivesEveryInputAndBoundBack) {
    Model model = ExampleModel("slope-section-three-soils.vardolin");
    ASSERT_EQ(model.units, SiKilopascal);
    model.inputs["pressures"] = TableText({{"0", "20", "10"}});
    model.inputs["line_loads"] = TableText({{"5", "10", "90"}});
    model.inputs["crack_depth"] = "2";
    model.sampling.Set("Fill.cohesion", {DistributionKind::Normal, 1.0, 9.0});
    model.sampling.Set("Clay.unit_weight", {DistributionKind::Normal, 16.0, std::nullopt});
    const Model original = model;

    ConvertModelUnits(model, GetParam());
    EXPECT_EQ(model.units, GetParam());
    const double length = GetParam() == UsCustomary ? 1 / 0.3048 : 1.0;
    const double kilo = GetParam() == SiPascal ? 1000.0 : 1.0;
    const double stress = GetParam() == UsCustomary ? 20.885434233 : kilo;
    const double weight = GetParam() == UsCustomary ? 6.365880354 : kilo;
    const double load = GetParam() == UsCustomary ? 68.52176586 : kilo;
    const auto cell = [&](const char* table, std::size_t row, std::size_t column) {
        return TextToDouble(ParseTableText(model.inputs.at(table)).value().at(row).at(column));
    };
    EXPECT_NEAR(cell("ground", 1, 0), 20 * length, 1e-8 * length);
    EXPECT_NEAR(cell("boundaries", 0, 2), 15 * length, 1e-8 * length);
    EXPECT_DOUBLE_EQ(cell("boundaries", 0, 0), 1);  // the boundary's number
    EXPECT_NEAR(cell("piezometric_line", 0, 1), 16 * length, 1e-8 * length);
    EXPECT_NEAR(cell("soils", 0, 2), 5 * stress, 1e-8 * stress);
    EXPECT_DOUBLE_EQ(cell("soils", 0, 4), 30);  // φ
    EXPECT_NEAR(cell("soils", 0, 6), 19 * weight, 1e-8 * weight);
    EXPECT_NEAR(cell("pressures", 0, 2), 10 * stress, 1e-8 * stress);
    EXPECT_NEAR(cell("line_loads", 0, 1), 10 * load, 1e-8 * load);
    EXPECT_DOUBLE_EQ(cell("line_loads", 0, 2), 90);
    EXPECT_NEAR(TextToDouble(model.inputs.at("crack_depth")), 2 * length, 1e-8 * length);
    EXPECT_EQ(model.inputs.at("kh"), "0.1");
    EXPECT_NEAR(*model.sampling.of("Fill.cohesion").upper, 9 * stress, 1e-8 * stress);
    EXPECT_NEAR(*model.sampling.of("Clay.unit_weight").lower, 16 * weight, 1e-8 * weight);

    ConvertModelUnits(model, SiKilopascal);
    EXPECT_EQ(model.inputs, original.inputs);
    for (const char* key : {"Fill.cohesion", "Clay.unit_weight"}) {
        EXPECT_EQ(model.sampling.of(key).lower, original.sampling.of(key).lower) << key;
        EXPECT_EQ(model.sampling.of(key).upper, original.sampling.of(key).upper) << key;
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, SectionRoundTrip,
                         testing::Values(SiPascal, SiKilopascal, UsCustomary),
                         [](const testing::TestParamInfo<UnitSystem>& row) {
                             return std::string(row.param == SiPascal       ? "SiPascal"
                                                : row.param == SiKilopascal ? "SiKilopascal"
                                                                            : "UsCustomary");
                         });

// The unit weight of water keeps each system's customary value through a change of system; any
// other value converts.
TEST(SectionUnits, WaterUnitWeightTakesEachSystemsCustomaryValue) {
    const FieldFact& water = Field(WaterUnitWeight);
    struct Row {
        const char* text;
        UnitSystem from, to;
        const char* converted;
    };
    for (const Row& row : {Row{"9.81", SiKilopascal, UsCustomary, "62.4"},
                           Row{"9.81", SiKilopascal, SiPascal, "9810"},
                           Row{"62.4", UsCustomary, SiKilopascal, "9.81"},
                           Row{"62.40", UsCustomary, SiPascal, "9810"},
                           Row{"10", SiKilopascal, UsCustomary, "63.65880354"},
                           Row{"", SiKilopascal, UsCustomary, ""}}) {
        EXPECT_EQ(ConvertInput(SlopeSection(), water, row.text, row.from, row.to), row.converted)
            << row.text;
    }
    EXPECT_EQ(DefaultTextIn(SlopeSection(), water, UsCustomary), "62.4");
    EXPECT_EQ(DefaultTextIn(SlopeSection(), water, SiPascal), "9810");
    EXPECT_EQ(DefaultTextIn(SlopeSection(), Field(SliceCount), UsCustomary), "50");
}

// A file names its system and is read without conversion; a section file that names none is
// labelled in kPa, the units of the section's defaults.
TEST(SectionUnits, FilesAreReadInTheSystemTheyNameOrInKilopascals) {
    EXPECT_EQ(ExampleModel("slope-section-fredlund-krahn-1-dry.vardolin").units, UsCustomary);
    const Model fk = ExampleModel("slope-section-fredlund-krahn-5-piezometric.vardolin");
    EXPECT_EQ(fk.inputs.at("water_unit_weight"), "62.4");
    const AnalysisCatalogue catalogue(kSectionList);
    const std::string unnamed = R"({"format_version": 3, "analysis": "slope_section",
                                    "inputs": {"kh": "0.2"}})";
    const ModelRead read = ReadModel(unnamed, "unnamed.vardolin", catalogue);
    EXPECT_EQ(read.model.units, SiKilopascal);
    EXPECT_EQ(read.model.inputs.at("water_unit_weight"), "9.81");
    const ModelRead us = ReadModel(R"({"format_version": 3, "analysis": "slope_section",
                                       "units": "us", "inputs": {"kh": "0.2"}})",
                                   "us.vardolin", catalogue);
    EXPECT_EQ(us.model.inputs.at("water_unit_weight"), "62.4");
    EXPECT_EQ(us.model.inputs.at("ground"),
              ConvertInput(SlopeSection(), Field(GroundTable), Field(GroundTable).defaultText,
                           SiKilopascal, UsCustomary));
}

// Fredlund and Krahn's cases, typed in ft, pcf and psf, give the same factors in SI to within
// the conversion's rounding. The piezometric case takes γw converted, not SI's customary 9.81.
struct FiguresRow {
    const char* name;
    const char* file;
    UnitSystem to;
};

class PublishedFiguresInEverySystem : public testing::TestWithParam<FiguresRow> {};

TEST_P(PublishedFiguresInEverySystem, StayWithinTheConversionsRounding) {
    const FiguresRow& row = GetParam();
    const Model model = ExampleModel(row.file);
    Model converted = model;
    ConvertModelUnits(converted, row.to);
    converted.inputs["water_unit_weight"] = ConvertText(model.inputs.at("water_unit_weight"),
                                                        Quantity::UnitWeight, UsCustomary, row.to);
    const auto run = [](const Model& m) {
        FieldTextMap texts = FieldsOf(m);
        UniformSequence uniforms;
        KeptTables kept;
        AnalysisContext context{uniforms, kept, {"."}};
        SlopeSection().run(texts, context);
        return texts;
    };
    const FieldTextMap before = run(model);
    const FieldTextMap after = run(converted);
    for (const int field :
         {OrdinaryFactor, BishopFactor, JanbuF0Factor, SpencerFactor, MorgensternPriceFactor}) {
        const double factor = TextToDouble(before.text(field));
        EXPECT_NEAR(TextToDouble(after.text(field)), factor, 1e-8 * factor) << field;
    }
    const double radius = TextToDouble(before.text(CriticalRadius)) * 0.3048;
    EXPECT_NEAR(TextToDouble(after.text(CriticalRadius)), radius, 1e-8 * radius);
}

INSTANTIATE_TEST_SUITE_P(
    FredlundKrahn, PublishedFiguresInEverySystem,
    testing::Values(FiguresRow{"Case1DryInKilopascals",
                               "slope-section-fredlund-krahn-1-dry.vardolin", SiKilopascal},
                    FiguresRow{"Case3PoreRatioInPascals",
                               "slope-section-fredlund-krahn-3-pore-ratio.vardolin", SiPascal},
                    FiguresRow{"Case5PiezometricInKilopascals",
                               "slope-section-fredlund-krahn-5-piezometric.vardolin",
                               SiKilopascal}),
    [](const testing::TestParamInfo<FiguresRow>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace vardolin::section

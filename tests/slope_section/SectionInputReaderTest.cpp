// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "analysis/AnalysisCatalogue.h"
#include "fields/FieldTextMap.h"
#include "files/ModelReader.h"
#include "files/ModelWriter.h"
#include "slope_section/BishopMethod.h"
#include "slope_section/MethodWorkspace.h"
#include "slope_section/SectionCheck.h"
#include "slope_section/SectionExamples.h"
#include "slope_section/SectionInputReader.h"
#include "slope_section/SectionSlicer.h"
#include "slope_section/SectionTrialInputs.h"

namespace vardolin::section {
namespace {

using testing_support::RowName;

// The section's inputs as a description holds them: enough for the model reader, which needs
// the fields and the tables alone.
constexpr const AnalysisDescription& kInputsOnly = examples::kSectionInputsOnly;
const std::array<const AnalysisDescription*, 1> kInputsOnlyList{&kInputsOnly};

// The texts of examples::ThreeSoils(): three soils under a 2:1 face, a piezometric line, kh.
FieldTextMap ThreeSoilTexts() {
    FieldTextMap texts = DefaultTexts(kInputsOnly);
    texts.setText(SoilsTable, R"([["Fill","Mohr-Coulomb","5","1","30","2","19","0.5","0"],)"
                              R"(["Clay","Undrained","40","8","0","0","18","0.4","0"],)"
                              R"(["Sand","mohr-coulomb","0","0","35","3","20","0.5","0"]])");
    texts.setText(GroundTable, R"([["0","20"],["20","20"],["40","10"],["60","10"]])");
    texts.setText(LayersTable, R"([["Fill"],["Clay"],[" Sand "]])");
    texts.setText(BoundariesTable,
                  R"([["1","0","15"],["1","60","5"],["2","0","8"],["2","60","4"]])");
    texts.setText(WaterModelField, "Piezometric");
    texts.setText(WaterUnitWeight, "9.81");
    texts.setText(PiezometricTable, R"([["0","16"],["30","12"],["45","11"],["60","11"]])");
    texts.setText(HorizontalSeismic, "0.1");
    return texts;
}

SectionInputs ReadOrFail(const FieldTexts& texts) {
    SectionRead read = ReadSectionInputs(texts, {});
    if (const auto* fault = std::get_if<SectionInputFault>(&read)) {
        ADD_FAILURE() << fault->Text();
        return {};
    }
    return std::get<SectionInputs>(std::move(read));
}

void ExpectPoints(const std::vector<SectionPoint>& actual,
                  const std::vector<SectionPoint>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].x, expected[i].x) << "point " << i;
        EXPECT_EQ(actual[i].y, expected[i].y) << "point " << i;
    }
}

void ExpectSameSection(const Section& actual, const Section& expected) {
    ASSERT_EQ(actual.soils.size(), expected.soils.size());
    for (std::size_t i = 0; i < actual.soils.size(); ++i) {
        const Soil& a = actual.soils[i];
        const Soil& e = expected.soils[i];
        EXPECT_EQ(a.name, e.name);
        EXPECT_EQ(a.model, e.model) << a.name;
        EXPECT_EQ(a.cohesion, e.cohesion) << a.name;
        EXPECT_EQ(a.frictionAngle, e.frictionAngle) << a.name;
        EXPECT_EQ(a.unitWeight, e.unitWeight) << a.name;
        EXPECT_EQ(a.poreRatio, e.poreRatio) << a.name;
    }
    ASSERT_EQ(actual.layers.size(), expected.layers.size());
    for (std::size_t i = 0; i < actual.layers.size(); ++i) {
        EXPECT_EQ(actual.layers[i].soil, expected.layers[i].soil);
        ExpectPoints(actual.layers[i].points, expected.layers[i].points);
    }
    EXPECT_EQ(actual.water.model, expected.water.model);
    ExpectPoints(actual.water.piezometricLine, expected.water.piezometricLine);
    EXPECT_EQ(actual.water.unitWeight, expected.water.unitWeight);
    EXPECT_EQ(actual.water.head, expected.water.head);
    EXPECT_EQ(actual.pressures.size(), expected.pressures.size());
    EXPECT_EQ(actual.lineLoads.size(), expected.lineLoads.size());
    EXPECT_EQ(actual.horizontalSeismic, expected.horizontalSeismic);
    EXPECT_EQ(actual.verticalSeismic, expected.verticalSeismic);
    EXPECT_EQ(actual.crack.has_value(), expected.crack.has_value());
}

TEST(SectionInputs, TheDefaultsReadToAOneSoilSectionToBeSearched) {
    const SectionInputs inputs = ReadOrFail(DefaultTexts(kInputsOnly));
    EXPECT_EQ(CheckSection(inputs.section), std::nullopt);
    ASSERT_EQ(inputs.section.soils.size(), 1u);
    EXPECT_EQ(inputs.section.layers.size(), 1u);
    EXPECT_EQ(inputs.sliceCount, 50);
    EXPECT_EQ(inputs.methods, (std::vector{SectionMethod::Bishop, SectionMethod::Spencer}));
    EXPECT_FALSE(inputs.givenCircle.has_value());
    EXPECT_FALSE(inputs.section.crack.has_value());
}

TEST(SectionInputs, ThreeSoilsReadToTheirSection) {
    Section expected = examples::ThreeSoils();
    // The undrained clay's friction angle is not read.
    const SectionInputs inputs = ReadOrFail(ThreeSoilTexts());
    ExpectSameSection(inputs.section, expected);
}

TEST(SectionInputs, EachSoilDrawsTheValuesOfItsModel) {
    FieldTextMap texts = ThreeSoilTexts();
    texts.setText(SoilsTable, R"([["Fill","Mohr-Coulomb","5","1","30","2","19","0.5","0"],)"
                              R"(["Clay","Undrained","40","8","0","0","18","0.4","0"],)"
                              R"(["Rock","Impenetrable","0","0","0","0","0","0","0"]])");
    texts.setText(LayersTable, R"([["Fill"],["Clay"],["Rock"]])");
    SectionInputs inputs = ReadOrFail(texts);
    std::vector<std::string> keys;
    for (const SoilUncertainInput& input : inputs.uncertain) {
        keys.push_back(input.key);
    }
    EXPECT_EQ(keys,
              (std::vector<std::string>{"Fill.cohesion", "Fill.friction_angle", "Fill.unit_weight",
                                        "Clay.cohesion", "Clay.unit_weight"}));
    const SoilUncertainInput& phi = inputs.uncertain[1];
    EXPECT_EQ(phi.label, "Fill: φ");
    EXPECT_EQ(phi.unit, "degrees");
    EXPECT_EQ(phi.mean, 30.0);
    EXPECT_EQ(phi.sd, 2.0);
    EXPECT_FALSE(phi.range.Contains(90.0));
    EXPECT_EQ(phi.rangeMessage, "Fill: φ must be at least 0° and below 90°.");
    EXPECT_EQ(inputs.uncertain[3].mean, 40.0);
    EXPECT_EQ(inputs.uncertain[4].sd, 0.4);
    EXPECT_FALSE(inputs.uncertain[4].range.Contains(0.0));

    // The sampling choices name the same inputs, and only the Mohr-Coulomb soil offers its c and
    // φ to be correlated.
    const TableSampledInputs sampled = SoilSampledInputs(texts);
    EXPECT_EQ(sampled.keys, keys);
    ASSERT_EQ(sampled.pairs.size(), 1u);
    EXPECT_EQ(sampled.keys[sampled.pairs[0].first], "Fill.cohesion");
    EXPECT_EQ(sampled.keys[sampled.pairs[0].second], "Fill.friction_angle");

    ApplyDraws(inputs.uncertain, std::vector{6.0, 31.0, 19.5, 42.0, 17.0}, inputs.section);
    const std::vector<Soil>& soils = inputs.section.soils;
    EXPECT_EQ(soils[0].cohesion, 6.0);
    EXPECT_EQ(soils[0].frictionAngle, 31.0);
    EXPECT_EQ(soils[0].unitWeight, 19.5);
    EXPECT_EQ(soils[1].cohesion, 42.0);
    EXPECT_EQ(soils[1].unitWeight, 17.0);
    EXPECT_EQ(soils[1].frictionAngle, 0.0);
}

TEST(SectionInputs, ASoilsNameIsCountedInCharactersNotBytes) {
    std::string name;
    for (int i = 0; i < 40; ++i) {
        name += "ü";
    }
    FieldTextMap texts = DefaultTexts(kInputsOnly);
    texts.setText(SoilsTable,
                  R"([[")" + name + R"(","Mohr-Coulomb","10","2","30","3","19","0.5","0"]])");
    texts.setText(LayersTable, R"([[")" + name + R"("]])");
    EXPECT_EQ(ReadOrFail(texts).uncertain.front().key, name + ".cohesion");
}

TEST(SectionInputs, TheSoilSamplerDrawsAtTheMeansWithoutSpread) {
    FieldTextMap texts = ThreeSoilTexts();
    texts.setText(SoilsTable, R"([["Fill","Mohr-Coulomb","5","0","30","0","19","0","0"],)"
                              R"(["Clay","Undrained","40","0","0","0","18","0","0"],)"
                              R"(["Sand","Mohr-Coulomb","0","0","35","0","20","0","0"]])");
    const SectionInputs inputs = ReadOrFail(texts);
    UniformSequence uniforms;
    TrialSampler sampler = SoilSampler(inputs, {}, 3, uniforms);
    for (int trial = 0; trial < 3; ++trial) {
        const std::span<const double> values = sampler.Next();
        ASSERT_EQ(values.size(), inputs.uncertain.size());
        for (std::size_t i = 0; i < values.size(); ++i) {
            EXPECT_EQ(values[i], inputs.uncertain[i].mean) << inputs.uncertain[i].key;
        }
    }
}

// The Pearson correlation of two columns of draws.
double Correlation(const std::vector<double>& a, const std::vector<double>& b) {
    double ma = 0.0, mb = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        ma += a[i];
        mb += b[i];
    }
    ma /= static_cast<double>(a.size());
    mb /= static_cast<double>(b.size());
    double sab = 0.0, saa = 0.0, sbb = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        sab += (a[i] - ma) * (b[i] - mb);
        saa += (a[i] - ma) * (a[i] - ma);
        sbb += (b[i] - mb) * (b[i] - mb);
    }
    return sab / std::sqrt(saa * sbb);
}

TEST(SectionInputs, TheSoilSamplerCorrelatesThePairTheChoicesName) {
    FieldTextMap texts = ThreeSoilTexts();
    texts.setText(SoilsTable, R"([["Fill","Mohr-Coulomb","5","1","30","2","19","0.5","0"],)"
                              R"(["Clay","Undrained","40","8","0","0","18","0.4","0"],)"
                              R"(["Sand","Mohr-Coulomb","3","1","35","3","20","0.5","0"]])");
    const SectionInputs inputs = ReadOrFail(texts);
    // Fill: c, φ, γ (0-2); Clay: c, γ (3-4); Sand: c, φ, γ (5-7).
    struct Case {
        std::string first, second;
        std::size_t a, b;
    };
    for (const Case& c : {Case{"", "", 0, 1}, Case{"Sand.cohesion", "Sand.friction_angle", 5, 6}}) {
        SamplingChoices choices;
        choices.correlation = -0.9;
        choices.correlatedFirst = c.first;
        choices.correlatedSecond = c.second;
        UniformSequence uniforms(12345);
        TrialSampler sampler = SoilSampler(inputs, choices, 2000, uniforms);
        std::vector<double> a, b, other;
        for (int trial = 0; trial < 2000; ++trial) {
            const std::span<const double> values = sampler.Next();
            a.push_back(values[c.a]);
            b.push_back(values[c.b]);
            other.push_back(values[c.a == 0 ? 6 : 1]);
        }
        EXPECT_LT(Correlation(a, b), -0.85) << c.a;
        EXPECT_GT(Correlation(a, other), -0.1) << c.a;
    }
}

// ---- Refusals: one row per fault, each naming the table, row and column.

struct RefusalRow {
    const char* name;
    std::vector<std::pair<int, std::string>> texts;  // set on the three soils' texts
    SectionInputFault fault;

    friend void PrintTo(const RefusalRow& row, std::ostream* os) { *os << row.name; }
};

class SectionInputRefusals : public testing::TestWithParam<RefusalRow> {};

TEST_P(SectionInputRefusals, NameTheTableRowAndColumn) {
    FieldTextMap texts = ThreeSoilTexts();
    for (const auto& [field, text] : GetParam().texts) {
        texts.setText(field, text);
    }
    const SectionRead read = ReadSectionInputs(texts, {});
    ASSERT_TRUE(std::holds_alternative<SectionInputFault>(read)) << "the inputs were read";
    EXPECT_EQ(std::get<SectionInputFault>(read), GetParam().fault)
        << std::get<SectionInputFault>(read).Text();
}

// Rows of numbers for a table: n rows of `row`.
std::string Repeated(const std::string& row, std::size_t n) {
    std::string text = "[";
    for (std::size_t i = 0; i < n; ++i) {
        text += (i == 0 ? "" : ",") + row;
    }
    return text + "]";
}

// Boundary 1 of n points, rising not above 15, then boundary 2.
std::string LongBoundary(std::size_t n) {
    std::string text = "[";
    for (std::size_t i = 0; i < n; ++i) {
        text += R"(["1",")" + std::to_string(i) + R"(","5"],)";
    }
    return text + R"(["2","0","4"],["2","60","4"]])";
}

const std::string kMethodsList =
    "ordinary, bishop, janbu, janbu_f0, spencer, morgenstern_price and "
    "morgenstern_price_half_sine";
const std::string kSoilRow = R"(["Fill","Mohr-Coulomb","5","1","30","2","19","0.5","0"])";

std::string Soils(const std::string& first) {
    return "[" + first + R"(,["Clay","Undrained","40","8","0","0","18","0.4","0"],)" +
           R"(["Sand","Mohr-Coulomb","0","0","35","3","20","0.5","0"]])";
}

INSTANTIATE_TEST_SUITE_P(
    Plain, SectionInputRefusals,
    testing::Values(
        RefusalRow{"SliceCountNotWhole",
                   {{SliceCount, "2.5"}},
                   {SliceCount, "Number of Slices", 0, "",
                    "The number of slices must be a whole number from 1 to 1000."}},
        RefusalRow{"SliceCountAboveTheLimit",
                   {{SliceCount, "1001"}},
                   {SliceCount, "Number of Slices", 0, "",
                    "The number of slices must be a whole number from 1 to 1000."}},
        RefusalRow{"SliceCountNotANumber",
                   {{SliceCount, "many"}},
                   {SliceCount, "Number of Slices", 0, "",
                    "The number of slices must be a whole number from 1 to 1000."}},
        RefusalRow{"UnknownMethod",
                   {{Methods, "bishop, fellenius"}},
                   {Methods, "Methods", 0, "",
                    "\"fellenius\" is not a method; the methods are " + kMethodsList + "."}},
        RefusalRow{"MethodTwice",
                   {{Methods, "Bishop,spencer, bishop"}},
                   {Methods, "Methods", 0, "", "\"bishop\" is listed twice."}},
        RefusalRow{"NoMethod",
                   {{Methods, " "}},
                   {Methods, "Methods", 0, "",
                    "List at least one method, with a method between every two commas."}},
        RefusalRow{"UnknownWater",
                   {{WaterModelField, "phreatic"}},
                   {WaterModelField, "Water", 0, "", "The water must be none, piezometric or ru."}},
        RefusalRow{"UnknownHead",
                   {{HeadModeField, "sideways"}},
                   {HeadModeField, "Head", 0, "", "The head must be vertical or inclined."}},
        RefusalRow{"WaterUnitWeightNotANumber",
                   {{WaterUnitWeight, "9,81"}},
                   {WaterUnitWeight, "γw", 0, "", "The value must be a number."}},
        RefusalRow{"WaterUnitWeightOfZero",
                   {{WaterUnitWeight, "0"}},
                   {WaterUnitWeight, "γw", 0, "", "γw must be greater than 0."}},
        RefusalRow{"KvNotANumber",
                   {{VerticalSeismic, "-"}},
                   {VerticalSeismic, "kv", 0, "", "The value must be a number."}},
        RefusalRow{"CrackOfNoDepth",
                   {{CrackDepth, "0"}},
                   {CrackDepth, "Tension crack depth", 0, "",
                    "The depth must be a number greater than 0."}},
        RefusalRow{"CrackOverfilled",
                   {{CrackDepth, "2"}, {CrackWaterFill, "1.5"}},
                   {CrackWaterFill, "Tension crack water fill", 0, "",
                    "The water fill must lie between 0 and 1."}},
        RefusalRow{"CircleWithoutRadius",
                   {{GivenCentreX, "20"}, {GivenCentreY, "40"}},
                   {GivenRadius, "Given circle: radius", 0, "",
                    "Give the circle's centre x, centre y and radius, or leave all three empty "
                    "for a search."}},
        RefusalRow{
            "CircleOfNoRadius",
            {{GivenCentreX, "20"}, {GivenCentreY, "40"}, {GivenRadius, "-3"}},
            {GivenRadius, "Given circle: radius", 0, "", "The radius must be greater than 0."}}),
    RowName{});

INSTANTIATE_TEST_SUITE_P(
    Soils, SectionInputRefusals,
    testing::Values(
        RefusalRow{
            "CellNotANumber",
            {{SoilsTable, Soils(R"(["Fill","Mohr-Coulomb","5 kPa","1","30","2","19","0.5","0"])")}},
            {SoilsTable, "Soils", 1, "c mean", "must be a number"}},
        RefusalRow{
            "NegativeSd",
            {{SoilsTable, Soils(R"(["Fill","Mohr-Coulomb","5","1","30","-2","19","0.5","0"])")}},
            {SoilsTable, "Soils", 1, "φ SD", "must be at least 0"}},
        RefusalRow{"RowOfEightCells",
                   {{SoilsTable, Soils(R"(["Fill","Mohr-Coulomb","5","1","30","2","19","0.5"])")}},
                   {SoilsTable, "Soils", 1, "", "has 8 cells where the table has 9 columns"}},
        RefusalRow{"TooManySoils",
                   {{SoilsTable, Repeated(kSoilRow, 22)}},
                   {SoilsTable, "Soils", 0, "", "takes at most 21 rows"}},
        RefusalRow{
            "UnknownModel",
            {{SoilsTable, Soils(R"(["Fill","Hoek-Brown","5","1","30","2","19","0.5","0"])")}},
            {SoilsTable, "Soils", 1, "Model",
             "The model must be Mohr-Coulomb, Undrained or Impenetrable."}},
        RefusalRow{
            "NameWithAPoint",
            {{SoilsTable, Soils(R"(["Fill.1","Mohr-Coulomb","5","1","30","2","19","0.5","0"])")}},
            {SoilsTable, "Soils", 1, "Name",
             "A soil's name must hold no point, comma, equals sign or control "
             "character."}},
        RefusalRow{
            "NameTooLong",
            {{SoilsTable, Soils(R"([")" + std::string(41, 'F') +
                                R"(","Mohr-Coulomb","5","1","30","2","19","0.5","0"])")}},
            {SoilsTable, "Soils", 1, "Name", "A soil's name must be at most 40 characters long."}},
        RefusalRow{"EmptyName",
                   {{SoilsTable, Soils(R"([" ","Mohr-Coulomb","5","1","30","2","19","0.5","0"])")}},
                   {SoilsTable, "Soils", 1, "Name", "must not be empty"}},
        RefusalRow{
            "NegativeCohesion",
            {{SoilsTable, Soils(R"(["Fill","Mohr-Coulomb","-5","1","30","2","19","0.5","0"])")}},
            {SoilsTable, "Soils", 1, "c mean", "c must not be negative."}},
        RefusalRow{
            "FrictionOfNinety",
            {{SoilsTable, Soils(R"(["Fill","Mohr-Coulomb","5","1","90","2","19","0.5","0"])")}},
            {SoilsTable, "Soils", 1, "φ mean", "φ must be at least 0° and below 90°."}},
        RefusalRow{
            "NegativeFriction",
            {{SoilsTable, Soils(R"(["Fill","Mohr-Coulomb","5","1","-1","2","19","0.5","0"])")}},
            {SoilsTable, "Soils", 1, "φ mean", "φ must be at least 0° and below 90°."}},
        RefusalRow{
            "UnitWeightOfZero",
            {{SoilsTable, Soils(R"(["Fill","Mohr-Coulomb","5","1","30","2","0","0.5","0"])")}},
            {SoilsTable, "Soils", 1, "γ mean", "γ must be greater than 0."}},
        RefusalRow{
            "PoreRatioOfOne",
            {{WaterModelField, "ru"},
             {SoilsTable, Soils(R"(["Fill","Mohr-Coulomb","5","1","30","2","19","0.5","1"])")}},
            {SoilsTable, "Soils", 1, "ru", "ru must be at least 0 and below 1."}},
        RefusalRow{
            "TwoSoilsOfOneName",
            {{SoilsTable, Soils(R"(["Sand","Mohr-Coulomb","5","1","30","2","19","0.5","0"])")}},
            {SoilsTable, "Soils", 3, "Name", "Another soil above has the same name."}}),
    RowName{});

INSTANTIATE_TEST_SUITE_P(
    Lines, SectionInputRefusals,
    testing::Values(
        RefusalRow{"GroundNotATable",
                   {{GroundTable, "{}"}},
                   {GroundTable, "Ground", 0, "", "is not a table of rows"}},
        RefusalRow{"GroundOfOnePoint",
                   {{GroundTable, R"([["0","20"]])"}},
                   {GroundTable, "Ground", 0, "", "needs at least 2 rows"}},
        RefusalRow{"GroundOfTooManyPoints",
                   {{GroundTable, Repeated(R"(["0","20"])", 1001)}},
                   {GroundTable, "Ground", 0, "", "takes at most 1000 rows"}},
        RefusalRow{"GroundOutOfOrder",
                   {{GroundTable, R"([["0","20"],["20","20"],["15","10"],["60","10"]])"}},
                   {GroundTable, "Ground", 3, "x", "x must be greater than in the row above."}},
        RefusalRow{"UnknownSoil",
                   {{LayersTable, R"([["Fill"],["Silt"],["Sand"]])"}},
                   {LayersTable, "Layers", 2, "Soil", "There is no soil named \"Silt\"."}},
        RefusalRow{
            "BoundaryOutOfOrder",
            {{BoundariesTable, R"([["1","0","15"],["1","60","5"],["2","30","8"],["2","10","4"]])"}},
            {BoundariesTable, "Boundaries", 4, "x", "x must be greater than in the row above."}},
        RefusalRow{
            "BoundaryAboveTheGround",
            {{BoundariesTable, R"([["1","0","25"],["1","60","5"],["2","0","8"],["2","60","4"]])"}},
            {BoundariesTable, "Boundaries", 1, "y", "The boundary rises above the ground."}},
        RefusalRow{
            "BoundariesCross",
            {{BoundariesTable, R"([["1","0","15"],["1","60","5"],["2","0","8"],["2","60","6"]])"}},
            {BoundariesTable, "Boundaries", 4, "y",
             "The boundary rises above the boundary of layer 2."}},
        RefusalRow{
            "BoundaryNumberSkipped",
            {{BoundariesTable, R"([["1","0","15"],["1","60","5"],["3","0","8"],["3","60","4"]])"}},
            {BoundariesTable, "Boundaries", 3, "Boundary",
             "The boundaries must be numbered 1, 2, 3 and so on from the first row, each "
             "one's rows together: here 1 or 2 is expected."}},
        RefusalRow{"BoundaryNotWhole",
                   {{BoundariesTable, R"([["1.5","0","15"],["1","60","5"]])"}},
                   {BoundariesTable, "Boundaries", 1, "Boundary",
                    "The boundaries must be numbered 1, 2, 3 and so on from the first row, each "
                    "one's rows together: here 1 is expected."}},
        RefusalRow{"BoundaryWithoutLayer",
                   {{LayersTable, R"([["Fill"],["Clay"]])"}},
                   {BoundariesTable, "Boundaries", 3, "Boundary",
                    "There is no layer under boundary 2: Layers has 2 rows."}},
        RefusalRow{"LayerWithoutBoundary",
                   {{BoundariesTable, R"([["1","0","15"],["1","60","5"]])"}},
                   {LayersTable, "Layers", 3, "Soil",
                    "The layer has no boundary: no row of Boundaries is numbered 2."}},
        RefusalRow{"BoundaryOfOnePoint",
                   {{BoundariesTable, R"([["1","0","15"],["2","0","8"],["2","60","4"]])"}},
                   {BoundariesTable, "Boundaries", 1, "Boundary",
                    "Boundary 1 needs at least two points."}},
        RefusalRow{"BoundaryOfTooManyPoints",
                   {{BoundariesTable, LongBoundary(1001)}},
                   {BoundariesTable, "Boundaries", 1001, "Boundary",
                    "A boundary takes at most 1000 points."}},
        RefusalRow{"PiezometricLineOutsideTheSection",
                   {{PiezometricTable, R"([["-5","16"],["60","11"]])"}},
                   {PiezometricTable, "Piezometric line", 1, "x",
                    "The point lies outside the section: x must lie within the ground's."}},
        RefusalRow{"PiezometricLineOutOfOrder",
                   {{PiezometricTable, R"([["0","16"],["30","12"],["30","11"]])"}},
                   {PiezometricTable, "Piezometric line", 3, "x",
                    "x must be greater than in the row above."}},
        RefusalRow{"PressureBackwards",
                   {{PressuresTable, R"([["0","5","10"],["10","5","3"]])"}},
                   {PressuresTable, "Pressures", 2, "To x", "To x must be greater than From x."}},
        RefusalRow{"LineLoadNotANumber",
                   {{LineLoadsTable, R"([["30","100","ninety"]])"}},
                   {LineLoadsTable, "Line loads", 1, "Angle", "must be a number"}}),
    RowName{});

// A polyline through the clay, each end on the ground.
const std::string kPolyline = R"([["8","20"],["16","12"],["30","8"],["44","7"],["54","10"]])";

INSTANTIATE_TEST_SUITE_P(
    GivenSurface, SectionInputRefusals,
    testing::Values(
        RefusalRow{"OfOnePoint",
                   {{GivenSurfaceTable, R"([["8","20"]])"}},
                   {GivenSurfaceTable, "Given Surface", 0, "", "needs at least 2 rows"}},
        RefusalRow{"NotANumber",
                   {{GivenSurfaceTable, R"([["8","twenty"],["54","10"]])"}},
                   {GivenSurfaceTable, "Given Surface", 1, "y", "must be a number"}},
        RefusalRow{"OutOfOrder",
                   {{GivenSurfaceTable, R"([["8","20"],["30","8"],["30","7"],["54","10"]])"}},
                   {GivenSurfaceTable, "Given Surface", 3, "x",
                    "x must be greater than in the row above."}},
        RefusalRow{"StartsUnderTheGround",
                   {{GivenSurfaceTable, R"([["10","15"],["30","8"],["54","10"]])"}},
                   {GivenSurfaceTable, "Given Surface", 1, "y",
                    "The surface must end on or above the ground, so that it cuts the ground "
                    "at both ends."}},
        RefusalRow{"EndsUnderTheGround",
                   {{GivenSurfaceTable, R"([["8","20"],["30","8"],["54","5"]])"}},
                   {GivenSurfaceTable, "Given Surface", 3, "y",
                    "The surface must end on or above the ground, so that it cuts the ground "
                    "at both ends."}},
        RefusalRow{"AboveTheGround",
                   {{GivenSurfaceTable, R"([["0","25"],["60","25"]])"}},
                   {GivenSurfaceTable, "Given Surface", 0, "",
                    "The surface passes nowhere under the ground."}},
        RefusalRow{"CutsTwoMasses",
                   {{GivenSurfaceTable, R"([["0","25"],["10","15"],["25","25"],["45","5"],)"
                                        R"(["60","11"]])"}},
                   {GivenSurfaceTable, "Given Surface", 0, "",
                    "The ground leaves the surface and comes back: the surface cuts two "
                    "sliding masses, not one."}},
        RefusalRow{"BesideAGivenCircle",
                   {{GivenSurfaceTable, kPolyline},
                    {GivenCentreX, "38"},
                    {GivenCentreY, "36"},
                    {GivenRadius, "32"}},
                   {GivenSurfaceTable, "Given Surface", 0, "",
                    "Give either a circle or a polyline surface, not both: leave the circle's "
                    "fields or this table empty."}},
        RefusalRow{"MomentPointWithoutItsY",
                   {{GivenSurfaceTable, kPolyline}, {MomentPointX, "30"}},
                   {MomentPointY, "Moment Point: y", 0, "",
                    "Give the moment point's x and y, or leave both empty for the centre of the "
                    "circle through the surface's ends and its lowest point."}},
        RefusalRow{"MomentPointNotANumber",
                   {{GivenSurfaceTable, kPolyline}, {MomentPointX, "30"}, {MomentPointY, "up"}},
                   {MomentPointY, "Moment Point: y", 0, "", "The value must be a number."}}),
    RowName{});

TEST(SectionInputs, AGivenSurfaceIsReadWithItsMomentPoint) {
    FieldTextMap texts = ThreeSoilTexts();
    texts.setText(GivenSurfaceTable, kPolyline);
    const SectionInputs byDefault = ReadOrFail(texts);
    ASSERT_TRUE(byDefault.givenPolyline.has_value());
    ExpectPoints(byDefault.givenPolyline->points, {{8, 20}, {16, 12}, {30, 8}, {44, 7}, {54, 10}});
    EXPECT_FALSE(byDefault.givenPolyline->momentPoint.has_value());
    texts.setText(MomentPointX, "30");
    texts.setText(MomentPointY, "40.5");
    const SectionInputs given = ReadOrFail(texts);
    ASSERT_TRUE(given.givenPolyline && given.givenPolyline->momentPoint);
    EXPECT_EQ(given.givenPolyline->momentPoint->x, 30.0);
    EXPECT_EQ(given.givenPolyline->momentPoint->y, 40.5);
    // Without a surface the moment point is not read.
    texts.setText(GivenSurfaceTable, "[]");
    texts.setText(MomentPointY, "not read");
    EXPECT_FALSE(ReadOrFail(texts).givenPolyline.has_value());
}

TEST(SectionInputs, AFaultSaysWhereInOneSentence) {
    EXPECT_EQ(
        (SectionInputFault{SoilsTable, "Soils", 2, "c mean", "c must not be negative."}.Text()),
        "Soils, row 2, c mean: c must not be negative.");
    EXPECT_EQ((SectionInputFault{GroundTable, "Ground", 0, "", "needs at least 2 rows"}.Text()),
              "Ground: needs at least 2 rows");
}

TEST(SectionInputs, APiezometricLineIsReadOnlyWithThatWater) {
    FieldTextMap texts = ThreeSoilTexts();
    texts.setText(WaterModelField, "none");
    texts.setText(PiezometricTable, "not read");
    texts.setText(HeadModeField, "not read");
    texts.setText(WaterUnitWeight, "not read");
    const SectionInputs inputs = ReadOrFail(texts);
    EXPECT_EQ(inputs.section.water.model, WaterModel::None);
    EXPECT_TRUE(inputs.section.water.piezometricLine.empty());
}

TEST(SectionInputs, ThreeSoilsSurviveAModelFile) {
    const AnalysisCatalogue catalogue(kInputsOnlyList);
    const std::string file = WriteModel(ModelFromFields(kInputsOnly, ThreeSoilTexts()));
    const ModelRead read = ReadModel(file, "three-soils.vardolin", catalogue);
    EXPECT_TRUE(read.notes.empty());
    ExpectSameSection(ReadOrFail(FieldsOf(read.model)).section, examples::ThreeSoils());
}

TEST(SectionInputs, AGivenSurfaceSurvivesAModelFile) {
    const AnalysisCatalogue catalogue(kInputsOnlyList);
    FieldTextMap texts = ThreeSoilTexts();
    texts.setText(GivenSurfaceTable, kPolyline);
    texts.setText(MomentPointX, "30.25");
    texts.setText(MomentPointY, "41");
    const std::string file = WriteModel(ModelFromFields(kInputsOnly, texts));
    const ModelRead read = ReadModel(file, "polyline.vardolin", catalogue);
    EXPECT_TRUE(read.notes.empty());
    const FieldTextMap back = FieldsOf(read.model);
    for (const int field : {GivenSurfaceTable, MomentPointX, MomentPointY}) {
        EXPECT_EQ(back.text(field), texts.text(field)) << field;
    }
    const SectionInputs inputs = ReadOrFail(back);
    ASSERT_TRUE(inputs.givenPolyline && inputs.givenPolyline->momentPoint);
    ExpectPoints(inputs.givenPolyline->points, {{8, 20}, {16, 12}, {30, 8}, {44, 7}, {54, 10}});
    EXPECT_EQ(inputs.givenPolyline->momentPoint->x, 30.25);
}

// ---- The published cases as model files.

struct ModelRow {
    const char* name;
    const char* file;
    WaterModel water;
    double bishop;  // Fredlund and Krahn (1977), Bishop's simplified method
};

class FredlundKrahnModels : public testing::TestWithParam<ModelRow> {};

TEST_P(FredlundKrahnModels, ReadToThePublishedSectionAndFigure) {
    const ModelRow& row = GetParam();
    const AnalysisCatalogue catalogue(kInputsOnlyList);
    const ModelRead read =
        ReadModelFile(std::string(VARDOLIN_SECTION_MODELS) + "/" + row.file, catalogue);
    EXPECT_TRUE(read.notes.empty());
    const SectionInputs inputs = ReadOrFail(FieldsOf(read.model));

    Section expected = examples::FredlundKrahn();
    expected.water.model = row.water;
    if (row.water != WaterModel::PoreRatio) {
        expected.soils[0].poreRatio = 0.0;
    }
    if (row.water == WaterModel::PiezometricLine) {
        expected.water.piezometricLine = {{0, 40}, {140, 20}, {180, 20}};
    } else {
        expected.water.unitWeight = 0.0;  // not read without a piezometric line
    }
    ExpectSameSection(inputs.section, expected);
    ASSERT_TRUE(inputs.givenCircle.has_value());
    EXPECT_EQ(inputs.givenCircle->centreX, 120.0);
    EXPECT_EQ(inputs.givenCircle->centreY, 90.0);
    EXPECT_EQ(inputs.givenCircle->radius, 80.0);
    EXPECT_EQ(inputs.methods.front(), SectionMethod::Bishop);
    EXPECT_EQ(inputs.uncertain.size(), 3u);

    // What was read is what the engine takes.
    const PreparedSection prepared(inputs.section);
    SectionSlicer slicer(prepared);
    SlicedMass mass;
    ASSERT_EQ(slicer.SliceCircle(*inputs.givenCircle, inputs.sliceCount, mass),
              SurfaceStatus::Valid);
    MethodWorkspace workspace;
    const MethodResult bishop = SolveBishop(mass, {120.0, 90.0}, workspace);
    EXPECT_NEAR(bishop.factor, row.bishop, 0.005 * row.bishop);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FredlundKrahnModels,
    testing::Values(ModelRow{"Case1Dry", "slope-section-fredlund-krahn-1-dry.vardolin",
                             WaterModel::None, 2.080},
                    ModelRow{"Case3PoreRatio", "slope-section-fredlund-krahn-3-pore-ratio.vardolin",
                             WaterModel::PoreRatio, 1.766},
                    ModelRow{"Case5PiezometricLine",
                             "slope-section-fredlund-krahn-5-piezometric.vardolin",
                             WaterModel::PiezometricLine, 1.834}),
    RowName{});

}  // namespace
}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
#include "slope_section/SectionInputReader.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string_view>
#include <utility>

#include "numerics/RunTimeError.h"
#include "slope_section/PreparedSection.h"
#include "slope_section/SectionCheck.h"

namespace vardolin::section {

namespace {

// A fault, or nothing; the reading stops at the first.
using Fault = std::optional<SectionInputFault>;

bool SameText(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<double> NumberOf(std::string_view text, const NumberLocale& locale) {
    try {
        return TextToDouble(text, locale);
    } catch (const RunTimeError&) {
        return std::nullopt;
    }
}

std::string_view LabelOf(int field) {
    for (const FieldFact& fact : kSectionInputFields) {
        if (fact.number == field) {
            return fact.label;
        }
    }
    return {};
}

SectionInputFault AtField(int field, std::string message) {
    return {field, std::string(LabelOf(field)), 0, {}, std::move(message)};
}

// `row` counted from 0.
SectionInputFault AtCell(int field, std::size_t row, std::string_view column, std::string message) {
    return {field, std::string(LabelOf(field)), static_cast<int>(row) + 1, std::string(column),
            std::move(message)};
}

const TableInput& TableOf(int field) {
    return *FindTableInput(kSectionTables, field);
}

// The rows of a table that TableProblems passes, every cell of a number column a number.
struct CheckedTable {
    TableRows rows;
    Fault fault;
};

CheckedTable ReadTable(const FieldTexts& fields, int field, const NumberLocale& locale) {
    const TableInput& table = TableOf(field);
    const std::string label(LabelOf(field));
    const std::string text = fields.text(field);
    const std::vector<TableProblem> problems = TableProblems(table, label, text, locale);
    if (problems.empty()) {
        return {*ParseTableText(text), std::nullopt};
    }
    const TableProblem& problem = problems.front();
    SectionInputFault fault{field, label, 0, {}, problem.message};
    std::string where = label;
    if (problem.row) {
        fault.row = static_cast<int>(*problem.row) + 1;
        where += ", row " + std::to_string(fault.row);
    }
    if (problem.column) {
        fault.column = std::string(table.columns[*problem.column].label);
        where += ", " + fault.column;
    }
    where += ": ";
    // The problem's own words, without the place the fault names apart.
    if (problem.message.starts_with(where)) {
        fault.message = problem.message.substr(where.size());
    }
    return {{}, std::move(fault)};
}

// The checked cell's number.
double Cell(const TableRows& rows, std::size_t row, std::size_t column,
            const NumberLocale& locale) {
    return TextToDouble(rows[row][column], locale);
}

std::vector<SectionPoint> Points(const TableRows& rows, std::size_t xColumn, std::size_t from,
                                 std::size_t to, const NumberLocale& locale) {
    std::vector<SectionPoint> points;
    points.reserve(to - from);
    for (std::size_t r = from; r < to; ++r) {
        points.push_back({Cell(rows, r, xColumn, locale), Cell(rows, r, xColumn + 1, locale)});
    }
    return points;
}

// ---- The plain fields.

// What the plain fields give, besides the section's water, earthquake and crack.
struct PlainValues {
    int sliceCount = 0;
    std::vector<SectionMethod> methods;
    std::optional<CircleSurface> givenCircle;
};

Fault ReadSliceCount(const FieldTexts& fields, const NumberLocale& locale, PlainValues& plain) {
    const std::optional<double> count = NumberOf(fields.text(SliceCount), locale);
    if (!count || !(*count >= 1.0 && *count <= kMaxSliceCount) || std::floor(*count) != *count) {
        return AtField(SliceCount, "The number of slices must be a whole number from 1 to " +
                                       std::to_string(kMaxSliceCount) + ".");
    }
    plain.sliceCount = static_cast<int>(*count);
    return std::nullopt;
}

std::string MethodKeys() {
    std::string keys;
    for (std::size_t i = 0; i < kSectionMethods.size(); ++i) {
        keys += i == 0 ? "" : (i + 1 == kSectionMethods.size() ? " and " : ", ");
        keys += kSectionMethods[i].key;
    }
    return keys;
}

Fault ReadMethods(const FieldTexts& fields, PlainValues& plain) {
    const std::string text = fields.text(Methods);
    std::string_view rest = text;
    while (true) {
        const std::size_t comma = rest.find(',');
        const std::string_view name = Trimmed(rest.substr(0, comma));
        if (name.empty()) {
            return AtField(Methods,
                           "List at least one method, with a method between every two commas.");
        }
        const auto known = std::find_if(
            kSectionMethods.begin(), kSectionMethods.end(),
            [&](const SectionMethodNames& method) { return SameText(method.key, name); });
        if (known == kSectionMethods.end()) {
            return AtField(Methods, "\"" + std::string(name) +
                                        "\" is not a method; the methods are " + MethodKeys() +
                                        ".");
        }
        if (std::find(plain.methods.begin(), plain.methods.end(), known->method) !=
            plain.methods.end()) {
            return AtField(Methods, "\"" + std::string(known->key) + "\" is listed twice.");
        }
        plain.methods.push_back(known->method);
        if (comma == std::string_view::npos) {
            return std::nullopt;
        }
        rest = rest.substr(comma + 1);
    }
}

Fault ReadWater(const FieldTexts& fields, Water& water) {
    const std::string text(Trimmed(fields.text(WaterModelField)));
    if (SameText(text, kWaterNone)) {
        water.model = WaterModel::None;
    } else if (SameText(text, kWaterPiezometric)) {
        water.model = WaterModel::PiezometricLine;
    } else if (SameText(text, kWaterPoreRatio)) {
        water.model = WaterModel::PoreRatio;
    } else {
        return AtField(WaterModelField, "The water must be " + std::string(kWaterNone) + ", " +
                                            std::string(kWaterPiezometric) + " or " +
                                            std::string(kWaterPoreRatio) + ".");
    }
    if (water.model != WaterModel::PiezometricLine) {
        return std::nullopt;
    }
    const std::string head(Trimmed(fields.text(HeadModeField)));
    if (SameText(head, kHeadVertical)) {
        water.head = HeadMode::Vertical;
    } else if (SameText(head, kHeadInclined)) {
        water.head = HeadMode::InclinedLine;
    } else {
        return AtField(HeadModeField, "The head must be " + std::string(kHeadVertical) + " or " +
                                          std::string(kHeadInclined) + ".");
    }
    return std::nullopt;
}

Fault ReadNumber(const FieldTexts& fields, int field, const NumberLocale& locale, double& value) {
    const std::optional<double> number = NumberOf(fields.text(field), locale);
    if (!number) {
        return AtField(field, "The value must be a number.");
    }
    value = *number;
    return std::nullopt;
}

Fault ReadCrack(const FieldTexts& fields, const NumberLocale& locale, Section& section) {
    if (Trimmed(fields.text(CrackDepth)).empty()) {
        return std::nullopt;
    }
    TensionCrack crack;
    if (Fault fault = ReadNumber(fields, CrackDepth, locale, crack.depth)) {
        return fault;
    }
    if (Fault fault = ReadNumber(fields, CrackWaterFill, locale, crack.waterFill)) {
        return fault;
    }
    section.crack = crack;
    return std::nullopt;
}

Fault ReadGivenCircle(const FieldTexts& fields, const NumberLocale& locale, PlainValues& plain) {
    constexpr std::array<int, 3> kCircle{GivenCentreX, GivenCentreY, GivenRadius};
    if (std::all_of(kCircle.begin(), kCircle.end(),
                    [&](int field) { return Trimmed(fields.text(field)).empty(); })) {
        return std::nullopt;
    }
    std::array<double, 3> values{};
    for (std::size_t i = 0; i < kCircle.size(); ++i) {
        if (Trimmed(fields.text(kCircle[i])).empty()) {
            return AtField(kCircle[i],
                           "Give the circle's centre x, centre y and radius, or leave all three "
                           "empty for a search.");
        }
        if (Fault fault = ReadNumber(fields, kCircle[i], locale, values[i])) {
            return fault;
        }
    }
    if (!(values[2] > 0.0)) {
        return AtField(GivenRadius, "The radius must be greater than 0.");
    }
    plain.givenCircle = CircleSurface{values[0], values[1], values[2], false};
    return std::nullopt;
}

Fault ReadPlainFields(const FieldTexts& fields, const NumberLocale& locale, PlainValues& plain,
                      Section& section) {
    if (Fault fault = ReadSliceCount(fields, locale, plain)) {
        return fault;
    }
    if (Fault fault = ReadMethods(fields, plain)) {
        return fault;
    }
    if (Fault fault = ReadWater(fields, section.water)) {
        return fault;
    }
    if (Fault fault = ReadCrack(fields, locale, section)) {
        return fault;
    }
    const bool crackHoldsWater = section.crack && section.crack->waterFill > 0.0;
    if (section.water.model == WaterModel::PiezometricLine || crackHoldsWater) {
        if (Fault fault = ReadNumber(fields, WaterUnitWeight, locale, section.water.unitWeight)) {
            return fault;
        }
    }
    if (Fault fault = ReadNumber(fields, HorizontalSeismic, locale, section.horizontalSeismic)) {
        return fault;
    }
    if (Fault fault = ReadNumber(fields, VerticalSeismic, locale, section.verticalSeismic)) {
        return fault;
    }
    return ReadGivenCircle(fields, locale, plain);
}

// ---- The tables.

enum SoilColumn : std::size_t { Name, Model, CMean, CSd, PhiMean, PhiSd, GammaMean, GammaSd, Ru };

std::optional<SoilModel> ModelOf(std::string_view text) {
    text = Trimmed(text);
    if (SameText(text, kModelMohrCoulomb)) {
        return SoilModel::MohrCoulomb;
    }
    if (SameText(text, kModelUndrained)) {
        return SoilModel::Undrained;
    }
    if (SameText(text, kModelImpenetrable)) {
        return SoilModel::Impenetrable;
    }
    return std::nullopt;
}

// The characters of a UTF-8 text: its bytes but those that continue a character.
std::size_t Characters(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// A sampling key "<soil>.cohesion" splits at its point, lists pairs with a comma and is set
// with an equals sign, so a soil's name holds none of them.
bool FitsAKey(std::string_view name) {
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '.' || c == ',' || c == '=' || byte < 0x20 || byte == 0x7f;
    });
}

void AddUncertain(const Soil& soil, std::size_t row, SoilParameter parameter, double sd,
                  std::vector<SoilUncertainInput>& uncertain) {
    SoilUncertainInput input;
    input.soil = row;
    input.parameter = parameter;
    input.sd = sd;
    switch (parameter) {
        case SoilParameter::Cohesion:
            input.key = soil.name + ".cohesion";
            input.label = soil.name + ": c";
            input.unit = kSoilColumns[CMean].unit;
            input.mean = soil.cohesion;
            input.range = NumberRange::From(0.0);
            input.rangeMessage = soil.name + ": c must not be negative.";
            break;
        case SoilParameter::FrictionAngle:
            input.key = soil.name + ".friction_angle";
            input.label = soil.name + ": φ";
            input.unit = kSoilColumns[PhiMean].unit;
            input.mean = soil.frictionAngle;
            input.range = NumberRange::Between(0.0, true, 90.0, false);
            input.rangeMessage = soil.name + ": φ must be at least 0° and below 90°.";
            break;
        case SoilParameter::UnitWeight:
            input.key = soil.name + ".unit_weight";
            input.label = soil.name + ": γ";
            input.unit = kSoilColumns[GammaMean].unit;
            input.mean = soil.unitWeight;
            input.range = NumberRange::From(0.0, false);
            input.rangeMessage = soil.name + ": γ must be greater than 0.";
            break;
    }
    uncertain.push_back(std::move(input));
}

Fault ReadSoils(const FieldTexts& fields, const NumberLocale& locale, SectionInputs& inputs) {
    CheckedTable table = ReadTable(fields, SoilsTable, locale);
    if (table.fault) {
        return table.fault;
    }
    const TableRows& rows = table.rows;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        Soil soil;
        soil.name = std::string(Trimmed(rows[r][Name]));
        if (Characters(soil.name) > kMaxSoilNameCharacters) {
            return AtCell(SoilsTable, r, "Name",
                          "A soil's name must be at most " +
                              std::to_string(kMaxSoilNameCharacters) + " characters long.");
        }
        if (!FitsAKey(soil.name)) {
            return AtCell(SoilsTable, r, "Name",
                          "A soil's name must hold no point, comma, equals sign or control "
                          "character.");
        }
        const std::optional<SoilModel> model = ModelOf(rows[r][Model]);
        if (!model) {
            return AtCell(SoilsTable, r, "Model",
                          "The model must be " + std::string(kModelMohrCoulomb) + ", " +
                              std::string(kModelUndrained) + " or " +
                              std::string(kModelImpenetrable) + ".");
        }
        soil.model = *model;
        if (soil.model != SoilModel::Impenetrable) {
            soil.cohesion = Cell(rows, r, CMean, locale);
            soil.unitWeight = Cell(rows, r, GammaMean, locale);
        }
        if (soil.model == SoilModel::MohrCoulomb) {
            soil.frictionAngle = Cell(rows, r, PhiMean, locale);
        }
        soil.poreRatio = Cell(rows, r, Ru, locale);
        if (soil.model != SoilModel::Impenetrable) {
            AddUncertain(soil, r, SoilParameter::Cohesion, Cell(rows, r, CSd, locale),
                         inputs.uncertain);
        }
        if (soil.model == SoilModel::MohrCoulomb) {
            AddUncertain(soil, r, SoilParameter::FrictionAngle, Cell(rows, r, PhiSd, locale),
                         inputs.uncertain);
            // c just before φ.
            inputs.correlated.emplace_back(inputs.uncertain.size() - 2,
                                           inputs.uncertain.size() - 1);
        }
        if (soil.model != SoilModel::Impenetrable) {
            AddUncertain(soil, r, SoilParameter::UnitWeight, Cell(rows, r, GammaSd, locale),
                         inputs.uncertain);
        }
        inputs.section.soils.push_back(std::move(soil));
    }
    return std::nullopt;
}

// Where each boundary's rows start in the boundaries table, boundary 1 first.
using BoundaryRows = std::vector<std::size_t>;

Fault ReadLayers(const FieldTexts& fields, const NumberLocale& locale, Section& section,
                 BoundaryRows& boundaryRows) {
    CheckedTable ground = ReadTable(fields, GroundTable, locale);
    if (ground.fault) {
        return ground.fault;
    }
    CheckedTable layers = ReadTable(fields, LayersTable, locale);
    if (layers.fault) {
        return layers.fault;
    }
    CheckedTable boundaries = ReadTable(fields, BoundariesTable, locale);
    if (boundaries.fault) {
        return boundaries.fault;
    }
    const std::size_t boundaryCount = layers.rows.size() - 1;
    const TableRows& rows = boundaries.rows;
    const auto finish = [&](std::size_t end) -> Fault {
        const std::size_t from = boundaryRows.back();
        if (end - from < 2) {
            return AtCell(
                BoundariesTable, from, "Boundary",
                "Boundary " + std::to_string(boundaryRows.size()) + " needs at least two points.");
        }
        return std::nullopt;
    };
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const double number = Cell(rows, r, 0, locale);
        const std::size_t current = boundaryRows.size();
        if (number == static_cast<double>(current)) {
            if (r - boundaryRows.back() == kMaxLinePoints) {
                return AtCell(
                    BoundariesTable, r, "Boundary",
                    "A boundary takes at most " + std::to_string(kMaxLinePoints) + " points.");
            }
            continue;
        }
        if (number != static_cast<double>(current + 1)) {
            return AtCell(BoundariesTable, r, "Boundary",
                          "The boundaries must be numbered 1, 2, 3 and so on from the first "
                          "row, each one's rows together: here " +
                              (current == 0 ? std::string("1")
                                            : std::to_string(current) + " or " +
                                                  std::to_string(current + 1)) +
                              " is expected.");
        }
        if (current + 1 > boundaryCount) {
            return AtCell(BoundariesTable, r, "Boundary",
                          "There is no layer under boundary " + std::to_string(current + 1) +
                              ": Layers has " + std::to_string(layers.rows.size()) +
                              (layers.rows.size() == 1 ? " row." : " rows."));
        }
        if (current > 0) {
            if (Fault fault = finish(r)) {
                return fault;
            }
        }
        boundaryRows.push_back(r);
    }
    if (!boundaryRows.empty()) {
        if (Fault fault = finish(rows.size())) {
            return fault;
        }
    }
    if (boundaryRows.size() < boundaryCount) {
        return AtCell(LayersTable, boundaryRows.size() + 1, "Soil",
                      "The layer has no boundary: no row of Boundaries is numbered " +
                          std::to_string(boundaryRows.size() + 1) + ".");
    }
    section.layers.push_back({std::string(Trimmed(layers.rows[0][0])),
                              Points(ground.rows, 0, 0, ground.rows.size(), locale)});
    for (std::size_t k = 0; k < boundaryRows.size(); ++k) {
        const std::size_t end = k + 1 < boundaryRows.size() ? boundaryRows[k + 1] : rows.size();
        section.layers.push_back({std::string(Trimmed(layers.rows[k + 1][0])),
                                  Points(rows, 1, boundaryRows[k], end, locale)});
    }
    return std::nullopt;
}

Fault ReadLoads(const FieldTexts& fields, const NumberLocale& locale, Section& section) {
    if (section.water.model == WaterModel::PiezometricLine) {
        CheckedTable line = ReadTable(fields, PiezometricTable, locale);
        if (line.fault) {
            return line.fault;
        }
        if (line.rows.size() < 2) {
            return AtField(PiezometricTable, "needs at least 2 rows");
        }
        section.water.piezometricLine = Points(line.rows, 0, 0, line.rows.size(), locale);
    }
    CheckedTable pressures = ReadTable(fields, PressuresTable, locale);
    if (pressures.fault) {
        return pressures.fault;
    }
    for (std::size_t r = 0; r < pressures.rows.size(); ++r) {
        section.pressures.push_back({Cell(pressures.rows, r, 0, locale),
                                     Cell(pressures.rows, r, 1, locale),
                                     Cell(pressures.rows, r, 2, locale)});
    }
    CheckedTable loads = ReadTable(fields, LineLoadsTable, locale);
    if (loads.fault) {
        return loads.fault;
    }
    for (std::size_t r = 0; r < loads.rows.size(); ++r) {
        section.lineLoads.push_back({Cell(loads.rows, r, 0, locale), Cell(loads.rows, r, 1, locale),
                                     Cell(loads.rows, r, 2, locale)});
    }
    return std::nullopt;
}

// ---- The given polyline surface.

// The moment point: both fields or neither.
Fault ReadMomentPoint(const FieldTexts& fields, const NumberLocale& locale,
                      std::optional<SectionPoint>& point) {
    constexpr std::array<int, 2> kPoint{MomentPointX, MomentPointY};
    if (std::all_of(kPoint.begin(), kPoint.end(),
                    [&](int field) { return Trimmed(fields.text(field)).empty(); })) {
        return std::nullopt;
    }
    std::array<double, 2> values{};
    for (std::size_t i = 0; i < kPoint.size(); ++i) {
        if (Trimmed(fields.text(kPoint[i])).empty()) {
            return AtField(kPoint[i],
                           "Give the moment point's x and y, or leave both empty for the centre "
                           "of the circle through the surface's ends and its lowest point.");
        }
        if (Fault fault = ReadNumber(fields, kPoint[i], locale, values[i])) {
            return fault;
        }
    }
    point = SectionPoint{values[0], values[1]};
    return std::nullopt;
}

// The table's points, x increasing, with the moment point; nothing where the table is empty.
Fault ReadGivenPolyline(const FieldTexts& fields, const NumberLocale& locale,
                        const PlainValues& plain, std::optional<PolylineSurface>& polyline) {
    CheckedTable table = ReadTable(fields, GivenSurfaceTable, locale);
    if (table.fault) {
        return table.fault;
    }
    if (table.rows.empty()) {
        return std::nullopt;
    }
    if (plain.givenCircle) {
        return AtField(GivenSurfaceTable,
                       "Give either a circle or a polyline surface, not both: leave the circle's "
                       "fields or this table empty.");
    }
    if (table.rows.size() < 2) {
        return AtField(GivenSurfaceTable, "needs at least 2 rows");
    }
    PolylineSurface surface;
    surface.points = Points(table.rows, 0, 0, table.rows.size(), locale);
    for (std::size_t r = 1; r < surface.points.size(); ++r) {
        if (!(surface.points[r].x > surface.points[r - 1].x)) {
            return AtCell(GivenSurfaceTable, r, "x", "x must be greater than in the row above.");
        }
    }
    if (Fault fault = ReadMomentPoint(fields, locale, surface.momentPoint)) {
        return fault;
    }
    polyline = std::move(surface);
    return std::nullopt;
}

// A polyline whose ends lie on or above the ground and which cuts one sliding mass from it.
Fault CheckGivenPolyline(const Section& section, const PolylineSurface& polyline) {
    const PreparedSection prepared(section);
    const std::vector<SectionPoint>& points = polyline.points;
    switch (LocatePolyline(prepared, points).status) {
        case SurfaceStatus::EndsBelowGround: {
            const Polyline& ground = prepared.frame(false).ground();
            // The end deeper under the ground.
            const bool first = ground.Level(points.front().x) - points.front().y >=
                               ground.Level(points.back().x) - points.back().y;
            return AtCell(GivenSurfaceTable, first ? 0 : points.size() - 1, "y",
                          "The surface must end on or above the ground, so that it cuts the "
                          "ground at both ends.");
        }
        case SurfaceStatus::MissesGround:
            return AtField(GivenSurfaceTable, "The surface passes nowhere under the ground.");
        case SurfaceStatus::SeveralMasses:
            return AtField(GivenSurfaceTable,
                           "The ground leaves the surface and comes back: the surface cuts two "
                           "sliding masses, not one.");
        default:
            return std::nullopt;
    }
}

// ---- The section's own checks, told in the inputs' tables.

SectionInputFault Translated(const SectionFault& fault, const Section& section,
                             const BoundaryRows& boundaryRows) {
    const auto cell = [&](int field, int row, std::string column) {
        return SectionInputFault{field, std::string(LabelOf(field)), row, std::move(column),
                                 fault.message};
    };
    const auto plain = [&](int field) { return cell(field, 0, {}); };
    if (fault.table == "Soils") {
        std::string column = fault.column;
        for (const auto& [from, to] :
             {std::pair{"c", "c mean"}, {"φ", "φ mean"}, {"γ", "γ mean"}}) {
            if (column == from) {
                column = to;
            }
        }
        return cell(SoilsTable, fault.row, column);
    }
    if (fault.table == "Layers") {
        return cell(LayersTable, fault.row, "Soil");
    }
    if (fault.table == LayerPointsTable(0)) {
        return cell(GroundTable, fault.row, fault.column);
    }
    for (std::size_t k = 1; k < section.layers.size(); ++k) {
        if (fault.table == LayerPointsTable(k)) {
            return cell(BoundariesTable, static_cast<int>(boundaryRows[k - 1]) + fault.row,
                        fault.column);
        }
    }
    if (fault.table == "Piezometric line") {
        return cell(PiezometricTable, fault.row, fault.column);
    }
    if (fault.table == "Pressures") {
        return cell(PressuresTable, fault.row, fault.column);
    }
    if (fault.table == "Line loads") {
        return cell(LineLoadsTable, fault.row, fault.column);
    }
    if (fault.table == "Water") {
        return plain(WaterUnitWeight);
    }
    if (fault.table == "Earthquake") {
        return plain(fault.column == "kv" ? VerticalSeismic : HorizontalSeismic);
    }
    if (fault.table == "Tension crack") {
        return plain(fault.column == "Depth" ? CrackDepth : CrackWaterFill);
    }
    return {0, fault.table, fault.row, fault.column, fault.message};
}

}  // namespace

std::string SectionInputFault::Text() const {
    std::string where = table;
    if (row > 0) {
        where += ", row " + std::to_string(row);
    }
    if (!column.empty()) {
        where += ", " + column;
    }
    return where + ": " + message;
}

SectionRead ReadSectionInputs(const FieldTexts& fields, const NumberLocale& locale) {
    SectionInputs inputs;
    PlainValues plain;
    Section& section = inputs.section;
    BoundaryRows boundaryRows;
    Fault fault = ReadPlainFields(fields, locale, plain, section);
    if (!fault) {
        fault = ReadSoils(fields, locale, inputs);
    }
    if (!fault) {
        fault = ReadLayers(fields, locale, section, boundaryRows);
    }
    if (!fault) {
        fault = ReadLoads(fields, locale, section);
    }
    std::optional<PolylineSurface> polyline;
    if (!fault) {
        fault = ReadGivenPolyline(fields, locale, plain, polyline);
    }
    if (!fault) {
        if (const std::optional<SectionFault> impossible = CheckSection(section)) {
            fault = Translated(*impossible, section, boundaryRows);
        }
    }
    if (!fault && polyline) {
        fault = CheckGivenPolyline(section, *polyline);
    }
    if (fault) {
        return *std::move(fault);
    }
    inputs.sliceCount = plain.sliceCount;
    inputs.methods = std::move(plain.methods);
    inputs.givenCircle = plain.givenCircle;
    inputs.givenPolyline = std::move(polyline);
    return inputs;
}

TrialSampler SoilSampler(const SectionInputs& inputs, const SamplingChoices& choices, int trials,
                         UniformSequence& uniforms) {
    std::vector<SampledParameter> parameters;
    parameters.reserve(inputs.uncertain.size());
    for (const SoilUncertainInput& input : inputs.uncertain) {
        parameters.push_back({input.key, input.mean, input.sd, choices.of(input.key)});
    }
    const auto place = [&](std::string_view key) -> std::optional<std::size_t> {
        for (std::size_t i = 0; i < inputs.uncertain.size(); ++i) {
            if (inputs.uncertain[i].key == key) {
                return i;
            }
        }
        return std::nullopt;
    };
    std::optional<CorrelatedPair> pair;
    if (!choices.correlatedFirst.empty()) {
        const auto first = place(choices.correlatedFirst);
        const auto second = place(choices.correlatedSecond);
        if (first && second) {
            pair = CorrelatedPair{*first, *second, choices.correlation};
        }
    } else if (!inputs.correlated.empty()) {
        pair = CorrelatedPair{inputs.correlated.front().first, inputs.correlated.front().second,
                              choices.correlation};
    }
    return TrialSampler(std::move(parameters), pair, choices.method, trials, uniforms);
}

TableSampledInputs SoilSampledInputs(const FieldTexts& fields) {
    TableSampledInputs sampled;
    const std::optional<TableRows> rows = ParseTableText(fields.text(SoilsTable));
    if (!rows) {
        return sampled;
    }
    for (const std::vector<std::string>& row : *rows) {
        const std::optional<SoilModel> model =
            row.size() > Model ? ModelOf(row[Model]) : std::nullopt;
        if (!model || *model == SoilModel::Impenetrable) {
            continue;
        }
        const std::string name(Trimmed(row[Name]));
        const auto add = [&](const char* key, const char* label, SoilColumn mean) {
            sampled.keys.push_back(name + key);
            sampled.labels.push_back(name + label);
            sampled.units.emplace_back(kSoilColumns[mean].unit);
        };
        add(".cohesion", ": c", CMean);
        if (*model == SoilModel::MohrCoulomb) {
            add(".friction_angle", ": φ", PhiMean);
            sampled.pairs.emplace_back(sampled.keys.size() - 2, sampled.keys.size() - 1);
        }
        add(".unit_weight", ": γ", GammaMean);
    }
    return sampled;
}

void ApplyDraws(std::span<const SoilUncertainInput> inputs, std::span<const double> values,
                Section& section) {
    for (std::size_t i = 0; i < inputs.size() && i < values.size(); ++i) {
        Soil& soil = section.soils[inputs[i].soil];
        switch (inputs[i].parameter) {
            case SoilParameter::Cohesion:
                soil.cohesion = values[i];
                break;
            case SoilParameter::FrictionAngle:
                soil.frictionAngle = values[i];
                break;
            case SoilParameter::UnitWeight:
                soil.unitWeight = values[i];
                break;
        }
    }
}

}  // namespace vardolin::section

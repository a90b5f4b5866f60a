// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "TestSupport.h"
#include "analysis/KeptTables.h"
#include "fields/FieldTextMap.h"
#include "slope_section/PreparedSection.h"
#include "slope_section/SectionInputReader.h"
#include "slope_section/SectionKeptTables.h"
#include "slope_section/SectionTrialInputs.h"
#include "slope_section/SurfaceEvaluation.h"
#include "slope_section/drawing/SectionDiagram.h"

// Colours by their names in failure messages.
void PrintTo(const QColor& colour, std::ostream* out) {
    *out << colour.name().toStdString();
}

namespace vardolin::section {
namespace {

using testing_support::RowName;

// The picture is larger than the diagram's area, filled first with a colour the diagram never
// uses, so that anything drawn outside the area shows.
const QRgb kUntouched = qRgb(255, 0, 255);
const QRectF kArea(20, 20, 600, 400);

QImage Paint(const FieldTexts& texts, KeptTables& kept, QSize size = {640, 440},
             QRectF area = kArea) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kUntouched);
    QPainter painter(&image);
    DrawSectionDiagram(painter, area, texts, {}, UnitSystem::SiKilopascal, kept);
    return image;
}

bool UntouchedOutsideArea(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!kArea.contains(QPointF(x + 0.5, y + 0.5)) && image.pixel(x, y) != kUntouched) {
                return false;
            }
        }
    }
    return true;
}

FieldTextMap DefaultSection() {
    return DefaultTexts(examples::kSectionInputsOnly);
}

// Clay over sand under a 2:1 face, the piezometric line ponding in front of the toe.
FieldTextMap TwoSoils() {
    FieldTextMap texts = DefaultSection();
    texts.setText(SoilsTable, R"([["Clay","Mohr-Coulomb","10","2","25","3","19","0.5","0"],)"
                              R"(["Sand","Mohr-Coulomb","0","0","35","3","20","0.5","0"]])");
    texts.setText(LayersTable, R"([["Clay"],["Sand"]])");
    texts.setText(BoundariesTable, R"([["1","0","12"],["1","60","6"]])");
    texts.setText(WaterModelField, "piezometric");
    texts.setText(PiezometricTable, R"([["0","18"],["30","13"],["45","12"],["60","12"]])");
    return texts;
}

// The two soils with every load, for the picture a reader looks at.
FieldTextMap LoadedTwoSoils() {
    FieldTextMap texts = TwoSoils();
    texts.setText(PressuresTable, R"([["3","14","20"]])");
    texts.setText(LineLoadsTable, R"([["52","40","60"]])");
    texts.setText(HorizontalSeismic, "0.15");
    return texts;
}

struct Probe {
    double x;
    double y;
    QColor colour;
};

struct PaintRow {
    std::string name;
    std::function<FieldTextMap()> texts;
    std::vector<Probe> probes;
};

std::ostream& operator<<(std::ostream& out, const PaintRow& row) {
    return out << row.name;
}

class SectionPaint : public testing::TestWithParam<PaintRow> {};

TEST_P(SectionPaint, FillsEachLayerAndThePondedWaterWithinItsArea) {
    const PaintRow& row = GetParam();
    const FieldTextMap texts = row.texts();
    KeptTables kept;
    const QImage image = Paint(texts, kept);
    for (const Probe& probe : row.probes) {
        const QPointF at = SectionDiagramPoint(kArea, texts, {}, kept, probe.x, probe.y);
        EXPECT_EQ(QColor(image.pixel(at.toPoint())), probe.colour)
            << "at (" << probe.x << ", " << probe.y << ")";
    }
    EXPECT_TRUE(UntouchedOutsideArea(image));
}

INSTANTIATE_TEST_SUITE_P(Sections, SectionPaint,
                         testing::Values(PaintRow{"DefaultSection",
                                                  DefaultSection,
                                                  {{10, 15, SectionSoilColour(0)},
                                                   {50, 7, SectionSoilColour(0)}}},
                                         PaintRow{"TwoSoilsWithPondedWater",
                                                  TwoSoils,
                                                  {{5, 16, SectionSoilColour(0)},
                                                   {30, 10.5, SectionSoilColour(0)},
                                                   {50, 3, SectionSoilColour(1)},
                                                   {10, 8, SectionSoilColour(1)},
                                                   {52, 11, PondedWaterColour()},
                                                   {10, 24, QColor(Qt::white)}}}),
                         RowName{});

// Texts the reader refuses, or a section beyond what a picture can hold: the diagram shows a
// message in the middle of its area and no soil, and its tooltip is empty.
struct RefusedRow {
    std::string name;
    int field;
    std::string text;
};

std::ostream& operator<<(std::ostream& out, const RefusedRow& row) {
    return out << row.name;
}

class RefusedSection : public testing::TestWithParam<RefusedRow> {};

TEST_P(RefusedSection, DrawsAMessageInTheMiddleAndNoSection) {
    FieldTextMap texts = DefaultSection();
    texts.setText(GetParam().field, GetParam().text);
    KeptTables kept;
    const QImage image = Paint(texts, kept);
    QRect drawn;
    bool soil = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            soil = soil || QColor(pixel) == SectionSoilColour(0);
            if (pixel != kUntouched && pixel != qRgb(255, 255, 255)) {
                drawn |= QRect(x, y, 1, 1);
            }
        }
    }
    EXPECT_FALSE(soil);
    ASSERT_FALSE(drawn.isEmpty()) << "no message";
    EXPECT_NEAR(drawn.center().x(), kArea.center().x(), 0.1 * kArea.width());
    EXPECT_NEAR(drawn.center().y(), kArea.center().y(), 0.1 * kArea.height());
    EXPECT_TRUE(UntouchedOutsideArea(image));
    EXPECT_TRUE(DescribeSectionDiagramPoint(kArea, kArea.center(), texts, {},
                                            UnitSystem::SiKilopascal, kept)
                    .isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Texts, RefusedSection,
                         testing::Values(RefusedRow{"EmptyGround", GroundTable, ""},
                                         RefusedRow{"NoSoils", SoilsTable, "[]"},
                                         RefusedRow{"GroundNotANumber", GroundTable,
                                                    R"([["0","nan"],["10","0"]])"},
                                         RefusedRow{"UnknownMethod", Methods, "bishop, guesswork"},
                                         RefusedRow{"GroundWiderThanDoubles", GroundTable,
                                                    R"([["-1.7e308","0"],["1.7e308","0"]])"}),
                         RowName{});

TEST(SectionDiagram, DrawsASectionOfHugeCoordinatesToScale) {
    FieldTextMap texts = DefaultSection();
    texts.setText(GroundTable, R"([["-1e300","1e300"],["0","0"],["1e300","0"]])");
    KeptTables kept;
    const QImage image = Paint(texts, kept);
    const QPointF inside = SectionDiagramPoint(kArea, texts, {}, kept, 0.5e300, -0.1e300);
    EXPECT_EQ(QColor(image.pixel(inside.toPoint())), SectionSoilColour(0));
    EXPECT_TRUE(UntouchedOutsideArea(image));
}

TEST(SectionDiagram, AnAreaTooSmallForItsLegendOrItsPlotDrawsNothingOutsideIt) {
    for (const QRectF small : {QRectF(20, 20, 220, 80), QRectF(20, 20, 30, 20)}) {
        KeptTables kept;
        const QImage image = Paint(LoadedTwoSoils(), kept, {640, 440}, small);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (!small.contains(QPointF(x + 0.5, y + 0.5))) {
                    ASSERT_EQ(image.pixel(x, y), kUntouched)
                        << small.width() << " wide, at " << x << ", " << y;
                }
            }
        }
    }
}

// What a run of the two soils keeps for the circle centred at (32, 32) with radius 24, built
// here from the circle's own evaluation by Bishop's and Spencer's methods, with a grid of six
// centres a side and three of its lowest circles.
const CircleSurface kCritical{32, 32, 24};

SectionKeptTables KeptRun(const FieldTexts& texts) {
    SectionKeptTables kept;
    SectionRead read = ReadSectionInputs(texts, {});
    if (const auto* fault = std::get_if<SectionInputFault>(&read)) {
        ADD_FAILURE() << fault->Text();
        return kept;
    }
    const PreparedSection prepared(std::get<SectionInputs>(read).section);
    SurfaceEvaluator evaluator(prepared);
    const EvaluationRequest request{
        MethodBit(SectionMethod::Bishop) | MethodBit(SectionMethod::Spencer), 20, true};
    const SurfaceEvaluation& evaluation = evaluator.EvaluateCircle(kCritical, request);
    EXPECT_EQ(evaluation.status, SurfaceStatus::Valid);
    kept.hasSurface = true;
    kept.searched = true;
    kept.grid = {.xFrom = 26, .xTo = 46, .yFrom = 26, .yTo = 40, .centresPerSide = 6};
    kept.critical = kCritical;
    kept.located = evaluation.located;
    kept.momentPoint = evaluation.momentPoint;
    for (const SectionMethod method : {SectionMethod::Bishop, SectionMethod::Spencer}) {
        kept.methods.push_back({method, evaluation.result(method), evaluation.rows(method)});
    }
    const double factor = evaluation.result(SectionMethod::Bishop).factor;
    kept.lowest = {
        {kCritical, factor}, {{34, 32, 25}, factor + 0.05}, {{30, 36, 27}, factor + 0.12}};
    return kept;
}

TEST(SectionDiagram, AfterARunDrawsTheGridAndTheCriticalSurfaceOverTheSoils) {
    const FieldTextMap texts = LoadedTwoSoils();
    KeptTables kept;
    kept.Of<SectionKeptTables>() = KeptRun(texts);
    ASSERT_EQ(kept.Of<SectionKeptTables>().methods.front().rows.size(), 20U);
    const QImage image = Paint(texts, kept);
    const auto pixel = [&](double x, double y) {
        return QColor(image.pixel(SectionDiagramPoint(kArea, texts, {}, kept, x, y).toPoint()));
    };
    const QColor bottom = pixel(kCritical.centreX, kCritical.centreY - kCritical.radius);
    EXPECT_GT(bottom.red(), 100) << "the critical surface is drawn red";
    EXPECT_LT(bottom.green(), 60);
    EXPECT_LT(bottom.blue(), 60);
    EXPECT_NE(pixel(26, 26), QColor(Qt::white)) << "a centre of the grid";
    EXPECT_EQ(pixel(5, 16), SectionSoilColour(0)) << "beyond the sliding mass";
    EXPECT_TRUE(UntouchedOutsideArea(image));
    // For a reader to look at: VARDOLIN_DIAGRAM_PNG=/tmp/section.png.
    if (const char* path = std::getenv("VARDOLIN_DIAGRAM_PNG")) {
        Paint(texts, kept, {900, 560}, QRectF(0, 0, 900, 560)).save(QString::fromUtf8(path));
    }
}

// The overall slope's failed surfaces are drawn thin and translucent: the soil shows through.
TEST(SectionDiagram, DrawsTheFailedTrialsSurfacesTranslucent) {
    const FieldTextMap texts = LoadedTwoSoils();
    KeptTables kept;
    SectionKeptTables& run = kept.Of<SectionKeptTables>() = KeptRun(texts);
    const CircleSurface failed{kCritical.centreX, kCritical.centreY, kCritical.radius + 1.0};
    const auto bottom = [&] {
        const QImage image = Paint(texts, kept);
        return QColor(image.pixel(SectionDiagramPoint(kArea, texts, {}, kept, failed.centreX,
                                                      failed.centreY - failed.radius)
                                      .toPoint()));
    };
    const QColor before = bottom();
    run.failedSurfaces = {failed};
    const QColor after = bottom();
    EXPECT_NE(after, before) << "the surface is drawn";
    EXPECT_GT(after.red(), after.blue()) << "in its orange";
    EXPECT_GT(after.blue(), 40) << "over the soil's colour, which shows through";
}

TEST(SectionDiagram, AnEntryExitSearchMarksItsRangesOnTheGround) {
    const FieldTextMap texts = TwoSoils();
    KeptTables kept;
    SectionKeptTables& run = kept.Of<SectionKeptTables>() = KeptRun(texts);
    run.entryExit = {.use = true, .entryFrom = 4, .entryTo = 14, .exitFrom = 36, .exitTo = 48};
    const QImage image = Paint(texts, kept);
    const auto pixel = [&](double x, double y) {
        return QColor(image.pixel(SectionDiagramPoint(kArea, texts, {}, kept, x, y).toPoint()));
    };
    const QColor entry = pixel(9, 20);
    const QColor exit = pixel(46, 10);
    EXPECT_NE(entry, exit);
    for (const QColor& range : {entry, exit}) {
        EXPECT_NE(range, SectionSoilColour(0));
        EXPECT_NE(range, QColor(Qt::white));
        EXPECT_NE(range, PondedWaterColour());
    }
    EXPECT_EQ(pixel(26, 26), QColor(Qt::white)) << "no grid";
}

TEST(SectionDiagram, ARunOfFarLargerCirclesDrawsWithinItsArea) {
    const FieldTextMap texts = TwoSoils();
    KeptTables kept;
    SectionKeptTables& run = kept.Of<SectionKeptTables>() = KeptRun(texts);
    run.lowest.push_back({{30, 1e300, 1e300}, 2.0});
    run.lowest.push_back({{30, 40, std::numeric_limits<double>::quiet_NaN()}, 2.0});
    const QImage image = Paint(texts, kept);
    EXPECT_TRUE(UntouchedOutsideArea(image));
    EXPECT_FALSE(DescribeSectionDiagramPoint(kArea, kArea.center(), texts, {},
                                             UnitSystem::SiKilopascal, kept)
                     .isEmpty());
}

// Pixels of the lower arc of kCritical around its lowest point, drawn red: none before a run
// unless the circle is given to check.
int RedPixelsAlongTheCriticalArc(const FieldTextMap& texts) {
    KeptTables kept;
    const QImage image = Paint(texts, kept);
    int red = 0;
    for (double x = 28; x <= 36; x += 0.25) {
        const double dx = x - kCritical.centreX;
        const double y =
            kCritical.centreY - std::sqrt(kCritical.radius * kCritical.radius - dx * dx);
        const QColor pixel(
            image.pixel(SectionDiagramPoint(kArea, texts, {}, kept, x, y).toPoint()));
        red += pixel.red() > 100 && pixel.green() < 60 && pixel.blue() < 60 ? 1 : 0;
    }
    return red;
}

TEST(SectionDiagram, BeforeARunDrawsTheCircleGivenToCheck) {
    FieldTextMap texts = TwoSoils();
    EXPECT_EQ(RedPixelsAlongTheCriticalArc(texts), 0);
    texts.setText(GivenCentreX, "32");
    texts.setText(GivenCentreY, "32");
    texts.setText(GivenRadius, "24");
    EXPECT_GT(RedPixelsAlongTheCriticalArc(texts), 10);
}

// A given polyline is drawn dashed before a run, and with its slices after one: the pointer
// tells a slice's figures, and its points are taken as the ground's are.
TEST(SectionDiagram, DrawsTheGivenPolylineAndItsSlicesAndTakesItsPoints) {
    FieldTextMap texts = TwoSoils();
    texts.setText(GivenSurfaceTable, R"([["10","20"],["25","10"],["40","9"],["50","10"]])");
    KeptTables kept;
    // The red pixels along the piece from (25, 10) to (40, 9).
    const auto red = [&](const QImage& image) {
        int count = 0;
        for (int i = 1; i < 30; ++i) {
            const double x = 25.0 + 15.0 * i / 30.0;
            const QColor pixel(
                image.pixel(SectionDiagramPoint(kArea, texts, {}, kept, x, 10.0 - (x - 25.0) / 15.0)
                                .toPoint()));
            count += pixel.red() > 100 && pixel.green() < 60 && pixel.blue() < 60 ? 1 : 0;
        }
        return count;
    };
    EXPECT_GT(red(Paint(texts, kept)), 10) << "before a run";

    const SectionInputs inputs = std::get<SectionInputs>(ReadSectionInputs(texts, {}));
    const PreparedSection prepared(inputs.section);
    SurfaceEvaluator evaluator(prepared);
    const SurfaceEvaluation& evaluation = evaluator.EvaluatePolyline(
        inputs.givenPolyline->points, std::nullopt, {MethodBit(SectionMethod::Spencer), 20, true});
    ASSERT_EQ(evaluation.status, SurfaceStatus::Valid);
    auto& run = kept.Of<SectionKeptTables>();
    run.hasSurface = true;
    run.polyline = inputs.givenPolyline->points;
    run.located = evaluation.located;
    run.momentPoint = evaluation.momentPoint;
    run.methods.push_back({SectionMethod::Spencer, evaluation.result(SectionMethod::Spencer),
                           evaluation.rows(SectionMethod::Spencer)});
    const QImage image = Paint(texts, kept);
    EXPECT_GT(red(image), 25) << "after a run";
    EXPECT_TRUE(UntouchedOutsideArea(image));
    const QPointF inside = SectionDiagramPoint(kArea, texts, {}, kept, 30, 12);
    EXPECT_NE(DescribeSectionDiagramPoint(kArea, inside, texts, {}, UnitSystem::SiKilopascal, kept)
                  .toStdString()
                  .find("Slice "),
              std::string::npos);

    const QPointF point = SectionDiagramPoint(kArea, texts, {}, kept, 25, 10);
    const std::optional<SectionVertex> vertex =
        SectionVertexAt(kArea, point + QPointF(1, 1), texts, {}, kept, 6);
    ASSERT_TRUE(vertex.has_value());
    EXPECT_EQ(vertex->field, GivenSurfaceTable);
    EXPECT_EQ(vertex->row, 1);
}

struct DescribeRow {
    std::string name;
    double x;
    double y;
    bool afterRun;
    std::vector<std::string> says;
    std::vector<std::string> saysNot;
    UnitSystem units = UnitSystem::SiKilopascal;
};

std::ostream& operator<<(std::ostream& out, const DescribeRow& row) {
    return out << row.name;
}

class DescribePoint : public testing::TestWithParam<DescribeRow> {};

TEST_P(DescribePoint, NamesWhatLiesThere) {
    const DescribeRow& row = GetParam();
    const FieldTextMap texts = TwoSoils();
    KeptTables kept;
    if (row.afterRun) {
        kept.Of<SectionKeptTables>() = KeptRun(texts);
    }
    const QPointF at = SectionDiagramPoint(kArea, texts, {}, kept, row.x, row.y);
    const std::string text =
        DescribeSectionDiagramPoint(kArea, at, texts, {}, row.units, kept).toStdString();
    for (const std::string& part : row.says) {
        EXPECT_NE(text.find(part), std::string::npos) << part << " in: " << text;
    }
    for (const std::string& part : row.saysNot) {
        EXPECT_EQ(text.find(part), std::string::npos) << part << " in: " << text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Points, DescribePoint,
    testing::Values(
        DescribeRow{"UpperSoil", 5, 16, false, {"x = 5", "y = 16", "Soil: Clay"}, {"Sand"}},
        DescribeRow{"CoordinatesInTheModelsUnits",
                    5,
                    16,
                    false,
                    {"x = 5", " ft, y = 16"},
                    {" m"},
                    UnitSystem::UsCustomary},
        DescribeRow{"LowerSoil", 50, 3, false, {"Soil: Sand"}, {"Clay", "Slice"}},
        DescribeRow{"PondedWater", 52, 11, false, {"Ponded water"}, {"Soil"}},
        DescribeRow{"Air", 10, 24, false, {"x = 10"}, {"Soil", "Ponded"}},
        DescribeRow{
            "SliceOfTheCriticalSurface",
            32,
            9,
            true,
            {"Soil: Clay", "Slice 14 ", "of 20 (Bishop simplified)", "m, weight", "kN/m", "N "},
            {}},
        DescribeRow{"BeyondTheSlidingMass", 5, 16, true, {"Soil: Clay"}, {"Slice"}}),
    RowName{});

TEST(SectionDiagram, DescribesNothingOffThePlot) {
    KeptTables kept;
    EXPECT_TRUE(DescribeSectionDiagramPoint(kArea, QPointF(2, 2), TwoSoils(), {},
                                            UnitSystem::SiKilopascal, kept)
                    .isEmpty());
}

// A point of each line is taken within a few pixels of where the diagram draws it, and the
// picture's pixels map back to the section's coordinates; off every point nothing is taken.
struct VertexRow {
    std::string name;
    double x;
    double y;
    int field;  // 0: none within reach
    int row;
};

std::ostream& operator<<(std::ostream& out, const VertexRow& row) {
    return out << row.name;
}

class VertexAt : public testing::TestWithParam<VertexRow> {};

TEST_P(VertexAt, TakesThePointDrawnNearestAndMapsThePictureBack) {
    const VertexRow& row = GetParam();
    const FieldTextMap texts = TwoSoils();
    KeptTables kept;
    const QPointF drawn = SectionDiagramPoint(kArea, texts, {}, kept, row.x, row.y);
    const QPointF near = drawn + QPointF(3, -3);
    const std::optional<SectionVertex> vertex = SectionVertexAt(kArea, near, texts, {}, kept, 6);
    if (row.field == 0) {
        EXPECT_FALSE(vertex.has_value());
        return;
    }
    ASSERT_TRUE(vertex.has_value());
    EXPECT_EQ(vertex->field, row.field);
    EXPECT_EQ(vertex->row, row.row);
    EXPECT_EQ(vertex->x, row.x);
    EXPECT_EQ(vertex->y, row.y);
    EXPECT_EQ(vertex->decimals, 1);  // about 6.7 pixels a metre
    const QPointF back = vertex->toSection.map(drawn);
    EXPECT_NEAR(back.x(), row.x, 1e-9);
    EXPECT_NEAR(back.y(), row.y, 1e-9);
    const QPointF travel = vertex->toSection.map(near) - back;
    EXPECT_GT(travel.x(), 0.0);
    EXPECT_GT(travel.y(), 0.0);  // up the picture is up the section
}

INSTANTIATE_TEST_SUITE_P(Points, VertexAt,
                         testing::Values(VertexRow{"GroundAtTheToe", 40, 10, GroundTable, 2},
                                         VertexRow{"SecondBoundaryPoint", 60, 6, BoundariesTable,
                                                   1},
                                         VertexRow{"PiezometricPoint", 30, 13, PiezometricTable, 1},
                                         VertexRow{"WithinASoil", 10, 16, 0, 0}),
                         RowName{});

// A moved point's row, as the table holds it after the move.
struct MoveRow {
    std::string name;
    int field;
    int row;
    double x;
    double y;
    std::string table;  // empty: no move
    NumberLocale locale = {};
};

std::ostream& operator<<(std::ostream& out, const MoveRow& row) {
    return out << row.name;
}

class MoveVertex : public testing::TestWithParam<MoveRow> {};

TEST_P(MoveVertex, WritesTheRowRoundedAndKeepsTheSectionReadable) {
    const MoveRow& row = GetParam();
    FieldTextMap texts = TwoSoils();
    if (row.locale.decimalSeparator == ",") {
        texts.setText(SoilsTable, R"([["Clay","Mohr-Coulomb","10","2","25","3","19","0,5","0"],)"
                                  R"(["Sand","Mohr-Coulomb","0","0","35","3","20","0,5","0"]])");
    }
    SectionVertex vertex;
    vertex.field = row.field;
    vertex.row = row.row;
    vertex.decimals = 1;
    const std::optional<std::string> moved =
        MoveSectionVertex(vertex, row.x, row.y, texts, row.locale);
    if (row.table.empty()) {
        EXPECT_FALSE(moved.has_value()) << *moved;
    } else {
        EXPECT_EQ(moved.value_or("(none)"), row.table);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MoveVertex,
    testing::Values(MoveRow{"GroundPoint", GroundTable, 2, 38.04, 11.26,
                            R"([["0","20"],["20","20"],["38","11.3"],["60","10"]])"},
                    MoveRow{"InTheUsersDecimalSeparator", GroundTable, 2, 38.04, 11.26,
                            R"([["0","20"],["20","20"],["38","11,3"],["60","10"]])",
                            NumberLocale{","}},
                    MoveRow{"PastTheNextPointClamps", GroundTable, 2, 75, 10.02,
                            R"([["0","20"],["20","20"],["59.9","10"],["60","10"]])"},
                    MoveRow{"PastThePreviousPointClamps", GroundTable, 1, -5, 20,
                            R"([["0","20"],["0.1","20"],["40","10"],["60","10"]])"},
                    MoveRow{"LessThanAPixelKeepsTheTypedText", BoundariesTable, 0, 0.04, 11,
                            R"([["1","0","11"],["1","60","6"]])"},
                    MoveRow{"BoundaryAboveTheGroundMovesAlongOnly", BoundariesTable, 1, 55, 15,
                            R"([["1","0","12"],["1","55","6"]])"},
                    MoveRow{"PiezometricLineBeyondTheGroundMovesUpOnly", PiezometricTable, 3, 65,
                            11, R"([["0","18"],["30","13"],["45","12"],["60","11"]])"},
                    MoveRow{"NoRowThere", GroundTable, 7, 10, 10, ""}),
    RowName{});

TEST(SectionDiagram, TakesAndMovesNoPointOfInputsItCannotRead) {
    FieldTextMap texts = TwoSoils();
    texts.setText(LayersTable, R"([["Clay"],["Rock"]])");
    KeptTables kept;
    EXPECT_FALSE(SectionVertexAt(kArea, kArea.center(), texts, {}, kept, 1e6).has_value());
    SectionVertex ground;
    ground.field = GroundTable;
    ground.row = 1;
    EXPECT_FALSE(MoveSectionVertex(ground, 10, 10, texts, {}));
}

}  // namespace
}  // namespace vardolin::section

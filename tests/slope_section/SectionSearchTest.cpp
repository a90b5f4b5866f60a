// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <optional>
#include <ostream>

#include "SectionExamples.h"
#include "TestSupport.h"
#include "slope_section/BishopMethod.h"
#include "slope_section/SectionFace.h"
#include "slope_section/SectionSearch.h"
#include "slope_section/SectionSlicer.h"

namespace vardolin::section {
namespace {

using testing_support::RowName;

struct FaceRow {
    const char* name;
    Section section;
    std::optional<SectionFace> face;
};

void PrintTo(const FaceRow& row, std::ostream* os) {
    *os << row.name;
}

class SectionFaces : public testing::TestWithParam<FaceRow> {};

TEST_P(SectionFaces, TakeTheClosestLowestAndHighestGroundPoints) {
    const FaceRow& row = GetParam();
    const std::optional<SectionFace> face = FaceOf(PreparedSection(row.section));
    ASSERT_EQ(face.has_value(), row.face.has_value());
    if (face) {
        EXPECT_EQ(face->toe.x, row.face->toe.x);
        EXPECT_EQ(face->toe.y, row.face->toe.y);
        EXPECT_EQ(face->crest.x, row.face->crest.x);
        EXPECT_EQ(face->crest.y, row.face->crest.y);
    }
}

Section Level() {
    Section section = examples::FredlundKrahn();
    section.layers = {{"Clay", {{0, 20}, {180, 20}}}};
    return section;
}

INSTANTIATE_TEST_SUITE_P(
    Sections, SectionFaces,
    testing::Values(FaceRow{"FacingRight", examples::FredlundKrahn(),
                            SectionFace{{140, 20}, {60, 60}}},
                    FaceRow{"FacingLeft", examples::Mirrored(examples::FredlundKrahn()),
                            SectionFace{{-140, 20}, {-60, 60}}},
                    FaceRow{"ThreeSoils", examples::ThreeSoils(), SectionFace{{40, 10}, {20, 20}}},
                    FaceRow{"LevelGroundHasNoFace", Level(), std::nullopt}),
    RowName{});

// Fredlund and Krahn's section (SectionExamples.h) and their circle, centre (120, 90), R 80.
constexpr CircleSurface kPublishedCircle{120, 90, 80};
constexpr int kSlices = 50;

Section FredlundKrahnWith(WaterModel water) {
    Section section = examples::FredlundKrahn();
    section.water.model = water;
    if (water == WaterModel::PiezometricLine) {
        section.water.piezometricLine = {{0, 40}, {140, 20}, {180, 20}};
    }
    return section;
}

double BishopOn(const PreparedSection& section, const CircleSurface& circle) {
    SectionSlicer slicer(section);
    SlicedMass mass;
    EXPECT_EQ(slicer.SliceCircle(circle, kSlices, mass), SurfaceStatus::Valid);
    MethodWorkspace workspace;
    const double x = mass.mirrored ? -circle.centreX : circle.centreX;
    return SolveBishop(mass, {x, circle.centreY}, workspace).factor;
}

struct SearchRow {
    const char* name;
    Section section;
    bool entryExit;
    bool mirrored;  // the published circle mirrored with the section
    double pinned;  // this program's critical factor, pinned as the published figures' are
};

SectionSearchSettings SettingsFor(const SearchRow& row, const SectionFace& face, int centres) {
    SectionSearchSettings settings;
    settings.slices = kSlices;
    settings.grid = SectionAutoGrid(face, centres, 10);
    settings.entryExit = SectionAutoEntryExit(face);
    settings.entryExit.use = row.entryExit;
    return settings;
}

void PrintTo(const SearchRow& row, std::ostream* os) {
    *os << row.name;
}

class SectionSearchRows : public testing::TestWithParam<SearchRow> {};

// The search ends no higher than the published circle, and with the same figures on 1, 2 and 7
// threads.
TEST_P(SectionSearchRows, FindsNoHigherThanThePublishedCircleAtAnyThreadCount) {
    const SearchRow& row = GetParam();
    const PreparedSection section(row.section);
    const SectionFace face = *FaceOf(section);
    const SectionSearchSettings settings = SettingsFor(row, face, 10);
    const SectionSearchResult one = FindCriticalSectionCircle(section, settings, 1);
    ASSERT_EQ(one.status, circle_search::SearchStatus::Found);
    CircleSurface published = kPublishedCircle;
    if (row.mirrored) {
        published.centreX = -published.centreX;
    }
    EXPECT_LE(one.method.factor, BishopOn(section, published));
    EXPECT_EQ(one.method.factor, one.criticalFactor);
    EXPECT_NEAR(one.method.factor, row.pinned, 1e-12 * row.pinned);
    for (const int threads : {2, 7}) {
        const SectionSearchResult many = FindCriticalSectionCircle(section, settings, threads);
        EXPECT_EQ(many.method.factor, one.method.factor) << threads << " threads";
        EXPECT_EQ(many.critical.centreX, one.critical.centreX) << threads << " threads";
        EXPECT_EQ(many.critical.centreY, one.critical.centreY) << threads << " threads";
        EXPECT_EQ(many.critical.radius, one.critical.radius) << threads << " threads";
        EXPECT_EQ(many.counts.tried, one.counts.tried) << threads << " threads";
    }
}

// A grid of 2N - 1 centres per side holds the N grid's centres: its factor is never higher.
TEST_P(SectionSearchRows, ADenserGridNeverGivesAHigherFactor) {
    const SearchRow& row = GetParam();
    const PreparedSection section(row.section);
    const SectionFace face = *FaceOf(section);
    const double coarse =
        FindCriticalSectionCircle(section, SettingsFor(row, face, 8), 2).method.factor;
    const double dense =
        FindCriticalSectionCircle(section, SettingsFor(row, face, 15), 2).method.factor;
    EXPECT_LE(dense, coarse * (1 + 1e-5));
}

INSTANTIATE_TEST_SUITE_P(
    FredlundKrahn, SectionSearchRows,
    testing::Values(
        SearchRow{"DryGrid", FredlundKrahnWith(WaterModel::None), false, false, 1.9942795558517432},
        SearchRow{"PiezometricGrid", FredlundKrahnWith(WaterModel::PiezometricLine), false, false,
                  1.7989804537617258},
        SearchRow{"DryEntryExit", FredlundKrahnWith(WaterModel::None), true, false,
                  1.9942795558509538},
        SearchRow{"MirroredGrid", examples::Mirrored(FredlundKrahnWith(WaterModel::None)), false,
                  true, 1.9942795558517434}),
    RowName{});

// A section facing left is searched as its mirror image facing right.
TEST(SectionSearch, AMirroredSectionGivesTheMirroredCircle) {
    const PreparedSection right(FredlundKrahnWith(WaterModel::None));
    const PreparedSection left(examples::Mirrored(FredlundKrahnWith(WaterModel::None)));
    SectionSearchSettings settings;
    settings.slices = kSlices;
    settings.grid = SectionAutoGrid(*FaceOf(right), 10, 10);
    const SectionSearchResult r = FindCriticalSectionCircle(right, settings, 2);
    settings.grid = SectionAutoGrid(*FaceOf(left), 10, 10);
    const SectionSearchResult l = FindCriticalSectionCircle(left, settings, 2);
    EXPECT_NEAR(l.method.factor, r.method.factor, 1e-6 * r.method.factor);
    EXPECT_NEAR(l.critical.centreX, -r.critical.centreX, 1e-3);
    EXPECT_NEAR(l.critical.centreY, r.critical.centreY, 1e-3);
    EXPECT_EQ(l.grid.xFrom, -r.grid.xTo);
    // Each row of centres from the lowest x as drawn, either way the section faces.
    const std::size_t last = 9;
    EXPECT_LT(r.centres[0].centreX, r.centres[last].centreX);
    EXPECT_LT(l.centres[0].centreX, l.centres[last].centreX);
    EXPECT_NEAR(l.centres[0].factor, r.centres[last].factor, 1e-9);
}

}  // namespace
}  // namespace vardolin::section

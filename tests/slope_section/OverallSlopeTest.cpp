// SPDX-License-Identifier: MIT
// The overall slope: each trial's lowest surface, refined from the search's distinct lowest
// surfaces, against a full search of the trial's own section.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "TestSupport.h"
#include "slope_section/SectionSearch.h"
#include "slope_section/SectionTrialInputs.h"
#include "slope_section/SectionTrials.h"

namespace vardolin::section {
namespace {

// The search a run of the section makes at 20 centres a side and 10 radii, widening.
SectionSearchSettings RunSettings(const SectionInputs& inputs, const SectionFace& face) {
    SectionSearchSettings settings;
    settings.grid = SectionAutoGrid(face, 20, 10);
    settings.entryExit = SectionAutoEntryExit(face);
    settings.slices = inputs.sliceCount;
    settings.widen = {true, true, true, true};
    settings.deepen = true;
    return settings;
}

struct OverallRun {
    SectionSearchSettings settings;
    SectionSearchResult search;
    OverallSlopeSearch overall;
};

OverallRun Prepare(const SectionInputs& inputs, int surfaces) {
    OverallRun run;
    const PreparedSection prepared(inputs.section);
    const SectionFace face = *FaceOf(prepared);
    run.settings = RunSettings(inputs, face);
    run.search = FindCriticalSectionCircle(prepared, run.settings, 2);
    run.overall.settings = run.settings;
    run.overall.settings.grid = run.search.grid;
    run.overall.starts = DistinctLowestSurfaces(run.search, face.height(), false, surfaces);
    return run;
}

SectionTrialsOutcome RunOverall(const SectionInputs& inputs, const OverallRun& run, int trials,
                                int threads) {
    UniformSequence uniforms;
    return RunSectionTrials(inputs, {}, run.search.critical, &run.overall, trials,
                            TrialRange{0, trials}, uniforms, threads);
}

SectionInputs DefaultInputs() {
    const SectionRead read =
        ReadSectionInputs(DefaultTexts(examples::kSectionInputsOnly), NumberLocale{"."});
    return std::get<SectionInputs>(read);
}

struct AgreementRow {
    const char* name;
    SectionInputs (*inputs)();
    int trials;
};

void PrintTo(const AgreementRow& row, std::ostream* os) {
    *os << row.name;
}

class OverallSlope : public testing::TestWithParam<AgreementRow> {};

// Every usable trial's overall factor is within 0.1 % of a full search of its own section, and
// never above its factor on the critical surface; so the overall failure percentage is never
// below the surface's.
TEST_P(OverallSlope, FindsEachTrialsMinimumAsAFullSearchDoes) {
    const AgreementRow& row = GetParam();
    const SectionInputs inputs = row.inputs();
    const OverallRun run = Prepare(inputs, 10);
    ASSERT_EQ(run.overall.starts.size(), 10u);
    const SectionTrialsOutcome outcome = RunOverall(inputs, run, row.trials, 2);
    const std::size_t width = inputs.uncertain.size();
    int checked = 0;
    for (std::size_t i = 0; i < outcome.results.size(); ++i) {
        if (outcome.results[i] != TrialResult::Usable) {
            continue;
        }
        EXPECT_LE(outcome.overallFactors[i], outcome.factors[i]) << "trial " << i + 1;
        Section section = inputs.section;
        ApplyDraws(inputs.uncertain, std::span(outcome.drawn).subspan(i * width, width), section);
        const PreparedSection prepared(section);
        const SectionSearchResult full = FindCriticalSectionCircle(prepared, run.settings, 2);
        ASSERT_EQ(full.status, circle_search::SearchStatus::Found) << "trial " << i + 1;
        EXPECT_NEAR(outcome.overallFactors[i], full.method.factor, 1e-3 * full.method.factor)
            << "trial " << i + 1;
        ++checked;
    }
    EXPECT_GT(checked, row.trials * 9 / 10);
    ASSERT_TRUE(outcome.overallStatistics.has_value());
    EXPECT_GE(outcome.overallStatistics->failurePercent, outcome.statistics.failurePercent);
    EXPECT_EQ(outcome.overallStatistics->usable, outcome.statistics.usable);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OverallSlope,
    testing::Values(AgreementRow{"ThreeSoils", [] { return examples::ThreeSoilTrialInputs(); },
                                 200},
                    AgreementRow{"Defaults", DefaultInputs, 100}),
    testing_support::RowName());

// The distinct surfaces start with the critical one and keep their centres or radii apart.
TEST(OverallSlopeSurfaces, StartWithTheCriticalOneAndStayApart) {
    const SectionInputs inputs = examples::ThreeSoilTrialInputs();
    const OverallRun run = Prepare(inputs, 30);
    const std::vector<CircleSurface>& starts = run.overall.starts;
    ASSERT_FALSE(starts.empty());
    EXPECT_EQ(starts.front().centreX, run.search.critical.centreX);
    EXPECT_EQ(starts.front().radius, run.search.critical.radius);
    const double apart = kDistinctShare * 10.0;  // the face is 10 high
    for (std::size_t a = 0; a < starts.size(); ++a) {
        for (std::size_t b = a + 1; b < starts.size(); ++b) {
            EXPECT_TRUE(std::hypot(starts[a].centreX - starts[b].centreX,
                                   starts[a].centreY - starts[b].centreY) >= apart ||
                        std::abs(starts[a].radius - starts[b].radius) >= apart)
                << a << ", " << b;
        }
    }
    EXPECT_EQ(DistinctLowestSurfaces(run.search, 10.0, false, 0).size(), 0u);
}

// Each trial's overall factor and surface are the same bit for bit on 1 and 7 threads.
TEST(OverallSlopeSurfaces, AreTheSameAtAnyThreadCount) {
    const SectionInputs inputs = examples::ThreeSoilTrialInputs();
    const OverallRun run = Prepare(inputs, 4);
    const SectionTrialsOutcome one = RunOverall(inputs, run, 40, 1);
    const SectionTrialsOutcome seven = RunOverall(inputs, run, 40, 7);
    ASSERT_EQ(one.overallFactors.size(), 40u);
    for (std::size_t i = 0; i < one.overallFactors.size(); ++i) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(one.overallFactors[i]),
                  std::bit_cast<std::uint64_t>(seven.overallFactors[i]));
        EXPECT_EQ(one.overallSurfaces[i].radius, seven.overallSurfaces[i].radius);
    }
}

}  // namespace
}  // namespace vardolin::section

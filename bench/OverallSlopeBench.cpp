// SPDX-License-Identifier: MIT
// The overall slope's trials, each refining its own lowest surface, against one full search
// (BM_SectionSearch): the time of a trial against the search's, and all cores against one
// thread, as ratios within one run.
#include <benchmark/benchmark.h>

#include <utility>

#include "ThreadArgs.h"
#include "slope_section/SectionTrialInputs.h"
#include "slope_section/SectionTrials.h"

namespace vardolin::section {
namespace {

// 10^3 trials of the three-soil section (eight uncertain inputs, a piezometric line, kh), Bishop
// at the search's 50 slices, each refining from the ten distinct lowest surfaces of a 20 x 20
// grid with 10 radii per centre, as the section's example runs it.
void BM_OverallSlopeTrials(benchmark::State& state) {
    constexpr int kTrials = 1'000;
    SectionInputs inputs = examples::ThreeSoilTrialInputs();
    inputs.sliceCount = 50;
    const PreparedSection prepared(inputs.section);
    const SectionFace face = *FaceOf(prepared);
    SectionSearchSettings settings;
    settings.grid = SectionAutoGrid(face, 20, 10);
    settings.slices = inputs.sliceCount;
    settings.widen = {true, true, true, true};
    settings.deepen = true;
    const SectionSearchResult search = FindCriticalSectionCircle(prepared, settings, 2);
    OverallSlopeSearch overall{settings, DistinctLowestSurfaces(search, face.height(), false, 10)};
    overall.settings.grid = search.grid;
    double failed = 0.0;
    for (auto _ : state) {
        UniformSequence uniforms;
        const SectionTrialsOutcome outcome =
            RunSectionTrials(inputs, {}, search.critical, &overall, kTrials, TrialRange{0, kTrials},
                             uniforms, static_cast<int>(state.range(0)));
        failed = outcome.overallStatistics->failurePercent;
        benchmark::DoNotOptimize(std::as_const(failed));
    }
    state.counters["overall_failure_percent"] = failed;
    state.SetItemsProcessed(state.iterations() * kTrials);
}
BENCHMARK(BM_OverallSlopeTrials)
    ->Apply(bench::ThreadArgs)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
}  // namespace vardolin::section

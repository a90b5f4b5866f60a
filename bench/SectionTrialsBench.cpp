// SPDX-License-Identifier: MIT
// The trials of a layered section on its critical circle, all cores against one thread: ratios of
// items_per_second within one run.
#include <benchmark/benchmark.h>

#include <utility>

#include "ThreadArgs.h"
#include "slope_section/SectionTrialInputs.h"
#include "slope_section/SectionTrials.h"

namespace vardolin::section {
namespace {

// 10^5 trials of the three-soil section (eight uncertain inputs, a piezometric line, kh), Bishop
// at 30 slices on a circle through its face.
void BM_SectionTrials(benchmark::State& state) {
    constexpr int kTrials = 100'000;
    const SectionInputs inputs = examples::ThreeSoilTrialInputs();
    const CircleSurface circle{38, 36, 32};
    double mean = 0.0;
    for (auto _ : state) {
        UniformSequence uniforms;
        const SectionTrialsOutcome outcome = RunSectionTrials(inputs, {}, circle, kTrials, uniforms,
                                                              static_cast<int>(state.range(0)));
        mean = outcome.statistics.distribution.mean;
        benchmark::DoNotOptimize(std::as_const(mean));
    }
    state.SetItemsProcessed(state.iterations() * kTrials);
}
BENCHMARK(BM_SectionTrials)->Apply(bench::ThreadArgs)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vardolin::section

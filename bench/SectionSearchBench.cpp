// SPDX-License-Identifier: MIT
// The critical-circle search of a layered section, per circle, against the critical circle's
// search of a simple slope (BM_CriticalSearch, whose items are circles too): ratios of
// items_per_second within one run.
#include <benchmark/benchmark.h>

#include <utility>

#include "ThreadArgs.h"
#include "slope_section/SectionExamples.h"
#include "slope_section/SectionSearch.h"

namespace vardolin::section {
namespace {

// Three soils, a piezometric line ponding at the toe and kh; Bishop on a 40 x 40 Auto grid with
// 30 radii per centre and the critical circle's 50 slices, refined.
void BM_SectionSearch(benchmark::State& state) {
    const PreparedSection section(examples::ThreeSoils());
    SectionSearchSettings settings;
    settings.grid = SectionAutoGrid(*FaceOf(section), 40, 30);
    settings.slices = 50;
    double factor = 0.0;
    int circles = 0;
    for (auto _ : state) {
        const SectionSearchResult r =
            FindCriticalSectionCircle(section, settings, static_cast<int>(state.range(0)));
        factor = r.method.factor;
        circles = r.counts.tried;
        benchmark::DoNotOptimize(std::as_const(factor));
    }
    state.counters["circles"] = circles;
    state.SetItemsProcessed(state.iterations() * circles);
}
BENCHMARK(BM_SectionSearch)->Apply(bench::ThreadArgs)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
// The limit-equilibrium methods of the layered section on the same 10^4 given circles through
// Fredlund and Krahn's slope, with a piezometric line and an earthquake: Bishop's simplified
// method as the baseline, Spencer's and Morgenstern-Price's (half-sine) against it. One pass
// over all the surfaces per iteration; compare the times per surface within one run.
#include <benchmark/benchmark.h>

#include <cmath>
#include <utility>
#include <vector>

#include "slope_section/BishopMethod.h"
#include "slope_section/GeneralLimitEquilibrium.h"
#include "slope_section/OneSoilSlicer.h"

namespace vardolin::section {
namespace {

constexpr int kSide = 100;  // centres on a 100 x 100 grid: 10^4 surfaces

struct GivenSurface {
    SlicedMass mass;
    MomentPoint centre;
};

const std::vector<GivenSurface>& Surfaces() {
    static const std::vector<GivenSurface> surfaces = [] {
        using namespace test_slicer;
        const std::vector<Point> ground{{0, 60}, {60, 60}, {140, 20}, {180, 20}};
        Water water{Water::Kind::Piezometric, 0.0, {{0, 40}, {140, 20}, {180, 20}}, 62.4};
        std::vector<GivenSurface> all;
        all.reserve(kSide * kSide);
        for (int i = 0; i < kSide; ++i) {
            for (int j = 0; j < kSide; ++j) {
                const Point centre{100.0 + 0.4 * i, 70.0 + 0.4 * j};
                // Through the toe, or a little below it.
                const double radius =
                    std::hypot(centre.x - 140.0, centre.y - 20.0) + 2.5 * ((i + j) % 3);
                GivenSurface surface{
                    SliceUnderCircle(ground, {120, 600, 20}, water, centre, radius, 3.0),
                    {centre.x, centre.y}};
                surface.mass.horizontalSeismic = 0.1;
                all.push_back(std::move(surface));
            }
        }
        return all;
    }();
    return surfaces;
}

template <class Method>
void RunOverSurfaces(benchmark::State& state, Method method) {
    const std::vector<GivenSurface>& surfaces = Surfaces();
    MethodWorkspace workspace(64);
    int solved = 0;
    for (auto _ : state) {
        double sum = 0.0;
        solved = 0;
        for (const GivenSurface& surface : surfaces) {
            const MethodResult result = method(surface, workspace);
            if (result.solved()) {
                sum += result.factor;
                ++solved;
            }
        }
        benchmark::DoNotOptimize(std::as_const(sum));
    }
    state.counters["solved"] = solved;
    state.SetItemsProcessed(state.iterations() * static_cast<long>(surfaces.size()));
}

void BM_SectionBishop(benchmark::State& state) {
    RunOverSurfaces(state, [](const GivenSurface& s, MethodWorkspace& w) {
        return SolveBishop(s.mass, s.centre, w);
    });
}
BENCHMARK(BM_SectionBishop)->Unit(benchmark::kMillisecond);

void BM_SectionSpencer(benchmark::State& state) {
    RunOverSurfaces(state, [](const GivenSurface& s, MethodWorkspace& w) {
        return SolveSpencer(s.mass, s.centre, w);
    });
}
BENCHMARK(BM_SectionSpencer)->Unit(benchmark::kMillisecond);

void BM_SectionMorgensternPrice(benchmark::State& state) {
    RunOverSurfaces(state, [](const GivenSurface& s, MethodWorkspace& w) {
        return SolveMorgensternPrice(s.mass, InterforceShape::HalfSine, s.centre, w);
    });
}
BENCHMARK(BM_SectionMorgensternPrice)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vardolin::section

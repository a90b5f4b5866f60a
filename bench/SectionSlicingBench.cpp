// SPDX-License-Identifier: MIT
// Cutting slip circles of a layered section into slices, per surface, against the midpoint
// slicing of a simple slope with as many slices (the critical circle's); then the same with
// Bishop's factor of each circle, the section's whole cost per circle of a search against the
// critical circle's (ratios within one run).
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "critical_circle/CircleEvaluation.h"
#include "critical_circle/CircleOnSlope.h"
#include "critical_circle/SimpleSlope.h"
#include "numerics/Pi.h"
#include "slope_section/BishopMethod.h"
#include "slope_section/MidpointSlices.h"
#include "slope_section/SectionExamples.h"
#include "slope_section/SectionSlicer.h"
#include "slope_section/SurfaceEvaluation.h"

namespace vardolin::section {
namespace {

constexpr int kSlices = 30;

// A grid of centres above the face, each with three radii.
std::vector<CircleSurface> Circles(double left, double bottom, double step, double radiusFrom) {
    std::vector<CircleSurface> circles;
    for (int i = 0; i < 10; ++i) {
        for (int j = 0; j < 10; ++j) {
            for (int k = 0; k < 3; ++k) {
                const double x = left + step * i;
                const double y = bottom + step * j;
                circles.push_back({x, y, y - radiusFrom - 2.0 * k});
            }
        }
    }
    return circles;
}

void BM_SectionSlicing(benchmark::State& state) {
    const PreparedSection section(examples::ThreeSoils());
    SectionSlicer slicer(section);
    SlicedMass mass;
    const std::vector<CircleSurface> circles = Circles(30.0, 25.0, 1.5, 4.0);
    long valid = 0;
    for (auto _ : state) {
        for (const CircleSurface& circle : circles) {
            valid += slicer.SliceCircle(circle, kSlices, mass) == SurfaceStatus::Valid;
            benchmark::DoNotOptimize(mass.slices.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(circles.size()));
    state.counters["valid"] = static_cast<double>(valid) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_SectionSlicing);

constexpr double kFaceAngle = 26.565051177078;

// Circles on the published 2:1 slope 40 high, toe at (0, 0), crest at (80, 40), each reaching
// below the toe.
std::vector<critical::Circle> SimpleSlopeCircles() {
    std::vector<critical::Circle> circles;
    for (const CircleSurface& c : Circles(0.0, 50.0, 6.0, -10.0)) {
        circles.push_back({c.centreX, c.centreY, c.radius});
    }
    return circles;
}

// The same circles located as the critical circle locates them, cut by the midpoint slicing.
void BM_MidpointSlicing(benchmark::State& state) {
    const critical::SimpleSlope slope = *critical::SimpleSlope::Make(40.0, kFaceAngle);
    const Polyline ground({{0.0, 0.0}, {slope.crestX(), 40.0}},
                          {std::tan(kFaceAngle * kPi / 180.0)});
    const SoilStrength soil{600.0, 0.36, 120.0, 0.25, false};
    SlicedMass mass;
    const std::vector<critical::Circle> circles = SimpleSlopeCircles();
    long valid = 0;
    for (auto _ : state) {
        for (const critical::Circle& circle : circles) {
            const critical::CircleOnSlope located = critical::LocateCircle(slope, circle);
            if (located.status == critical::CircleStatus::Valid) {
                valid += LayOutMidpointSlices(
                             ground, {circle.centreX, circle.centreY, circle.radius}, located.exitX,
                             located.entryX, soil, kSlices, mass) == SurfaceStatus::Valid;
            }
            benchmark::DoNotOptimize(mass.slices.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(circles.size()));
    state.counters["valid"] = static_cast<double>(valid) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_MidpointSlicing);

// Slicing and Bishop's factor of each circle of the three-soil section (piezometric line,
// ponded water, kh), with the general moment form.
void BM_SectionSlicingAndBishop(benchmark::State& state) {
    const PreparedSection section(examples::ThreeSoils());
    SectionSlicer slicer(section);
    SlicedMass mass;
    MethodWorkspace workspace(64);
    const std::vector<CircleSurface> circles = Circles(30.0, 25.0, 1.5, 4.0);
    long solved = 0;
    for (auto _ : state) {
        for (const CircleSurface& circle : circles) {
            if (slicer.SliceCircle(circle, kSlices, mass) == SurfaceStatus::Valid) {
                const MomentPoint centre{mass.mirrored ? -circle.centreX : circle.centreX,
                                         circle.centreY};
                solved += SolveBishop(mass, centre, workspace).solved();
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(circles.size()));
    state.counters["solved"] =
        static_cast<double>(solved) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_SectionSlicingAndBishop);

// The same through the surface evaluator (Bishop only, no slice table).
void BM_SectionEvaluatorBishop(benchmark::State& state) {
    const PreparedSection section(examples::ThreeSoils());
    SurfaceEvaluator evaluator(section);
    const EvaluationRequest request{MethodBit(SectionMethod::Bishop), kSlices, false};
    const std::vector<CircleSurface> circles = Circles(30.0, 25.0, 1.5, 4.0);
    long solved = 0;
    for (auto _ : state) {
        for (const CircleSurface& circle : circles) {
            solved +=
                evaluator.EvaluateCircle(circle, request).result(SectionMethod::Bishop).solved();
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(circles.size()));
    state.counters["solved"] =
        static_cast<double>(solved) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_SectionEvaluatorBishop);

// The critical circle's location, slicing and both factors of each circle of the simple slope,
// through the section engine as its search takes them.
void BM_CriticalCircleSlicingAndBishop(benchmark::State& state) {
    const critical::SimpleSlope slope = *critical::SimpleSlope::Make(40.0, kFaceAngle);
    critical::CircleAnalyser analyser(slope, {600.0, 20.0, 120.0, 0.25}, kSlices);
    const std::vector<critical::Circle> circles = SimpleSlopeCircles();
    long solved = 0;
    for (auto _ : state) {
        for (const critical::Circle& circle : circles) {
            solved += analyser.Analyse(circle).usable();
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(circles.size()));
    state.counters["solved"] =
        static_cast<double>(solved) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_CriticalCircleSlicingAndBishop);

}  // namespace
}  // namespace vardolin::section

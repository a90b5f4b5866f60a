// SPDX-License-Identifier: MIT
// The critical-circle search and trials through the library, sequential and on every core,
// against the same work written out here on plain doubles on one thread. A figure read after
// the loop goes to DoNotOptimize as a constant: gcc may hand the writable form of a double a
// register it never loaded.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "ThreadArgs.h"
#include "critical_circle/CircleEvaluation.h"
#include "critical_circle/CircleSearch.h"
#include "critical_circle/CircleTrials.h"
#include "numerics/NormalSampler.h"
#include "numerics/Pi.h"
#include "numerics/Square.h"

namespace vardolin::critical {
namespace {

// The published check's slope and soil; a grid around its critical circle.
constexpr double kHeight = 40.0;
constexpr double kFaceAngle = 26.565051177078;
const UncertainSoil kSoil{{600, 20, 120, 0.25}, {150, 3, 6, 0.08}};
const SearchGrid kGrid{-10, 60, 45, 125, 40, 30, 20};
constexpr int kSlices = 50;
constexpr int kTrials = 100'000;
const Circle kTrialCircle{20, 70, 80};

// The same work on plain doubles: locate, slice, both factors, Bishop's iteration, m_alpha.
namespace plain {

struct Slope {
    double height, tanFace, cosFace, sinFace, crestX, faceLength;
};

Slope MakeSlope() {
    const double angle = kFaceAngle * kPi / 180.0;
    const double tanFace = std::tan(angle);
    const double sinFace = std::sin(angle);
    return {kHeight, tanFace, std::cos(angle), sinFace, kHeight / tanFace, kHeight / sinFace};
}

double Ground(const Slope& s, double x) {
    return x <= 0.0 ? 0.0 : x >= s.crestX ? s.height : x * s.tanFace;
}

struct Slices {
    int n = 0;
    double b = 0.0;
    std::array<double, kSlices> h{}, sinA{}, cosA{}, len{}, numerator{};
};

// Lays out the slices of a circle with one proper sliding mass; false otherwise.
bool LayOut(const Slope& s, double xc, double yc, double r, Slices& out) {
    std::array<double, 8> p{};
    int count = 0;
    p[count++] = 0.0;
    p[count++] = s.crestX;
    auto cross = [&](double ox, double oy, double dx, double dy, double high) {
        const double ax = xc - ox;
        const double ay = yc - oy;
        const double along = ax * dx + ay * dy;
        const double disc = Square(along) - ((Square(ax) + Square(ay)) - Square(r));
        if (!(disc > 0.0)) {
            return;
        }
        const double half = std::sqrt(disc);
        for (const double t : {along - half, along + half}) {
            if (t >= 0.0 && t <= high) {
                p[count++] = ox + t * dx;
            }
        }
    };
    cross(0.0, 0.0, -1.0, 0.0, HUGE_VAL);
    cross(0.0, 0.0, s.cosFace, s.sinFace, s.faceLength);
    cross(s.crestX, s.height, 1.0, 0.0, HUGE_VAL);
    for (int i = 1; i < count; ++i) {  // insertion: at most eight points
        for (int j = i; j > 0 && p[j] < p[j - 1]; --j) {
            std::swap(p[j], p[j - 1]);
        }
    }
    int masses = 0;
    double exitX = 0.0;
    double entryX = 0.0;
    for (int i = 0; i + 1 < count; ++i) {
        if (!(p[i] < p[i + 1])) {
            continue;
        }
        const double m = (p[i] + p[i + 1]) / 2.0;
        if (Square(m - xc) + Square(Ground(s, m) - yc) < Square(r)) {
            if (masses == 0 || p[i] - entryX > r * 1e-9) {
                masses += 1;
                exitX = p[i];
            }
            entryX = p[i + 1];
        }
    }
    if (masses != 1 || !(Ground(s, exitX) <= yc && Ground(s, entryX) <= yc) ||
        !(exitX < s.crestX && entryX > 0.0)) {
        return false;
    }
    out.n = kSlices;
    out.b = (entryX - exitX) / kSlices;
    for (int i = 0; i < kSlices; ++i) {
        const double x = exitX + (i + 0.5) * out.b;
        const double below = std::sqrt(std::max(Square(r) - Square(x - xc), 0.0));
        out.h[i] = std::max(Ground(s, x) - (yc - below), 0.0);
        out.sinA[i] = (x - xc) / r;
        out.cosA[i] = below / r;
        out.len[i] = out.b / out.cosA[i];
    }
    return true;
}

// Bishop's factor of the slices, or -1 where it is not to be used.
double Bishop(Slices& sl, double c, double phi, double gamma, double ru) {
    const double tanPhi = std::tan(phi * kPi / 180.0);
    double resisting = 0.0;
    double driving = 0.0;
    for (int i = 0; i < sl.n; ++i) {
        const double w = gamma * sl.h[i] * sl.b;
        const double u = ru * gamma * sl.h[i];
        resisting += c * sl.len[i] + (w * sl.cosA[i] - u * sl.len[i]) * tanPhi;
        driving += w * sl.sinA[i];
        sl.numerator[i] = c * sl.b + (w - u * sl.b) * tanPhi;
    }
    if (!(driving > 0.0)) {
        return -1.0;
    }
    double f = resisting / driving;
    for (int step = 0; step < 200; ++step) {
        const double q = tanPhi / f;
        double sum = 0.0;
        for (int i = 0; i < sl.n; ++i) {
            sum += sl.numerator[i] / (sl.cosA[i] + sl.sinA[i] * q);
        }
        const double next = sum / driving;
        if (!(next > 0.0)) {
            return -1.0;
        }
        const bool settled = std::abs(next - f) <= 1e-12 * next;
        f = next;
        if (settled) {
            const double q2 = tanPhi / f;
            for (int i = 0; i < sl.n; ++i) {
                if (sl.cosA[i] + sl.sinA[i] * q2 < 0.2) {
                    return -1.0;
                }
            }
            return f;
        }
    }
    return -1.0;
}

double CircleFactor(const Slope& s, Slices& sl, double xc, double yc, double r) {
    const SoilValues& m = kSoil.mean;
    return LayOut(s, xc, yc, r, sl)
               ? Bishop(sl, m.cohesion, m.frictionAngle, m.unitWeight, m.poreRatio)
               : -1.0;
}

// The grid, then the pattern search in centre and excess over the toe circle.
double Search() {
    const Slope s = MakeSlope();
    Slices sl;
    const SearchGrid& g = kGrid;
    const int n = g.centresPerSide;
    const int nr = g.radiiPerCentre;
    double best = HUGE_VAL;
    double bx = 0.0, by = 0.0, br = 0.0, bstep = 0.0;
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) {
            const double xc = g.xFrom + (g.xTo - g.xFrom) * i / (n - 1);
            const double yc = g.yFrom + (g.yTo - g.yFrom) * j / (n - 1);
            const double toe = std::sqrt(Square(xc) + Square(yc));
            const double deepest = yc + g.depthBelowToe;
            if (!(toe <= deepest)) {
                continue;
            }
            for (int k = 0; k < nr; ++k) {
                const double r = toe + (deepest - toe) * k / (nr - 1);
                const double f = CircleFactor(s, sl, xc, yc, r);
                if (f > 0.0 && f < best) {
                    best = f, bx = xc, by = yc, br = r, bstep = (deepest - toe) / (nr - 1);
                }
            }
        }
    }
    std::array<double, 3> steps = {(g.xTo - g.xFrom) / (n - 1), (g.yTo - g.yFrom) / (n - 1), bstep};
    double cx = bx, cy = by, ce = br - std::sqrt(Square(bx) + Square(by));
    for (int halvings = 0, tried = 0; halvings < 20 && tried < 5000;) {
        bool moved = false;
        double nx = cx, ny = cy, ne = ce;
        for (int move = 0; move < 27; ++move) {
            if (move == 13) {
                continue;
            }
            const double x = cx + (move % 3 - 1) * steps[0];
            const double y = cy + (move / 3 % 3 - 1) * steps[1];
            const double e = ce + (move / 9 - 1) * steps[2];
            const double r = std::sqrt(Square(x) + Square(y)) + e;
            if (!(y - r >= -g.depthBelowToe)) {
                continue;
            }
            const double f = CircleFactor(s, sl, x, y, r);
            tried += 1;
            if (f > 0.0 && f < best) {
                best = f, nx = x, ny = y, ne = e, moved = true;
            }
        }
        if (moved) {
            cx = nx, cy = ny, ce = ne;
        } else {
            for (double& step : steps) {
                step /= 2.0;
            }
            halvings += 1;
        }
    }
    return best;
}

// The trials on the fixed circle, then their mean and deviation.
double Trials() {
    const Slope s = MakeSlope();
    Slices sl;
    LayOut(s, kTrialCircle.centreX, kTrialCircle.centreY, kTrialCircle.radius, sl);
    UniformSequence uniforms;
    std::vector<double> factors(kTrials);
    for (int t = 0; t < kTrials; ++t) {
        const double c = DrawNormalDeviate(uniforms).Scale(kSoil.mean.cohesion, kSoil.sd.cohesion);
        const double phi =
            DrawNormalDeviate(uniforms).Scale(kSoil.mean.frictionAngle, kSoil.sd.frictionAngle);
        const double gamma =
            DrawNormalDeviate(uniforms).Scale(kSoil.mean.unitWeight, kSoil.sd.unitWeight);
        const double ru =
            DrawNormalDeviate(uniforms).Scale(kSoil.mean.poreRatio, kSoil.sd.poreRatio);
        factors[t] = Bishop(sl, c, phi, gamma, ru);
    }
    double sum = 0.0;
    for (double f : factors) {
        sum += f;
    }
    const double mean = sum / kTrials;
    double squares = 0.0;
    for (double f : factors) {
        squares += Square(f - mean);
    }
    return mean + std::sqrt(squares / (kTrials - 1));
}

}  // namespace plain

void BM_CriticalSearch(benchmark::State& state) {
    const SimpleSlope slope = *SimpleSlope::Make(kHeight, kFaceAngle);
    SearchSettings settings;
    settings.grid = kGrid;
    settings.slices = kSlices;
    double factor = 0.0;
    int circles = 0;
    for (auto _ : state) {
        const SearchResult r =
            FindCriticalCircle(slope, kSoil.mean, settings, static_cast<int>(state.range(0)));
        factor = r.critical.factors.bishop;
        circles = r.counts.tried;
        benchmark::DoNotOptimize(std::as_const(factor));
    }
    // Items are circles, for BM_SectionSearch's cost per circle.
    state.counters["circles"] = circles;
    state.SetItemsProcessed(state.iterations() * circles);
    // The kernel's single pattern search from the grid's lowest circle never ends lower than
    // the library's refinement of several starts.
    state.counters["not_above_kernel"] = factor <= plain::Search() ? 1 : 0;
}
BENCHMARK(BM_CriticalSearch)
    ->Apply(bench::ThreadArgs)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The form's default model: the grid placed from the slope, widened where it must be.
void BM_CriticalSearchAuto(benchmark::State& state) {
    const SimpleSlope slope = *SimpleSlope::Make(10, 45);
    const SoilValues soil{10000, 30, 18000, 0.1};
    SearchSettings settings;
    settings.grid = AutoGrid(slope, 20, 20);
    settings.widen = {true, true, true, true};
    settings.deepen = true;
    settings.slices = kSlices;
    double factor = 0.0;
    for (auto _ : state) {
        const SearchResult r =
            FindCriticalCircle(slope, soil, settings, static_cast<int>(state.range(0)));
        factor = r.critical.factors.bishop;
        benchmark::DoNotOptimize(std::as_const(factor));
    }
}
BENCHMARK(BM_CriticalSearchAuto)
    ->Apply(bench::ThreadArgs)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_CriticalSearchKernel(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(plain::Search());
    }
}
BENCHMARK(BM_CriticalSearchKernel)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CriticalTrials(benchmark::State& state) {
    const CircleSlices slices =
        AnalyseCircle(*SimpleSlope::Make(kHeight, kFaceAngle), kSoil.mean, kTrialCircle, kSlices)
            .slices;
    double figure = 0.0;
    for (auto _ : state) {
        UniformSequence uniforms;
        const CircleTrialsOutcome outcome =
            RunCircleTrials(slices, kSoil, kTrials, uniforms, static_cast<int>(state.range(0)));
        figure = outcome.statistics.meanFactor + outcome.statistics.standardDeviation;
        benchmark::DoNotOptimize(std::as_const(figure));
    }
    state.counters["same_as_kernel"] = figure == plain::Trials() ? 1 : 0;
    state.SetItemsProcessed(state.iterations() * kTrials);
}
BENCHMARK(BM_CriticalTrials)
    ->Apply(bench::ThreadArgs)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_CriticalTrialsKernel(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(plain::Trials());
    }
    state.SetItemsProcessed(state.iterations() * kTrials);
}
BENCHMARK(BM_CriticalTrialsKernel)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vardolin::critical

// SPDX-License-Identifier: MIT
// The plane-failure run through the field texts, against the bare computation it wraps.
#include <benchmark/benchmark.h>

#include "fields/FieldTextMap.h"
#include "numerics/NormalSampler.h"
#include "plane_failure/PlaneAnalysis.h"
#include "plane_failure/PlaneFailureDescription.h"
#include "plane_failure/PlaneFields.h"
#include "plane_failure/PlaneKeptTables.h"
#include "plane_failure/PlaneSafetyFactor.h"

namespace vardolin {
namespace {

constexpr int kTrials = 9999;

FieldTextMap LargestDefaultRun() {
    FieldTextMap texts = DefaultTexts(PlaneFailure());
    texts.setText(plane::CalculationCount, std::to_string(kTrials));
    return texts;
}

void BM_PlaneRun(benchmark::State& state) {
    KeptTables kept;
    for (auto _ : state) {
        UniformSequence uniforms;
        AnalysisContext context{uniforms, kept, {}};
        FieldTextMap fields = LargestDefaultRun();
        RunPlaneAnalysis(fields, context);
        benchmark::DoNotOptimize(fields.text(plane::MeanSafetyFactor));
    }
    state.SetItemsProcessed(state.iterations() * kTrials);
}
BENCHMARK(BM_PlaneRun)->Unit(benchmark::kMicrosecond);

// The same trials with every input already a double: draws, factors, failures and the mean.
void BM_PlaneKernel(benchmark::State& state) {
    PlaneKeptTables kept;
    for (auto _ : state) {
        UniformSequence uniforms;
        int failures = 0;
        for (int i = 1; i <= kTrials; ++i) {
            const double c = SampleNormal(uniforms, 10000, 200);
            const double phi = SampleNormal(uniforms, 30, 5);
            const double gammaR = SampleNormal(uniforms, 27000, 2000);
            const double zw = SampleNormal(uniforms, 2, 0.5);
            const double factor = PlaneSafetyFactor(20, 60, 40, 3, 9800, c, phi, gammaR, zw);
            kept.TrialSafetyFactors[i] = factor;
            failures += factor < 1.0 ? 1 : 0;
        }
        double sum = 0.0;
        for (int i = 1; i <= kTrials; ++i) {
            sum += kept.TrialSafetyFactors[i];
        }
        benchmark::DoNotOptimize(sum / kTrials);
        benchmark::DoNotOptimize(failures);
    }
    state.SetItemsProcessed(state.iterations() * kTrials);
}
BENCHMARK(BM_PlaneKernel)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vardolin

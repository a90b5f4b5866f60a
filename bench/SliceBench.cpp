// SPDX-License-Identifier: MIT
// The slice-method run through the field texts, against the same trials on plain doubles.
#include <benchmark/benchmark.h>

#include "circle/SliceAnalysis.h"
#include "circle/SliceFields.h"
#include "circle/SliceInputs.h"
#include "circle/SliceMethodDescription.h"
#include "circle/SliceTrials.h"
#include "shared/FieldTextMap.h"

namespace vardolin {
namespace {

constexpr int kTrials = 9999;

FieldTextMap LargestDefaultRun() {
    FieldTextMap texts = DefaultTexts(SliceMethod());
    texts.setText(circle::CalculationCount, std::to_string(kTrials));
    return texts;
}

void BM_SliceRun(benchmark::State& state) {
    MainModule module;
    for (auto _ : state) {
        UniformSequence uniforms;
        AnalysisContext context{uniforms, module, {}};
        FieldTextMap fields = LargestDefaultRun();
        RunSliceAnalysis(fields, context);
        benchmark::DoNotOptimize(fields.text(circle::MeanSafetyFactor));
    }
    state.SetItemsProcessed(state.iterations() * kTrials);
}
BENCHMARK(BM_SliceRun)->Unit(benchmark::kMillisecond);

// The same trials through the same trial code, with every input already a double: circles,
// slices, draws, Bishop sums, failures and the mean.
void BM_SliceKernel(benchmark::State& state) {
    MainModule module;
    FixedSliceInputs inputs(SliceInputValues::Defaults());
    for (auto _ : state) {
        UniformSequence uniforms;
        SliceTables tables;
        const SliceTrialsOutcome outcome =
            RunSliceTrials(kTrials, inputs, uniforms, module, tables);
        double sum = 0.0;
        for (int i = 1; i <= kTrials; ++i) {
            sum += tables.CircleSafetyFactors[i];
        }
        benchmark::DoNotOptimize(sum / kTrials);
        benchmark::DoNotOptimize(outcome.failures / kTrials * 100);
    }
    state.SetItemsProcessed(state.iterations() * kTrials);
}
BENCHMARK(BM_SliceKernel)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vardolin

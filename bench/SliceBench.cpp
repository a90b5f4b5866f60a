// SPDX-License-Identifier: MIT
// The slice-method run through the field texts, against the same trials on plain doubles.
#include <benchmark/benchmark.h>

#include <string>

#include "circle/SliceAnalysis.h"
#include "circle/SliceFields.h"
#include "circle/SliceInputs.h"
#include "circle/SliceMethodDescription.h"
#include "circle/SliceTrials.h"
#include "shared/FieldTextMap.h"
#include "shared/ThreadCount.h"

namespace vardolin {
namespace {

constexpr int kTrials = 9999;
// Few trials of the finest slices: the run's cost is in its slices, not in its trials.
constexpr int kWideTrials = 500;
constexpr int kWideSlices = 9999;

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

FieldTextMap WideRun() {
    FieldTextMap fields = LargestDefaultRun();
    fields.setText(circle::SliceCount, std::to_string(kWideSlices));
    fields.setText(circle::CalculationCount, std::to_string(kWideTrials));
    return fields;
}

void RunWide(benchmark::State& state, int threads) {
    MainModule module;
    for (auto _ : state) {
        UniformSequence uniforms;
        AnalysisContext context{uniforms, module, {}, nullptr, threads};
        FieldTextMap fields = WideRun();
        RunSliceAnalysis(fields, context);
        benchmark::DoNotOptimize(fields.text(circle::MeanSafetyFactor));
    }
    state.counters["threads"] = threads;
    state.SetItemsProcessed(state.iterations() * kWideTrials);
}

// From field texts to result texts on the machine's cores.
void BM_SliceRunWide(benchmark::State& state) {
    RunWide(state, ThreadsFromEnvironment(nullptr));
}
BENCHMARK(BM_SliceRunWide)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SliceRunWideSequential(benchmark::State& state) {
    RunWide(state, 1);
}
BENCHMARK(BM_SliceRunWideSequential)->Unit(benchmark::kMillisecond)->UseRealTime();

// The bare single-thread kernel of the same trials.
void BM_SliceKernelWide(benchmark::State& state) {
    MainModule module;
    SliceInputValues values = SliceInputValues::Defaults();
    values.sliceCount = kWideSlices;
    FixedSliceInputs inputs(values);
    for (auto _ : state) {
        UniformSequence uniforms;
        SliceTables tables;
        const SliceTrialsOutcome outcome =
            RunSliceTrials(kWideTrials, inputs, uniforms, module, tables);
        double sum = 0.0;
        for (int i = 1; i <= kWideTrials; ++i) {
            sum += tables.CircleSafetyFactors[i];
        }
        benchmark::DoNotOptimize(sum / kWideTrials);
        benchmark::DoNotOptimize(outcome.failures / kWideTrials * 100);
    }
    state.SetItemsProcessed(state.iterations() * kWideTrials);
}
BENCHMARK(BM_SliceKernelWide)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vardolin

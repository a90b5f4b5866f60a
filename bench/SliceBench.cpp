// SPDX-License-Identifier: MIT
// The slice-method run through the field texts, against the same trials on plain doubles.
#include <benchmark/benchmark.h>

#include <string>

#include "analysis/ThreadCount.h"
#include "fields/FieldTextMap.h"
#include "slice_method/SliceAnalysis.h"
#include "slice_method/SliceFields.h"
#include "slice_method/SliceInputs.h"
#include "slice_method/SliceKeptTables.h"
#include "slice_method/SliceMethodDescription.h"
#include "slice_method/SliceTrials.h"

namespace vardolin {
namespace {

constexpr int kTrials = 9999;
constexpr int kDefaultSlices = 10;
// Few trials of the finest slices: the run's cost is in its slices, not in its trials.
constexpr int kWideTrials = 500;
constexpr int kWideSlices = 9999;

// The form's defaults with the given trial and slice counts.
FieldTextMap Texts(int trials, int slices) {
    FieldTextMap texts = DefaultTexts(SliceMethod());
    texts.setText(slice_method::CalculationCount, std::to_string(trials));
    texts.setText(slice_method::SliceCount, std::to_string(slices));
    return texts;
}

// The run from field texts to result texts.
void RunFromTexts(benchmark::State& state, int trials, int slices, int threads) {
    KeptTables kept;
    for (auto _ : state) {
        UniformSequence uniforms;
        AnalysisContext context{uniforms, kept, {}, nullptr, threads};
        FieldTextMap fields = Texts(trials, slices);
        RunSliceAnalysis(fields, context);
        benchmark::DoNotOptimize(fields.text(slice_method::MeanSafetyFactor));
    }
    state.counters["threads"] = threads;
    state.SetItemsProcessed(state.iterations() * trials);
}

// The same trials through the same trial code on one thread, with every input already a
// double: circles, slices, draws, Bishop sums, failures and the mean.
void RunKernel(benchmark::State& state, int trials, int slices) {
    SliceKeptTables kept;
    SliceInputs inputs = SliceInputs::Defaults();
    inputs.Set(slice_method::SliceCount, slices);
    for (auto _ : state) {
        UniformSequence uniforms;
        SliceTables tables;
        const SliceTrialsOutcome outcome = RunSliceTrials(trials, inputs, uniforms, kept, tables);
        double sum = 0.0;
        for (int i = 1; i <= trials; ++i) {
            sum += tables.CircleSafetyFactors[i];
        }
        benchmark::DoNotOptimize(sum / trials);
        benchmark::DoNotOptimize(outcome.failures / trials * 100);
    }
    state.SetItemsProcessed(state.iterations() * trials);
}

void BM_SliceRun(benchmark::State& state) {
    RunFromTexts(state, kTrials, kDefaultSlices, 1);
}
BENCHMARK(BM_SliceRun)->Unit(benchmark::kMillisecond);

void BM_SliceKernel(benchmark::State& state) {
    RunKernel(state, kTrials, kDefaultSlices);
}
BENCHMARK(BM_SliceKernel)->Unit(benchmark::kMillisecond);

// On the machine's cores.
void BM_SliceRunWide(benchmark::State& state) {
    RunFromTexts(state, kWideTrials, kWideSlices, ThreadsFromEnvironment(nullptr));
}
BENCHMARK(BM_SliceRunWide)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SliceRunWideSequential(benchmark::State& state) {
    RunFromTexts(state, kWideTrials, kWideSlices, 1);
}
BENCHMARK(BM_SliceRunWideSequential)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SliceKernelWide(benchmark::State& state) {
    RunKernel(state, kWideTrials, kWideSlices);
}
BENCHMARK(BM_SliceKernelWide)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vardolin

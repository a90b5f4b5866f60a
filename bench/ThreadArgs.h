// SPDX-License-Identifier: MIT
#pragma once

#include <benchmark/benchmark.h>

#include <thread>

namespace vardolin::bench {

// A benchmark's thread counts: one, and every core where there are more, so that one run gives
// the ratio of all cores to one thread.
inline void ThreadArgs(benchmark::internal::Benchmark* b) {
    b->ArgName("threads")->Arg(1);
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    if (cores > 1) {
        b->Arg(cores);
    }
}

}  // namespace vardolin::bench

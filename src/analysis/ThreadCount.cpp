// SPDX-License-Identifier: MIT
#include "analysis/ThreadCount.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <thread>

namespace vardolin {

int ThreadsFromEnvironment(const char* value) {
    if (value != nullptr) {
        const char* end = value + std::strlen(value);
        int threads = 0;
        const auto [last, error] = std::from_chars(value, end, threads);
        if (error == std::errc() && last == end && threads >= 1) {
            return std::min(threads, kMaxRunThreads);
        }
    }
    // hardware_concurrency() may not know and answer 0.
    const unsigned cores = std::thread::hardware_concurrency();
    return std::clamp(static_cast<int>(std::min(cores, 1024u)), 1, kMaxRunThreads);
}

}  // namespace vardolin

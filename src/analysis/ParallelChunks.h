// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "analysis/RunProgress.h"
#include "analysis/ThreadCount.h"

namespace vardolin {

// The threads that RunInChunks starts for `count` indices in chunks of `chunk`: the requested
// number within 1 and kMaxRunThreads, and no more than there are chunks.
inline int ThreadsForChunks(int requested, int count, int chunk) {
    const int chunks = (count + chunk - 1) / std::max(chunk, 1);
    return std::clamp(std::min(requested, chunks), 1, kMaxRunThreads);
}

// Calls work(thread, begin, end) for the indices [0, count) in chunks of `chunk`, on
// ThreadsForChunks(threads, count, chunk) threads, the calling one among them; `thread` names
// the thread (0, 1, ...) so that each may keep a workspace of its own. Which thread takes which
// chunk varies from run to run, so the figures must not depend on it: work writes only what
// belongs to its own indices, and the caller reduces them in index order afterwards. A watcher's
// cancel is seen between chunks; the result says whether every chunk was done. work must not
// throw (a throw would end the program).
template <typename Work>
bool RunInChunks(int count, int chunk, int threads, const RunProgress* progress, Work& work) {
    chunk = std::max(chunk, 1);
    threads = ThreadsForChunks(threads, count, chunk);
    std::atomic<int> next{0};
    std::atomic<bool> cancelled{false};
    auto claim = [&](int thread) noexcept {
        for (;;) {
            if (progress != nullptr && progress->Cancelled()) {
                cancelled.store(true);
                return;
            }
            const int begin = next.fetch_add(chunk, std::memory_order_relaxed);
            if (begin >= count) {
                return;
            }
            work(thread, begin, std::min(begin + chunk, count));
        }
    };
    {
        std::vector<std::jthread> helpers;
        helpers.reserve(static_cast<std::size_t>(threads - 1));
        for (int t = 1; t < threads; ++t) {
            helpers.emplace_back(claim, t);
        }
        claim(0);
    }
    return !cancelled.load();
}

}  // namespace vardolin

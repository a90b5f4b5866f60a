// SPDX-License-Identifier: MIT
#pragma once

namespace vardolin {

// More threads than this would only add start-up cost to runs of at most 10000 trials.
inline constexpr int kMaxRunThreads = 64;

// The threads a run uses, from the text of VARDOLIN_THREADS: a whole number from 1 up (at most
// kMaxRunThreads). No text, or one that is not such a number, gives the machine's cores.
int ThreadsFromEnvironment(const char* value);

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

namespace vardolin {

// The most threads a run starts: more would only add start-up cost to the runs' work.
inline constexpr int kMaxRunThreads = 64;

// The threads a run uses, from the text of VARDOLIN_THREADS: a whole number from 1 up (at most
// kMaxRunThreads). No text, or one that is not such a number, gives the machine's cores.
int ThreadsFromEnvironment(const char* value);

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "TestSupport.h"
#include "analysis/ThreadCount.h"

namespace vardolin {
namespace {

int Cores() {
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxRunThreads);
}

struct ThreadRow {
    const char* name;
    const char* value;
    int threads;  // 0: the machine's cores
};

class ThreadsFromVariable : public testing::TestWithParam<ThreadRow> {};

TEST_P(ThreadsFromVariable, TakesAWholeNumberFromOneUpElseTheCores) {
    const int expected = GetParam().threads == 0 ? Cores() : GetParam().threads;
    EXPECT_EQ(ThreadsFromEnvironment(GetParam().value), expected);
}

INSTANTIATE_TEST_SUITE_P(Values, ThreadsFromVariable,
                         testing::Values(ThreadRow{"Unset", nullptr, 0}, ThreadRow{"Empty", "", 0},
                                         ThreadRow{"OneIsTheSequentialPath", "1", 1},
                                         ThreadRow{"AtTheCap", "64", 64},
                                         ThreadRow{"CappedAbove", "1000", kMaxRunThreads},
                                         ThreadRow{"BeyondInt", "99999999999999999999", 0},
                                         ThreadRow{"Zero", "0", 0}, ThreadRow{"Negative", "-2", 0},
                                         ThreadRow{"TrailingText", "2x", 0},
                                         ThreadRow{"LeadingBlank", " 2", 0}),
                         testing_support::RowName());

}  // namespace
}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <vector>

#include "slope_section/SectionExamples.h"
#include "slope_section/SoilColumn.h"

namespace vardolin::section {
namespace {

// The three-soil section: Fill under the ground, Clay under 15 - x/6, Sand under 8 - x/15.
TEST(SoilColumn, HoldsEachSoilBetweenTheBaseAndTheTopOnceFromTheTopDown) {
    const PreparedSection section(examples::ThreeSoils());
    const FramedSection& frame = section.frame(false);
    struct Row {
        double x, bottom, top;
        std::vector<int> soils;
    };
    for (const Row& row : {
             Row{10, 5, 20, {0, 1, 2}},  // through all three
             Row{10, 14, 20, {0}}, Row{10, 10, 20, {0, 1}},
             Row{10, 10, 12, {1}},    // within the clay alone
             Row{0, 15, 20, {0}},     // a base on the clay's top is still in the fill
             Row{30, 9, 15, {0, 1}},  // under the face
             Row{10, 20, 20, {}},     // no height
         }) {
        EXPECT_EQ(SoilColumn(frame, row.x, row.bottom, row.top), row.soils)
            << row.x << ' ' << row.bottom << ' ' << row.top;
    }
}

}  // namespace
}  // namespace vardolin::section

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "analysis/TableInput.h"
#include "fields/FieldTextMap.h"

namespace vardolin {
namespace {

// A table of ground points: x from 0 on, y any number, a name that must not be empty.
constexpr std::array<TableColumn, 3> kColumns{{
    {"x", "x", "m", "", NumberRange::From(0.0)},
    {"y", "y", "m", "", NumberRange{}},
    {"name", "Name", "", "", std::nullopt},
}};
constexpr TableInput kGround{4, kColumns, 2, 3};
constexpr std::array<TableColumn, 1> kAngle{{
    {"a", "angle", "degrees", "", NumberRange::Between(0.0, false, 90.0, true)},
}};
constexpr TableInput kAngles{4, kAngle, 0, 10};

struct ProblemRow {
    const char* name;
    const TableInput* table;
    std::string text;
    std::vector<std::string> messages;  // every problem, in order
    std::vector<int> rows;              // the row of each, -1 for the whole table
    friend void PrintTo(const ProblemRow& row, std::ostream* os) { *os << row.name; }
};

class TableChecks : public testing::TestWithParam<ProblemRow> {};

TEST_P(TableChecks, NameTheRowAndColumnOfEveryProblem) {
    const ProblemRow& row = GetParam();
    const std::vector<TableProblem> problems =
        TableProblems(*row.table, "Ground points", row.text, NumberLocale{","});
    std::vector<std::string> messages;
    std::vector<int> rows;
    for (const TableProblem& problem : problems) {
        messages.push_back(problem.message);
        rows.push_back(problem.row ? static_cast<int>(*problem.row) : -1);
    }
    EXPECT_EQ(messages, row.messages);
    EXPECT_EQ(rows, row.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, TableChecks,
    testing::Values(
        ProblemRow{"Good", &kGround, R"([["0","1","a"],[" 2,5 ","-1e3","b"]])", {}, {}},
        ProblemRow{"TooFewRows",
                   &kGround,
                   R"([["0","1","a"]])",
                   {"Ground points: needs at least 2 rows"},
                   {-1}},
        ProblemRow{"Empty", &kGround, "", {"Ground points: needs at least 2 rows"}, {-1}},
        ProblemRow{"TooManyRows",
                   &kGround,
                   R"([["0","0","a"],["0","0","a"],["0","0","a"],["0","0","a"]])",
                   {"Ground points: takes at most 3 rows"},
                   {-1}},
        ProblemRow{"NotANumberAndBelowTheRange",
                   &kGround,
                   R"t([["0","1","a"],["x","1","b"],["-0.5","(5)",""]])t",
                   {"Ground points, row 2, x: must be a number",
                    "Ground points, row 3, x: must be at least 0",
                    "Ground points, row 3, y: must be a number",
                    "Ground points, row 3, Name: must not be empty"},
                   {1, 2, 2, 2}},
        ProblemRow{"RowOfTheWrongWidth",
                   &kGround,
                   R"([["0","1"],["1","1","b"]])",
                   {"Ground points, row 1: has 2 cells where the table has 3 columns"},
                   {0}},
        ProblemRow{"NotATable", &kGround, "(5)", {"Ground points: is not a table of rows"}, {-1}},
        ProblemRow{"CellsNotTexts",
                   &kGround,
                   R"([[0,1,"a"],[1,2,"b"]])",
                   {"Ground points: is not a table of rows"},
                   {-1}},
        ProblemRow{"NestedTooDeep",
                   &kGround,
                   R"([[["0"],"1","a"]])",
                   {"Ground points: is not a table of rows"},
                   {-1}},
        ProblemRow{"OpenEndsOfARange",
                   &kAngles,
                   R"([["0"],["90"],["90,5"],["1e999"]])",
                   {"Ground points, row 1, angle: must be greater than 0 and at most 90",
                    "Ground points, row 3, angle: must be greater than 0 and at most 90",
                    "Ground points, row 4, angle: must be a number"},
                   {0, 2, 3}}),
    [](const auto& row) { return std::string(row.param.name); });

// The text of a table gives its rows back exactly, odd cells included; no rows is the empty text.
TEST(TableText, GivesItsRowsBack) {
    for (const TableRows& rows : {TableRows{}, TableRows{{""}},
                                  TableRows{{"a\"b", "\\", "é", "[1]"}, {"", " ", "x", "y"}}}) {
        const std::string text = TableText(rows);
        EXPECT_EQ(ParseTableText(text), rows) << text;
    }
    EXPECT_EQ(TableText({}), "");
    EXPECT_EQ(TableText({{"0", "1"}, {"2", "3"}}), R"([["0","1"],["2","3"]])");
}

// A run meets a bad table as a check: it writes the first problem and gets no rows.
TEST(TableText, ARunGetsTheCheckedRowsOrTheFirstProblemInItsMessage) {
    FieldTextMap fields{{4, R"([["0","1","a"],["2","3","b"]])"}};
    EXPECT_EQ(ReadTableInput(fields, kGround, "Ground points", 5, {}),
              (TableRows{{"0", "1", "a"}, {"2", "3", "b"}}));
    EXPECT_EQ(fields.text(5), "");
    fields.setText(4, R"([["0","1","a"],["2","q","b"]])");
    EXPECT_EQ(ReadTableInput(fields, kGround, "Ground points", 5, {}), std::nullopt);
    EXPECT_EQ(fields.text(5), "Ground points, row 2, y: must be a number");
}

TEST(TableText, ColumnsAreFoundByKeyOrHeadingCaseAside) {
    EXPECT_EQ(FindColumn(kGround, "NAME"), 2u);
    EXPECT_EQ(FindColumn(kGround, "X"), 0u);
    EXPECT_EQ(FindColumn(kAngles, "Angle"), 0u);
    EXPECT_EQ(FindColumn(kGround, "z"), std::nullopt);
    EXPECT_EQ(FindTableInput(std::span<const TableInput>(&kGround, 1), 4), &kGround);
    EXPECT_EQ(FindTableInput(std::span<const TableInput>(&kGround, 1), 3), nullptr);
}

}  // namespace
}  // namespace vardolin

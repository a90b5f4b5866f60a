// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/NumberRange.h"
#include "fields/FieldTexts.h"
#include "fields/TableText.h"
#include "fields/UnitSystem.h"
#include "numerics/NumberText.h"

namespace vardolin {

// One column of a table input: its key in model files and CSV headers, its heading, its unit and
// what its cells may hold.
struct TableColumn {
    std::string_view key;    // "x"
    std::string_view label;  // "x"
    // As a field's unit: "m", "kPa", "degrees", or empty; of an analysis that chooses its units,
    // the unit in its default system.
    std::string_view unit;
    std::string_view meaning;
    // The numbers a cell may hold; nothing for a column of texts, where any text but the empty
    // one will do.
    std::optional<NumberRange> numbers = NumberRange{};
};

// The most rows any table holds, whatever its own limit: a file or a paste with more is refused
// before it is checked cell by cell.
inline constexpr std::size_t kMaxTableRows = 10'000;

// A field of an analysis whose value is a table (its text is TableText). The field's own fact
// gives its key, label and default text; this gives its columns and how many rows it takes.
struct TableInput {
    int field;
    std::span<const TableColumn> columns;
    std::size_t minRows = 0;
    std::size_t maxRows = kMaxTableRows;
};

// The table input of field `number` among `tables`, or nullptr.
const TableInput* FindTableInput(std::span<const TableInput> tables, int number);

// The column's unit in the system ("ft", "degrees"; empty for none).
std::string_view UnitIn(const TableColumn& column, UnitSystem system);

// The table text with every cell of a column that has a unit converted from one system to the
// other (ConvertText: a cell that is not a number stays as it is). A text that is not a table,
// or whose cells all stay, comes back as it is.
std::string ConvertTableText(const TableInput& table, std::string_view text, UnitSystem from,
                             UnitSystem to, const NumberLocale& locale = {});

// The column of a key or a heading (case aside), or nothing.
std::optional<std::size_t> FindColumn(const TableInput& table, std::string_view name);

// What is wrong with a table, at a row (counted from 0) and column, or with the whole table
// (no row). The message names the table by `label`, the row from 1 and the column by its
// heading: "Ground points, row 3, x: must be a number".
struct TableProblem {
    std::optional<std::size_t> row;
    std::optional<std::size_t> column;
    std::string message;
};

// Every problem of the table text, the table's own first, then row by row and column by column.
std::vector<TableProblem> TableProblems(const TableInput& table, std::string_view label,
                                        std::string_view text, const NumberLocale& locale);

// The rows of a table input for a run: the checked rows, or nothing after writing the first
// problem into the message field `messageField`.
std::optional<TableRows> ReadTableInput(FieldTexts& fields, const TableInput& table,
                                        std::string_view label, int messageField,
                                        const NumberLocale& locale);

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>

#include "analysis/TableInput.h"

namespace vardolin {

// A CSV file that cannot be a table's rows. what() names the file, the line and the column:
// "rows.csv: line 3, column 7: a quote is never closed".
class TableCsvError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The rows of a table from CSV text: cells separated by commas, a cell in double quotes may hold
// commas and doubled quotes, lines end in LF or CRLF, blank lines and a leading byte order mark
// are skipped. A first line whose every cell names a column of the table (its key or its heading,
// case aside), each column once, is a header and gives the order of the columns; otherwise
// every line is a row with the cells in the table's column order. Every row has one cell per
// column, and every cell is a field's text (no control characters, at most 1000 bytes).
// `fileName` only names the file in messages.
TableRows ReadTableCsv(std::string_view text, std::string_view fileName, const TableInput& table);

// Reads the CSV file at `path` (refused if larger than a model file may be).
TableRows ReadTableCsvFile(const std::filesystem::path& path, const TableInput& table);

}  // namespace vardolin

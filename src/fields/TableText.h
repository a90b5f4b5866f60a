// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vardolin {

// The value of a table field: rows of cell texts, the first row first.
using TableRows = std::vector<std::vector<std::string>>;

// A table field lives among the form's texts like any other field (FieldTexts), so that copying,
// comparing, clearing and saving the form's texts take it along unchanged. Its text is its rows
// as a compact JSON array of arrays of texts: [["0","0"],["12.5","3"]]. The empty text is a
// table without rows.
std::string TableText(const TableRows& rows);

// The rows a table field's text holds, or nothing for a text that is not an array of arrays of
// texts (rows of unequal length are kept: the checks name them).
std::optional<TableRows> ParseTableText(std::string_view text);

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace vardolin {

// A table an analysis adds to its exported results, after the results and before the trials:
// a name on a line of its own, then comma-separated rows, the first naming the columns, each
// ending in CRLF.
// A report prints the tables it has a title for, their figures as the form rounds them.
struct ExportTable {
    std::string name;
    std::string csv;
    std::string reportTitle;  // empty: too long for a report, left to the export
};

using ExportTables = std::vector<ExportTable>;

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "analysis/TableInput.h"

#include <algorithm>
#include <cctype>

#include "numerics/RunTimeError.h"

namespace vardolin {

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::string Figure(double value) {
    return DoubleToText(value);
}

// "must be at least 0", "must be from 0 to 90": what a number outside the range must be.
std::string RangeWords(const NumberRange& range) {
    if (range.lowest && range.highest) {
        if (range.lowestIncluded && range.highestIncluded) {
            return "must be from " + Figure(*range.lowest) + " to " + Figure(*range.highest);
        }
        return "must be " + std::string(range.lowestIncluded ? "at least " : "greater than ") +
               Figure(*range.lowest) + " and " +
               (range.highestIncluded ? "at most " : "less than ") + Figure(*range.highest);
    }
    if (range.lowest) {
        return (range.lowestIncluded ? "must be at least " : "must be greater than ") +
               Figure(*range.lowest);
    }
    return (range.highestIncluded ? "must be at most " : "must be less than ") +
           Figure(*range.highest);
}

// What is wrong with one cell, or nothing.
std::optional<std::string> CellProblem(const TableColumn& column, const std::string& cell,
                                       const NumberLocale& locale) {
    if (!column.numbers) {
        if (cell.find_first_not_of(' ') == std::string::npos) {
            return "must not be empty";
        }
        return std::nullopt;
    }
    double value = 0.0;
    try {
        value = TextToDouble(cell, locale);
    } catch (const RunTimeError&) {
        return "must be a number";
    }
    if (!column.numbers->Contains(value)) {
        return RangeWords(*column.numbers);
    }
    return std::nullopt;
}

std::string Rows(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " row" : " rows");
}

}  // namespace

const TableInput* FindTableInput(std::span<const TableInput> tables, int number) {
    const auto found = std::find_if(tables.begin(), tables.end(),
                                    [&](const TableInput& table) { return table.field == number; });
    return found == tables.end() ? nullptr : &*found;
}

std::optional<std::size_t> FindColumn(const TableInput& table, std::string_view name) {
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        if (SameName(table.columns[i].key, name) || SameName(table.columns[i].label, name)) {
            return i;
        }
    }
    return std::nullopt;
}

std::string_view UnitIn(const TableColumn& column, UnitSystem system) {
    return UnitOf(QuantityOf(column.unit), system, column.unit);
}

std::string ConvertTableText(const TableInput& table, std::string_view text, UnitSystem from,
                             UnitSystem to, const NumberLocale& locale) {
    std::optional<TableRows> rows = ParseTableText(text);
    if (!rows || from == to) {
        return std::string(text);
    }
    bool changed = false;
    for (std::vector<std::string>& cells : *rows) {
        for (std::size_t c = 0; c < cells.size() && c < table.columns.size(); ++c) {
            std::string converted =
                ConvertText(cells[c], QuantityOf(table.columns[c].unit), from, to, locale);
            if (converted != cells[c]) {
                cells[c] = std::move(converted);
                changed = true;
            }
        }
    }
    return changed ? TableText(*rows) : std::string(text);
}

std::vector<TableProblem> TableProblems(const TableInput& table, std::string_view label,
                                        std::string_view text, const NumberLocale& locale) {
    const std::string name(label);
    const std::optional<TableRows> rows = ParseTableText(text);
    if (!rows) {
        return {{std::nullopt, std::nullopt, name + ": is not a table of rows"}};
    }
    std::vector<TableProblem> problems;
    if (rows->size() < table.minRows) {
        problems.push_back(
            {std::nullopt, std::nullopt, name + ": needs at least " + Rows(table.minRows)});
    } else if (rows->size() > table.maxRows) {
        problems.push_back(
            {std::nullopt, std::nullopt, name + ": takes at most " + Rows(table.maxRows)});
    }
    for (std::size_t r = 0; r < rows->size(); ++r) {
        const auto& cells = (*rows)[r];
        const std::string where = name + ", row " + std::to_string(r + 1);
        if (cells.size() != table.columns.size()) {
            problems.push_back({r, std::nullopt,
                                where + ": has " + std::to_string(cells.size()) +
                                    " cells where the table has " +
                                    std::to_string(table.columns.size()) + " columns"});
            continue;
        }
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const TableColumn& column = table.columns[c];
            if (const auto why = CellProblem(column, cells[c], locale)) {
                problems.push_back({r, c, where + ", " + std::string(column.label) + ": " + *why});
            }
        }
    }
    return problems;
}

std::optional<TableRows> ReadTableInput(FieldTexts& fields, const TableInput& table,
                                        std::string_view label, int messageField,
                                        const NumberLocale& locale) {
    const std::string text = fields.text(table.field);
    const std::vector<TableProblem> problems = TableProblems(table, label, text, locale);
    if (!problems.empty()) {
        fields.setText(messageField, problems.front().message);
        return std::nullopt;
    }
    return ParseTableText(text);
}

}  // namespace vardolin

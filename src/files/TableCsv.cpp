// SPDX-License-Identifier: MIT
#include "files/TableCsv.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "files/Model.h"

namespace vardolin {

namespace {

struct Cell {
    std::string text;
    std::size_t column;  // of its first character, from 1
};

struct Line {
    std::vector<Cell> cells;
    std::size_t number;  // from 1
};

class CsvLines {
public:
    CsvLines(std::string_view text, std::string_view fileName) : text_(text), fileName_(fileName) {
        if (text_.starts_with("\xEF\xBB\xBF")) {
            text_.remove_prefix(3);
        }
    }

    [[noreturn]] void Refuse(std::size_t line, std::optional<std::size_t> column,
                             const std::string& why) const {
        std::string where = fileName_ + ": line " + std::to_string(line);
        if (column) {
            where += ", column " + std::to_string(*column);
        }
        throw TableCsvError(where + ": " + why);
    }

    // Every line that is not blank, split into cells.
    std::vector<Line> All() {
        std::vector<Line> lines;
        while (at_ < text_.size()) {
            Line line = Next();
            if (!(line.cells.size() == 1 && line.cells.front().text.empty())) {
                lines.push_back(std::move(line));
            }
        }
        return lines;
    }

private:
    Line Next() {
        Line line{{}, lineNumber_};
        while (true) {
            Cell cell{{}, column_};
            if (at_ < text_.size() && text_[at_] == '"') {
                Quoted(cell);
            } else {
                while (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '\n' &&
                       !(text_[at_] == '\r' && Ahead(1) == '\n')) {
                    if (text_[at_] == '"') {
                        Refuse(lineNumber_, column_,
                               "a quote inside a cell that does not begin with one");
                    }
                    Take(cell);
                }
            }
            line.cells.push_back(std::move(cell));
            if (at_ < text_.size() && text_[at_] == ',') {
                Advance();
                continue;
            }
            EndLine();
            return line;
        }
    }

    void Quoted(Cell& cell) {
        const std::size_t openLine = lineNumber_;
        const std::size_t openColumn = column_;
        Advance();
        while (true) {
            if (at_ >= text_.size()) {
                Refuse(openLine, openColumn, "a quote opened here is never closed");
            }
            if (text_[at_] == '"') {
                if (Ahead(1) == '"') {
                    Advance();
                    Take(cell);
                    continue;
                }
                Advance();
                break;
            }
            Take(cell);
        }
        if (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '\n' &&
            !(text_[at_] == '\r' && Ahead(1) == '\n')) {
            Refuse(lineNumber_, column_, "a quoted cell must end at its closing quote");
        }
    }

    void Take(Cell& cell) {
        cell.text += text_[at_];
        Advance();
    }

    void Advance() {
        if (text_[at_] == '\n') {
            ++lineNumber_;
            column_ = 1;
        } else {
            ++column_;
        }
        ++at_;
    }

    void EndLine() {
        if (at_ < text_.size() && text_[at_] == '\r') {
            ++at_;
        }
        if (at_ < text_.size()) {
            ++at_;
        }
        ++lineNumber_;
        column_ = 1;
    }

    char Ahead(std::size_t n) const { return at_ + n < text_.size() ? text_[at_ + n] : '\0'; }

    std::string_view text_;
    std::string fileName_;
    std::size_t at_ = 0;
    std::size_t lineNumber_ = 1;
    std::size_t column_ = 1;
};

// The table's column of each cell of a header line, or nothing if the line is no header.
std::optional<std::vector<std::size_t>> HeaderOrder(const Line& line, const TableInput& table) {
    std::vector<std::size_t> order;
    for (const Cell& cell : line.cells) {
        const std::optional<std::size_t> column = FindColumn(table, cell.text);
        if (!column) {
            return std::nullopt;
        }
        order.push_back(*column);
    }
    return order;
}

std::string ColumnList(const TableInput& table) {
    std::string list;
    for (const TableColumn& column : table.columns) {
        list += (list.empty() ? "" : ", ") + std::string(column.key);
    }
    return list;
}

}  // namespace

TableRows ReadTableCsv(std::string_view text, std::string_view fileName, const TableInput& table) {
    CsvLines csv(text, fileName);
    const std::vector<Line> lines = csv.All();
    std::vector<std::size_t> order(table.columns.size());
    for (std::size_t c = 0; c < order.size(); ++c) {
        order[c] = c;
    }
    std::size_t first = 0;
    if (!lines.empty()) {
        if (auto header = HeaderOrder(lines.front(), table)) {
            const Line& line = lines.front();
            std::vector<bool> named(table.columns.size(), false);
            for (std::size_t i = 0; i < header->size(); ++i) {
                if (named[(*header)[i]]) {
                    csv.Refuse(line.number, line.cells[i].column,
                               "the header names the column \"" +
                                   std::string(table.columns[(*header)[i]].key) + "\" twice");
                }
                named[(*header)[i]] = true;
            }
            if (header->size() != table.columns.size()) {
                csv.Refuse(line.number, std::nullopt,
                           "the header names " + std::to_string(header->size()) +
                               " columns where the table has " +
                               std::to_string(table.columns.size()) + " (" + ColumnList(table) +
                               ")");
            }
            order = std::move(*header);
            first = 1;
        }
    }
    if (lines.size() - first > kMaxTableRows) {
        csv.Refuse(lines[first + kMaxTableRows].number, std::nullopt,
                   "more than " + std::to_string(kMaxTableRows) + " rows");
    }
    TableRows rows;
    for (std::size_t l = first; l < lines.size(); ++l) {
        const Line& line = lines[l];
        if (line.cells.size() != table.columns.size()) {
            csv.Refuse(line.number, std::nullopt,
                       std::to_string(line.cells.size()) + " cells where the table has " +
                           std::to_string(table.columns.size()) + " columns (" + ColumnList(table) +
                           ")");
        }
        std::vector<std::string> row(table.columns.size());
        for (std::size_t i = 0; i < line.cells.size(); ++i) {
            if (const auto why = WhyNotAFieldText(line.cells[i].text)) {
                csv.Refuse(line.number, line.cells[i].column, "the cell " + *why);
            }
            row[order[i]] = line.cells[i].text;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

TableRows ReadTableCsvFile(const std::filesystem::path& path, const TableInput& table) {
    const std::string name = path.string();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw TableCsvError(name + ": cannot be opened (" + std::strerror(errno) + ")");
    }
    std::string bytes(kMaxModelFileBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        throw TableCsvError(name + ": cannot be read");
    }
    if (static_cast<std::size_t>(in.gcount()) > kMaxModelFileBytes) {
        throw TableCsvError(name + ": larger than 32 MB, which no table is");
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return ReadTableCsv(bytes, name, table);
}

}  // namespace vardolin

// SPDX-License-Identifier: MIT
#include "fields/TableText.h"

#include <nlohmann/json.hpp>

namespace vardolin {

namespace {

using nlohmann::json;

// The table, its rows, their cells.
constexpr int kTableDepth = 2;

}  // namespace

std::string TableText(const TableRows& rows) {
    if (rows.empty()) {
        return {};
    }
    json array = json::array();
    for (const auto& row : rows) {
        array.push_back(row);
    }
    return array.dump();
}

std::optional<TableRows> ParseTableText(std::string_view text) {
    if (text.find_first_not_of(" ") == std::string_view::npos) {
        return TableRows{};
    }
    bool tooDeep = false;
    const json::parser_callback_t watch = [&](int depth, json::parse_event_t, json&) {
        tooDeep = tooDeep || depth > kTableDepth;
        return !tooDeep;
    };
    const json parsed = json::parse(text.begin(), text.end(), watch, false);
    if (tooDeep || !parsed.is_array()) {
        return std::nullopt;
    }
    TableRows rows;
    rows.reserve(parsed.size());
    for (const json& row : parsed) {
        if (!row.is_array()) {
            return std::nullopt;
        }
        auto& cells = rows.emplace_back();
        for (const json& cell : row) {
            if (!cell.is_string()) {
                return std::nullopt;
            }
            cells.push_back(cell.get<std::string>());
        }
    }
    return rows;
}

}  // namespace vardolin

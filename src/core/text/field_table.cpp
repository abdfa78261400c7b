// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/text/field_table.h"

namespace field_table {

std::string cell(std::string_view text) {
    if (text.find_first_of("\t\n\r") == std::string_view::npos && !text.starts_with('"')) {
        return std::string(text);
    }
    std::string out = "\"";
    for (const char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + '"';
}

std::string line(std::string_view name, std::string_view text) {
    return cell(name) + '\t' + cell(text) + '\n';
}

std::string row(const std::vector<std::string>& cells) {
    if (cells.size() == 1 && cells.front().empty()) {
        return "\"\"\n";
    }
    std::string out;
    const char* separator = "";
    for (const std::string& text : cells) {
        out += separator + cell(text);
        separator = "\t";
    }
    return out + '\n';
}

}  // namespace field_table

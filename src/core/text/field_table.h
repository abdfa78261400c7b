// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <string>
#include <string_view>
#include <vector>

// Fields as tab-separated text: the command line's name<TAB>text lines and its
// rows, and the window's Copy All Fields. A text that holds a tab, a line
// break or a carriage return, or that starts with a double quote, is written
// between double quotes with each of its double quotes doubled (RFC 4180's
// quoting with tabs), which is how spreadsheets read pasted or imported
// tab-separated text; any other text is written as it is. So a field's text
// never makes a cell or a line of its own.
namespace field_table {

std::string cell(std::string_view text);
// The same at the end of out, for rows written one cell at a time.
void appendCell(std::string& out, std::string_view text);
// The most bytes a text's cell takes: every byte a doubled quote, and the
// quotes around them.
constexpr std::size_t mostCellBytes(std::string_view text) {
    return 2 * text.size() + 2;
}
// The cell written at out, which has room for mostCellBytes(text); returns
// where it ends. For rows put together in memory that is already there.
char* writeCell(char* out, std::string_view text);

// name<TAB>text and a line break.
std::string line(std::string_view name, std::string_view text);

// The cells tab-separated, and a line break. A row of one empty cell is
// written as "", so that it reads as one empty cell, not as a row of none.
std::string row(const std::vector<std::string>& cells);

}  // namespace field_table

// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The command line's JSON: texts are written as they are, escaping only what
// JSON requires, so a reader gets back every byte a field holds.
namespace json_writer {

// text as a JSON string, quotes included.
std::string quoted(std::string_view text);

struct Field {
    int id;
    std::string_view name;
    std::string_view text;
};

// One line: {"tool": ..., "fields": [{"id", "name", "text"}...], "messages": [...]},
// with "line": N first for a row of the pipeline mode (line 0: none), and
// "steps": [...] last when steps are given (the worked steps of the last press).
void writeResult(std::ostream& out, std::string_view tool, std::span<const Field> fields,
                 std::span<const std::string> messages, std::size_t line = 0,
                 const std::vector<std::string>* steps = nullptr);

struct Control {
    int id;
    std::string_view name;
    std::string_view kind;
};

// One line: {"tool": ..., "controls": [{"id", "name", "kind"}...]}.
void writeControls(std::ostream& out, std::string_view tool, std::span<const Control> controls);

}  // namespace json_writer

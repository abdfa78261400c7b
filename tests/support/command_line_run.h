// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/command_line/tool_runner.h"

// What a command line gave: its exit status and both streams.
struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// Runs the command line's words (those after the program's name), with
// input on its standard input.
inline Outcome run(const std::vector<std::string>& words, const std::string& input = "") {
    const std::vector<std::string_view> args(words.begin(), words.end());
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = tool_runner::run(args, tool_runner::Streams{in, out, err});
    return {status, out.str(), err.str()};
}

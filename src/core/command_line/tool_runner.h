// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

// Runs one tool without a window, for scripts: the command line's
//     brimlet --tool TOOL [--set FIELD=TEXT | --press BUTTON | --keys TEXT]... [--json] [--svg FILE]
//     brimlet --tool TOOL --each FIELD [STEP]... [--fields FIELD,...] [--header | --json]
//     brimlet --tool TOOL --list [--json]
//     brimlet --tools
// The steps act on the tool as a user acts in its window; at the end every
// edit field is printed in template order. With --each, each line of the
// input is set into the field on a fresh tool before the steps, and gives
// one row; --svg also writes a solver's picture to FILE ("-": to out, instead
// of the fields). args are the words after the program name. Returns the exit
// status: 0 when no message was shown, 1 when the tool showed one (each goes
// to err as it is shown) or when out or err could not be written, 2 for a
// command line that cannot run (one line on err says why).
namespace tool_runner {

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    // Someone reads the rows as they come (out is a terminal): each is flushed.
    bool interactive = false;
};

int run(std::span<const std::string_view> args, const Streams& streams);
// A run with nothing on its input.
int run(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

// True when the command line asks for a run without a window.
bool wanted(std::span<const std::string_view> args);

// run() on the process's standard streams: the one entry point of both
// `brimlet --tool` and `brimlet-tool`.
int runProcess(std::span<const std::string_view> args);

// Writes text to standard output: 0, or 1 with a line on standard error when
// it could not be written (a full disk, a closed pipe or standard output).
int print(std::string_view text);

// The options of a run without a window, as --help shows them, for the
// program of that name.
std::string usage(std::string_view program);

}  // namespace tool_runner

// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/templates/dialog_template.h"

// The words of the command line's tool runner, read into what they ask for.
// A name in a step is resolved as soon as it is read, so that the first fault
// of a command line is the one reported.
namespace tool_runner {

// A command line that cannot run; why is the one line that says so.
struct Refused {
    std::string why;
};

// Where the words start: "--tools", or "--tool" and the tool's name.
struct Invocation {
    bool tools = false;
    std::string_view tool;
    std::span<const std::string_view> rest;  // the words after the tool's name
};

// Throws Refused when the words ask for neither.
Invocation parseInvocation(std::span<const std::string_view> args);

// The names a step may give, resolved against the tool the command line names.
class ControlNames;

enum class Verb { Set, Press, Keys };

struct Step {
    Verb verb;
    std::string_view value;  // the text to set or the keys to type
    int id = kNoId;          // the field or button
};

struct Steps {
    std::vector<Step> steps;
    bool json = false;
    bool list = false;
    // Pipeline mode: the field that each line of the input is set into, the
    // fields of each output row (none: every field) and a row of their names first.
    int each = kNoId;
    std::vector<int> fields;
    bool header = false;
    // Where the solver's picture is written as SVG ("-": standard output,
    // instead of the fields); empty: no picture.
    std::string_view svg;
    // The worked steps of the last press instead of the fields (with --json:
    // besides them); with --each, each line's, after its number.
    bool worked = false;
};

// Every step is checked before any runs, so a command line that cannot run
// shows no message and prints no fields.
Steps parseSteps(std::span<const std::string_view> words, const ControlNames& names);

}  // namespace tool_runner

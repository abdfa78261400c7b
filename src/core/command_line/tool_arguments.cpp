// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/command_line/tool_arguments.h"

#include <algorithm>

#include "core/command_line/control_names.h"
#include "core/commands/command_table.h"
#include "core/commands/typed_name.h"
#include "core/text/utf8.h"

namespace tool_runner {

Invocation parseInvocation(std::span<const std::string_view> args) {
    std::size_t start = 0;
    while (start < args.size() && args[start] != "--tool" && args[start] != "--tools") {
        ++start;
    }
    if (start == args.size()) {
        throw Refused{"nothing to run"};
    }
    if (args[start] == "--tools") {
        if (args.size() != 1) {
            throw Refused{"--tools takes nothing else"};
        }
        return {true, {}, {}};
    }
    if (start != 0) {
        throw Refused{"--tool comes first, not after '" + utf8::escaped(args.front()) + "'"};
    }
    if (args.size() < 2) {
        throw Refused{"--tool needs the name of a tool; 'brimlet --tools' lists them"};
    }
    return {false, args[1], args.subspan(2)};
}

namespace {

// "A, B and C": the tools that draw, in menu order.
std::string drawingTools() {
    std::vector<std::string> items;
    for (const ToolCommand& command : toolCommands()) {
        if (command.draws()) {
            items.push_back(typed_name::tidy(command.item));
        }
    }
    std::string list;
    for (std::size_t i = 0; i < items.size(); ++i) {
        list += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
    }
    return list;
}

// One word of a tool's command line: a step or a switch, and what it does to
// the parsed steps. A new option is one more row.
struct Option {
    std::string_view word;
    bool takesValue;
    void (*apply)(Steps& parsed, std::string_view value, const ControlNames& names);
};

constexpr Option kOptions[] = {
    {"--set", true,
     [](Steps& parsed, std::string_view value, const ControlNames& names) {
         const std::size_t equals = value.find('=');
         if (equals == std::string_view::npos) {
             throw Refused{"--set needs FIELD=TEXT, not '" + utf8::escaped(value) + "'"};
         }
         parsed.steps.push_back(
             {Verb::Set, value.substr(equals + 1), names.fieldId(value.substr(0, equals))});
     }},
    {"--press", true,
     [](Steps& parsed, std::string_view value, const ControlNames& names) {
         parsed.steps.push_back({Verb::Press, {}, names.buttonId(value)});
     }},
    {"--keys", true,
     [](Steps& parsed, std::string_view value, const ControlNames&) {
         parsed.steps.push_back({Verb::Keys, value});
     }},
    {"--json", false, [](Steps& parsed, std::string_view, const ControlNames&) { parsed.json = true; }},
    {"--list", false, [](Steps& parsed, std::string_view, const ControlNames&) { parsed.list = true; }},
    {"--each", true,
     [](Steps& parsed, std::string_view value, const ControlNames& names) {
         parsed.each = names.fieldId(value);
     }},
    {"--fields", true,
     [](Steps& parsed, std::string_view value, const ControlNames& names) {
         parsed.fields.clear();
         for (std::size_t start = 0; start <= value.size();) {
             const std::size_t comma = std::min(value.find(',', start), value.size());
             parsed.fields.push_back(names.fieldId(value.substr(start, comma - start)));
             start = comma + 1;
         }
     }},
    {"--header", false, [](Steps& parsed, std::string_view, const ControlNames&) { parsed.header = true; }},
    {"--svg", true,
     [](Steps& parsed, std::string_view value, const ControlNames& names) {
         if (value.empty()) {
             throw Refused{"--svg needs a file name, or - for standard output"};
         }
         if (!parsed.svg.empty()) {
             throw Refused{"--svg is given twice; a run draws one picture, into one file"};
         }
         if (!names.drawsPicture()) {
             throw Refused{"this tool draws no picture; " + drawingTools() + " do"};
         }
         parsed.svg = value;
     }},
    {"--steps", false,
     [](Steps& parsed, std::string_view, const ControlNames& names) {
         if (!names.recordsSteps()) {
             throw Refused{"this tool records no worked steps; the converters and the solvers do"};
         }
         parsed.worked = true;
     }},
};

}  // namespace

Steps parseSteps(std::span<const std::string_view> words, const ControlNames& names) {
    Steps parsed;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        const Option* option = nullptr;
        for (const Option& candidate : kOptions) {
            if (candidate.word == word) {
                option = &candidate;
            }
        }
        if (option == nullptr) {
            throw Refused{
                "unknown step '" + utf8::escaped(word) +
                "'; the steps are --set FIELD=TEXT, --press BUTTON and --keys TEXT, "
                "with --json, --steps, --list or --svg FILE; --each FIELD [--fields FIELD,...] [--header] "
                "runs them on each line of standard input"};
        }
        std::string_view value;
        if (option->takesValue) {
            if (++i == words.size()) {
                throw Refused{std::string(word) + " needs a value"};
            }
            value = words[i];
        }
        option->apply(parsed, value, names);
    }
    if (parsed.list && (!parsed.steps.empty() || parsed.each != kNoId)) {
        throw Refused{"--list takes no steps; it lists the fields and buttons that steps name"};
    }
    if (parsed.each == kNoId && (!parsed.fields.empty() || parsed.header)) {
        throw Refused{"--fields and --header go with --each FIELD"};
    }
    if (!parsed.svg.empty() && (parsed.list || parsed.each != kNoId)) {
        throw Refused{"--svg draws the picture of one run, not with --list or --each"};
    }
    if (parsed.worked && (parsed.list || parsed.header || parsed.svg == "-")) {
        throw Refused{"--steps prints the worked steps of a run, not with --list, --header or --svg -"};
    }
    if (parsed.header && parsed.json) {
        throw Refused{"--header goes with tab-separated rows, not with --json"};
    }
    return parsed;
}

}  // namespace tool_runner

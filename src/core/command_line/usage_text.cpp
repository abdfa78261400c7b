// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <string>
#include <string_view>

#include "core/command_line/tool_runner.h"

namespace tool_runner {

// The options of a run without a window, as both programs' --help shows them.
std::string usage(std::string_view program) {
    const std::string p(program);
    return "Running one tool without a window (no display needed):\n"
           "  " +
           p +
           " --tools                       list the tools\n"
           "  " +
           p +
           " --tool TOOL --list [--json]   list a tool's fields and buttons\n"
           "  " +
           p +
           " --tool TOOL [STEP]... [--steps] [--json] [--svg FILE]\n"
           "  " +
           p +
           " --tool TOOL --each FIELD [STEP]... [--fields FIELD,...] [--header | --json | --steps]\n"
           "TOOL is a menu item (\"Quadratic Formula\", length) or a class name (Degrees).\n"
           "Steps run in order, as a user acts in the window:\n"
           "  --set FIELD=TEXT  writes TEXT into the field (its name, or #ID)\n"
           "  --press BUTTON    clicks the button (its caption without '&', or #ID)\n"
           "  --keys TEXT       types the characters as keys (a newline is Enter)\n"
           "Then every field is printed as NAME<TAB>TEXT, or all as one JSON object with\n"
           "--json. A text with a tab, line break or leading '\"' is quoted as spreadsheets\n"
           "read it (\"1<TAB>2\"). A message of the tool goes to standard error; the status\n"
           "is 0, 1 when the tool showed a message or the output could not be written, 2\n"
           "for a command line that cannot run. --svg FILE also writes the picture of a\n"
           "solver that draws one (- for standard output, instead of the fields).\n"
           "--steps prints the worked steps of the last press instead of the fields, one\n"
           "a line: each equation with its numbers, '≈' before a field's rounded text;\n"
           "with --json the object gets them as \"steps\". Converters and solvers only.\n"
           "With --each FIELD, each line of standard input is set into FIELD of a fresh\n"
           "tool, the steps run, and one row is written: the fields (or those --fields\n"
           "names, in its order) tab-separated, their names first with --header, or one\n"
           "JSON object per line with --json. A line's message goes to standard error\n"
           "with its number, the line still gets its row, and the status is 1. With\n"
           "--steps each line gives its steps instead of a row, each after the line's\n"
           "number and a tab (with --json: the row's object gets them).\n"
           "Examples:\n"
           "  " +
           p +
           " --tool length --set Input=2 --press ft\n"
           "  " +
           p +
           " --tool 'pythagorean theorem' --set 'Side 1=3' --set 'Side 2=4' --press 'Find "
           "Hypothenuse'\n"
           "  " +
           p +
           " --tool 'basic calculator' --keys '12+3=' --json | jq -r '.fields[0].text'\n"
           "  cut -f3 data.tsv | " +
           p + " --tool length --each Input --press ft --fields Meters\n";
}

}  // namespace tool_runner

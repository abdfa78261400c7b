// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// brimlet-tool: the tools of Brimlet 5 on the command line, built from the
// core alone (no Qt, no display). Its command line is `brimlet --tool ...`'s,
// run by the same entry point, so texts, messages and statuses are the same.

#include <string>
#include <string_view>
#include <vector>

#include "core/command_line/tool_runner.h"
#include "core/resources/version.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        return tool_runner::print(std::string("Usage: brimlet-tool --tool TOOL [STEP]... [--json]\n") +
                                  kProductName +
                                  "'s unit converters, equation solvers, reference tables and\n"
                                  "calculators, for scripts and pipelines: the same texts as their windows.\n"
                                  "\n"
                                  "Options:\n"
                                  "  -h, --help       show this help and exit\n"
                                  "  -v, --version    show the version and exit\n"
                                  "\n" +
                                  tool_runner::usage("brimlet-tool"));
    }
    if (args.size() == 1 && (args[0] == "--version" || args[0] == "-v")) {
        return tool_runner::print(std::string("brimlet-tool ") + kVersion + "\n" + kVersionNotice);
    }
    return tool_runner::runProcess(args);
}

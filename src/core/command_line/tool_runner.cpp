// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/command_line/tool_runner.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <istream>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>

#include "core/command_line/control_names.h"
#include "core/command_line/descriptor_stream.h"
#include "core/command_line/each_line.h"
#include "core/command_line/headless_run.h"
#include "core/command_line/tool_arguments.h"
#include "core/commands/command_table.h"
#include "core/commands/typed_name.h"
#include "core/files/whole_file.h"
#include "core/text/utf8.h"

namespace tool_runner {

namespace {

const ToolCommand& toolNamed(std::string_view name) {
    if (const ToolCommand* command = findToolNamed(name)) {
        return *command;
    }
    std::string names;
    for (const ToolCommand& command : toolCommands()) {
        names += (names.empty() ? "" : ", ") + typed_name::withoutMnemonic(command.item);
    }
    throw Refused{"unknown tool '" + utf8::escaped(name) + "'; the tools are: " + names};
}

// Every tool: class name, menu and item, one line each.
void listTools(std::ostream& out) {
    for (const ToolCommand& command : toolCommands()) {
        out << command.className << '\t' << typed_name::withoutMnemonic(command.popup) << '\t' << command.item
            << '\n';
    }
}

int runTool(const Invocation& invocation, const Streams& streams) {
    const ControlNames names(toolNamed(invocation.tool));
    const Steps parsed = parseSteps(invocation.rest, names);
    if (parsed.list) {
        names.list(streams.out, parsed.json);
        return 0;
    }
    HeadlessRun run(names, streams.err);
    if (parsed.worked) {
        run.recordSteps();
    }
    if (parsed.each != kNoId) {
        return runEach(run, parsed, streams);
    }
    for (const Step& step : parsed.steps) {
        run.run(step);
    }
    if (parsed.svg == "-") {
        streams.out << run.svg();
        return run.showedMessages() ? 1 : 0;
    }
    // A picture that cannot be written is said as a message is; the fields
    // are printed all the same.
    std::string why;
    if (!parsed.svg.empty()) {
        // Standard output may be the file: what was printed goes first.
        streams.out.flush();
        why = whole_file::write(std::string(parsed.svg), run.svg());
    }
    if (!why.empty()) {
        streams.err << "brimlet: cannot write '" << utf8::escaped(parsed.svg) << "': " << why << '\n';
    }
    if (parsed.worked && !parsed.json) {
        run.printSteps(streams.out);
    } else {
        run.print(streams.out, parsed.json);
    }
    return run.showedMessages() || !why.empty() ? 1 : 0;
}

// A run whose output is lost has not done its job, whatever it computed.
int delivered(int status, std::ostream& out, std::ostream& err) {
    errno = 0;
    if (!out.flush()) {
        const int error = errno;
        err << "brimlet: the output could not be written" << (error != 0 ? ": " : "")
            << (error != 0 ? std::strerror(error) : "") << '\n';
        err.flush();
        return 1;
    }
    return err.flush() ? status : 1;
}

// A reader that goes away (`brimlet ... | head -1`) makes the next write fail
// with EPIPE, and a file that reaches the size limit (`ulimit -f`) with
// EFBIG, reported as any other failed write, instead of ending the process
// silently by a signal.
void writesFailInsteadOfSignals() {
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace

bool wanted(std::span<const std::string_view> args) {
    for (const std::string_view arg : args) {
        if (arg == "--") {
            return false;
        }
        if (arg == "--tool" || arg == "--tools") {
            return true;
        }
    }
    return false;
}

int run(std::span<const std::string_view> args, const Streams& streams) {
    int status = 0;
    try {
        const Invocation invocation = parseInvocation(args);
        if (invocation.tools) {
            listTools(streams.out);
        } else {
            status = runTool(invocation, streams);
        }
    } catch (const Refused& refused) {
        streams.err << "brimlet: " << refused.why << '\n';
        status = 2;
    }
    return delivered(status, streams.out, streams.err);
}

int run(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    std::istringstream nothing;
    return run(args, Streams{nothing, out, err});
}

namespace {

// The process's standard streams, on the heap for their buffers' sake.
// Errors go out as they are said, as std::cerr's do.
struct ProcessStreams {
    DescriptorBuffer inBuffer{STDIN_FILENO};
    DescriptorBuffer outBuffer{STDOUT_FILENO};
    DescriptorBuffer errBuffer{STDERR_FILENO};
    std::istream in{&inBuffer};
    std::ostream out{&outBuffer};
    std::ostream err{&errBuffer};
    ProcessStreams() { err.setf(std::ios::unitbuf); }
};

}  // namespace

int runProcess(std::span<const std::string_view> args) {
    writesFailInsteadOfSignals();
    const auto streams = std::make_unique<ProcessStreams>();
    return run(args, Streams{streams->in, streams->out, streams->err, isatty(STDOUT_FILENO) == 1});
}

int print(std::string_view text) {
    writesFailInsteadOfSignals();
    const auto streams = std::make_unique<ProcessStreams>();
    streams->out << text;
    return delivered(0, streams->out, streams->err);
}

}  // namespace tool_runner

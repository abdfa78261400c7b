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
#include "core/command_line/headless_run.h"
#include "core/command_line/tool_arguments.h"
#include "core/commands/command_table.h"
#include "core/commands/typed_name.h"
#include "core/files/whole_file.h"
#include "core/text/utf8.h"

namespace tool_runner {

namespace {

enum class Read { Line, End, Failed };

// Reads one line of the input without its line break (nor a carriage return
// before it), keeping at most maxBytes of it: however long a line, memory
// stays flat. A read that fails (standard input closed, or a directory)
// ends the input: why says what the system answered, and the part of a line
// read before it is dropped. The one reader of both programs' input.
Read readLine(std::streambuf& in, std::string& line, std::size_t maxBytes, bool& tooLong, std::string& why) {
    line.clear();
    tooLong = false;
    bool any = false;
    try {
        for (int c = in.sbumpc(); c != std::char_traits<char>::eof(); c = in.sbumpc()) {
            any = true;
            if (c == '\n') {
                break;
            }
            if (line.size() < maxBytes) {
                line += static_cast<char>(c);
            } else {
                tooLong = true;
            }
        }
    } catch (const std::ios_base::failure& failure) {
        // The standard library's file buffers throw on a failed read, whatever
        // the stream's exception mask, with the system's error code.
        why = failure.code().message();
        return Read::Failed;
    }
    if (!tooLong && line.ends_with('\r')) {
        line.pop_back();
    }
    return any ? Read::Line : Read::End;
}

// Every line of the input on a fresh tool: the line set into the field, then
// the steps, then one row. A line's messages go to err with its number, and
// the run goes on.
int runEach(HeadlessRun& run, const Steps& parsed, const Streams& streams) {
    run.chooseFields(parsed.fields);
    if (parsed.header) {
        run.printHeader(streams.out);
    }
    const std::size_t limit = run.enteredLimit(parsed.each);
    // A character is at most four bytes: beyond that, the line is too long whatever it holds.
    const std::size_t maxBytes = limit * 4 + 4;
    std::streambuf& in = *streams.in.rdbuf();
    std::string line;
    std::string why;
    bool tooLong = false;
    bool anyMessage = false;
    Read read = Read::End;
    for (std::size_t number = 1;
         streams.out && (read = readLine(in, line, maxBytes, tooLong, why)) == Read::Line; ++number) {
        run.restart(number);
        const std::string entered = utf8::replaceInvalid(line);
        tooLong = tooLong || utf8::firstUnits(entered, limit).size() < entered.size();
        if (tooLong) {
            run.refuseLongLine(parsed.each, limit);
        } else {
            run.set(parsed.each, entered);
            for (const Step& step : parsed.steps) {
                run.run(step);
            }
        }
        if (parsed.worked && !parsed.json) {
            run.printSteps(streams.out, number);
        } else {
            run.printRow(streams.out, parsed.json, number, tooLong);
        }
        anyMessage = anyMessage || run.showedMessages();
        // Rows are flushed when someone may be waiting for them: out is a
        // terminal, or the input has nothing more ready (a person or a
        // program that writes a line and waits for its row).
        if (streams.interactive || in.in_avail() <= 0) {
            streams.out.flush();
        }
    }
    if (read == Read::Failed) {
        streams.err << "brimlet: the input could not be read: " << why << '\n';
        return 1;
    }
    return anyMessage ? 1 : 0;
}

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

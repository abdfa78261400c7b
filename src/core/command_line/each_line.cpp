// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/command_line/each_line.h"

#include <istream>
#include <ostream>
#include <string>

#include "core/command_line/headless_run.h"
#include "core/command_line/line_reader.h"
#include "core/command_line/tool_arguments.h"
#include "core/text/utf8.h"

namespace tool_runner {

int runEach(HeadlessRun& run, const Steps& parsed, const Streams& streams) {
    run.chooseFields(parsed.fields);
    if (parsed.header) {
        run.printHeader(streams.out);
    }
    const std::size_t limit = run.enteredLimit(parsed.each);
    // A character is at most four bytes: beyond that, the line is too long whatever it holds.
    LineReader lines(*streams.in.rdbuf(), limit * 4 + 4);
    std::string replaced;
    bool anyMessage = false;
    LineReader::Read read = LineReader::Read::End;
    for (std::size_t number = 1; streams.out && (read = lines.next()) == LineReader::Read::Line; ++number) {
        run.restart(number);
        // The line as the field takes it: bytes that are no UTF-8 replaced,
        // which most lines need not be.
        std::string_view entered = lines.line();
        if (utf8::validLength(entered) != entered.size()) {
            replaced = utf8::replaceInvalid(entered);
            entered = replaced;
        }
        const bool tooLong = lines.tooLong() || utf8::firstUnitsLength(entered, limit) < entered.size();
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
        if (streams.interactive || !lines.ready()) {
            streams.out.flush();
        }
    }
    if (read == LineReader::Read::Failed) {
        streams.err << "brimlet: the input could not be read: " << lines.why() << '\n';
        return 1;
    }
    return anyMessage ? 1 : 0;
}

}  // namespace tool_runner
